// Browsing the catalogue as a user does: the search, category and sort dialogs, show all, the
// listed entries and the title count they leave, and the View menu's mark of the list's origin.
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

// Readings and colours chosen so that each kana row, colour family and sort order picks a known
// set; the hue and saturation of each entry are noted where a family test relies on them.
const std::vector<ColourEntry>& BrowseCatalogue() {
    static const std::vector<ColourEntry> entries = {
        // clang-format off
        {"桜色", "さくらいろ", 254, 244, 244},      // サ row; pale, yet red family (hue 0, sat 833)
        {"紅", "べに", 215, 0, 58},                // ハ row by its voiced kana; red (hue 955)
        {"藍色", "あいいろ", 22, 94, 131},          // ア row; blue (hue 556)
        {"灰色", "はいいろ", 128, 128, 128},        // ハ row; black/white/grey (sat 0)
        {"黄蘗", "きはだ", 248, 181, 0},           // カ row; yellow (hue 121)
        {"緑", "みどり", 0, 160, 0},               // マ row; green (hue 333)
        {"ガーネット", "がーねっと", 200, 30, 40},  // カ row by が; red (hue 990)
        {"ミント", "ミント", 150, 220, 190},        // katakana reading: no row; green (hue 428)
        // clang-format on
    };
    return entries;
}

SessionFiles BrowseFiles() {
    SessionFiles files;
    files.catalogue = CatalogueBytes(BrowseCatalogue());
    return files;
}

// The list texts of these catalogue entries, in the order given.
std::vector<std::string> Entries(std::initializer_list<int> indices) {
    std::vector<std::string> texts;
    for (int i : indices) texts.push_back(ListText(BrowseCatalogue()[static_cast<size_t>(i)]));
    return texts;
}

const std::vector<std::string> kWholeCatalogue = Entries({0, 1, 2, 3, 4, 5, 6, 7});
const std::string kWholeTitle = "Huesmith - 8";

constexpr int kRowIds[] = {IDC_CHECK_ROW_A,  IDC_CHECK_ROW_KA, IDC_CHECK_ROW_SA, IDC_CHECK_ROW_TA,
                           IDC_CHECK_ROW_NA, IDC_CHECK_ROW_HA, IDC_CHECK_ROW_MA, IDC_CHECK_ROW_YA,
                           IDC_CHECK_ROW_RA, IDC_CHECK_ROW_WA};
constexpr int kFamilyIds[] = {IDC_CHECK_FAMILY_RED, IDC_CHECK_FAMILY_YELLOW, IDC_CHECK_FAMILY_GREEN,
                              IDC_CHECK_FAMILY_BLUE, IDC_CHECK_FAMILY_GREY};
constexpr int kRangeEditIds[] = {IDC_EDIT_RED_MIN,  IDC_EDIT_RED_MAX,  IDC_EDIT_GREEN_MIN,
                                 IDC_EDIT_GREEN_MAX, IDC_EDIT_BLUE_MIN, IDC_EDIT_BLUE_MAX};
constexpr int kSpinIds[] = {IDC_SPIN_RED_MIN,  IDC_SPIN_RED_MAX,  IDC_SPIN_GREEN_MIN,
                            IDC_SPIN_GREEN_MAX, IDC_SPIN_BLUE_MIN, IDC_SPIN_BLUE_MAX};

using Range = std::pair<int, int>;

class BrowseTest : public HuesmithTest {
protected:
    // Runs the menu command and returns its dialog once it is up and has the keyboard.
    HWND OpenDialog(int commandId, const char* caption) {
        Command(commandId);
        return WaitForDialog(caption);
    }

    // The search string arrives as a whole; the field has no change handler of its own.
    static void SetSearchString(HWND dialog, const char* utf8) { SetFieldText(dialog, IDC_EDIT_SEARCH_NAME, utf8); }

    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
    static bool Ticked(HWND dialog, int id) { return IsChecked(::GetDlgItem(dialog, id)); }
    static std::string Field(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }
    static Range SpinRange(HWND dialog, int id) {
        const auto packed = static_cast<DWORD>(Send(::GetDlgItem(dialog, id), UDM_GETRANGE));
        return {static_cast<short>(HIWORD(packed)), static_cast<short>(LOWORD(packed))};
    }

    std::vector<std::string> Listed() { return ComboItems(Session().Control(IDC_COMBO_NAME)); }
    int Selection() { return ComboSelection(Session().Control(IDC_COMBO_NAME)); }
    std::string Title() { return TextOf(Session().Frame()); }

    // The View menu item that carries the radio mark: 0 for none, -1 for more than one.
    int MarkedMode() {
        int marked = 0;
        for (int id : {ID_VIEW_ALL, ID_VIEW_SEARCH, ID_VIEW_CATEGORY}) {
            if (Session().Probe().MenuItem(id).radio) marked = marked == 0 ? id : -1;
        }
        return marked;
    }

    void RangeSearch(std::string_view redMin, std::string_view greenMax, std::string_view blueMax) {
        HWND dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
        ClickButton(dialog, IDC_RADIO_SEARCH_RGB);
        TypeInto(dialog, IDC_EDIT_RED_MIN, redMin);
        TypeInto(dialog, IDC_EDIT_GREEN_MAX, greenMax);
        TypeInto(dialog, IDC_EDIT_BLUE_MAX, blueMax);
        ClickButton(dialog, IDOK);
    }

    void NameSearch(const char* text) {
        HWND dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
        ClickButton(dialog, IDC_RADIO_SEARCH_NAME);
        SetSearchString(dialog, text);
        ClickButton(dialog, IDOK);
    }
};

TEST_F(BrowseTest, SearchesListTheirMatchesCountThemAndMarkTheMenu) {
    Start(BrowseFiles());
    EXPECT_EQ(MarkedMode(), ID_VIEW_ALL) << "at start";

    NameSearch("色");
    EXPECT_EQ(Listed(), Entries({0, 2, 3})) << "name search for 色";
    EXPECT_EQ(Title(), "Huesmith - 3") << "name search title";
    EXPECT_EQ(MarkedMode(), ID_VIEW_SEARCH) << "name search mark";
    EXPECT_EQ(Selection(), -1) << "nothing selected after a search";

    RangeSearch("200", "190", "50");
    EXPECT_EQ(Listed(), Entries({4, 6})) << "red 200-255, green 0-190, blue 0-50";
    EXPECT_EQ(Title(), "Huesmith - 2") << "range search title";
    EXPECT_EQ(MarkedMode(), ID_VIEW_SEARCH) << "range search mark";

    NameSearch("");
    EXPECT_EQ(Listed(), kWholeCatalogue) << "an empty string finds everything";
    EXPECT_EQ(Title(), kWholeTitle) << "empty string title";
    EXPECT_EQ(MarkedMode(), ID_VIEW_ALL) << "a search that finds everything marks show all";

    NameSearch("zzz");
    EXPECT_EQ(Listed(), std::vector<std::string>{}) << "no match";
    EXPECT_EQ(Title(), "Huesmith - 0") << "no match title";
    EXPECT_EQ(MarkedMode(), ID_VIEW_SEARCH) << "no match mark";
    EXPECT_EQ(Fields(), (Triple{"255", "255", "255"})) << "searches leave the current colour";
}

TEST_F(BrowseTest, SearchDialogReopensWithTheAcceptedCriteria) {
    Start(BrowseFiles());
    HWND dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_SEARCH_NAME)) << "first opening: by name";
    EXPECT_TRUE(Enabled(dialog, IDC_EDIT_SEARCH_NAME)) << "first opening: string editable";
    for (int id : kRangeEditIds) EXPECT_FALSE(Enabled(dialog, id)) << "first opening: range edit " << id;
    for (int id : kSpinIds) EXPECT_FALSE(Enabled(dialog, id)) << "first opening: up-down " << id;
    EXPECT_EQ(Field(dialog, IDC_EDIT_RED_MIN), "0") << "first opening: widest lower bound";
    EXPECT_EQ(Field(dialog, IDC_EDIT_BLUE_MAX), "255") << "first opening: widest upper bound";
    ClickButton(dialog, IDCANCEL);

    RangeSearch("200", "190", "50");
    dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_SEARCH_RGB)) << "reopened: by RGB";
    EXPECT_FALSE(Enabled(dialog, IDC_EDIT_SEARCH_NAME)) << "reopened: string disabled";
    for (int id : kRangeEditIds) EXPECT_TRUE(Enabled(dialog, id)) << "reopened: range edit " << id;
    const std::vector<std::string> bounds = {"200", "255", "0", "190", "0", "50"};
    for (size_t i = 0; i < bounds.size(); ++i) {
        EXPECT_EQ(Field(dialog, kRangeEditIds[i]), bounds[i]) << "reopened: bound " << kRangeEditIds[i];
    }
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_RED_MIN), Range(0, 255)) << "red lower up-down up to 255";
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_RED_MAX), Range(200, 255)) << "red upper up-down from 200";
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_GREEN_MIN), Range(0, 190)) << "green lower up-down up to 190";

    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(Title(), "Huesmith - 2") << "cancel keeps the list";
}

TEST_F(BrowseTest, TypedBoundsSteerThePartnerUpDownsAndBadOnesAreReportedAtOnce) {
    auto& session = Start(BrowseFiles());
    HWND dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
    ClickButton(dialog, IDC_RADIO_SEARCH_RGB);
    EXPECT_TRUE(Enabled(dialog, IDC_SPIN_RED_MAX)) << "RGB mode enables the up-downs";
    EXPECT_FALSE(Enabled(dialog, IDC_EDIT_SEARCH_NAME)) << "RGB mode disables the string";

    TypeInto(dialog, IDC_EDIT_RED_MIN, "100");
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_RED_MAX), Range(100, 255)) << "typed lower bound 100";
    TypeInto(dialog, IDC_EDIT_GREEN_MAX, "40");
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_GREEN_MIN), Range(0, 40)) << "typed upper bound 40";

    // The upper bound's arrows stay within 100-255 and wrap inside it.
    Send(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, IDC_EDIT_RED_MAX)), TRUE);
    PressKey(VK_UP);
    session.Probe().SyncInput();
    EXPECT_EQ(Field(dialog, IDC_EDIT_RED_MAX), "100") << "up from 255 wraps to the lower bound";
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_RED_MIN), Range(0, 100)) << "the stepped bound moves its partner";

    TypeInto(dialog, IDC_EDIT_RED_MAX, "300");
    const auto boxes = WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u) << "300 is reported as soon as it is typed";
    EXPECT_EQ(MessageBoxText(boxes[0]), "0 から 255 までの整数を入力してください。") << "range message";
    EXPECT_EQ(SpinRange(dialog, IDC_SPIN_RED_MIN), Range(0, 30)) << "300 leaves the partner at 30";
    PressButton(boxes[0], IDOK);
    EXPECT_TRUE(WaitForMessageBoxes(0).empty()) << "message dismissed";
    // Every change re-reads all fields, so the wrong bound is put right before the next test.
    TypeInto(dialog, IDC_EDIT_RED_MAX, "255");

    TypeInto(dialog, IDC_EDIT_BLUE_MIN, "");
    PressKey(VK_DELETE);
    const auto emptyBoxes = WaitForMessageBoxes(1);
    ASSERT_EQ(emptyBoxes.size(), 1u) << "a cleared field is reported at once";
    EXPECT_EQ(MessageBoxText(emptyBoxes[0]), "整数を入力してください。") << "integer message";
    PressButton(emptyBoxes[0], IDOK);
    WaitForMessageBoxes(0);
    ClickButton(dialog, IDCANCEL);
}

TEST_F(BrowseTest, ResetRestoresTheWidestCriteriaAndKeepsTheMode) {
    Start(BrowseFiles());
    RangeSearch("200", "190", "50");
    NameSearch("紅");
    EXPECT_EQ(Listed(), Entries({1})) << "name search for 紅";

    HWND dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
    EXPECT_EQ(Field(dialog, IDC_EDIT_SEARCH_NAME), "紅") << "remembered string";
    EXPECT_EQ(Field(dialog, IDC_EDIT_RED_MIN), "200") << "bounds remembered under the name mode";
    ClickButton(dialog, IDC_BUTTON_RESET);
    EXPECT_EQ(Field(dialog, IDC_EDIT_SEARCH_NAME), "") << "reset empties the string";
    const std::vector<std::string> widest = {"0", "255", "0", "255", "0", "255"};
    for (size_t i = 0; i < widest.size(); ++i) {
        EXPECT_EQ(Field(dialog, kRangeEditIds[i]), widest[i]) << "reset bound " << kRangeEditIds[i];
    }
    for (int id : kSpinIds) EXPECT_EQ(SpinRange(dialog, id), Range(0, 255)) << "reset up-down " << id;
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_SEARCH_NAME)) << "reset keeps the mode";
    EXPECT_FALSE(Enabled(dialog, IDC_EDIT_RED_MIN)) << "reset keeps the enabling";
}

TEST_F(BrowseTest, CategoryDialogEnablesTheModesBoxesAndAModeSwitchDropsNewTicks) {
    Start(BrowseFiles());
    HWND dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_CATEGORY_READING)) << "first opening: by reading";
    for (int id : kRowIds) EXPECT_TRUE(Enabled(dialog, id)) << "reading mode: row " << id;
    for (int id : kFamilyIds) EXPECT_FALSE(Enabled(dialog, id)) << "reading mode: family " << id;

    ClickButton(dialog, IDC_CHECK_ROW_A);
    ASSERT_TRUE(Ticked(dialog, IDC_CHECK_ROW_A)) << "ア行 ticked";
    ClickButton(dialog, IDC_RADIO_CATEGORY_COLOR);
    for (int id : kRowIds) EXPECT_FALSE(Enabled(dialog, id)) << "colour mode: row " << id;
    for (int id : kFamilyIds) EXPECT_TRUE(Enabled(dialog, id)) << "colour mode: family " << id;
    EXPECT_FALSE(Ticked(dialog, IDC_CHECK_ROW_A)) << "the switch puts ア行 back as it opened";

    ClickButton(dialog, IDC_RADIO_CATEGORY_READING);
    ClickButton(dialog, IDC_CHECK_ROW_KA);
    ClickButton(dialog, IDC_RADIO_CATEGORY_READING);
    EXPECT_TRUE(Ticked(dialog, IDC_CHECK_ROW_KA)) << "clicking the chosen mode changes nothing";

    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), Entries({4, 6})) << "カ行 takes き and the voiced が, not katakana";
    EXPECT_EQ(Title(), "Huesmith - 2") << "カ行 title";
    EXPECT_EQ(MarkedMode(), ID_VIEW_CATEGORY) << "カ行 mark";

    dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    EXPECT_TRUE(Ticked(dialog, IDC_CHECK_ROW_KA)) << "reopened with カ行";
    ClickButton(dialog, IDC_CHECK_ROW_HA);
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), Entries({1, 3, 4, 6})) << "カ行 and ハ行, べ included";
}

TEST_F(BrowseTest, NoRowOrEveryRowListsTheWholeCatalogue) {
    Start(BrowseFiles());
    HWND dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    ClickButton(dialog, IDC_CHECK_ROW_MA);
    ClickButton(dialog, IDOK);
    ASSERT_EQ(Listed(), Entries({5})) << "マ行 alone";

    dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    ClickButton(dialog, IDC_CHECK_ROW_MA);
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), kWholeCatalogue) << "no row";
    EXPECT_EQ(Title(), kWholeTitle) << "no row title";
    EXPECT_EQ(MarkedMode(), ID_VIEW_ALL) << "no row marks show all";

    NameSearch("色");
    dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    for (int id : kRowIds) ClickButton(dialog, id);
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), kWholeCatalogue) << "every row, ミント's katakana reading included";
    EXPECT_EQ(MarkedMode(), ID_VIEW_ALL) << "every row marks show all";
}

TEST_F(BrowseTest, FamiliesListTheirHueWindowsAndLowSaturation) {
    Start(BrowseFiles());
    HWND dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    ClickButton(dialog, IDC_RADIO_CATEGORY_COLOR);
    ClickButton(dialog, IDC_CHECK_FAMILY_RED);
    ClickButton(dialog, IDC_CHECK_FAMILY_GREY);
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), Entries({0, 1, 3, 6})) << "red with black/white/grey";
    EXPECT_EQ(MarkedMode(), ID_VIEW_CATEGORY) << "family mark";

    dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_CATEGORY_COLOR)) << "reopened in colour mode";
    ClickButton(dialog, IDC_CHECK_FAMILY_RED);
    ClickButton(dialog, IDC_CHECK_FAMILY_GREY);
    ClickButton(dialog, IDC_CHECK_FAMILY_YELLOW);
    ClickButton(dialog, IDC_CHECK_FAMILY_BLUE);
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), Entries({2, 4, 5, 7})) << "yellow to blue takes green in between";
}

TEST_F(BrowseTest, SortedListKeepsItsOrderUnderShowAllAndEntriesStillApply) {
    auto& session = Start(BrowseFiles());
    HWND dialog = OpenDialog(ID_VIEW_SORT, "ソート");
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_READING_ASC)) << "first opening: reading ascending";
    ClickButton(dialog, IDC_RADIO_RED_DESC);
    ClickButton(dialog, IDOK);
    const auto byRed = Entries({0, 4, 1, 6, 7, 3, 2, 5});
    EXPECT_EQ(Listed(), byRed) << "reddest first";
    EXPECT_EQ(Title(), kWholeTitle) << "sort keeps the count";
    EXPECT_EQ(MarkedMode(), ID_VIEW_ALL) << "sort keeps the mark";
    EXPECT_EQ(Selection(), -1) << "nothing selected after a sort";

    ChooseEntry(1);
    EXPECT_EQ(Fields(), (Triple{"248", "181", "0"})) << "the second entry after sorting is 黄蘗";

    ASSERT_TRUE(MakeForeground(session.Frame()));
    PressChord(VK_CONTROL, 'A');
    session.Probe().SyncInput();
    EXPECT_EQ(Listed(), byRed) << "show all on the sorted full list keeps its order";

    dialog = OpenDialog(ID_VIEW_SORT, "ソート");
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_RED_DESC)) << "reopened with the key in use";
    ClickButton(dialog, IDC_RADIO_READING_ASC);
    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(Listed(), byRed) << "cancel does not sort";

    NameSearch("色");
    ASSERT_TRUE(MakeForeground(session.Frame()));
    PressChord(VK_CONTROL, 'A');
    session.Probe().SyncInput();
    EXPECT_EQ(Listed(), kWholeCatalogue) << "show all after a search: catalogue order";
    EXPECT_EQ(MarkedMode(), ID_VIEW_ALL) << "show all mark";
    EXPECT_EQ(Fields(), (Triple{"248", "181", "0"})) << "browsing leaves the current colour";
}

}  // namespace
}  // namespace e2e
