#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "dialogs/ColorEntryRules.h"
#include "dialogs/ColumnSort.h"
#include "dialogs/ModeSwitch.h"
#include "dialogs/RangeSpin.h"
#include "tests/unit/UnitTest.h"

namespace {

TEST(ColumnSort, CellsCompareByBytesOrAtoiOverTheFirst29BytesInTheColumnsOwnDirection) {
    const std::string x28(28, 'x');
    const Case<std::tuple<std::string, std::string, CellKind, int>, int> cases[] = {
        {{"z", "\x90\xd4", CellKind::Text, kSortAscending}, -1, "ASCII before 赤: no byte is negative"},
        {{"ab", "abc", CellKind::Text, kSortAscending}, -1, "a proper prefix first"},
        {{"10", "9", CellKind::Text, kSortAscending}, -1, "digits in a text column are text"},
        {{"9", "10", CellKind::Number, kSortAscending}, -1, "numbers by value"},
        {{" 7", "7x", CellKind::Number, kSortAscending}, 0, "blanks and letters as atoi reads them"},
        {{x28 + "a", x28 + "b", CellKind::Text, kSortAscending}, -1, "byte 29 still counts"},
        {{x28 + "xa", x28 + "xb", CellKind::Text, kSortAscending}, 0, "bytes after the 29th do not"},
        {{std::string(29, '0') + "5", "0", CellKind::Number, kSortAscending}, 0, "nor a number's digits after them"},
        {{"9", "10", CellKind::Number, kSortDescending}, 1, "descending reverses"},
        {{"12", "12", CellKind::Number, kSortDescending}, 0, "equal keys stay equal descending"},
    };
    for (const auto& c : cases) {
        const int order = std::apply(CompareCells, c.in);
        EXPECT_EQ((order > 0) - (order < 0), c.out) << c.what;
    }
    ColorEditSortDirections directions;
    EXPECT_EQ(directions.Flip(2), kSortDescending) << "first click on red: descending";
    EXPECT_EQ(directions.Flip(2), kSortAscending) << "second click on red: ascending";
    EXPECT_EQ(directions.Flip(4), kSortDescending) << "blue, the last column, starts ascending too";
    EXPECT_EQ(directions.Direction(2), kSortAscending) << "blue's click leaves red alone";
    EXPECT_EQ(ColorEditColumnKind(1), CellKind::Text) << "the reading sorts as text";
    EXPECT_EQ(ColorEditColumnKind(2), CellKind::Number) << "red sorts by value";
}

TEST(ColorEntryRules, EmptyFieldsThenCommasAreRefused) {
    EXPECT_EQ(CheckEntryFields("\x90\xd4", "\x82\xa0"), EntryFieldsProblem::None) << "name and reading";
    EXPECT_EQ(CheckEntryFields("", "a,b"), EntryFieldsProblem::Empty) << "no name, reported before a comma";
    EXPECT_EQ(CheckEntryFields("a", ""), EntryFieldsProblem::Empty) << "no reading";
    EXPECT_EQ(CheckEntryFields("a,b", "a"), EntryFieldsProblem::Comma) << "a comma in the name";
    EXPECT_EQ(CheckEntryFields("a", ","), EntryFieldsProblem::Comma) << "a reading of a comma alone";
    EXPECT_TRUE(IsSameEntry("a", "x", "a", "y")) << "the same name";
    EXPECT_TRUE(IsSameEntry("a", "x", "b", "x")) << "the same reading under another name";
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
        {{"12a", BoundEnd::Lower}, std::nullopt, "no number"},
    };
    for (const auto& c : cases) EXPECT_EQ(PartnerSpinRange(c.in.first, c.in.second), c.out) << c.what;
}

TEST(ModeSwitch, OnlyANewChoiceAfterSetUpSwitches) {
    EXPECT_FALSE(ModeSwitchApplies(false, 0, 1)) << "notification during set-up";
    EXPECT_FALSE(ModeSwitchApplies(true, 1, 1)) << "the chosen mode clicked again";
    EXPECT_TRUE(ModeSwitchApplies(true, -1, 0)) << "first choice when none was chosen";
    EXPECT_TRUE(EnablingForMode(-1).secondGroup) << "none chosen enables the second group";
}

}  // namespace
