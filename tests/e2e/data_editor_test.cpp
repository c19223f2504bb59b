// The colour data editor: the whole catalogue in its list whatever the view lists, the fields, code
// and swatch following what is typed or clicked, the sorting headings, add, change and delete with
// their messages, and what OK and Cancel leave in the view and on disk.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using Rows = std::vector<Texts>;

constexpr const char* kEditor = "色データ編集";
constexpr const char* kRange = "0 から 255 までの整数を入力してください。";
constexpr const char* kNoComma = "名前と読みにカンマ(,)は使えません";

Rows RowsOf(std::initializer_list<int> sampleIndices) {
    Rows rows;
    for (int i : sampleIndices) {
        const ColourEntry& e = SampleCatalogue()[static_cast<size_t>(i)];
        rows.push_back({e.name, e.reading, std::to_string(e.red), std::to_string(e.green), std::to_string(e.blue)});
    }
    return rows;
}

class DataEditorTest : public HuesmithTest {
protected:
    // Lists the サ row, so that the view shows less than the catalogue, and opens the editor.
    HWND OpenOnSaRow() {
        HWND category = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
        ClickButton(category, IDC_CHECK_ROW_SA);
        ClickButton(category, IDOK);
        PressCtrl('E');
        m_dialog = WaitForDialog(kEditor);
        m_list = ::GetDlgItem(m_dialog, IDC_LIST_COLOR_DATA);
        return m_dialog;
    }
    // The list's rows once they are as expected (input reaches the program a little later), or
    // as they are when waiting ran out.
    Rows Cells(const Rows& expected) {
        Rows rows;
        WaitFor([&] { return (rows = ListCells(m_list)) == expected; });
        return rows;
    }
    Texts FieldsShown(const Texts& expected) {
        Texts texts;
        WaitFor([&] {
            texts.clear();
            for (int id : {IDC_EDIT_DATA_NAME, IDC_EDIT_DATA_READING, IDC_EDIT_DATA_RED, IDC_EDIT_DATA_GREEN,
                           IDC_EDIT_DATA_BLUE, IDC_EDIT_DATA_HTML_CODE}) {
                texts.push_back(DlgText(m_dialog, id));
            }
            return texts == expected;
        });
        return texts;
    }
    bool SwatchShows(COLORREF colour) {
        HWND swatch = ::GetDlgItem(m_dialog, IDC_STATIC_DATA_SWATCH);
        const POINT middle = Centre(ClientRectOf(swatch));
        return WaitFor([&] { return Pixels(swatch, {middle.x, middle.y, middle.x + 1, middle.y + 1})[0] == colour; });
    }
    // A real click on the row's name, the mouse brought there first: a press straight after an
    // absolute move may reach the program where the pointer was before.
    void ClickRow(int row, WORD modifier = 0) {
        RECT label = AskRect(m_list, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_LABEL, 0, 0, 0});
        ::MapWindowPoints(m_list, nullptr, reinterpret_cast<POINT*>(&label), 2);
        MoveMouse(Centre(label));
        SyncInput();
        Click(Centre(label), modifier);
        SyncInput();
    }
    // Clicks on a heading alternate either side of its middle, further apart than a double click
    // may be: two quick clicks on one spot make a double click, which sorts nothing.
    void ClickHeading(int column) {
        const auto header = reinterpret_cast<HWND>(Send(m_list, LVM_GETHEADER));
        RECT item = AskRect(header, HDM_GETITEMRECT, static_cast<WPARAM>(column));
        ::MapWindowPoints(header, nullptr, reinterpret_cast<POINT*>(&item), 2);
        const POINT at{Centre(item).x + ((m_left = !m_left) ? -1 : 1) * ::GetSystemMetrics(SM_CXDOUBLECLK), Centre(item).y};
        MoveMouse(at);
        SyncInput();
        Click(at);
    }

    HWND m_dialog = nullptr;
    HWND m_list = nullptr;
    bool m_left = false;
};

TEST_F(DataEditorTest, ShowsTheWholeCatalogueFollowsTypedAndClickedValuesAndSortsByItsHeadings) {
    Start();
    OpenOnSaRow();
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 5  ") << "caption: row count and a blank";
    EXPECT_EQ(ListCells(m_list), RowsOf({0, 1, 2, 3, 4})) << "every entry in catalogue order";
    EXPECT_EQ(FieldsShown({"", "", "255", "255", "255", "#FFFFFF"})[5], "#FFFFFF") << "the current colour, no name";
    EXPECT_TRUE(SwatchShows(kWhite)) << "swatch of the current colour";
    TypeInto(m_dialog, IDC_EDIT_DATA_HTML_CODE, "12AB3C");  // letter keys without shift: 12ab3c
    const Texts typed{"", "", "18", "171", "60", "12ab3c"};
    EXPECT_EQ(FieldsShown(typed), typed) << "a six-digit code sets the values and keeps its text";
    EXPECT_TRUE(SwatchShows(RGB(18, 171, 60))) << "swatch after the code";
    ClickRow(3);
    const Texts indigo{"藍色", "あいいろ", "22", "94", "131", "#165E83"};
    EXPECT_EQ(FieldsShown(indigo), indigo) << "clicked row loaded";
    EXPECT_TRUE(SwatchShows(RGB(22, 94, 131))) << "swatch of the clicked row";
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 5  ") << "loading a row changes nothing";

    ClickHeading(2);
    EXPECT_EQ(Cells(RowsOf({0, 4, 1, 2, 3})), RowsOf({0, 4, 1, 2, 3})) << "赤 once: descending";
    EXPECT_TRUE(WaitFor([&] { return TextOf(m_dialog) == "色データ編集 - 5 *"; })) << "a sort is a change";
    ClickHeading(2);
    EXPECT_EQ(Cells(RowsOf({3, 2, 1, 4, 0})), RowsOf({3, 2, 1, 4, 0})) << "赤 twice: ascending";
    ClickHeading(1);
    EXPECT_EQ(Cells(RowsOf({1, 4, 2, 0, 3})), RowsOf({1, 4, 2, 0, 3})) << "読み's first click: descending, by bytes";
    ClickButton(m_dialog, IDCANCEL);
    EXPECT_FALSE(DialogOpen(kEditor)) << "cancel closes";
    EXPECT_EQ(ReadFile(L"Huesmith.csv"), CatalogueBytes(SampleCatalogue())) << "cancel leaves the file's bytes";
    EXPECT_EQ(Title(), "Huesmith - 2") << "cancel keeps the view's list";
}

TEST_F(DataEditorTest, AddModifyAndDeleteAskAndRefuseAsTheyShouldAndOkSavesTheList) {
    Start();
    OpenOnSaRow();
    for (const auto& [button, message] : {std::pair{IDC_BUTTON_DATA_DELETE, "リストから削除するデータを選択して下さい"},
                                          {IDC_BUTTON_DATA_ADD, "名前と読みを入力して下さい"}}) {
        ClickButton(m_dialog, button);
        EXPECT_EQ(AnswerMessage(), message);
    }
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "若竹色");
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "べに");
    ClickButton(m_dialog, IDC_BUTTON_DATA_MODIFY);
    EXPECT_EQ(AnswerMessage(), "リストから変更するデータを選択して下さい") << "modify with nothing selected";
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(IDNO), "既に同名のデータがあります。\n追加してもいいですか？") << "紅's reading again";
    EXPECT_EQ(ListCells(m_list).size(), 5u) << "No adds nothing";
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    AnswerMessage(IDYES);
    Rows expected = RowsOf({0, 1, 2, 3, 4});
    expected.push_back({"若竹色", "べに", "255", "255", "255"});
    EXPECT_EQ(ListCells(m_list), expected) << "Yes appends the entry";
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 6 *") << "caption after adding";
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "若竹,色");
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(), kNoComma) << "add with a comma in the name";

    ClickRow(1);
    ClickRow(3, VK_CONTROL);
    const Texts crimson{"紅", "べに", "215", "0", "58", "#D7003A"};
    EXPECT_EQ(FieldsShown(crimson), crimson) << "a click loads the topmost selected row";
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "しん,く");
    ClickButton(m_dialog, IDC_BUTTON_DATA_MODIFY);
    EXPECT_EQ(AnswerMessage(), kNoComma) << "modify with a comma in the reading";
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "真紅");
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "しんく");
    TypeInto(m_dialog, IDC_EDIT_DATA_RED, "200");
    ClickButton(m_dialog, IDC_BUTTON_DATA_MODIFY);
    expected[1] = {"真紅", "しんく", "200", "0", "58"};
    EXPECT_EQ(Cells(expected), expected) << "modify changes only the topmost of the two selected rows";
    ClickRow(0);
    ClickRow(2, VK_CONTROL);
    ClickRow(4, VK_CONTROL);
    ClickButton(m_dialog, IDC_BUTTON_DATA_DELETE);
    const Rows left{expected[1], expected[3], expected[5]};
    EXPECT_EQ(Cells(left), left) << "three selected rows deleted";
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 3 *") << "caption after deleting";

    TypeInto(m_dialog, IDC_EDIT_DATA_RED, "300");
    EXPECT_EQ(AnswerMessage(), kRange) << "300 is reported as it is typed";
    ClickButton(m_dialog, IDOK);
    EXPECT_EQ(AnswerMessage(), kRange) << "OK refuses red 300";
    EXPECT_TRUE(DialogOpen(kEditor) && Title() == "Huesmith - 2") << "the dialog stays open, nothing applied";
    TypeInto(m_dialog, IDC_EDIT_DATA_RED, "93");
    ClickButton(m_dialog, IDOK);
    EXPECT_FALSE(DialogOpen(kEditor)) << "OK closes";
    const std::vector<ColourEntry> saved = {
        {"真紅", "しんく", 200, 0, 58}, SampleCatalogue()[3], {"若竹色", "べに", 255, 255, 255}};
    EXPECT_EQ(ReadFile(L"Huesmith.csv"), CatalogueBytes(saved)) << "saved as listed, byte for byte";
    EXPECT_EQ(Listed(), (Texts{ListText(saved[0]), ListText(saved[1]), ListText(saved[2])})) << "the view lists all";
    EXPECT_TRUE(Title() == "Huesmith - 3" && Menu(ID_VIEW_ALL).radio) << "counted and marked as show all";
    EXPECT_EQ(Fields(), (Texts{"255", "255", "255"})) << "the current colour stays";
}

}  // namespace
}  // namespace e2e
