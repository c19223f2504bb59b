// The settings file: defaults on a first start, every entry applied at start and written at close,
// a saved position that no monitor shows any more.
#include "res/resource.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using SettingsTest = HuesmithTest;
using Section = std::map<std::string, std::string>;

SessionFiles WithSettings(std::string settings) {
    auto files = SampleFiles();
    files.settings = std::move(settings);
    return files;
}

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST_F(SettingsTest, FirstStartUsesDefaultsAndWritesAllSevenEntriesAtClose) {
    auto& session = Start();
    const RECT frame = WindowRectOf(session.Frame());
    const RECT work = WorkArea();
    EXPECT_EQ(frame.left, work.left) << "left edge at the work area's";
    EXPECT_EQ(frame.top, work.top) << "top edge at the work area's";
    EXPECT_FALSE(IsTopmost(session.Frame())) << "not topmost";
    EXPECT_TRUE(IsVisible(session.StatusBar())) << "status bar shown";
    EXPECT_FALSE(session.Folder().Exists(L"Huesmith.ini")) << "nothing written while running";

    Close();
    const auto ini = session.Folder().File(L"Huesmith.ini");
    EXPECT_EQ(IniSection(ini, L"Window"),
              (Section{{"Left", "0"}, {"Top", "0"}, {"WndStyle", "0"}, {"StatusBar", "1"}}));
    EXPECT_EQ(IniSection(ini, L"Option"),
              (Section{{"Preview", "Test Print..."}, {"Copy", "#"}, {"UpperLower", "0"}}));
}

TEST_F(SettingsTest, SavedSettingsComeBackAndAreWrittenBackUnchanged) {
    const std::string settings =
        "[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=1\r\nStatusBar=1\r\n"
        "[Option]\r\nPreview=見本ｻﾝﾌﾟﾙ\r\nCopy=0x\r\nUpperLower=1\r\n";
    auto& session = Start(WithSettings(settings));
    const RECT frame = WindowRectOf(session.Frame());
    const RECT work = WorkArea();
    EXPECT_EQ(frame.left, work.left + 100) << "left as saved";
    EXPECT_EQ(frame.top, work.top + 80) << "top as saved";
    EXPECT_TRUE(IsTopmost(session.Frame())) << "WndStyle=1 makes the frame topmost";
    EXPECT_TRUE(session.Probe().MenuItem(ID_VIEW_TOPMOST).checked) << "常に最前面化 checked";

    // Minimised, the frame still saves where it will be restored.
    ::PostMessageW(session.Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return ::IsIconic(session.Frame()) != FALSE; })) << "minimised";
    Close();
    const auto ini = session.Folder().File(L"Huesmith.ini");
    EXPECT_EQ(IniSection(ini, L"Window"),
              (Section{{"Left", "100"}, {"Top", "80"}, {"WndStyle", "1"}, {"StatusBar", "1"}}))
        << "position does not creep; restored position kept while minimised";
    EXPECT_EQ(IniSection(ini, L"Option"),
              (Section{{"Preview", "見本ｻﾝﾌﾟﾙ"}, {"Copy", "0x"}, {"UpperLower", "1"}}));
}

TEST_F(SettingsTest, HiddenStatusBarShortensTheFrameOnly) {
    auto& shown = Start();
    const int frameHeight = Height(WindowRectOf(shown.Frame()));
    const int barHeight = Height(ClientRectOf(shown.StatusBar()));
    const RECT view = ClientRectOf(shown.View());
    EXPECT_TRUE(shown.Probe().MenuItem(ID_VIEW_STATUS_BAR).checked) << "shown: ｽﾃｰﾀｽﾊﾞｰ checked";
    Close();

    auto& hidden = Start(WithSettings("[Window]\r\nStatusBar=0\r\n"));
    EXPECT_FALSE(IsVisible(hidden.StatusBar())) << "bar hidden";
    EXPECT_EQ(Height(WindowRectOf(hidden.Frame())), frameHeight - barHeight)
        << "frame shorter by the bar";
    const RECT hiddenView = ClientRectOf(hidden.View());
    EXPECT_EQ(Width(hiddenView), Width(view)) << "view width unchanged";
    EXPECT_EQ(Height(hiddenView), Height(view)) << "view height unchanged";
    EXPECT_FALSE(hidden.Probe().MenuItem(ID_VIEW_STATUS_BAR).checked)
        << "hidden: ｽﾃｰﾀｽﾊﾞｰ unchecked";
    EXPECT_FALSE(IsTopmost(hidden.Frame())) << "WndStyle missing: not topmost";
}

TEST_F(SettingsTest, PositionOutsideEveryMonitorComesBackOnScreen) {
    const RECT work = WorkArea();
    for (const auto& [left, top] :
         {std::pair{5000, 5000}, std::pair{-3000, 100}, std::pair{100, -2000}}) {
        const std::string position = std::to_string(left) + "," + std::to_string(top);
        auto& session = Start(WithSettings("[Window]\r\nLeft=" + std::to_string(left) +
                                           "\r\nTop=" + std::to_string(top) + "\r\n"));
        EXPECT_TRUE(Inside(WindowRectOf(session.Frame()), work)) << "saved " << position;
    }
    // A frame partly on screen stays where it was put.
    const int left = Width(work) - 80;
    const int top = Height(work) - 60;
    auto& partly = Start(WithSettings("[Window]\r\nLeft=" + std::to_string(left) +
                                      "\r\nTop=" + std::to_string(top) + "\r\n"));
    const RECT frame = WindowRectOf(partly.Frame());
    EXPECT_EQ(frame.left, work.left + left) << "partly visible: left as saved";
    EXPECT_EQ(frame.top, work.top + top) << "partly visible: top as saved";
}

TEST_F(SettingsTest, LongWorkingFolderDoesNotUpsetStartOrClose) {
    // A folder path within the system's limit, but with no room left for "\Huesmith.ini" in 260
    // bytes. Wine's own profile functions cannot take such a path (they write under a garbled
    // name), so only the program's part is checked: it starts, runs and ends as usual.
    constexpr size_t kFolderPathLength = MAX_PATH - 8;
    const size_t base = TempFolder().Path().wstring().size() + 1;
    auto files = SampleFiles();
    files.workingFolder = std::wstring(kFolderPathLength - base, L'x');
    auto& session = Start(files);
    ASSERT_EQ(session.Folder().Path().wstring().size(), kFolderPathLength);
    EXPECT_EQ(TextOf(session.Frame()), "Huesmith - 5") << "catalogue loaded";
    Close();
    EXPECT_EQ(session.Process().ExitCode(), 0u) << "normal end";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), files.catalogue) << "data file untouched";
}

}  // namespace
}  // namespace e2e
