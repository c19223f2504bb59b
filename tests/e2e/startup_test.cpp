// Start-up: the state a user finds and the settings a first run leaves, a data file that cannot be
// opened, and the single copy.
#include <algorithm>

#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/PatternWindow.h"

namespace e2e {
namespace {

using StartupTest = HuesmithTest;

TEST_F(StartupTest, ShowsTheWholeCatalogueOnWhiteAndWritesTheDefaultsAtClose) {
    Start();
    EXPECT_EQ(Title(), "Huesmith - 5") << "caption counts the entries";
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && !Checked(IDC_RADIO_TEXT)) << "背景色 chosen";
    EXPECT_EQ(Fields(), (Texts{"255", "255", "255"}));
    Texts expected;
    for (const auto& entry : SampleCatalogue()) expected.push_back(ListText(entry));
    EXPECT_EQ(Listed(), expected) << "list in file order, Shift-JIS traps intact";
    EXPECT_EQ(Selection(), CB_ERR) << "nothing selected";
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
    const auto strip = StripPixels();
    EXPECT_TRUE(StripBackground() == kWhite && CountOf(strip, kBlack) > 0) << "black text on white";
    // Smoothed black on white is greys only; anything else is a control or the form showing through.
    EXPECT_TRUE(std::all_of(strip.begin(), strip.end(), [](COLORREF c) {
        return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
    })) << "nothing but the preview inside the strip";
    EXPECT_FALSE(ReadFile(L"Huesmith.ini")) << "nothing written while running";
    Close();
    EXPECT_EQ(Settings(), "[Window]\r\nLeft=0\r\nTop=0\r\nWndStyle=0\r\nStatusBar=1\r\n"
                          "[Option]\r\nPreview=Test Print...\r\nCopy=#\r\nUpperLower=0\r\n");
}

TEST_F(StartupTest, DataFileThatCannotBeOpenedIsReportedAndEndsTheProgram) {
    Launch({.catalogue = std::nullopt});
    EXPECT_EQ(AnswerMessage(), Utf8(FileInFolder(L"Huesmith.csv").wstring()) + "\nファイルを開けませんでした。");
    EXPECT_TRUE(Process().WaitForExit() && Process().ExitCode() == 0) << "the program ends after OK";
    EXPECT_FALSE(ReadFile(L"Huesmith.ini")) << "no settings written";
}

TEST_F(StartupTest, SecondStartBringsTheFirstForwardAndEnds) {
    Start();
    const PatternWindow other({600, 500, 700, 600}, true);
    Program second(BesideDriver(L"Huesmith.exe"), Folder());
    EXPECT_TRUE(second.WaitForExit()) << "the second copy ends by itself";
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == Frame(); })) << "the first copy comes forward";
    EXPECT_FALSE(ReadFile(L"Huesmith.ini")) << "the second copy writes no settings";
}

}  // namespace
}  // namespace e2e
