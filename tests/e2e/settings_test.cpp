// The settings file and the window options: saved settings applied at start and written back at
// close, the menu's prompts and marks, garbage in the file, and a file that cannot be written.
#include <charconv>

#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using SettingsTest = HuesmithTest;

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool StatusBarShown(HWND frame) { return ::IsWindowVisible(::GetDlgItem(frame, AFX_IDW_STATUS_BAR)) != FALSE; }

TEST_F(SettingsTest, SavedSettingsComeBackAndAreWrittenBackAsTheyWere) {
    const std::string settings = "[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=1\r\nStatusBar=0\r\n"
                                 "[Option]\r\nPreview=見本ｻﾝﾌﾟﾙ\r\nCopy=0x\r\nUpperLower=1\r\n";
    Start({.settings = settings});
    EXPECT_TRUE(WindowRectOf(Frame()).left == WorkArea().left + 100 && WindowRectOf(Frame()).top == WorkArea().top + 80)
        << "position as saved";
    EXPECT_TRUE(IsTopmost(Frame()) && Menu(ID_VIEW_TOPMOST).checked) << "WndStyle=1: topmost, checked";
    EXPECT_FALSE(StatusBarShown(Frame()) || Menu(ID_VIEW_STATUS_BAR).checked) << "StatusBar=0: hidden, unchecked";
    EXPECT_EQ(Height(ClientRectOf(Frame())), Height(ClientRectOf(View()))) << "the frame holds the form alone";
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "0xffffff") << "the saved prefix and lower case";
    // Minimised, the frame still saves where it will be restored.
    ::PostMessageW(Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return ::IsIconic(Frame()) != FALSE; })) << "minimised";
    Close();
    EXPECT_EQ(Settings(), settings) << "written back unchanged, the position not creeping";
}

TEST_F(SettingsTest, MenuShowsPromptsAndTogglesTheBarAndTopmostWithTheirMarks) {
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    PressKey(VK_F10);   // the menu bar, on "編集(&E)"
    PressKey(VK_DOWN);  // its pop-up, on the first item
    EXPECT_TRUE(WaitFor([&] { return StatusText() == "RGB値をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"; })) << StatusText();
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return StatusText() == "ﾚﾃﾞｨ"; })) << "idle text once the menu closed";

    const RECT frame = WindowRectOf(Frame());
    const int bar = Height(WindowRectOf(::GetDlgItem(Frame(), AFX_IDW_STATUS_BAR)));
    const int form = Height(ClientRectOf(View()));
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(StatusBarShown(Frame()) || Menu(ID_VIEW_STATUS_BAR).checked) << "hidden, unchecked";
    EXPECT_EQ(Height(WindowRectOf(Frame())), Height(frame) - bar) << "hidden: the frame shorter by the bar";
    EXPECT_EQ(Height(ClientRectOf(View())), form) << "hidden: the form keeps its height";
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(StatusBarShown(Frame()) && Menu(ID_VIEW_STATUS_BAR).checked) << "shown, checked";
    EXPECT_EQ(Height(WindowRectOf(Frame())), Height(frame)) << "shown: the frame as before";
    EXPECT_FALSE(Menu(ID_VIEW_TOPMOST).checked) << "not topmost at first";
    Command(ID_VIEW_TOPMOST);
    EXPECT_TRUE(IsTopmost(Frame()) && Menu(ID_VIEW_TOPMOST).checked) << "toggled: topmost";
    Command(ID_VIEW_STATUS_BAR);
    Close();
    EXPECT_TRUE(Setting("WndStyle") == "1" && Setting("StatusBar") == "0") << "both written at close";
}

TEST_F(SettingsTest, GarbageSettingsStillStartOnScreenAndAreWrittenBackAsNumbers) {
    std::string preview;  // 3000 double-byte characters: beyond what a profile read takes
    for (int i = 0; i < 3000; ++i) preview += "見";
    const std::string prefix = "色" + std::string(2000, '#');
    Start({.settings = "[Window]\r\nLeft=left\r\nTop=99999999999999999999\r\nWndStyle=-2147483648\r\n"
                       "StatusBar=\x01\x02\r\n[Option]\r\nPreview=" +
                       preview + "\r\nCopy=" + prefix + "\r\nUpperLower=4294967297\r\n"});
    const RECT frame = WindowRectOf(Frame());
    const RECT work = WorkArea();
    EXPECT_TRUE(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
                frame.bottom <= work.bottom)
        << "a huge Top brings the frame onto the work area";
    Command(ID_EDIT_COPY);
    const std::string copied = ClipboardText().value_or("");
    EXPECT_TRUE(copied.starts_with("色###") && copied.ends_with("ffffff")) << "prefix as far as read; not 0: lower";
    Close();
    EXPECT_EQ(Process().ExitCode(), 0u) << "normal end";
    for (const char* key : {"Left", "Top", "WndStyle", "StatusBar", "UpperLower"}) {
        const std::string value = Setting(key);
        int number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        EXPECT_TRUE(!value.empty() && error == std::errc() && end == value.data() + value.size()) << key << "=" << value;
    }
    EXPECT_TRUE(!Setting("Preview").empty() && preview.starts_with(Setting("Preview"))) << "preview never garbled";
    EXPECT_TRUE(!Setting("Copy").empty() && prefix.starts_with(Setting("Copy"))) << "copy prefix never garbled";
}

TEST_F(SettingsTest, ReadOnlySettingsFileAtCloseEndsNormallyAndStaysAsItWas) {
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
