#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "catalogue/CHuesmithDoc.h"
#include "tests/unit/Cp932TestText.h"

namespace {

using Names = std::vector<std::string>;

constexpr int kReadingUp = 0;
constexpr int kReadingDown = 1;
constexpr int kRedUp = 2;
constexpr int kRedDown = 3;
constexpr int kGreenUp = 4;

Names Listed(const CHuesmithDoc& doc) {
    Names names;
    for (int i = 0; i < doc.GetDisplayCount(); ++i) names.push_back(doc.GetDisplayName(i));
    return names;
}

void ShowAll(CHuesmithDoc& doc) {
    doc.ClearDisplay();
    for (int i = 0; i < doc.GetCount(); ++i) doc.AddToDisplay(i);
}

void SortAll(CHuesmithDoc& doc, int key) { doc.SortDisplay(0, doc.GetDisplayCount() - 1, key); }

TEST(SortDisplay, EqualKeysKeepTheirOrderBothWays) {
    CHuesmithDoc doc;
    doc.AddRecord("0", "", 0, 1, 0);
    doc.AddRecord("255", "", 255, 0, 0);
    doc.AddRecord("128A", "", 128, 1, 0);
    doc.AddRecord("128B", "", 128, 0, 0);
    ShowAll(doc);
    SortAll(doc, kRedUp);
    EXPECT_EQ(Listed(doc), (Names{"0", "128A", "128B", "255"})) << "red ascending";
    ShowAll(doc);
    SortAll(doc, kRedDown);
    EXPECT_EQ(Listed(doc), (Names{"255", "128A", "128B", "0"})) << "descending is no reversal";
    SortAll(doc, kGreenUp);
    EXPECT_EQ(Listed(doc), (Names{"255", "128B", "128A", "0"}))
        << "a second key orders ties by the first";
    EXPECT_EQ(doc.GetCatalogueName(0), "0") << "the catalogue keeps its order";
    EXPECT_EQ(doc.GetCatalogueName(3), "128B") << "the catalogue keeps its order";
}

TEST(SortDisplay, ReadingsInCodeTableOrder) {
    CHuesmithDoc doc;
    for (const char* reading :
         {"き", "がa", "か", "ｱ", "かき", "が", "あ", "かかかかき", "かかかか"}) {
        doc.AddRecord(reading, ToCp932(reading), 0, 0, 0);
    }
    ShowAll(doc);
    SortAll(doc, kReadingUp);
    EXPECT_EQ(Listed(doc),
              (Names{"ｱ", "あ", "か", "かかかか", "かかかかき", "かき", "が", "がa", "き"}))
        << "が right after the か entries; half-width katakana as single bytes first; "
           "texts alike in their first four characters";
    SortAll(doc, kReadingDown);
    EXPECT_EQ(Listed(doc),
              (Names{"き", "がa", "が", "かき", "かかかかき", "かかかか", "か", "あ", "ｱ"}))
        << "descending";
}

TEST(SortDisplay, MatchesAStableSortOnManyTies) {
    CHuesmithDoc doc;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> value(0, 9);
    for (int i = 0; i < 1000; ++i) {
        doc.AddRecord(std::to_string(i), "", static_cast<short>(value(rng)), 0, 0);
    }
    for (const int key : {kRedUp, kRedDown}) {
        ShowAll(doc);
        std::vector<int> expected(1000);
        for (int i = 0; i < 1000; ++i) expected[i] = i;
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const short ra = doc.GetCatalogueRed(a);
            const short rb = doc.GetCatalogueRed(b);
            return key == kRedUp ? ra < rb : ra > rb;
        });
        SortAll(doc, key);
        Names expectedNames;
        for (const int i : expected) expectedNames.push_back(std::to_string(i));
        EXPECT_EQ(Listed(doc), expectedNames) << "key " << key;
    }
}

TEST(SortDisplay, LeavesTheListAloneOrWithinItsBounds) {
    CHuesmithDoc doc;
    SortAll(doc, kRedUp);
    EXPECT_EQ(doc.GetDisplayCount(), 0) << "empty list";
    doc.AddRecord("c", "", 3, 0, 0);
    ShowAll(doc);
    SortAll(doc, kRedUp);
    EXPECT_EQ(Listed(doc), Names{"c"}) << "single entry";
    doc.AddRecord("b", "", 2, 0, 0);
    doc.AddRecord("a", "", 1, 0, 0);
    ShowAll(doc);
    for (const int key : {-1, 8, INT_MIN}) {
        SortAll(doc, key);
        EXPECT_EQ(Listed(doc), (Names{"c", "b", "a"})) << "key " << key;
    }
    doc.SortDisplay(1, 2, kRedUp);
    EXPECT_EQ(Listed(doc), (Names{"c", "a", "b"})) << "only the given positions";
    doc.SortDisplay(2, 1, kRedUp);
    EXPECT_EQ(Listed(doc), (Names{"c", "a", "b"})) << "first after last";
    doc.SortDisplay(INT_MIN, INT_MAX, kRedUp);
    EXPECT_EQ(Listed(doc), (Names{"a", "b", "c"})) << "bounds clamped to the list";

    // The same record listed twice breaks the list's rule: the sort must still stay inside
    // the scratch list, which holds one entry per record.
    for (const int i : {2, 1, 0}) doc.AddToDisplay(i);
    SortAll(doc, kRedDown);
    EXPECT_EQ(Listed(doc), (Names{"c", "b", "a", "a", "b", "c"})) << "overfull list";
}

}  // namespace
