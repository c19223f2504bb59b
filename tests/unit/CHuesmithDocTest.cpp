#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/CHuesmithDoc.h"
#include "framework/CArchive.h"

namespace {

void Load(CHuesmithDoc& doc, std::string_view bytes) {
    CArchive archive(bytes);
    doc.Serialize(archive);
}

std::string Save(CHuesmithDoc& doc) {
    CArchive archive;
    doc.Serialize(archive);
    return archive.GetStoredBytes();
}

std::string Fields(const CHuesmithDoc& doc, int i) {
    return doc.GetCatalogueName(i) + "|" + doc.GetCatalogueReading(i) + "|" +
           std::to_string(doc.GetCatalogueRed(i)) + "|" +
           std::to_string(doc.GetCatalogueGreen(i)) + "|" +
           std::to_string(doc.GetCatalogueBlue(i));
}

// Loads the bytes and returns each record's fields.
std::vector<std::string> LoadFields(std::string_view bytes) {
    CHuesmithDoc doc;
    Load(doc, bytes);
    std::vector<std::string> out;
    for (int i = 0; i < doc.GetCount(); ++i) out.push_back(Fields(doc, i));
    return out;
}

using Records = std::vector<std::string>;

TEST(DataFile, LinesSplitFromTheLeftAndNeverRejected) {
    EXPECT_EQ(LoadFields(""), Records{}) << "empty file";
    EXPECT_EQ(LoadFields("a,b,1,2,3\r\n\r\nc,d,4,5,6\r\n"),
              (Records{"a|b|1|2|3", "||0|0|0", "c|d|4|5|6"}))
        << "blank line in the middle";
    EXPECT_EQ(LoadFields("a,b,7"), Records{"a|b|0|0|7"}) << "too few fields, no line end";
    EXPECT_EQ(LoadFields("7"), Records{"||0|0|7"}) << "no comma at all";
    EXPECT_EQ(LoadFields("x,y,z,1,2,3"), Records{"x|y|0|1|2"}) << "comma in the name";
    EXPECT_EQ(LoadFields("n,r,300,-5,12abc"), Records{"n|r|300|-5|12"}) << "unchecked numbers";
    EXPECT_EQ(LoadFields("n,r,70000,-70000, 65535"), Records{"n|r|4464|-4464|-1"})
        << "16-bit truncation";
    EXPECT_EQ(LoadFields("n,r,1,2,99999999999"), Records{"n|r|1|2|-1"}) << "clamped, truncated";
    EXPECT_EQ(LoadFields("a\rb,r,1,2,3\r\n"), Records{"a\rb|r|1|2|3"}) << "lone CR kept";
}

TEST(DataFile, SavingWritesCrLfRecordsFromMemory) {
    CHuesmithDoc doc;
    Load(doc, "a,b,1,2,3\nc,d,4,5,6\n");
    EXPECT_EQ(Save(doc), "a,b,1,2,3\r\nc,d,4,5,6\r\n") << "LF-only file written with CR LF";

    CHuesmithDoc shifted;
    Load(shifted, "x,y,z,1,2,3\r\n");
    EXPECT_EQ(Save(shifted), "x,y,0,1,2\r\n") << "shifted record saved as it is held";
}

TEST(DataFile, ProgramWrittenFileRoundTripsByteForByte) {
    // 白,しろ and 鴇色,ときいろ in CP932, an empty record, a lone CR and a NUL inside a name.
    const std::string file =
        "\x94\x92,\x82\xb5\x82\xeb,255,255,255\r\n"
        "\x93\x82\x90\x46,\x82\xc6\x82\xab\x82\xa2\x82\xeb,249,161,208\r\n"
        ",,0,0,0\r\n"
        "a\rb,c,-5,300,4464\r\n" +
        std::string("n\0ul,r,1,2,3\r\n", 14);
    CHuesmithDoc doc;
    Load(doc, file);
    ASSERT_EQ(doc.GetCount(), 5);
    EXPECT_EQ(doc.GetCatalogueName(0), "\x94\x92") << "Shift-JIS kept as bytes";
    EXPECT_EQ(Save(doc), file);
}

TEST(DataFile, ShippedCatalogueLoadsAndRoundTrips) {
    std::ifstream in(HS_DATA_DIR "/Huesmith.csv", std::ios::binary);
    ASSERT_TRUE(in) << "data/Huesmith.csv";
    const std::string file{std::istreambuf_iterator<char>(in), {}};
    CHuesmithDoc doc;
    Load(doc, file);
    EXPECT_EQ(doc.GetCount(), 400);
    for (int i = 0; i < doc.GetCount(); ++i) {
        EXPECT_FALSE(doc.GetCatalogueName(i).empty()) << "name of record " << i;
        EXPECT_FALSE(doc.GetCatalogueReading(i).empty()) << "reading of record " << i;
        for (const short channel : {doc.GetCatalogueRed(i), doc.GetCatalogueGreen(i),
                                    doc.GetCatalogueBlue(i)}) {
            EXPECT_TRUE(channel >= 0 && channel <= 255) << "channel of record " << i;
        }
    }
    EXPECT_EQ(Save(doc), file) << "byte for byte";
}

TEST(CatalogueLists, ScratchFollowsTheCatalogueAndDisplayStartsEmpty) {
    CHuesmithDoc doc;
    Load(doc, "a,b,1,2,3\r\nc,d,4,5,6\r\n");
    EXPECT_EQ(doc.GetScratchCount(), 2) << "after load";
    EXPECT_EQ(doc.GetDisplayCount(), 0) << "loading lists nothing";
    doc.AddRecord("e", "f", 7, 8, 9);
    EXPECT_EQ(doc.GetScratchCount(), 3) << "after AddRecord";
    EXPECT_EQ(doc.GetDisplayCount(), 0) << "AddRecord lists nothing";
    doc.AddToDisplay(2);
    doc.ClearDisplay();
    EXPECT_EQ(doc.GetCount(), 3) << "ClearDisplay keeps records";
    doc.AddToDisplay(1);
    doc.RemoveAllRecords();
    EXPECT_EQ(doc.GetCount(), 0) << "RemoveAllRecords";
    EXPECT_EQ(doc.GetScratchCount(), 0) << "RemoveAllRecords";
    EXPECT_EQ(doc.GetDisplayCount(), 0) << "RemoveAllRecords";
}

// A document whose display list shows every record, in the order given.
void ShowAll(CHuesmithDoc& doc, std::initializer_list<int> order) {
    doc.ClearDisplay();
    for (const int i : order) doc.AddToDisplay(i);
}

TEST(Search, NearestTakesTheFirstOfEqualDistances) {
    CHuesmithDoc doc;
    EXPECT_EQ(doc.FindNearest(1, 2, 3), CHuesmithDoc::kNoPosition) << "empty catalogue";
    Load(doc, "black,k,0,0,0\r\nred,r,255,0,0\r\nred2,r,255,0,0\r\nwhite,w,255,255,255\r\n");
    ShowAll(doc, {0, 1, 2, 3});
    EXPECT_EQ(doc.FindNearest(255, 0, 0), 1) << "exact match, first of two";
    EXPECT_EQ(doc.FindNearest(250, 250, 250), 3) << "near white";
    EXPECT_EQ(doc.FindNearest(10, 0, 0), 0) << "near black";
    ShowAll(doc, {3, 2, 1, 0});
    EXPECT_EQ(doc.FindNearest(255, 0, 0), 1) << "position in the display order";
    ShowAll(doc, {3, 0});
    EXPECT_EQ(doc.FindNearest(255, 0, 0), 0) << "short display list is not read past its end";
}

TEST(Search, FarthestInPlainRgb) {
    CHuesmithDoc doc;
    EXPECT_EQ(doc.FindFarthest(1, 2, 3), CHuesmithDoc::kNoPosition) << "empty catalogue";
    Load(doc, "grey,g,128,128,128\r\nblack,k,0,0,0\r\nblack2,k,0,0,0\r\n");
    ShowAll(doc, {0, 1, 2});
    EXPECT_EQ(doc.FindFarthest(255, 255, 255), 1) << "white finds the first black";
    ShowAll(doc, {2, 1, 0});
    EXPECT_EQ(doc.FindFarthest(255, 255, 255), 0) << "position in the display order";

    CHuesmithDoc same;
    Load(same, "a,a,5,5,5\r\nb,b,5,5,5\r\n");
    ShowAll(same, {0, 1});
    EXPECT_EQ(same.FindFarthest(5, 5, 5), CHuesmithDoc::kNoPosition) << "nothing farther than 0";

    CHuesmithDoc extremes;
    Load(extremes, "lo,l,-32768,-32768,-32768\r\nmid,m,0,0,0\r\n");
    ShowAll(extremes, {0, 1});
    EXPECT_EQ(extremes.FindFarthest(32767, 32767, 32767), 0) << "distances beyond int";
}

}  // namespace
