#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/ColorEntryRules.h"
#include "dialogs/ColumnSort.h"

namespace {

// Code page 932 bytes: hiragana あ, い, が, か and the kanji 赤.
constexpr const char* kA = "\x82\xA0";
constexpr const char* kI = "\x82\xA2";
constexpr const char* kKa = "\x82\xA9";
constexpr const char* kGa = "\x82\xAA";
constexpr const char* kAka = "\x90\xD4";

int Sign(int value) { return (value > 0) - (value < 0); }

int Text(const std::string& left, const std::string& right, int direction = kSortAscending) {
    return Sign(CompareCells(left, right, CellKind::Text, direction));
}
int Number(const std::string& left, const std::string& right, int direction = kSortAscending) {
    return Sign(CompareCells(left, right, CellKind::Number, direction));
}

TEST(ColumnSort, NamesAndReadingsCompareAsUnsignedBytes) {
    EXPECT_EQ(Text(kA, kI), -1) << "あ before い";
    EXPECT_EQ(Text(kKa, kGa), -1) << "voiced が right after か";
    EXPECT_EQ(Text(kGa, kI), 1) << "が after い: byte order, not a locale's";
    EXPECT_EQ(Text("z", kAka), -1) << "ASCII before double-byte: bytes above 0x7F are not negative";
    EXPECT_EQ(Text("ab", "abc"), -1) << "a proper prefix first";
    EXPECT_EQ(Text("", "a"), -1) << "empty first";
    EXPECT_EQ(Text("Ab", "ab"), -1) << "case counts";
    EXPECT_EQ(Text(kA, kA), 0) << "equal texts";
    EXPECT_EQ(Text("10", "9"), -1) << "digits in a text column are text";
}

TEST(ColumnSort, NumberColumnsCompareTheirAtoiValues) {
    EXPECT_EQ(Number("9", "10"), -1) << "9 before 10";
    EXPECT_EQ(Number("255", "0"), 1) << "255 after 0";
    EXPECT_EQ(Number("-5", "3"), -1) << "negative values from the data file";
    EXPECT_EQ(Number(" 7", "7x"), 0) << "blanks and trailing letters read as atoi reads them";
    EXPECT_EQ(Number("", "0"), 0) << "no digits reads as 0";
    EXPECT_EQ(Number("300", "255"), 1) << "out-of-range values as they are";
}

TEST(ColumnSort, OnlyTheFirst29BytesCount) {
    const std::string stem(29, 'x');
    EXPECT_EQ(Text(stem + "a", stem + "b"), 0) << "differing after byte 29: equal keys";
    EXPECT_EQ(Text(std::string(28, 'x') + "a", std::string(28, 'x') + "b"), -1) << "byte 29 still counts";
    EXPECT_EQ(Number(std::string(29, '0') + "5", "0"), 0) << "a number's digits after byte 29 are cut too";
}

TEST(ColumnSort, DescendingReversesAndEqualKeysStayEqual) {
    EXPECT_EQ(Text(kA, kI, kSortDescending), 1) << "text descending";
    EXPECT_EQ(Number("9", "10", kSortDescending), 1) << "number descending";
    EXPECT_EQ(Number("12", "12", kSortDescending), 0) << "equal keys descending";

    std::vector<std::string> reds = {"12", "255", "0", "128", "7"};
    std::sort(reds.begin(), reds.end(), [](const std::string& a, const std::string& b) {
        return CompareCells(a, b, CellKind::Number, kSortDescending) < 0;
    });
    EXPECT_EQ(reds, (std::vector<std::string>{"255", "128", "12", "7", "0"})) << "a whole column descending";
}

TEST(ColumnSort, EachColumnFlipsItsOwnDirection) {
    ColorEditSortDirections directions;
    EXPECT_EQ(directions.Flip(2), kSortDescending) << "first click on red: descending";
    EXPECT_EQ(directions.Flip(2), kSortAscending) << "second click on red: ascending";
    EXPECT_EQ(directions.Flip(4), kSortDescending) << "blue, the fifth column, starts ascending too";
    EXPECT_EQ(directions.Direction(2), kSortAscending) << "blue's click leaves red alone";
    EXPECT_EQ(directions.Direction(0), kSortAscending) << "untouched name column";

    const ColorEditSortDirections copy = directions;
    EXPECT_EQ(copy.Direction(4), kSortDescending) << "directions carried from one run to the next";

    EXPECT_EQ(ColorEditColumnKind(0), CellKind::Text) << "name";
    EXPECT_EQ(ColorEditColumnKind(1), CellKind::Text) << "reading";
    EXPECT_EQ(ColorEditColumnKind(4), CellKind::Number) << "blue";
}

TEST(ColorEntryRules, EmptyFieldsAndCommasAreRefused) {
    EXPECT_EQ(CheckEntryFields(kAka, "\x82\xA0\x82\xA9"), EntryFieldsProblem::None) << "name and reading";
    EXPECT_EQ(CheckEntryFields("", kA), EntryFieldsProblem::Empty) << "no name";
    EXPECT_EQ(CheckEntryFields(kAka, ""), EntryFieldsProblem::Empty) << "no reading";
    EXPECT_EQ(CheckEntryFields("", "a,b"), EntryFieldsProblem::Empty) << "empty reported before a comma";
    EXPECT_EQ(CheckEntryFields("a,b", kA), EntryFieldsProblem::Comma) << "comma in the name";
    EXPECT_EQ(CheckEntryFields(kAka, ","), EntryFieldsProblem::Comma) << "a reading of a comma alone";
    // Full-width comma and ideographic comma hold no 0x2C byte: they cannot split a data-file line.
    EXPECT_EQ(CheckEntryFields("\x81\x43", "\x81\x41"), EntryFieldsProblem::None) << "full-width commas";
    // ソ ends in 0x5C and 表 in 0x5C: trail bytes never look like a comma.
    EXPECT_EQ(CheckEntryFields("\x83\x5C", "\x95\x5C"), EntryFieldsProblem::None) << "trail bytes";

    EXPECT_TRUE(IsSameEntry("a", "x", "a", "y")) << "same name";
    EXPECT_TRUE(IsSameEntry("a", "x", "b", "x")) << "same reading, other name";
    EXPECT_FALSE(IsSameEntry("a", "x", "A", "X")) << "bytes, not letters' case";
}

}  // namespace
