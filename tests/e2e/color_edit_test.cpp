// The colour data editor as a user meets it: the whole catalogue in its list whatever the view
// lists, the fields, code and swatch following what is typed or clicked, add, change and delete
// with their messages, the sorting headings, and what OK and Cancel leave in the view and on disk.
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using Rows = std::vector<std::vector<std::string>>;
// Name, reading, red, green, blue and the HTML code, as the fields show them.
using EditFields = std::vector<std::string>;

constexpr std::string_view kEditorCaption = "色データ編集";
constexpr int kFieldIds[] = {IDC_EDIT_DATA_NAME, IDC_EDIT_DATA_READING,  IDC_EDIT_DATA_RED,
                             IDC_EDIT_DATA_GREEN, IDC_EDIT_DATA_BLUE, IDC_EDIT_DATA_HTML_CODE};
constexpr int kReadingColumn = 1;
constexpr int kRedColumn = 2;

const std::string kNeedName = "名前と読みを入力して下さい";
const std::string kNoComma = "名前と読みにカンマ(,)は使えません";

// The sample catalogue: ソ's second byte is a backslash's, ﾃｽﾄ is half-width katakana; the
// readings さ and そ form the サ row.
const std::vector<ColourEntry>& Catalogue() { return SampleCatalogue(); }

std::vector<ColourEntry> EntriesAt(std::initializer_list<int> indices) {
    std::vector<ColourEntry> entries;
    for (int i : indices) entries.push_back(Catalogue()[static_cast<size_t>(i)]);
    return entries;
}

std::vector<std::string> CellsOf(const ColourEntry& e) {
    return {e.name, e.reading, std::to_string(e.red), std::to_string(e.green), std::to_string(e.blue)};
}

Rows RowsOf(const std::vector<ColourEntry>& entries) {
    Rows rows;
    for (const auto& e : entries) rows.push_back(CellsOf(e));
    return rows;
}

std::vector<std::string> ListTexts(const std::vector<ColourEntry>& entries) {
    std::vector<std::string> texts;
    for (const auto& e : entries) texts.push_back(ListText(e));
    return texts;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

POINT ScreenPoint(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    return client;
}

// What `read` answers once it equals `expected`, or its last answer when waiting ran out: real
// input reaches the program a little after the driver has sent it.
template <class T, class Read>
T Settled(const T& expected, Read read) {
    T seen{};
    WaitFor([&] { return (seen = read()) == expected; });
    return seen;
}

class ColorEditTest : public HuesmithTest {
protected:
    // Lists the サ row in the view, so that the view shows less than the catalogue.
    void ListSaRow() {
        Command(ID_VIEW_CATEGORY);
        HWND dialog = WaitForDialog("読み別・色別表示");
        ClickButton(dialog, IDC_CHECK_ROW_SA);
        ClickButton(dialog, IDOK);
    }

    // Runs the command as the menu sends it and returns the editor once it has the keyboard.
    HWND OpenEditor() {
        Command(ID_EDIT_COLOR_DATA);
        return WaitForEditor();
    }

    HWND WaitForEditor() { return WaitForDialog(kEditorCaption); }

    static EditFields FieldsOf(HWND dialog) {
        EditFields texts;
        for (int id : kFieldIds) texts.push_back(TextOf(::GetDlgItem(dialog, id)));
        return texts;
    }
    static EditFields FieldsOnce(HWND dialog, const EditFields& expected) {
        return Settled(expected, [&] { return FieldsOf(dialog); });
    }
    static std::string CaptionOnce(HWND dialog, const std::string& expected) {
        return Settled(expected, [&] { return TextOf(dialog); });
    }
    static std::string FieldOnce(HWND dialog, int id, const std::string& expected) {
        return Settled(expected, [&] { return TextOf(::GetDlgItem(dialog, id)); });
    }

    ListViewRows List(HWND dialog) { return Session().Probe().ListView(::GetDlgItem(dialog, IDC_LIST_COLOR_DATA)); }
    Rows Cells(HWND dialog) { return List(dialog).cells; }
    Rows CellsOnce(HWND dialog, const Rows& expected) {
        return Settled(expected, [&] { return Cells(dialog); });
    }

    // A real click on the row's name, with the modifier held if one is given; returns once the
    // list shows the row selected.
    void ClickRow(HWND dialog, int row, WORD modifier = 0) {
        HWND list = ::GetDlgItem(dialog, IDC_LIST_COLOR_DATA);
        const RECT label =
            Session().Probe().WindowRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_LABEL, 0, 0, 0});
        ClickAt(ScreenPoint(list, Centre(label)), modifier);
        WaitFor([&] {
            const auto selected = List(dialog).selected;
            return static_cast<size_t>(row) < selected.size() && selected[static_cast<size_t>(row)];
        });
    }

    // Clicks on a heading alternate either side of its middle, further apart than a double click
    // may be: two quick clicks on one spot make a double click, which sorts nothing.
    void ClickHeading(HWND dialog, int column) {
        HWND list = ::GetDlgItem(dialog, IDC_LIST_COLOR_DATA);
        const auto header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
        const RECT item = Session().Probe().WindowRect(header, HDM_GETITEMRECT, static_cast<WPARAM>(column));
        POINT at = Centre(item);
        const int apart = ::GetSystemMetrics(SM_CXDOUBLECLK);
        at.x += (m_bHeadingLeft = !m_bHeadingLeft) ? -apart : apart;
        ClickAt(ScreenPoint(header, at), 0);
    }

    // The pointer is brought there first and the program has seen it arrive: a button pressed
    // straight after an absolute move may reach the program where the pointer was before.
    void ClickAt(POINT screen, WORD modifier) {
        MoveMouse(screen);
        Session().Probe().SyncInput();
        if (modifier != 0) {
            ClickWith(modifier, screen);
        } else {
            Click(screen);
        }
    }

    // The middle of the swatch once it shows `expected`, or what it shows when waiting ran out.
    static COLORREF SwatchShows(HWND dialog, COLORREF expected) {
        RECT frame = WindowRectOf(::GetDlgItem(dialog, IDC_STATIC_DATA_SWATCH));
        ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&frame), 2);
        return Settled(expected, [&] { return ClientPixel(dialog, Centre(frame)); });
    }

    // The one message box's text, answered with the button.
    std::string AnswerMessage(int buttonId) {
        const auto boxes = WaitForMessageBoxes(1);
        if (boxes.size() != 1) return "(" + std::to_string(boxes.size()) + " message boxes)";
        const std::string text = MessageBoxText(boxes.front());
        PressButton(boxes.front(), buttonId);
        WaitForMessageBoxes(0);
        return text;
    }

    std::vector<std::string> Listed() { return ComboItems(Session().Control(IDC_COMBO_NAME)); }
    std::string Title() { return TextOf(Session().Frame()); }
    std::string DataFile() { return Session().Folder().Read(L"Huesmith.csv").value_or("(no file)"); }
    bool EditorOpen() {
        for (HWND d : OtherDialogsOf(Session().ProcessId())) {
            if (TextOf(d).starts_with(kEditorCaption)) return true;
        }
        return false;
    }

    bool m_bHeadingLeft = false;
};

TEST_F(ColorEditTest, ShowsTheWholeCatalogueAndFollowsTypedAndClickedValues) {
    auto& session = Start();
    ListSaRow();
    ASSERT_EQ(Title(), "Huesmith - 2") << "the view lists the サ row";

    ASSERT_TRUE(MakeForeground(session.Frame()));
    PressChord(VK_CONTROL, 'E');
    HWND dialog = WaitForEditor();
    EXPECT_EQ(TextOf(dialog), "色データ編集 - 5  ") << "caption: row count and a blank";
    EXPECT_EQ(Cells(dialog), RowsOf(Catalogue())) << "every entry in catalogue order, not the view's list";
    EXPECT_EQ(FieldsOf(dialog), (EditFields{"", "", "255", "255", "255", "#FFFFFF"}))
        << "the current colour and its code, no name";
    EXPECT_EQ(SwatchShows(dialog, RGB(255, 255, 255)), RGB(255, 255, 255)) << "swatch of the current colour";

    TypeInto(dialog, IDC_EDIT_DATA_RED, "12");
    EXPECT_EQ(FieldOnce(dialog, IDC_EDIT_DATA_HTML_CODE, "#0CFFFF"), "#0CFFFF") << "red 12: first pair 0C";
    EXPECT_EQ(SwatchShows(dialog, RGB(12, 255, 255)), RGB(12, 255, 255)) << "swatch after red 12";

    TypeInto(dialog, IDC_EDIT_DATA_HTML_CODE, "12AB3C");  // letter keys without shift: 12ab3c
    const EditFields typedCode{"", "", "18", "171", "60", "12ab3c"};
    EXPECT_EQ(FieldsOnce(dialog, typedCode), typedCode) << "a six-digit code sets the values and keeps its text";
    EXPECT_EQ(SwatchShows(dialog, RGB(18, 171, 60)), RGB(18, 171, 60)) << "swatch after the code";

    ClickRow(dialog, 3);
    const EditFields indigo{"藍色", "あいいろ", "22", "94", "131", "#165E83"};
    EXPECT_EQ(FieldsOnce(dialog, indigo), indigo) << "clicked row loaded";
    EXPECT_EQ(SwatchShows(dialog, RGB(22, 94, 131)), RGB(22, 94, 131)) << "swatch of the clicked row";
    EXPECT_EQ(TextOf(dialog), "色データ編集 - 5  ") << "loading a row changes nothing";

    ClickButton(dialog, IDCANCEL);
    EXPECT_FALSE(EditorOpen()) << "cancel closes";
    EXPECT_EQ(Listed(), ListTexts(EntriesAt({0, 2}))) << "cancel keeps the view's list";
}

TEST_F(ColorEditTest, AddModifyAndDeleteAskAndRefuseAsTheyShouldAndCancelDropsThem) {
    auto& session = Start();
    const std::string original = DataFile();
    HWND dialog = OpenEditor();

    ClickButton(dialog, IDC_BUTTON_DATA_DELETE);
    EXPECT_EQ(AnswerMessage(IDOK), "リストから削除するデータを選択して下さい") << "delete with nothing selected";
    ClickButton(dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(IDOK), kNeedName) << "add with an empty name";

    SetFieldText(dialog, IDC_EDIT_DATA_NAME, "若竹色");
    SetFieldText(dialog, IDC_EDIT_DATA_READING, "べに");
    ClickButton(dialog, IDC_BUTTON_DATA_MODIFY);
    EXPECT_EQ(AnswerMessage(IDOK), "リストから変更するデータを選択して下さい") << "modify with nothing selected";
    ClickButton(dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(IDNO), "既に同名のデータがあります。\n追加してもいいですか？") << "紅's reading again";
    EXPECT_EQ(Cells(dialog), RowsOf(Catalogue())) << "No adds nothing";
    EXPECT_EQ(TextOf(dialog), "色データ編集 - 5  ") << "No leaves the caption";
    ClickButton(dialog, IDC_BUTTON_DATA_ADD);
    AnswerMessage(IDYES);
    Rows expected = RowsOf(Catalogue());
    expected.push_back({"若竹色", "べに", "255", "255", "255"});
    EXPECT_EQ(Cells(dialog), expected) << "Yes appends the entry";
    EXPECT_EQ(TextOf(dialog), "色データ編集 - 6 *") << "caption after adding";

    SetFieldText(dialog, IDC_EDIT_DATA_NAME, "若竹,色");
    ClickButton(dialog, IDC_BUTTON_DATA_ADD);
    EXPECT_EQ(AnswerMessage(IDOK), kNoComma) << "add with a comma in the name";

    ClickRow(dialog, 1);
    ClickRow(dialog, 3, VK_CONTROL);
    const std::vector<bool> secondAndFourth{false, true, false, true, false, false};
    EXPECT_EQ(List(dialog).selected, secondAndFourth) << "two rows selected";
    const EditFields crimson{"紅", "べに", "215", "0", "58", "#D7003A"};
    EXPECT_EQ(FieldsOnce(dialog, crimson), crimson) << "a click loads the topmost selected row";
    SetFieldText(dialog, IDC_EDIT_DATA_READING, "しん,く");
    ClickButton(dialog, IDC_BUTTON_DATA_MODIFY);
    EXPECT_EQ(AnswerMessage(IDOK), kNoComma) << "modify with a comma in the reading";
    EXPECT_EQ(Cells(dialog), expected) << "refused commas change nothing";

    SetFieldText(dialog, IDC_EDIT_DATA_NAME, "真紅");
    SetFieldText(dialog, IDC_EDIT_DATA_READING, "しんく");
    TypeInto(dialog, IDC_EDIT_DATA_RED, "200");
    ASSERT_EQ(FieldOnce(dialog, IDC_EDIT_DATA_RED, "200"), "200") << "red typed before the click";
    ClickButton(dialog, IDC_BUTTON_DATA_MODIFY);
    expected[1] = {"真紅", "しんく", "200", "0", "58"};
    EXPECT_EQ(Cells(dialog), expected) << "modify changes only the topmost selected row";

    ClickRow(dialog, 0);
    ClickRow(dialog, 2, VK_CONTROL);
    ClickRow(dialog, 4, VK_CONTROL);
    ClickButton(dialog, IDC_BUTTON_DATA_DELETE);
    EXPECT_EQ(Cells(dialog), (Rows{expected[1], expected[3], expected[5]})) << "three selected rows deleted";
    EXPECT_EQ(TextOf(dialog), "色データ編集 - 3 *") << "caption after deleting";

    ClickButton(dialog, IDCANCEL);
    EXPECT_FALSE(EditorOpen()) << "cancel closes";
    EXPECT_EQ(DataFile(), original) << "cancel leaves the file's bytes";
    EXPECT_EQ(Listed(), ListTexts(Catalogue())) << "cancel leaves the catalogue";
    EXPECT_EQ(Title(), "Huesmith - 5") << "cancel leaves the count";
    EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << "no message left";
}

TEST_F(ColorEditTest, HeadingsSortInTheirOwnDirectionsAndOkSavesTheListOrder) {
    Start();
    HWND dialog = OpenEditor();
    const Rows redDown = RowsOf(EntriesAt({0, 4, 1, 2, 3}));
    const Rows redUp = RowsOf(EntriesAt({3, 2, 1, 4, 0}));
    const auto byReading = EntriesAt({1, 4, 2, 0, 3});
    ClickHeading(dialog, kRedColumn);
    EXPECT_EQ(CellsOnce(dialog, redDown), redDown) << "赤 once: descending";
    EXPECT_EQ(CaptionOnce(dialog, "色データ編集 - 5 *"), "色データ編集 - 5 *") << "a sort is a change";
    ClickHeading(dialog, kRedColumn);
    EXPECT_EQ(CellsOnce(dialog, redUp), redUp) << "赤 twice: ascending";
    ClickHeading(dialog, kReadingColumn);
    EXPECT_EQ(CellsOnce(dialog, RowsOf(byReading)), RowsOf(byReading)) << "読み's first click: descending, by its bytes";

    ClickButton(dialog, IDOK);
    EXPECT_FALSE(EditorOpen()) << "OK closes";
    EXPECT_EQ(DataFile(), CatalogueBytes(byReading)) << "the file rewritten in the list's order, byte for byte";
    EXPECT_EQ(Listed(), ListTexts(byReading)) << "the view lists the new catalogue order";

    dialog = OpenEditor();
    EXPECT_EQ(Cells(dialog), RowsOf(byReading)) << "reopened in the saved order";
    EXPECT_EQ(TextOf(dialog), "色データ編集 - 5  ") << "reopened unchanged";
    ClickHeading(dialog, kRedColumn);
    EXPECT_EQ(CellsOnce(dialog, redDown), redDown) << "赤's third click: descending again";
    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(DataFile(), CatalogueBytes(byReading)) << "cancel after a sort leaves the file";
}

TEST_F(ColorEditTest, OkRefusesAnInvalidFieldAndAfterAChangeTheViewListsTheWholeCatalogue) {
    auto& session = Start();
    const std::string original = DataFile();
    ListSaRow();
    HWND dialog = OpenEditor();
    SetFieldText(dialog, IDC_EDIT_DATA_NAME, "若竹色");
    SetFieldText(dialog, IDC_EDIT_DATA_READING, "わかたけいろ");
    TypeInto(dialog, IDC_EDIT_DATA_RED, "93");
    ASSERT_EQ(FieldOnce(dialog, IDC_EDIT_DATA_RED, "93"), "93") << "red typed before the click";
    ClickButton(dialog, IDC_BUTTON_DATA_ADD);

    const std::string rangeMessage = "0 から 255 までの整数を入力してください。";
    TypeInto(dialog, IDC_EDIT_DATA_RED, "300");
    EXPECT_EQ(AnswerMessage(IDOK), rangeMessage) << "300 is reported as it is typed";
    ClickButton(dialog, IDOK);
    EXPECT_EQ(AnswerMessage(IDOK), rangeMessage) << "OK with red 300";
    EXPECT_TRUE(EditorOpen()) << "the dialog stays open";
    EXPECT_EQ(DataFile(), original) << "nothing saved";
    EXPECT_EQ(Title(), "Huesmith - 2") << "the view's list untouched";

    TypeInto(dialog, IDC_EDIT_DATA_RED, "93");
    ASSERT_EQ(FieldOnce(dialog, IDC_EDIT_DATA_RED, "93"), "93") << "red typed again before OK";
    ClickButton(dialog, IDOK);
    EXPECT_FALSE(EditorOpen()) << "OK closes";
    std::vector<ColourEntry> grown = Catalogue();
    grown.push_back({"若竹色", "わかたけいろ", 93, 255, 255});
    EXPECT_EQ(DataFile(), CatalogueBytes(grown)) << "saved with the new entry last";
    EXPECT_EQ(Listed(), ListTexts(grown)) << "the view lists the whole catalogue in catalogue order";
    EXPECT_EQ(Title(), "Huesmith - 6") << "the title count follows";
    EXPECT_TRUE(session.Probe().MenuItem(ID_VIEW_ALL).radio) << "show all is marked";
    EXPECT_EQ(ComboSelection(session.Control(IDC_COMBO_NAME)), -1) << "nothing selected";
    EXPECT_EQ(Fields(), (Triple{"255", "255", "255"})) << "the current colour stays";
}

}  // namespace
}  // namespace e2e
