// Start-up: the state a user finds, the single copy, a data file that cannot be opened.
#include <algorithm>

#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/DriverWindow.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using StartupTest = HuesmithTest;

TEST_F(StartupTest, ShowsTheWholeCatalogueAndWhiteBackground) {
    auto& session = Start();

    EXPECT_EQ(TextOf(session.Frame()), "Huesmith - 5") << "caption counts the entries";
    EXPECT_TRUE(Checked(IDC_RADIO_BACK)) << "radio 背景色";
    EXPECT_FALSE(Checked(IDC_RADIO_TEXT)) << "radio 文字色";
    EXPECT_EQ(Fields(), (Triple{"255", "255", "255"})) << "fields";
    EXPECT_EQ(Sliders(), (std::vector<int>{255, 255, 255})) << "sliders at the right end";

    std::vector<std::string> expected;
    for (const auto& entry : SampleCatalogue()) expected.push_back(ListText(entry));
    HWND combo = session.Control(IDC_COMBO_NAME);
    EXPECT_EQ(ComboItems(combo), expected) << "list in file order";
    EXPECT_EQ(ComboSelection(combo), CB_ERR) << "nothing selected";

    const auto strip = StripPixels();
    EXPECT_EQ(StripBackground(), kWhite) << "strip background";
    EXPECT_GT(CountOf(strip, kWhite), static_cast<int>(strip.size()) / 2) << "mostly white";
    EXPECT_GT(CountOf(strip, kBlack), 0) << "black text";
    // Black on white, smoothed: greys only. Anything else is a control or the form showing through.
    const auto notGrey = std::count_if(strip.begin(), strip.end(), [](COLORREF c) {
        return GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
    });
    EXPECT_EQ(notGrey, 0) << "nothing but the preview inside the strip";
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ") << "idle status text";
}

TEST_F(StartupTest, DataFileThatCannotBeOpenedEndsTheProgram) {
    HuesmithSession session(SessionFiles{});
    session.Launch();
    const DWORD id = session.ProcessId();
    std::vector<HWND> boxes;
    ASSERT_TRUE(WaitFor([&] { return !(boxes = MessageBoxesOf(id)).empty(); })) << "a message box";
    EXPECT_EQ(boxes.size(), 1u) << "one message";
    const std::string path = Utf8FromWide(session.Folder().File(L"Huesmith.csv").wstring());
    EXPECT_EQ(MessageBoxText(boxes.front()),
              FillPlaceholders(ProgramString(AFX_IDP_FAILED_TO_OPEN_DOC), {path}))
        << "the standard failed-open message";
    EXPECT_EQ(FindMainFrame(id), nullptr) << "no main window";

    PressButton(boxes.front(), IDOK);
    EXPECT_TRUE(session.Process().WaitForExit(kDefaultTimeout)) << "the program ends after OK";
    EXPECT_EQ(FindMainFrame(id), nullptr) << "no main window after OK";
    EXPECT_FALSE(session.Folder().Exists(L"Huesmith.ini")) << "no settings written";
}

TEST_F(StartupTest, SecondStartBringsTheFirstForwardAndEnds) {
    auto& session = Start();
    DriverWindow other;
    ASSERT_TRUE(MakeForeground(other.Get())) << "another window in front first";

    ProgramProcess second(ProgramPath(), session.Folder().Path());
    EXPECT_TRUE(second.WaitForExit(kDefaultTimeout)) << "the second copy ends by itself";
    EXPECT_TRUE(session.Process().IsRunning()) << "the first copy runs on";
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == session.Frame(); }))
        << "the first copy's window comes forward";
    EXPECT_FALSE(session.Folder().Exists(L"Huesmith.ini")) << "the second copy writes no settings";
}

}  // namespace
}  // namespace e2e
