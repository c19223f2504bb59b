// Browsing the catalogue: the search, category and sort dialogs, show all, what they list, the
// title count they leave and the View menu's mark of the list's origin.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

// Readings and colours chosen so that each kana row, colour family and sort order picks a known set.
const std::vector<ColourEntry> kCatalogue = {
    {"桜色", "さくらいろ", 254, 244, 244},      // サ row; pale, yet red family
    {"紅", "べに", 215, 0, 58},                // ハ row by its voiced kana; red
    {"藍色", "あいいろ", 22, 94, 131},          // ア row; blue
    {"灰色", "はいいろ", 128, 128, 128},        // ハ row; black/white/grey
    {"黄蘗", "きはだ", 248, 181, 0},           // カ row; yellow
    {"緑", "みどり", 0, 160, 0},               // マ row; green
    {"ガーネット", "がーねっと", 200, 30, 40},  // カ row by が; red
    {"ミント", "ミント", 150, 220, 190},        // katakana reading: no row; green
};
Texts Entries(std::initializer_list<int> indices) {
    Texts texts;
    for (int i : indices) texts.push_back(ListText(kCatalogue[static_cast<size_t>(i)]));
    return texts;
}

class BrowseTest : public HuesmithTest {
protected:
    void SetUp() override { Start({.catalogue = CatalogueBytes(kCatalogue)}); }

    // The View menu item that carries the radio mark: 0 for none, -1 for more than one.
    int Marked() {
        int marked = 0;
        for (int id : {ID_VIEW_ALL, ID_VIEW_SEARCH, ID_VIEW_CATEGORY}) {
            if (Menu(id).radio) marked = marked == 0 ? id : -1;
        }
        return marked;
    }
    // Clicks the boxes and buttons of the dialog the command opens, in order.
    void InDialog(int commandId, const char* caption, std::initializer_list<int> clicks) {
        HWND dialog = OpenDialog(commandId, caption);
        for (int id : clicks) ClickButton(dialog, id);
    }
};

TEST_F(BrowseTest, SearchCategoryAndSortListTheirEntriesCountThemAndMarkWhereTheListComesFrom) {
    NameSearch("色");
    EXPECT_EQ(Listed(), Entries({0, 2, 3})) << "name search for 色";
    EXPECT_TRUE(Title() == "Huesmith - 3" && Marked() == ID_VIEW_SEARCH) << "counted and marked";
    HWND dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
    ClickButton(dialog, IDC_RADIO_SEARCH_RGB);
    TypeInto(dialog, IDC_EDIT_RED_MAX, "300");
    EXPECT_EQ(AnswerMessage(), "0 から 255 までの整数を入力してください。") << "300 is reported as it is typed";
    for (const auto& [id, bound] : {std::pair{IDC_EDIT_RED_MAX, "255"}, {IDC_EDIT_RED_MIN, "200"},
                                    {IDC_EDIT_GREEN_MAX, "190"}, {IDC_EDIT_BLUE_MAX, "50"}}) {
        TypeInto(dialog, id, bound);
    }
    EXPECT_EQ(HIWORD(Send(::GetDlgItem(dialog, IDC_SPIN_RED_MAX), UDM_GETRANGE)), 200) << "a bound steers its partner";
    ClickButton(dialog, IDOK);
    EXPECT_EQ(Listed(), Entries({4, 6})) << "red 200-255, green 0-190, blue 0-50";
    dialog = OpenDialog(ID_VIEW_SEARCH, "検索");
    EXPECT_TRUE(DlgTicked(dialog, IDC_RADIO_SEARCH_RGB) && DlgText(dialog, IDC_EDIT_GREEN_MAX) == "190") << "reopened";
    ClickButton(dialog, IDCANCEL);
    NameSearch("é");
    EXPECT_EQ(Title(), "Huesmith - 0") << "a character no name can hold finds nothing";
    NameSearch("");
    EXPECT_TRUE(Title() == "Huesmith - 8" && Marked() == ID_VIEW_ALL) << "finding everything marks show all";

    dialog = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
    ClickButton(dialog, IDC_CHECK_ROW_A);
    ClickButton(dialog, IDC_RADIO_CATEGORY_COLOR);
    EXPECT_TRUE(DlgEnabled(dialog, IDC_CHECK_FAMILY_GREY) && !DlgTicked(dialog, IDC_CHECK_ROW_A))
        << "by colour: families on, and ア行 back as it opened";
    for (int id : {IDC_RADIO_CATEGORY_READING, IDC_CHECK_ROW_KA, IDC_CHECK_ROW_HA, IDOK}) ClickButton(dialog, id);
    EXPECT_EQ(Listed(), Entries({1, 3, 4, 6})) << "カ行 and ハ行 take voiced が and べ, not katakana";
    EXPECT_TRUE(Title() == "Huesmith - 4" && Marked() == ID_VIEW_CATEGORY) << "counted and marked";
    InDialog(ID_VIEW_CATEGORY, "読み別・色別表示",
             {IDC_RADIO_CATEGORY_COLOR, IDC_CHECK_FAMILY_YELLOW, IDC_CHECK_FAMILY_BLUE, IDC_CHECK_FAMILY_GREY, IDOK});
    EXPECT_EQ(Listed(), Entries({2, 3, 4, 5, 7})) << "yellow to blue takes green in between, and grey";

    InDialog(ID_VIEW_SORT, "ソート", {IDC_RADIO_RED_DESC, IDOK});
    EXPECT_EQ(Listed(), Entries({4, 7, 3, 2, 5})) << "reddest first: a sort keeps what is listed";
    PressCtrl('A');
    EXPECT_EQ(Listed(), Entries({0, 1, 2, 3, 4, 5, 6, 7})) << "show all lists everything in catalogue order";
    EXPECT_TRUE(Title() == "Huesmith - 8" && Marked() == ID_VIEW_ALL) << "counted and marked";
    InDialog(ID_VIEW_SORT, "ソート", {IDOK});
    PressCtrl('A');
    EXPECT_EQ(Listed(), Entries({0, 4, 1, 6, 7, 3, 2, 5})) << "show all keeps a sorted whole list as it is";
    ChooseEntry(1);
    EXPECT_EQ(Fields(), (Texts{"248", "181", "0"})) << "the second entry after sorting is 黄蘗";
}

}  // namespace
}  // namespace e2e
