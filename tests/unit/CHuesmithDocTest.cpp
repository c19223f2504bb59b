#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/CategoryFilter.h"
#include "framework/CArchive.h"
#include "framework/Cp932.h"
#include "tests/unit/UnitTest.h"

namespace {

using Names = std::vector<std::string>;

struct Entry {
    std::string name;
    std::string reading;
    short red = 0, green = 0, blue = 0;
};

void Fill(CHuesmithDoc& doc, const std::vector<Entry>& entries) {
    for (const Entry& e : entries) doc.AddRecord(e.name, e.reading, e.red, e.green, e.blue);
}

// Lists the given catalogue positions, in that order.
void Show(CHuesmithDoc& doc, std::initializer_list<int> order) {
    doc.ClearDisplay();
    for (const int i : order) doc.AddToDisplay(i);
}

Names Listed(const CHuesmithDoc& doc) {
    Names names;
    for (int i = 0; i < doc.GetDisplayCount(); ++i) names.push_back(doc.GetDisplayName(i));
    return names;
}

// What the program writes back after reading the bytes: every field as it holds it.
std::string Resaved(std::string_view bytes) {
    CHuesmithDoc doc;
    CArchive loading(bytes);
    doc.Serialize(loading);
    CArchive storing;
    doc.Serialize(storing);
    return storing.GetStoredBytes();
}

TEST(DataFile, LinesSplitFromTheLeftAndAreWrittenBackAsHeld) {
    std::ifstream in(HS_DATA_DIR "/Huesmith.csv", std::ios::binary);
    ASSERT_TRUE(in) << "data/Huesmith.csv";
    const std::string shipped{std::istreambuf_iterator<char>(in), {}};
    const Case<std::string, std::string> cases[] = {
        {shipped, shipped, "the shipped catalogue, byte for byte"},
        {"", "", "empty file"},
        {"a,b,1,2,3\r\n\nc,d,4,5,6\n", "a,b,1,2,3\r\n,,0,0,0\r\nc,d,4,5,6\r\n", "CR LF, LF, an empty line"},
        {"a\rb,r,1,2,3\r\r\n", "a\rb,r,1,2,3\r\n", "a CR not before LF is data"},
        {"a,b,7", "a,b,0,0,7\r\n", "too few fields, no line end: the rest goes to blue"},
        {"x,y,z,1,2,3", "x,y,0,1,2\r\n", "a comma in the name shifts the fields"},
        {"n,r,300,-5,12abc", "n,r,300,-5,12\r\n", "numbers unchecked, read as atoi reads them"},
        {"n,r,70000, 65535,99999999999", "n,r,4464,-1,-1\r\n", "low 16 bits kept, after atoi's clamp"},
    };
    for (const auto& c : cases) EXPECT_EQ(Resaved(c.in), c.out) << c.what;
}

TEST(Search, TiesKeepTheEarlierPositionInTheDisplayOrder) {
    CHuesmithDoc doc;
    Fill(doc, {{"black", "", 0, 0, 0}, {"red", "", 255, 0, 0}, {"red2", "", 255, 0, 0}, {"black2", "", 0, 0, 0},
               {"low", "", -32768, -32768, -32768}});
    Show(doc, {3, 2, 1, 0});
    EXPECT_EQ(doc.FindNearest(255, 0, 0), 1) << "nearest: the first of two reds, a position in the display order";
    EXPECT_EQ(doc.FindFarthest(255, 255, 255), 0) << "farthest: the first of two blacks, a display position";
    Show(doc, {3, 0});
    EXPECT_EQ(doc.FindNearest(255, 0, 0), 0) << "a short display list is not read past its end";
    Show(doc, {1, 4});
    EXPECT_EQ(doc.FindFarthest(32767, 32767, 32767), 1) << "distances beyond int";
    doc.RemoveAllRecords();
    EXPECT_EQ(doc.GetDisplayCount(), 0) << "no listed record outlives the catalogue";
    EXPECT_EQ(doc.FindNearest(1, 2, 3), CHuesmithDoc::kNoPosition) << "nearest in an empty catalogue";
}

using KanaRows = std::array<int, kKanaRowCount>;  // あ, か, さ, た, な, は, ま, や, ら, わ

// Every filter lists its matches in catalogue order; FilterByReading appends, the others replace.
TEST(Filters, NameOrReadingOnCharacterBoundariesSignedRangesAndKanaRows) {
    CHuesmithDoc doc;
    // Readings あか, あお, ソ, アイ, none, がく, んま, ぁい and ぱん.
    Fill(doc, {{"aka", "\x82\xa0\x82\xa9", 0, 0, 0}, {"ao", "\x82\xa0\x82\xa8", 100, 50, 50},
               {"so", "\x83\x5c", 255, 255, 255}, {"Aka", "\x83\x41\x83\x43", 300, 0, 0}, {"a\\b", "", -5, 0, 0},
               {"ga", "\x82\xaa\x82\xad"}, {"n", "\x82\xf1\x82\xdc"}, {"small", "\x82\x9f\x82\xa2"},
               {"pa", "\x82\xcf\x82\xf1"}});
    const Case<std::string, Names> byName[] = {
        {"ka", {"aka", "Aka"}, "in the name"},
        {"Ak", {"Aka"}, "case-sensitive"},
        {"\x82\xa8", {"ao"}, "お in the reading only"},
        {"\\", {"a\\b"}, "not the trail byte of ソ"},
    };
    for (const auto& c : byName) {
        doc.FilterByName(c.in);
        EXPECT_EQ(Listed(doc), c.out) << c.what;
    }
    doc.FilterByRange(100, 255, 50, 255, 50, 255);
    EXPECT_EQ(Listed(doc), (Names{"ao", "so"})) << "both bounds inclusive; 300 out";
    doc.FilterByRange(-32768, -1, 0, 0, 0, 0);
    EXPECT_EQ(Listed(doc), (Names{"a\\b"})) << "negative bounds compared as signed";
    doc.ClearDisplay();
    doc.FilterByReading(JoinKanaRows(KanaRows{1, 1}));
    EXPECT_EQ(Listed(doc), (Names{"aka", "ao", "a\\b", "ga"}))
        << "あ and か rows: voiced kana in; katakana, ん, small kana out; no reading in";
    doc.FilterByReading(JoinKanaRows(KanaRows{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Listed(doc), (Names{"aka", "ao", "a\\b", "ga", "a\\b", "pa"}))
        << "the は row, with the half-voiced ぱ, appended: clearing is the caller's step";
}

using Families = std::array<int, kColorFamilyCount>;

TEST(FilterByFamily, TickedFamiliesMakeOneHueWindowThatWrapsThroughRed) {
    CHuesmithDoc doc;
    // Hue and saturation noted after the colours.
    Fill(doc, {{"grey", "", 128, 128, 128}, {"red", "", 255, 0, 0},          // 666, 0 and 0, 1000
               {"h90", "", 24, 13, 0}, {"h91", "", 11, 6, 0},                 // red's wrapped part ends, yellow starts
               {"yellow", "", 255, 255, 0}, {"paleYellow", "", 200, 200, 190},  // 166, 1000 and 166, 83
               {"h221", "", 21, 31, 0}, {"blue", "", 0, 0, 255},              // green starts; 666, 1000
               {"h900", "", 5, 0, 3}, {"h901", "", 32, 0, 19},                // blue ends, red starts
               {"sat149", "", 27, 21, 20}, {"sat150", "", 23, 18, 17},        // hue 24 and 28
               {"nearRed", "", 255, 0, 1}});                                 // 999, 1000
    const Case<Families, Names> cases[] = {
        {{1, 0, 0, 0, 0}, {"red", "h90", "h901", "sat150", "nearRed"}, "red: 901-1000 and 0-90, saturation from 150"},
        {{0, 0, 0, 1, 0}, {"blue", "h900"}, "blue"},
        {{0, 0, 0, 0, 1}, {"grey", "paleYellow", "sat149"}, "black, white, grey alone"},
        {{1, 0, 1, 0, 0}, {"red", "h90", "h221", "blue", "h900", "h901", "sat150", "nearRed"},
         "red and green: 221-1090, blue between them, no yellow"},
    };
    for (const auto& c : cases) {
        const FamilyFilterArgs args = FamilyFilterFor(c.in);
        doc.ClearDisplay();
        doc.FilterByFamily(args.hueLo, args.hueHi, args.satLo, args.satHi);
        EXPECT_EQ(Listed(doc), c.out) << c.what;
    }
    // The magnifier's family of a colour is the one whose filter alone lists it, boundaries too.
    int listed = 0;
    for (std::size_t family = 0; family < kColorFamilyCount; ++family) {
        Families only{};
        only[family] = 1;
        const FamilyFilterArgs args = FamilyFilterFor(only);
        doc.ClearDisplay();
        doc.FilterByFamily(args.hueLo, args.hueHi, args.satLo, args.satHi);
        listed += doc.GetDisplayCount();
        for (int i = 0; i < doc.GetDisplayCount(); ++i) {
            EXPECT_EQ(FamilyOf(doc.GetDisplayRed(i), doc.GetDisplayGreen(i), doc.GetDisplayBlue(i)), family)
                << doc.GetDisplayName(i);
        }
    }
    EXPECT_EQ(listed, doc.GetCount()) << "every colour in one family";
}

enum SortKey { kReadingUp, kReadingDown, kRedUp, kRedDown, kGreenUp, kGreenDown };

void SortAll(CHuesmithDoc& doc, int key) { doc.SortDisplay(0, doc.GetDisplayCount() - 1, key); }

// A merge sort's slips show on long lists full of ties, and a reading's order number (its first four
// characters) must agree with the full comparison: each sort must equal std::stable_sort of the
// order the last sort left. Readings use bytes that trip CP932 code: NUL, 0x5C, lead bytes at the
// end, half-width katakana.
TEST(SortDisplay, MatchesAStableSortOnEveryKindOfKey) {
    const std::string bytes("\0a\x5c\x82\xa0\xb1\x83\xe0\xfc\xff", 10);
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> length(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 9);
    CHuesmithDoc doc;
    std::vector<int> order;
    for (int i = 0; i < 1000; ++i) {
        std::string reading(length(rng), '\0');
        for (char& c : reading) c = bytes[pick(rng)];
        doc.AddRecord(std::to_string(i), reading, static_cast<short>(value(rng)), static_cast<short>(value(rng)), 0);
        doc.AddToDisplay(i);
        order.push_back(i);
    }
    for (const int key : {kRedUp, kGreenDown, kReadingUp, kReadingDown}) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            if (key == kRedUp) return doc.GetCatalogueRed(a) < doc.GetCatalogueRed(b);
            if (key == kGreenDown) return doc.GetCatalogueGreen(a) > doc.GetCatalogueGreen(b);
            const int compared = Cp932Compare(doc.GetCatalogueReading(a), doc.GetCatalogueReading(b));
            return key == kReadingUp ? compared < 0 : compared > 0;
        });
        SortAll(doc, key);
        Names expected;
        for (const int i : order) expected.push_back(std::to_string(i));
        EXPECT_EQ(Listed(doc), expected) << "key " << key;
    }
    EXPECT_EQ(doc.GetCatalogueName(999), "999") << "the catalogue keeps its order";
}


}  // namespace
