// Start-up and the settings: the state a user finds and the settings a first run leaves, a data
// file that cannot be opened, the single copy, saved settings applied and written back, the window
// options with their menu marks, garbage in the settings file and a file that cannot be written.
#include <algorithm>

#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using StartupTest = HuesmithTest;

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
    EXPECT_TRUE(Send(Frame(), WM_QUERYENDSESSION) != FALSE && Send(Frame(), WM_ENDSESSION, TRUE) == 0) << "a logoff";
    const std::string written = "[Window]\r\nStatusBar=0\r\nLeft=0\r\nTop=0\r\nWndStyle=1\r\n"
                                "[Option]\r\nPreview=Test Print...\r\nCopy=#\r\nUpperLower=0\r\n";
    EXPECT_EQ(Settings(), written) << "the session's end writes the options as toggled, the rest as the defaults";
    Close();
    EXPECT_EQ(Settings(), written) << "and so does closing";
}

TEST_F(StartupTest, DataFileThatCannotBeOpenedIsReportedAndEndsTheProgram) {
    Launch({.catalogue = std::nullopt});
    EXPECT_EQ(AnswerMessage(), Utf8(FileInFolder(L"Huesmith.csv").wstring()) + "\nファイルを開けませんでした。");
    EXPECT_TRUE(Process().WaitForExit() && Process().ExitCode() == 0) << "the program ends after OK";
    EXPECT_FALSE(ReadFile(L"Huesmith.ini")) << "no settings written";
}

TEST_F(StartupTest, SavedSettingsComeBackAndAreWrittenBackAsTheyWere) {
    // A quoted value keeps its blank; a comment and another program's section stay.
    const std::string settings = "; mine\r\n[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=1\r\nStatusBar=0\r\n"
                                 "[Other]\r\nCopy=x\r\n[Option]\r\nPreview=見本ｻﾝﾌﾟﾙ\r\nCopy=\"0x \"\r\nUpperLower=1\r\n";
    Start({.settings = settings});
    EXPECT_TRUE(WindowRectOf(Frame()).left == WorkArea().left + 100 && WindowRectOf(Frame()).top == WorkArea().top + 80)
        << "position as saved";
    EXPECT_TRUE(IsTopmost(Frame()) && Menu(ID_VIEW_TOPMOST).checked) << "WndStyle=1: topmost, checked";
    EXPECT_FALSE(StatusBarShown(Frame()) || Menu(ID_VIEW_STATUS_BAR).checked) << "StatusBar=0: hidden, unchecked";
    EXPECT_EQ(Height(ClientRectOf(Frame())), Height(ClientRectOf(View()))) << "the frame holds the form alone";
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "0x ffffff") << "the saved prefix and lower case";
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

TEST_F(StartupTest, ReadOnlySettingsFileAtCloseEndsNormallyAndStaysAsItWas) {
    const std::string settings = "[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=0\r\nStatusBar=1\r\n";
    Start({.settings = settings});
    const auto ini = FileInFolder(L"Huesmith.ini");
    ASSERT_TRUE(::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine running as root writes through the attribute; a handle that shares the file for
    // reading only makes the writes fail as the attribute alone does on Windows.
    CHandle<HANDLE, &::CloseHandle> held(
        ::CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    Command(ID_VIEW_TOPMOST);  // a setting that now differs from the file
    Close();
    held.Reset();
    EXPECT_EQ(Process().ExitCode(), 0u) << "normal end";
    EXPECT_EQ(Settings(), settings) << "settings file unchanged";
}

}  // namespace
}  // namespace e2e
