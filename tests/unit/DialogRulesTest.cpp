#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "dialogs/ColorEntryRules.h"
#include "dialogs/ColumnSort.h"
#include "dialogs/RangeSpin.h"
#include "tests/unit/UnitTest.h"

namespace {

TEST(ColumnSort, CellsCompareByBytesOrAtoiOverTheFirst29BytesInTheColumnsOwnDirection) {
    const std::string x28(28, 'x');
    const Case<std::tuple<std::string, std::string, CellKind, int>, int> cases[] = {
        {{"z", "\x90\xd4", CellKind::Text, kSortAscending}, -1, "ASCII before 赤: no byte is negative"},
        {{" 7", "7x", CellKind::Number, kSortAscending}, 0, "blanks and letters as atoi reads them"},
        {{x28 + "a", x28 + "b", CellKind::Text, kSortAscending}, -1, "byte 29 still counts"},
        {{x28 + "xa", x28 + "xb", CellKind::Text, kSortAscending}, 0, "bytes after the 29th do not"},
        {{std::string(29, '0') + "5", "0", CellKind::Number, kSortAscending}, 0, "nor a number's digits after them"},
        {{"9", "10", CellKind::Number, kSortDescending}, 1, "numbers by value, descending reversed"},
        {{"12", "12", CellKind::Number, kSortDescending}, 0, "equal keys stay equal descending"},
    };
    for (const auto& c : cases) {
        const int order = std::apply(CompareCells, c.in);
        EXPECT_EQ((order > 0) - (order < 0), c.out) << c.what;
    }
    ColorEditSortDirections directions;
    EXPECT_EQ(directions.Flip(2), kSortDescending) << "first click on red: descending";
    EXPECT_EQ(directions.Flip(4), kSortDescending) << "blue, the last column, starts ascending too";
    EXPECT_EQ(directions.Direction(2), kSortDescending) << "blue's click leaves red alone";
}

TEST(ColorEntryRules, EmptyFieldsThenCommasAreRefused) {
    EXPECT_EQ(CheckEntryFields("", "a,b"), EntryFieldsProblem::Empty) << "no name, reported before a comma";
    EXPECT_EQ(CheckEntryFields("a", ""), EntryFieldsProblem::Empty) << "no reading";
    EXPECT_EQ(CheckEntryFields("a", ","), EntryFieldsProblem::Comma) << "a reading of a comma alone";
    EXPECT_TRUE(IsSameEntry("a", "x", "a", "y")) << "the same name";
    EXPECT_FALSE(IsSameEntry("a", "x", "A", "X")) << "bytes, not letters' case";
}

// The partner's up-down follows only a value the dialog would accept as a channel.
TEST(RangeSpin, TypedBoundSetsThePartnersRange) {
    using Range = std::optional<SpinRange>;
    const Case<std::pair<const char*, BoundEnd>, Range> cases[] = {
        {{"255", BoundEnd::Lower}, SpinRange{255, 255}, "highest lower bound: one step"},
        {{"  +7 ", BoundEnd::Lower}, SpinRange{7, 255}, "blanks and sign"},
        {{"0", BoundEnd::Upper}, SpinRange{0, 0}, "lowest upper bound: one step"},
        {{"256", BoundEnd::Lower}, std::nullopt, "past the channel"},
        {{"-1", BoundEnd::Upper}, std::nullopt, "below the channel"},
    };
    for (const auto& c : cases) EXPECT_EQ(PartnerSpinRange(c.in.first, c.in.second), c.out) << c.what;
}

}  // namespace
