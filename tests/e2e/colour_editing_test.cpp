// Editing the current colour with the radio buttons, the list, the sliders, the spins and the
// fields, and what the preview strip shows for it.
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using ColourEditingTest = HuesmithTest;

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(ColourEditingTest, CtrlTAndCtrlBSwitchTheTargetAndLoadItsColour) {
    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));

    PressChord(VK_CONTROL, 'T');
    EXPECT_TRUE(WaitFor([&] { return Checked(IDC_RADIO_TEXT); })) << "Ctrl+T: 文字色 checked";
    EXPECT_FALSE(Checked(IDC_RADIO_BACK)) << "Ctrl+T: 背景色 unchecked";
    EXPECT_TRUE(WaitForFields({"0", "0", "0"})) << "Ctrl+T loads the black text colour";
    EXPECT_EQ(Sliders(), (std::vector<int>{0, 0, 0})) << "Ctrl+T sliders";

    ChooseEntry(1);  // 紅, 215 0 58
    EXPECT_EQ(Fields(), (Triple{"215", "0", "58"})) << "紅 chosen as text colour";

    PressChord(VK_CONTROL, 'B');
    EXPECT_TRUE(WaitFor([&] { return Checked(IDC_RADIO_BACK); })) << "Ctrl+B: 背景色 checked";
    EXPECT_FALSE(Checked(IDC_RADIO_TEXT)) << "Ctrl+B: 文字色 unchecked";
    EXPECT_TRUE(WaitForFields({"255", "255", "255"})) << "Ctrl+B loads the white background";
    EXPECT_EQ(Sliders(), (std::vector<int>{255, 255, 255})) << "Ctrl+B sliders";
    // With the whole catalogue listed, the nearest named colour to white is selected.
    EXPECT_EQ(ComboSelection(session.Control(IDC_COMBO_NAME)), 0) << "nearest to white: 桜色";
    EXPECT_EQ(StripBackground(), kWhite) << "switching keeps the background";
    EXPECT_GT(CountOf(StripPixels(), RGB(215, 0, 58)), 0) << "switching keeps the 紅 text";
}

TEST_F(ColourEditingTest, EntryChosenAsTextColourChangesOnlyTheText) {
    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));
    Click(Centre(WindowRectOf(session.Control(IDC_RADIO_TEXT))));
    ASSERT_TRUE(WaitFor([&] { return Checked(IDC_RADIO_TEXT); })) << "click on 文字色";

    const auto before = StripPixels();
    ChooseEntry(3);  // 藍色, 22 94 131
    EXPECT_EQ(Fields(), (Triple{"22", "94", "131"})) << "fields show 藍色";
    EXPECT_EQ(Sliders(), (std::vector<int>{22, 94, 131})) << "sliders show 藍色";

    const auto after = StripPixels();
    ASSERT_EQ(after.size(), before.size());
    int whiteLost = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        whiteLost += before[i] == kWhite && after[i] != kWhite;
    }
    EXPECT_EQ(whiteLost, 0) << "the white background stays as it was";
    EXPECT_GT(CountOf(after, RGB(22, 94, 131)), 0) << "text drawn in 藍色";
    EXPECT_LT(CountOf(after, kBlack), CountOf(before, kBlack)) << "the black text is gone";
}

TEST_F(ColourEditingTest, DraggingTheRedSliderUpdatesTheField) {
    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));
    HWND slider = session.Control(IDC_SLIDER_RED);
    RECT thumb = session.Probe().ControlRect(IDC_SLIDER_RED, TBM_GETTHUMBRECT);
    ::MapWindowPoints(slider, nullptr, reinterpret_cast<POINT*>(&thumb), 2);
    const POINT from = Centre(thumb);
    const HWND pressed = Drag(from, POINT{from.x - Width(ClientRectOf(slider)) / 2, from.y});
    ASSERT_EQ(pressed, slider) << "the press on the thumb gives the slider the capture, not "
                               << (pressed ? ClassOf(pressed) : "no window");
    ASSERT_TRUE(session.Probe().SyncInput()) << "the drag is handled";

    const int red = SliderPos(IDC_SLIDER_RED);
    EXPECT_LT(red, 255) << "the thumb moved";
    EXPECT_EQ(Text(IDC_EDIT_RED), std::to_string(red)) << "field follows the slider";
    EXPECT_EQ(StripBackground(), RGB(red, 255, 255)) << "strip follows the slider";
    EXPECT_EQ(ComboSelection(session.Control(IDC_COMBO_NAME)), CB_ERR)
        << "the list does not follow a colour set by hand";
}

TEST_F(ColourEditingTest, RedSpinWrapsFrom255To0) {
    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));
    const RECT spin = WindowRectOf(session.Control(IDC_SPIN_RED));
    Click(POINT{(spin.left + spin.right) / 2, spin.top + Height(spin) / 4});  // the up arrow

    EXPECT_TRUE(WaitForText(IDC_EDIT_RED, "0")) << "field wraps to 0";
    EXPECT_TRUE(WaitFor([&] { return SliderPos(IDC_SLIDER_RED) == 0; })) << "slider follows";
    EXPECT_EQ(StripBackground(), RGB(0, 255, 255)) << "strip follows";
}

TEST_F(ColourEditingTest, TypingAnOutOfRangeValueKeepsTheLastGoodOne) {
    auto& session = Start();
    ASSERT_TRUE(MakeForeground(session.Frame()));
    HWND red = session.Control(IDC_EDIT_RED);
    session.Probe().FocusControl(IDC_EDIT_RED);
    Send(red, EM_SETSEL, 0, -1);

    TypeKeys("300");
    auto boxes = WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u) << "one range message";
    EXPECT_EQ(MessageBoxText(boxes.front()),
              FillPlaceholders(ProgramString(AFX_IDP_PARSE_INT_RANGE), {"0", "255"}))
        << "the standard range message";
    EXPECT_EQ(Text(IDC_EDIT_RED), "300") << "the field shows what was typed";
    EXPECT_EQ(SliderPos(IDC_SLIDER_RED), 30) << "slider keeps 30";
    EXPECT_EQ(StripBackground(), RGB(30, 255, 255)) << "strip keeps 30";

    PressButton(boxes.front(), IDOK);
    EXPECT_TRUE(WaitFor([&] { return MessageBoxesOf(session.ProcessId()).empty(); }))
        << "message closed";
    EXPECT_FALSE(WaitFor([&] { return !MessageBoxesOf(session.ProcessId()).empty(); },
                         std::chrono::milliseconds(1000)))
        << "no second message";
    const auto selection = static_cast<DWORD>(Send(red, EM_GETSEL));
    EXPECT_EQ(LOWORD(selection), 0) << "field text selected from the start";
    EXPECT_EQ(HIWORD(selection), 3) << "field text selected to the end";
    EXPECT_EQ(SliderPos(IDC_SLIDER_RED), 30) << "slider still 30 after the message";
    EXPECT_EQ(Text(IDC_EDIT_GREEN), "255") << "green untouched";
}

}  // namespace
}  // namespace e2e
