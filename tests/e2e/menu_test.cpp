// The menu as a user meets it: prompts in the status bar, the two window options and their marks.
#include "res/resource.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using MenuTest = HuesmithTest;

TEST_F(MenuTest, HighlightedItemShowsItsPromptUntilTheMenuCloses) {
    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));
    PressKey(VK_F10);   // the menu bar, on "編集(&E)"
    PressKey(VK_DOWN);  // its pop-up, on the first item
    EXPECT_TRUE(WaitFor([&] { return StatusText() == "RGB値をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"; }))
        << "prompt of ｺﾋﾟｰ, status shows \"" << StatusText() << '"';
    PressKey(VK_DOWN);
    EXPECT_TRUE(WaitFor([&] { return StatusText() == "ｸﾘｯﾌﾟﾎﾞｰﾄﾞのRGB値を貼り付け"; }))
        << "prompt of 貼り付け, status shows \"" << StatusText() << '"';

    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return StatusText() == "ﾚﾃﾞｨ"; }))
        << "idle text after the menu closed, status shows \"" << StatusText() << '"';
}

TEST_F(MenuTest, StatusBarToggledTwiceRestoresTheFrame) {
    auto& session = Start();
    const RECT frame = WindowRectOf(session.Frame());
    const int barHeight = Height(ClientRectOf(session.StatusBar()));
    const RECT view = ClientRectOf(session.View());

    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(IsVisible(session.StatusBar())) << "first toggle hides the bar";
    EXPECT_EQ(Height(WindowRectOf(session.Frame())), Height(frame) - barHeight) << "frame shorter";
    EXPECT_EQ(Height(ClientRectOf(session.View())), Height(view)) << "view height kept";
    EXPECT_FALSE(session.Probe().MenuItem(ID_VIEW_STATUS_BAR).checked) << "unchecked when hidden";

    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(IsVisible(session.StatusBar())) << "second toggle shows the bar";
    const RECT after = WindowRectOf(session.Frame());
    EXPECT_EQ(Height(after), Height(frame)) << "frame height restored";
    EXPECT_EQ(after.left, frame.left) << "frame not moved";
    EXPECT_EQ(after.top, frame.top) << "frame not moved";
    EXPECT_TRUE(session.Probe().MenuItem(ID_VIEW_STATUS_BAR).checked) << "checked when shown";
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ") << "idle text again";
}

TEST_F(MenuTest, AlwaysOnTopTogglesTheWindowAndItsCheckMark) {
    auto& session = Start();
    EXPECT_FALSE(session.Probe().MenuItem(ID_VIEW_TOPMOST).checked) << "unchecked at start";

    Command(ID_VIEW_TOPMOST);
    EXPECT_TRUE(IsTopmost(session.Frame())) << "first toggle: topmost";
    EXPECT_TRUE(session.Probe().MenuItem(ID_VIEW_TOPMOST).checked) << "first toggle: checked";

    Command(ID_VIEW_TOPMOST);
    EXPECT_FALSE(IsTopmost(session.Frame())) << "second toggle: not topmost";
    EXPECT_FALSE(session.Probe().MenuItem(ID_VIEW_TOPMOST).checked) << "second toggle: unchecked";
}

TEST_F(MenuTest, TogglesAreWrittenAtClose) {
    auto& session = Start();
    Command(ID_VIEW_TOPMOST);
    Command(ID_VIEW_STATUS_BAR);
    Close();
    EXPECT_EQ(session.Setting(L"Window", L"WndStyle"), "1") << "always on top saved";
    EXPECT_EQ(session.Setting(L"Window", L"StatusBar"), "0") << "hidden status bar saved";
}

TEST_F(MenuTest, EveryCommandHasItsItem) {
    auto& session = Start();
    for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_HEX, ID_EDIT_COLOR_DATA, ID_VIEW_TOPMOST,
                   ID_VIEW_STATUS_BAR, ID_VIEW_ALL, ID_VIEW_SEARCH, ID_VIEW_CATEGORY, ID_VIEW_SORT,
                   ID_TOOL_INVERSE, ID_TOOL_COLOR_DIALOG, ID_TOOL_EYEDROPPER, ID_TOOL_OPTION,
                   ID_HELP_INDEX, ID_APP_ABOUT}) {
        EXPECT_NO_THROW(session.Probe().MenuItem(id)) << "menu item " << id;
    }
}

}  // namespace
}  // namespace e2e
