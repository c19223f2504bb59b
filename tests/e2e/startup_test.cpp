// Start-up and the settings: the state a user finds and the settings a first run leaves, a data
// file that cannot be opened, the single copy, saved settings applied and written back, the window
// options with their menu marks, garbage in the settings file and a file that cannot be written.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>

#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using StartupTest = HuesmithTest;
using namespace std::string_literals;

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool StatusBarShown(HWND frame) { return ::IsWindowVisible(::GetDlgItem(frame, AFX_IDW_STATUS_BAR)) != FALSE; }

TEST_F(StartupTest, ShowsTheCatalogueOnWhiteTakesTheMenusOptionsAndWritesThemAtClose) {
    Start({.settings = "[Window]\r\nStatusBar=2\r\n"});  // not a value the program writes: shown
    EXPECT_EQ(Title(), "Huesmith - 5") << "caption counts the entries";
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && !Checked(IDC_RADIO_TEXT)) << "背景色 chosen";
    EXPECT_EQ(Fields(), (Texts{"255", "255", "255"}));
    Texts expected;
    for (const auto& entry : SampleCatalogue()) expected.push_back(ListText(entry));
    EXPECT_EQ(Listed(), expected) << "list in file order, Shift-JIS traps intact";
    const auto strip = StripPixels();
    // Smoothed black on white is greys only; anything else is a control or the form showing through.
    EXPECT_TRUE(StripBackground() == kWhite && CountOf(strip, kBlack) > 0 &&
                std::all_of(strip.begin(), strip.end(), [](COLORREF c) { return GetRValue(c) == GetBValue(c); }))
        << "black text on white, nothing but the preview inside the strip";
    // Keys reach the form at once, after a dialog and after another window: its first control that
    // takes the focus, the name list, then the control it had (Down chooses the next name).
    const auto downChooses = [&](int entry) {
        return MakeForeground(Frame()) && (PressKey(VK_DOWN), SyncInput()) && Selection() == entry;
    };
    EXPECT_TRUE(downChooses(0)) << "right after start-up";
    ClickButton(OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ"), IDCANCEL);
    EXPECT_TRUE(downChooses(1)) << "after a dialog";

    const CHandle<HWND, &::DestroyWindow> other(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 600, 500,
                                                                   100, 100, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(MakeForeground(other.Get())) << "another program's window in front";
    Program second(BesideDriver(L"Huesmith.exe"), Folder());
    EXPECT_TRUE(second.WaitForExit()) << "a second copy ends by itself";
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == Frame(); })) << "the first copy comes forward";
    EXPECT_TRUE(downChooses(2)) << "after another window had the focus";
    EXPECT_EQ(Settings(), "[Window]\r\nStatusBar=2\r\n") << "nothing written while running, by either copy";

    const RECT frame = WindowRectOf(Frame());
    const int bar = Height(WindowRectOf(::GetDlgItem(Frame(), AFX_IDW_STATUS_BAR)));
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(StatusBarShown(Frame()) || Menu(ID_VIEW_STATUS_BAR).checked) << "hidden, unchecked";
    EXPECT_EQ(Height(WindowRectOf(Frame())), Height(frame) - bar) << "hidden: the frame shorter by the bar";
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(StatusBarShown(Frame()) && Menu(ID_VIEW_STATUS_BAR).checked) << "shown, checked";
    EXPECT_EQ(Height(WindowRectOf(Frame())), Height(frame)) << "shown: the frame as before";
    Command(ID_VIEW_TOPMOST);
    EXPECT_TRUE(IsTopmost(Frame()) && Menu(ID_VIEW_TOPMOST).checked) << "toggled: topmost";
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_NE(Send(Frame(), WM_QUERYENDSESSION), FALSE) << "a shutdown asked for: nothing unsaved holds it up";
    const std::string written = "[Window]\r\nStatusBar=0\r\nLeft=0\r\nTop=0\r\nWndStyle=1\r\n"
                                "[Option]\r\nPreview=Test Print...\r\nCopy=#\r\nUpperLower=0\r\n";
    EXPECT_EQ(Settings(), written) << "the question alone writes the options as toggled, the rest as the defaults";
    Close();
    EXPECT_EQ(Settings(), written) << "and so does closing";
}

// Started from the folder above the program's (as Win+R or "Run as administrator" start it).
TEST_F(StartupTest, DataFileComesFromTheCurrentFolderOrBesideTheProgramOrIsReportedMissing) {
    Start({.folder = L"program", .programInFolder = true});
    EXPECT_EQ(Title(), "Huesmith - 5") << "the catalogue beside the program";
    Close();
    EXPECT_TRUE(ReadFile(L"Huesmith.ini") && !std::filesystem::exists(Folder().parent_path() / L"Huesmith.ini"))
        << "the settings beside the catalogue";
    Launch({.catalogue = std::nullopt, .folder = L"program", .programInFolder = true});
    EXPECT_EQ(AnswerMessage(), Utf8((Folder().parent_path() / L"Huesmith.csv").wstring()) + "\nファイルを開けませんでした。");
    EXPECT_TRUE(Process().WaitForExit() && Process().ExitCode() == 0) << "the program ends after OK";
    EXPECT_FALSE(ReadFile(L"Huesmith.ini")) << "no settings written";
}

TEST_F(StartupTest, SavedSettingsComeBackAndAreWrittenBackAsTheyWere) {
    // A quoted value keeps its blank; a comment and another program's section stay.
    const std::string settings = "; mine\r\n[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=1\r\nStatusBar=0\r\n"
                                 "[Other]\r\nCopy=x\r\n[Option]\r\nPreview=見本\0ｻﾝﾌﾟﾙ\r\nCopy=\"0x \"\r\nUpperLower=1\r\n"s;
    Start({.settings = settings});
    EXPECT_TRUE(WindowRectOf(Frame()).left == WorkArea().left + 100 && WindowRectOf(Frame()).top == WorkArea().top + 80)
        << "position as saved";
    EXPECT_TRUE(IsTopmost(Frame()) && Menu(ID_VIEW_TOPMOST).checked) << "WndStyle=1: topmost, checked";
    EXPECT_FALSE(StatusBarShown(Frame()) || Menu(ID_VIEW_STATUS_BAR).checked) << "StatusBar=0: hidden, unchecked";
    EXPECT_EQ(Height(ClientRectOf(Frame())), Height(ClientRectOf(View()))) << "the frame holds the form alone";
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "0x ffffff") << "the saved prefix and lower case";
    ClickButton(OpenDialog(ID_TOOL_OPTION, "ｵﾌﾟｼｮﾝ"), IDOK);  // OK with nothing typed: the NUL stays
    // Minimised, the frame still saves where it will be restored.
    ::PostMessageW(Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return ::IsIconic(Frame()) != FALSE; })) << "minimised";
    Close();
    EXPECT_EQ(Settings(), settings) << "written back unchanged, the position not creeping";
    for (const WORD show : {SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED}) {  // a shortcut's "Run" setting
        Start({.settings = settings, .show = show});
        EXPECT_FALSE(::IsZoomed(Frame())) << show << ": never maximised";
        Close();
        EXPECT_EQ(Settings(), settings) << show << ": read at the first showing, written back unchanged";
    }
}

TEST_F(StartupTest, GarbageSettingsStillStartOnScreenAndAreWrittenBackAsNumbers) {
    const std::string preview = "見" + std::string(5000, '#');  // beyond what the profile functions read
    Start({.settings = "[Window]\r\nLeft=left\r\nTop=99999999999999999999\r\nWndStyle=-2147483648\r\nStatusBar=\x01\x02"
                       "\r\n[Option]\r\nPreview=" + preview + "\r\nUpperLower=4294967297\r\n"});
    const RECT frame = WindowRectOf(Frame());
    const RECT work = WorkArea();
    RECT common{};
    EXPECT_TRUE(::IntersectRect(&common, &frame, &work) && ::EqualRect(&common, &frame)) << "a huge Top: on screen";
    Close();
    EXPECT_EQ(Process().ExitCode(), 0u) << "normal end";
    for (const char* key : {"Left", "Top", "WndStyle", "StatusBar", "UpperLower"}) {
        EXPECT_EQ(Setting(key).find_first_not_of("-0123456789"), std::string::npos) << key << " written as an integer";
    }
    EXPECT_EQ(Setting("Preview"), preview) << "the long preview whole";
}

// A child's rectangle in its parent's client coordinates.
RECT RectIn(HWND parent, HWND child) {
    RECT r = WindowRectOf(child);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

constexpr COLORREF kOrange = RGB(255, 128, 0);

// Run again at 144 and 192 DPI, each in a Wine prefix of its own (see the CTest file).
TEST_F(StartupTest, MainWindowAndDialogsLaidOutAtThisScaleAndInHighContrast) {
    if (const char* dpi = std::getenv("HUESMITH_WINE_DPI")) {
        ASSERT_EQ(::GetDpiForSystem(), std::stoul(dpi));
    }
    Start();
    SetClipboardText("#FF8000");
    PressCtrl('V');
    // Down both sides of the form: the strip starts right under the blue row (closer than the rows
    // are to each other) and fills the form to its bottom.
    const auto stripBelowTheBlueRow = [&] {
        const RECT view = ClientRectOf(View()), green = RectIn(View(), Control(IDC_EDIT_GREEN));
        const RECT blue = RectIn(View(), Control(IDC_EDIT_BLUE));
        return std::ranges::all_of(std::array{1L, view.right - 2}, [&](LONG x) {
            const auto edge = Painted(View(), {x, 0, x + 1, view.bottom});
            const auto first = std::find(edge.begin(), edge.end(), kOrange);
            return first - edge.begin() >= blue.bottom && first - edge.begin() <= blue.bottom + blue.top - green.bottom &&
                   std::all_of(first, edge.end(), [](COLORREF c) { return c == kOrange; });
        });
    };
    // The colour fills most of the frame and nothing of the two pixels around it, once painted.
    const auto swatchInFrame = [&](HWND dialog, int frameId) {
        return WaitFor([&] {
            RECT frame = RectIn(dialog, ::GetDlgItem(dialog, frameId));
            const int inside = CountOf(Painted(dialog, frame), kOrange);
            ::InflateRect(&frame, 2, 2);
            return inside > Width(frame) * Height(frame) / 2 && CountOf(Painted(dialog, frame), kOrange) == inside;
        });
    };
    EXPECT_TRUE(stripBelowTheBlueRow()) << "the strip at start-up";
    const std::tuple<int, const char*, int, int, int> dialogs[] = {
        {ID_EDIT_HEX, "16進数変換", IDC_STATIC_HEX_SWATCH, 0, 0},
        {ID_EDIT_COLOR_DATA, "色データ編集", IDC_STATIC_DATA_SWATCH, IDC_LIST_COLOR_DATA, 5},
        {ID_TOOL_CONTRAST, "コントラスト", IDC_STATIC_CONTRAST_PAIR, IDC_LIST_CONTRAST_NAMES, 4},
    };
    for (const auto& [command, caption, swatch, list, columns] : dialogs) {
        HWND dialog = OpenDialog(command, caption);
        EXPECT_TRUE(swatchInFrame(dialog, swatch)) << caption << ": the swatch inside its frame";
        LRESULT widths = 0;  // the columns share the list's whole width
        for (int i = 0; i < columns; ++i) widths += Send(::GetDlgItem(dialog, list), LVM_GETCOLUMNWIDTH, i);
        EXPECT_TRUE(list == 0 || widths == ClientRectOf(::GetDlgItem(dialog, list)).right) << caption << ": the columns";
        ClickButton(dialog, IDCANCEL);
    }
    // The form's own colour gives way to the system's under high contrast; the strip is content.
    for (const bool contrast : {true, false}) {
        SetHighContrast(contrast);
        EXPECT_EQ(Painted(View(), {2, 2, 3, 3})[0], contrast ? ::GetSysColor(COLOR_BTNFACE) : RGB(245, 245, 220))
            << "high contrast " << contrast << ": the form's background";
        EXPECT_TRUE(stripBelowTheBlueRow()) << "high contrast " << contrast << ": the strip";
    }
    // Wine cannot move the program to another monitor: the change is told to the frame, to half
    // as much again and back, as Windows tells it (the new scale in wParam).
    const LONG width = ClientRectOf(View()).right;
    for (const UINT dpi : {::GetDpiForSystem() * 3 / 2, ::GetDpiForSystem()}) {
        AskRect(Frame(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), WindowRectOf(Frame()));
        EXPECT_EQ(ClientRectOf(View()).right > width * 5 / 4, dpi > ::GetDpiForSystem()) << dpi << " DPI: the form's size";
        const RECT spin = RectIn(View(), Control(IDC_SPIN_RED)), field = RectIn(View(), Control(IDC_EDIT_RED));
        EXPECT_TRUE(stripBelowTheBlueRow() && spin.left <= field.right && field.right < spin.right)
            << dpi << " DPI: the strip after a change of scale, the spin buttons at their fields' right edges";
        EXPECT_EQ(ClientRectOf(View()).bottom, RectIn(Frame(), ::GetDlgItem(Frame(), AFX_IDW_STATUS_BAR)).top)
            << dpi << " DPI: the frame holds the form and the bar";
    }
}

// Held by another program (share 0: not even reading) all through the start, held as the
// program closes (writing refused), or made read-only by the user.
TEST_F(StartupTest, SettingsFileHeldOrReadOnlyIsNeverWrittenOverAndAFailedWriteIsReported) {
    const std::string settings = "[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=0\r\nStatusBar=1\r\n";
    const auto hold = [this](DWORD share) {
        return CHandle<HANDLE, &::CloseHandle>(::CreateFileW(FileInFolder(L"Huesmith.ini").c_str(), GENERIC_READ, share,
                                                             nullptr, OPEN_EXISTING, 0, nullptr));
    };
    Start({.settings = settings});
    auto held = hold(0);
    Restart();
    held.Reset();
    EXPECT_EQ(WindowRectOf(Frame()).left, WorkArea().left) << "not read: the default position";
    Command(ID_VIEW_TOPMOST);
    Close();
    EXPECT_EQ(Settings(), settings) << "settings that were not read are not written";

    Start({.settings = settings});
    held = hold(FILE_SHARE_READ);
    Command(ID_VIEW_TOPMOST);
    ::PostMessageW(Frame(), WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerMessage(), Utf8(FileInFolder(L"Huesmith.ini").wstring()) +
                                   "\n設定を保存できませんでした。設定ファイルは変更されていません。");
    EXPECT_TRUE(Process().WaitForExit() && Process().ExitCode() == 0) << "a normal end after OK";
    held.Reset();
    EXPECT_EQ(Settings(), settings) << "held: unchanged";

    Start({.settings = settings});
    ASSERT_TRUE(::SetFileAttributesW(FileInFolder(L"Huesmith.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    Command(ID_VIEW_TOPMOST);
    Close();
    EXPECT_TRUE(Process().ExitCode() == 0 && Settings() == settings) << "read-only: unchanged, without a word";
}

}  // namespace
}  // namespace e2e
