// The colour commands as a user meets them: copy and paste through the real clipboard, the inverse
// colour, the platform's colour dialog, the options dialog and the help.
#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/ClassesOverride.h"
#include "tests/e2e/Clipboard.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/LinkSinkLog.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

// Entries of the sample catalogue that the cases rely on.
constexpr int kSakura = 0;      // 桜色 254 244 244: farthest from 紅
constexpr int kBeni = 1;        // 紅 215 0 58: farthest from white
constexpr int kAi = 3;          // 藍色 22 94 131: nearest to black
constexpr int kTestYellow = 4;  // ﾃｽﾄ黄 248 181 0: nearest to orange (255 128 0)

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr COLORREF kBeniColour = RGB(215, 0, 58);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kStripPixels = (kPreviewStrip.right - kPreviewStrip.left) * (kPreviewStrip.bottom - kPreviewStrip.top);

// The platform colour dialog's red, green and blue fields and its button that opens the custom part.
constexpr int kColourDialogRed = 706;
constexpr int kColourDialogGreen = 707;
constexpr int kColourDialogBlue = 708;
constexpr int kColourDialogDefine = 719;

class ColourCommandsTest : public HuesmithTest {
protected:
    // Ctrl and the key, pressed in the main window.
    void PressCtrl(WORD key) {
        MakeForeground(Session().Frame());
        PressChord(VK_CONTROL, key);
        Session().Probe().SyncInput();
    }
    int Selection() { return ComboSelection(Session().Control(IDC_COMBO_NAME)); }
    int ListedCount() { return ComboCount(Session().Control(IDC_COMBO_NAME)); }
    static std::string Field(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }
    static bool Ticked(HWND dialog, int id) { return IsChecked(::GetDlgItem(dialog, id)); }

    void NameSearch(const char* text) {
        Command(ID_VIEW_SEARCH);
        HWND dialog = WaitForDialog("検索");
        ClickButton(dialog, IDC_RADIO_SEARCH_NAME);
        SetFieldText(dialog, IDC_EDIT_SEARCH_NAME, text);
        ClickButton(dialog, IDOK);
    }

    HWND OpenOptions() {
        Command(ID_TOOL_OPTION);
        return WaitForDialog("ｵﾌﾟｼｮﾝ");
    }

    // Ctrl+D; the platform's dialog, known by its red field whatever the caption's language.
    HWND OpenColourDialog() {
        PressCtrl('D');
        HWND dialog = nullptr;
        WaitFor([&] {
            for (HWND d : OtherDialogsOf(Session().ProcessId())) {
                if (::GetDlgItem(d, kColourDialogRed) != nullptr) dialog = d;
            }
            return dialog != nullptr;
        });
        if (dialog == nullptr) throw std::runtime_error("no colour dialog");
        MakeForeground(dialog);
        return dialog;
    }
};

TEST_F(ColourCommandsTest, CopyPutsThePrefixAndTheDigitsInTheChosenCaseOnTheClipboard) {
    SessionFiles files = SampleFiles();
    files.settings = "[Option]\r\nCopy=$\r\nUpperLower=1\r\n";
    Start(files);
    ChooseEntry(kBeni);
    SetClipboardText("left from before");
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "$d7003a") << "prefix $ and lower case, as the settings file says";

    HWND dialog = OpenOptions();
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    SetFieldText(dialog, IDC_EDIT_COPY_PREFIX, "");
    ClickButton(dialog, IDOK);
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "D7003A") << "empty prefix, upper case";

    dialog = OpenOptions();
    SetFieldText(dialog, IDC_EDIT_COPY_PREFIX, "色 #");
    ClickButton(dialog, IDOK);
    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "色 #D7003A") << "a double-byte prefix reaches the clipboard whole";

    Close();
    EXPECT_EQ(Session().Setting(L"Option", L"Copy"), "色 #") << "prefix saved at close";
    EXPECT_EQ(Session().Setting(L"Option", L"UpperLower"), "0") << "upper case saved at close";
}

TEST_F(ColourCommandsTest, PasteListsTheWholeCatalogueSelectsTheNearestNameAndAppliesTheCode) {
    Start();
    NameSearch("色");
    ASSERT_EQ(ListedCount(), 3) << "a search result is listed";

    SetClipboardText("Colour: ff8000\r\n");
    PressCtrl('V');
    EXPECT_EQ(Fields(), (Triple{"255", "128", "0"})) << "the code at the end of a text with a line break";
    EXPECT_EQ(Sliders(), (std::vector<int>{255, 128, 0})) << "sliders follow the paste";
    EXPECT_EQ(ListedCount(), 5) << "the whole catalogue is listed again";
    EXPECT_EQ(TextOf(Session().Frame()), "Huesmith - 5") << "title counts the whole catalogue";
    EXPECT_EQ(Selection(), kTestYellow) << "the nearest named colour is selected";
    EXPECT_EQ(StripBackground(), kOrange) << "the pasted colour itself becomes the background";

    PressCtrl('C');
    EXPECT_EQ(ClipboardText(), "#FF8000") << "copy with the default options";

    for (const char* text : {"#FF80", "#FF800", "#-f-f-f"}) {
        SetClipboardText(text);
        PressCtrl('V');
        EXPECT_EQ(Fields(), (Triple{"255", "128", "0"})) << '"' << text << "\" changes nothing";
    }
    SetClipboardText("zzzzzz");
    PressCtrl('V');
    EXPECT_EQ(Fields(), (Triple{"0", "0", "0"})) << "six letters z read as black";
    EXPECT_EQ(Selection(), kAi) << "nearest to black";
}

TEST_F(ColourCommandsTest, InverseTwiceSwitchesTheTargetThereAndBackWithTheFarthestColours) {
    Start();
    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_TEXT)) << "first: 文字色 checked";
    EXPECT_FALSE(Checked(IDC_RADIO_BACK)) << "first: 背景色 unchecked";
    EXPECT_EQ(Fields(), (Triple{"215", "0", "58"})) << "first: 紅 is farthest from white";
    EXPECT_EQ(Selection(), kBeni) << "first: 紅 selected";
    EXPECT_EQ(StripBackground(), kWhite) << "first: the background stays white";
    EXPECT_GT(CountOf(StripPixels(), kBeniColour), 0) << "first: the text is drawn in 紅";

    PressCtrl('R');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK)) << "second: 背景色 checked again";
    EXPECT_FALSE(Checked(IDC_RADIO_TEXT)) << "second: 文字色 unchecked";
    EXPECT_EQ(Fields(), (Triple{"254", "244", "244"})) << "second: 桜色 is farthest from 紅";
    EXPECT_EQ(Selection(), kSakura) << "second: 桜色 selected";
    EXPECT_EQ(StripBackground(), RGB(254, 244, 244)) << "second: the background takes 桜色";
    EXPECT_GT(CountOf(StripPixels(), kBeniColour), 0) << "second: the text keeps 紅";
    Close();

    // Every entry is the current colour: nothing is farther, so nothing may change, the target
    // included; an entry chosen afterwards still goes to the background.
    SessionFiles white;
    white.catalogue = CatalogueBytes({{"白", "しろ", 255, 255, 255}});
    Start(white);
    ChooseEntry(0);
    PressCtrl('R');
    EXPECT_EQ(Selection(), -1) << "nothing farther: nothing selected";
    EXPECT_TRUE(Checked(IDC_RADIO_BACK)) << "nothing farther: 背景色 stays checked";
    EXPECT_EQ(Fields(), (Triple{"255", "255", "255"})) << "nothing farther: colour kept";
    ChooseEntry(0);
    EXPECT_TRUE(Checked(IDC_RADIO_BACK)) << "nothing farther: the target was not switched behind the radios";
    EXPECT_EQ(StripBackground(), kWhite) << "nothing farther: the background stays white";
    EXPECT_GT(CountOf(StripPixels(), kBlack), 0) << "nothing farther: the text stays black";
}

TEST_F(ColourCommandsTest, ColourDialogOpensFullyAtTheCurrentColourAndOnlyOkApplies) {
    auto& session = Start();
    ChooseEntry(kAi);

    HWND dialog = OpenColourDialog();
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), session.Frame()) << "owned by the main window";
    EXPECT_EQ(Field(dialog, kColourDialogRed), "22") << "starts at the current red";
    EXPECT_EQ(Field(dialog, kColourDialogGreen), "94") << "starts at the current green";
    EXPECT_EQ(Field(dialog, kColourDialogBlue), "131") << "starts at the current blue";
    EXPECT_TRUE(IsVisible(::GetDlgItem(dialog, kColourDialogRed))) << "fully open: the custom part shows";
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, kColourDialogDefine))) << "fully open: nothing left to open";
    TypeInto(dialog, kColourDialogRed, "255");
    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(Fields(), (Triple{"22", "94", "131"})) << "cancel changes nothing";
    EXPECT_EQ(Selection(), kAi) << "cancel keeps the selection";

    NameSearch("紅");
    dialog = OpenColourDialog();
    EXPECT_EQ(Field(dialog, kColourDialogRed), "22") << "reopened at the current colour";
    TypeInto(dialog, kColourDialogRed, "255");
    TypeInto(dialog, kColourDialogGreen, "128");
    TypeInto(dialog, kColourDialogBlue, "0");
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(WaitForFields({"255", "128", "0"})) << "OK applies the chosen colour";
    EXPECT_EQ(ListedCount(), 5) << "OK lists the whole catalogue again";
    EXPECT_EQ(Selection(), kTestYellow) << "OK selects the nearest name";
    EXPECT_EQ(StripBackground(), kOrange) << "OK sets the background";
}

TEST_F(ColourCommandsTest, OptionsShowTheSettingsACaseClickPutsTypedFieldsBackAndCancelStillRepaints) {
    SessionFiles files = SampleFiles();
    files.settings = "[Option]\r\nPreview=見本\r\nCopy=$\r\nUpperLower=1\r\n";
    auto& session = Start(files);

    HWND dialog = OpenOptions();
    EXPECT_EQ(Field(dialog, IDC_EDIT_PREVIEW), "見本") << "opened with the preview text";
    EXPECT_EQ(Field(dialog, IDC_EDIT_COPY_PREFIX), "$") << "opened with the prefix";
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_LOWER_CASE)) << "opened with 小文字";
    EXPECT_FALSE(Ticked(dialog, IDC_RADIO_UPPER_CASE)) << "opened without 大文字";
    EXPECT_EQ(Field(dialog, IDC_STATIC_CASE_SAMPLE), "rrggbb") << "lower-case sample";

    TypeInto(dialog, IDC_EDIT_COPY_PREFIX, "ABC");
    SetFieldText(dialog, IDC_EDIT_PREVIEW, "New");
    ClickButton(dialog, IDC_RADIO_UPPER_CASE);
    EXPECT_EQ(Field(dialog, IDC_STATIC_CASE_SAMPLE), "RRGGBB") << "大文字: upper-case sample";
    EXPECT_EQ(Field(dialog, IDC_EDIT_COPY_PREFIX), "$") << "大文字: the typed prefix is put back";
    EXPECT_EQ(Field(dialog, IDC_EDIT_PREVIEW), "見本") << "大文字: the typed preview text is put back";
    ClickButton(dialog, IDC_RADIO_LOWER_CASE);
    EXPECT_EQ(Field(dialog, IDC_STATIC_CASE_SAMPLE), "rrggbb") << "小文字 again: lower-case sample";

    // Out of the strip's way, so that only the program itself can repaint the strip.
    ::SetWindowPos(dialog, nullptr, 700, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    StripPixels();  // lets the uncovered parts repaint first
    session.Probe().PaintStale(kPreviewStrip, kMagenta);
    ASSERT_EQ(CountOf(StripPixels(), kMagenta), kStripPixels) << "the stale strip stands until a repaint";
    ClickButton(dialog, IDCANCEL);
    EXPECT_EQ(CountOf(StripPixels(), kMagenta), 0) << "cancel repaints the strip";
    EXPECT_EQ(StripBackground(), kWhite) << "cancel: the strip shows the white background again";

    dialog = OpenOptions();
    EXPECT_EQ(Field(dialog, IDC_EDIT_PREVIEW), "見本") << "cancel kept the preview text";
    EXPECT_TRUE(Ticked(dialog, IDC_RADIO_LOWER_CASE)) << "cancel kept lower case";
    SetFieldText(dialog, IDC_EDIT_PREVIEW, "");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(CountOf(StripPixels(), kWhite), kStripPixels) << "OK: an empty preview text leaves the strip white";

    Close();
    EXPECT_EQ(session.Setting(L"Option", L"Preview"), "") << "empty preview text saved";
    EXPECT_EQ(session.Setting(L"Option", L"Copy"), "$") << "prefix kept";
    EXPECT_EQ(session.Setting(L"Option", L"UpperLower"), "1") << "lower case kept";
}

TEST_F(ColourCommandsTest, F1OpensTheHelpDocumentBesideTheProgramOrSaysItCannot) {
    // A harmless ".htm" handler records what the shell was asked to open.
    const LinkSinkLog log;
    const ClassesOverride htmClass(L".htm", L"HuesmithE2E.helpfile");
    const ClassesOverride htmOpen(OpenCommandKey(L"HuesmithE2E.helpfile"), log.OpenCommand());

    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));
    PressKey(VK_F1);
    ASSERT_TRUE(log.WaitForOpened(1)) << "F1 has the shell open a document";
    const std::filesystem::path opened(WideFromUtf8(log.Opened().front()));
    EXPECT_TRUE(std::filesystem::equivalent(opened, BesideDriver(L"Huesmith.htm")))
        << "the help document beside the program, not " << log.Opened().front();
    session.Probe().SyncInput();
    EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << "no message once the shell has opened it";
    Close();

    SessionFiles alone = SampleFiles();
    alone.programCopy = true;
    auto& bare = Start(alone);
    ASSERT_FALSE(bare.Folder().Exists(L"Huesmith.htm")) << "the copied program has no help beside it";
    ASSERT_TRUE(MakeForeground(bare.Frame()));
    PressKey(VK_F1);
    const auto boxes = WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u) << "a missing help document is reported";
    EXPECT_EQ(MessageBoxText(boxes[0]), ProgramString(AFX_IDP_FAILED_TO_LAUNCH_HELP)) << "the help message";
    EXPECT_EQ(log.Opened().size(), 1u) << "the shell opened nothing more";
    PressButton(boxes[0], IDOK);
    EXPECT_TRUE(WaitForMessageBoxes(0).empty()) << "message dismissed";
}

}  // namespace
}  // namespace e2e
