#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/CategoryFilter.h"
#include "tests/unit/Cp932TestText.h"

namespace {

using Names = std::vector<std::string>;

struct Entry {
    std::string name;
    std::string reading;  // UTF-8 here, CP932 in the document
    short red, green, blue;
};

void Fill(CHuesmithDoc& doc, const std::vector<Entry>& entries) {
    for (const Entry& e : entries) {
        doc.AddRecord(ToCp932(e.name), ToCp932(e.reading), e.red, e.green, e.blue);
    }
}

Names Listed(const CHuesmithDoc& doc) {
    Names names;
    for (int i = 0; i < doc.GetDisplayCount(); ++i) names.push_back(doc.GetDisplayName(i));
    return names;
}

TEST(FilterByName, SubstringOfNameOrReadingOnCharacterBoundaries) {
    CHuesmithDoc doc;
    Fill(doc, {{"aka", "あか", 1, 0, 0}, {"ao", "あお", 2, 0, 0}, {"so", "ソ", 3, 0, 0},
               {"Aka", "アイ", 4, 0, 0}, {"a\\b", "", 5, 0, 0}});
    doc.FilterByName("ka");
    EXPECT_EQ(Listed(doc), (Names{"aka", "Aka"})) << "in the name, catalogue order";
    doc.FilterByName("Ak");
    EXPECT_EQ(Listed(doc), (Names{"Aka"})) << "case-sensitive";
    doc.FilterByName(ToCp932("お"));
    EXPECT_EQ(Listed(doc), (Names{"ao"})) << "in the reading only; the old list is replaced";
    doc.FilterByName("\x41\x83");  // the trail of ア and the lead of イ
    EXPECT_EQ(Listed(doc), Names{}) << "bytes straddling two characters";
    doc.FilterByName("\\");
    EXPECT_EQ(Listed(doc), (Names{"a\\b"})) << "not the trail byte of ソ in the reading";
    doc.FilterByName("");
    EXPECT_EQ(Listed(doc), (Names{"aka", "ao", "so", "Aka", "a\\b"})) << "empty text lists all";
}

TEST(FilterByRange, InclusiveSignedBounds) {
    CHuesmithDoc doc;
    Fill(doc, {{"lo", "", 0, 0, 0}, {"mid", "", 100, 50, 50}, {"hi", "", 255, 255, 255},
               {"over", "", 300, 0, 0}, {"neg", "", -5, 0, 0}});
    doc.FilterByRange(0, 255, 0, 255, 0, 255);
    EXPECT_EQ(Listed(doc), (Names{"lo", "mid", "hi"})) << "the full byte range";
    doc.FilterByRange(100, 255, 50, 255, 50, 255);
    EXPECT_EQ(Listed(doc), (Names{"mid", "hi"})) << "both bounds inclusive";
    doc.FilterByRange(100, 255, 51, 255, 0, 255);
    EXPECT_EQ(Listed(doc), (Names{"hi"})) << "one channel out is enough to miss";
    doc.FilterByRange(200, 100, 0, 255, 0, 255);
    EXPECT_EQ(Listed(doc), Names{}) << "inverted range";
    doc.FilterByRange(-32768, -1, 0, 0, 0, 0);
    EXPECT_EQ(Listed(doc), (Names{"neg"})) << "negative bounds compared as signed";
}

TEST(FilterByReading, FirstCharacterInTheChosenRows) {
    CHuesmithDoc doc;
    Fill(doc, {{"a", "あか", 0, 0, 0}, {"ga", "がく", 0, 0, 0}, {"A", "アカ", 0, 0, 0},
               {"n", "んま", 0, 0, 0}, {"small", "ぁい", 0, 0, 0}, {"pa", "ぱん", 0, 0, 0},
               {"none", "", 0, 0, 0}, {"ascii", "ka", 0, 0, 0}});
    const std::string aAndKaRows = ToCp932("あいうえおかがきぎくぐけげこご");
    doc.FilterByReading(aAndKaRows);
    EXPECT_EQ(Listed(doc), (Names{"a", "ga", "none"}))
        << "あ and か rows: voiced kana in, katakana, ん, small kana out; no reading in";
    doc.ClearDisplay();
    doc.FilterByReading(ToCp932("はばぱひびぴふぶぷへべぺほぼぽ"));
    EXPECT_EQ(Listed(doc), (Names{"pa", "none"})) << "は row holds the half-voiced ぱ";
    doc.FilterByReading(aAndKaRows);
    EXPECT_EQ(Listed(doc), (Names{"pa", "none", "a", "ga", "none"}))
        << "appends: clearing is the caller's step";
}

using Families = std::array<int, kColorFamilyCount>;

Names ListFamilies(CHuesmithDoc& doc, Families chosen) {
    const FamilyFilterArgs args = FamilyFilterFor(chosen);
    doc.ClearDisplay();
    doc.FilterByFamily(args.hueLo, args.hueHi, args.satLo, args.satHi);
    return Listed(doc);
}

TEST(FilterByFamily, WindowsWrapAndLowSaturation) {
    CHuesmithDoc doc;
    // Hue and saturation noted after each name.
    Fill(doc, {{"grey", "", 128, 128, 128},         // 666, 0
               {"red", "", 255, 0, 0},              // 0, 1000
               {"orange", "", 255, 128, 0},         // 83, 1000
               {"h90", "", 24, 13, 0},              // 90: last of red's wrapped part
               {"h91", "", 11, 6, 0},               // 91: first of yellow
               {"yellow", "", 255, 255, 0},         // 166, 1000
               {"paleYellow", "", 200, 200, 190},   // 166, 83
               {"h221", "", 21, 31, 0},             // 221: first of green
               {"green", "", 0, 255, 0},            // 333, 1000
               {"blue", "", 0, 0, 255},             // 666, 1000
               {"magenta", "", 255, 0, 255},        // 834, 1000
               {"h900", "", 5, 0, 3},               // 900: last of blue
               {"h901", "", 32, 0, 19},             // 901: first of red
               {"sat149", "", 27, 21, 20},          // 24, 149
               {"sat150", "", 23, 18, 17},          // 28, 150
               {"nearRed", "", 255, 0, 1}});        // 999, 1000
    EXPECT_EQ(ListFamilies(doc, {1, 0, 0, 0, 0}),
              (Names{"red", "orange", "h90", "h901", "sat150", "nearRed"}))
        << "red: 901-1000 and 0-90, saturation from 150";
    EXPECT_EQ(ListFamilies(doc, {0, 1, 0, 0, 0}), (Names{"h91", "yellow"})) << "yellow";
    EXPECT_EQ(ListFamilies(doc, {0, 0, 0, 1, 0}), (Names{"blue", "magenta", "h900"})) << "blue";
    EXPECT_EQ(ListFamilies(doc, {0, 0, 0, 0, 1}), (Names{"grey", "paleYellow", "sat149"}))
        << "black, white, grey alone";
    EXPECT_EQ(ListFamilies(doc, {1, 0, 1, 0, 0}),
              (Names{"red", "orange", "h90", "h221", "green", "blue", "magenta", "h900", "h901",
                     "sat150", "nearRed"}))
        << "red and green: 221-1090, blue between them, no yellow";
    EXPECT_EQ(ListFamilies(doc, {0, 1, 0, 0, 1}), (Names{"grey", "h91", "yellow", "paleYellow",
                                                         "sat149"}))
        << "yellow with grey: each once, pale yellow by either rule";
    EXPECT_EQ(ListFamilies(doc, {1, 1, 0, 0, 0}).size(), 13u)
        << "red and yellow: every colour of saturation 150 or more";
}

}  // namespace
