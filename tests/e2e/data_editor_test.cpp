// The colour data editor: the whole catalogue in its list whatever the view lists, the fields, code
// and swatch following what is typed or clicked, the sorting headings, add, change and delete with
// their messages, and what OK and Cancel leave in the view and on disk.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using namespace std::string_literals;

constexpr const char* kEditor = "色データ編集";

class DataEditorTest : public HuesmithTest {
protected:
    // Lists the サ row, so that the view shows less than the catalogue, and opens the editor.
    void OpenOnSaRow() {
        HWND category = OpenDialog(ID_VIEW_CATEGORY, "読み別・色別表示");
        ClickButton(category, IDC_CHECK_ROW_SA);
        ClickButton(category, IDOK);
        OpenEditor();
    }
    void OpenEditor() {
        PressCtrl('E');
        m_dialog = WaitForDialog(kEditor);
        m_list = ::GetDlgItem(m_dialog, IDC_LIST_COLOR_DATA);
    }
    // The name, reading, red, green, blue and code fields, and the swatch's middle pixel.
    std::string Shown() {
        std::string text;
        for (int id : {IDC_EDIT_DATA_NAME, IDC_EDIT_DATA_READING, IDC_EDIT_DATA_RED, IDC_EDIT_DATA_GREEN,
                       IDC_EDIT_DATA_BLUE, IDC_EDIT_DATA_HTML_CODE}) {
            text += DlgText(m_dialog, id) + "|";
        }
        const COLORREF c = MiddleOf(::GetDlgItem(m_dialog, IDC_STATIC_DATA_SWATCH));
        return text + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
    }
    // A real click in the window, the mouse brought there first: a press straight after an
    // absolute move may reach the program where the pointer was before.
    void ClickIn(HWND window, RECT r, WORD modifier = 0) {
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        MoveMouse(Centre(r));
        SyncInput();
        Click(Centre(r), modifier);
    }
    // Clicks the row's name, which loads the row; returns its name as the field shows it.
    std::string ClickRow(int row, WORD modifier = 0) {
        ClickIn(m_list, AskRect(m_list, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_LABEL, 0, 0, 0}), modifier);
        WaitFor([&] { return SyncInput() && Send(m_list, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0; });
        return DlgText(m_dialog, IDC_EDIT_DATA_NAME);
    }
    // Clicks on a heading alternate either side of its middle, further apart than a double click
    // may be: two quick clicks on one spot make a double click, which sorts nothing.
    void ClickHeading(int column) {
        const auto header = reinterpret_cast<HWND>(Send(m_list, LVM_GETHEADER));
        RECT item = AskRect(header, HDM_GETITEMRECT, static_cast<WPARAM>(column));
        const int apart = ((m_left = !m_left) ? -1 : 1) * ::GetSystemMetrics(SM_CXDOUBLECLK);
        ClickIn(header, {item.left + apart, item.top, item.right + apart, item.bottom});
    }

    HWND m_dialog = nullptr;
    HWND m_list = nullptr;
    bool m_left = false;
};

TEST_F(DataEditorTest, ShowsTheWholeCatalogueSortsAndChangesItAndOnlyOkSavesIt) {
    Start();
    OpenOnSaRow();
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 5  ") << "caption: every entry, not the view's two, and a blank";
    EXPECT_EQ(Shown(), "||255|255|255|#FFFFFF|255,255,255") << "the current colour, no name";
    TypeInto(m_dialog, IDC_EDIT_DATA_HTML_CODE, "12AB3C");  // letter keys without shift: 12ab3c
    EXPECT_EQ(Shown(), "||18|171|60|12ab3c|18,171,60") << "a typed code sets the values and keeps its text";
    ClickRow(3);
    EXPECT_EQ(Shown(), "藍色|あいいろ|22|94|131|#165E83|22,94,131") << "a clicked row loaded";
    ClickHeading(2);
    EXPECT_EQ(ClickRow(0) + ClickRow(4), "桜色藍色") << "赤 once: descending";
    EXPECT_TRUE(WaitFor([&] { return TextOf(m_dialog) == "色データ編集 - 5 *"; })) << "a sort is a change";
    ClickHeading(2);
    EXPECT_EQ(ClickRow(0) + ClickRow(4), "藍色桜色") << "赤 twice: ascending";
    ClickHeading(1);
    EXPECT_EQ(ClickRow(0) + ClickRow(1), "紅ﾃｽﾄ黄") << "読み's first click: descending, by unsigned bytes";
    ClickButton(m_dialog, IDCANCEL);
    EXPECT_EQ(ReadFile(L"Huesmith.csv"), CatalogueBytes(SampleCatalogue())) << "cancel leaves the file's bytes";
    EXPECT_EQ(Title(), "Huesmith - 2") << "cancel keeps the view's list";

    OpenEditor();
    EXPECT_TRUE(TakesInputMethod(::GetDlgItem(m_dialog, IDC_EDIT_DATA_NAME)) &&
                !TakesInputMethod(::GetDlgItem(m_dialog, IDC_EDIT_DATA_RED)) &&
                !TakesInputMethod(::GetDlgItem(m_dialog, IDC_EDIT_DATA_HTML_CODE)))
        << "names take the input method, numbers and codes do not";
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "若竹色");
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "べに");
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(IDNO), "既に同名のデータがあります。\n追加してもいいですか？") << "紅's reading again";
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    AnswerMessage(IDYES);
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 6 *") << "No adds nothing, Yes adds the entry";
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "しん,く");
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(), "名前と読みにカンマ(,)は使えません") << "a comma in the reading";

    ClickRow(1);
    EXPECT_EQ(ClickRow(3, VK_CONTROL), "紅") << "a click loads the topmost selected row";
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "真紅");
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "しんく");
    TypeInto(m_dialog, IDC_EDIT_DATA_RED, "200");
    ClickButton(m_dialog, IDC_BUTTON_DATA_MODIFY);
    ClickRow(0);
    ClickRow(2, VK_CONTROL);
    ClickRow(4, VK_CONTROL);
    ClickButton(m_dialog, IDC_BUTTON_DATA_DELETE);
    EXPECT_EQ(TextOf(m_dialog), "色データ編集 - 3 *") << "three selected rows deleted";

    TypeInto(m_dialog, IDC_EDIT_DATA_RED, "300");
    AnswerMessage();  // reported as it is typed
    ClickButton(m_dialog, IDOK);
    EXPECT_EQ(AnswerMessage(), "0 から 255 までの整数を入力してください。") << "OK refuses red 300";
    EXPECT_TRUE(DialogOpen(kEditor) && Title() == "Huesmith - 2") << "the dialog stays open, nothing applied";
    TypeInto(m_dialog, IDC_EDIT_DATA_RED, "93");
    ClickButton(m_dialog, IDOK);
    EXPECT_FALSE(DialogOpen(kEditor)) << "OK closes";
    const std::vector<ColourEntry> saved = {
        {"真紅", "しんく", 200, 0, 58}, SampleCatalogue()[3], {"若竹色", "べに", 255, 255, 255}};
    EXPECT_EQ(ReadFile(L"Huesmith.csv"), CatalogueBytes(saved)) << "modified, deleted, added: saved as listed";
    EXPECT_EQ(Listed(), (Texts{ListText(saved[0]), ListText(saved[1]), ListText(saved[2])})) << "the view lists all";
    EXPECT_TRUE(Title() == "Huesmith - 3" && Menu(ID_VIEW_ALL).radio) << "counted and marked as show all";
}



// Run under an English Windows's code page (1252) by its own CTest entry: what a user sees and what
// lands on disk are those of a Japanese Windows.
TEST_F(DataEditorTest, OnAWesternCodePageTextsShowAndSaveAsOnAJapaneseWindows) {
    if (::GetACP() == 932) GTEST_SKIP() << "for the run under a Western code page";
    // ≒ (NEC) with a lead byte cut off, 纊 (IBM's extension, 0xED40), a NUL: no cell gives them back.
    const std::string odd = "\x87\x90\x81,\xED\x40,1,2,3\r\nnul\0after,x,4,5,6\r\n"s;
    Start({.catalogue = odd + CatalogueBytes(SampleCatalogue()), .settings = "[Option]\r\nPreview=見本\r\n"});
    EXPECT_EQ(TextOf(Control(IDC_RADIO_BACK)) + TextOf(::GetDlgItem(Frame(), AFX_IDW_STATUS_BAR)), "背景色ﾚﾃﾞｨ");
    EXPECT_EQ(Listed().back(), ListText(SampleCatalogue().back())) << "a name and its reading";
    OpenEditor();
    EXPECT_EQ(TextOf(m_dialog) + DlgText(m_dialog, IDC_BUTTON_DATA_ADD), "色データ編集 - 7  追加(&A)");
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "Zoë");
    SetFieldText(m_dialog, IDC_EDIT_DATA_READING, "ぞえ");
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(), "「名前」に Shift-JIS で表せない文字が含まれています。\nその文字を使わずに入力してください。");
    SetFieldText(m_dialog, IDC_EDIT_DATA_NAME, "若竹色");
    ClickButton(m_dialog, IDC_BUTTON_DATA_ADD);
    ClickButton(m_dialog, IDOK);
    EXPECT_EQ(ReadFile(L"Huesmith.csv"), odd + CatalogueBytes(SampleCatalogue()) + Cp932("若竹色,ぞえ,255,255,255\r\n"))
        << "untouched rows byte for byte, the new one as a Japanese Windows saves it, the refused name nowhere";
    Close();
    EXPECT_NE(Settings().find("Preview=見本\r\n"), std::string::npos) << "the settings file stays code page 932";
}

}  // namespace
}  // namespace e2e
