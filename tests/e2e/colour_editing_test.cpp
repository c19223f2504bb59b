// Editing the current colour on the main form: the target radios and their shortcuts, the list,
// the spin buttons, typed values and the sliders, and what the preview strip shows.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using ColourEditingTest = HuesmithTest;

constexpr COLORREF kAi = RGB(22, 94, 131);  // 藍色, the sample's fourth entry

TEST_F(ColourEditingTest, TargetRadiosAndTheListSetTheColourTheStripShows) {
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    Click(Centre(WindowRectOf(Control(IDC_RADIO_TEXT))));
    EXPECT_TRUE(WaitFor([&] { return Checked(IDC_RADIO_TEXT) && !Checked(IDC_RADIO_BACK); })) << "click on 文字色";
    EXPECT_TRUE(WaitFor([&] { return Fields() == Texts{"0", "0", "0"}; })) << "the black text colour loaded";

    const auto before = StripPixels();
    ChooseEntry(3);
    EXPECT_EQ(Fields(), (Texts{"22", "94", "131"})) << "藍色 chosen as text colour";
    EXPECT_EQ(Sliders(), (std::vector<int>{22, 94, 131}));
    const auto after = StripPixels();
    int whiteLost = 0;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) whiteLost += before[i] == kWhite && after[i] != kWhite;
    EXPECT_EQ(whiteLost, 0) << "the white background stays as it was";
    EXPECT_GT(CountOf(after, kAi), 0) << "text drawn in 藍色";
    EXPECT_LT(CountOf(after, kBlack), CountOf(before, kBlack)) << "the black text is gone";

    PressCtrl('B');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && !Checked(IDC_RADIO_TEXT)) << "Ctrl+B: 背景色";
    EXPECT_EQ(Fields(), (Texts{"255", "255", "255"})) << "Ctrl+B loads the white background";
    EXPECT_EQ(Sliders(), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(Selection(), 0) << "nearest to white: 桜色";
    EXPECT_EQ(StripBackground(), kWhite) << "switching keeps the background";
    EXPECT_GT(CountOf(StripPixels(), kAi), 0) << "switching keeps the text";
    PressCtrl('T');
    EXPECT_TRUE(Checked(IDC_RADIO_TEXT)) << "Ctrl+T: 文字色";
    EXPECT_EQ(Fields(), (Texts{"22", "94", "131"})) << "Ctrl+T loads the text colour";
}

TEST_F(ColourEditingTest, SpinTypedValuesAndTheSliderEditTheColour) {
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    const RECT spin = WindowRectOf(Control(IDC_SPIN_RED));
    Click({Centre(spin).x, spin.top + Height(spin) / 4});  // the up arrow
    EXPECT_TRUE(WaitFor([&] { return Fields()[0] == "0" && Sliders()[0] == 0; })) << "255 up wraps to 0";
    EXPECT_EQ(StripBackground(), RGB(0, 255, 255)) << "strip follows the spin";

    TypeInto(View(), IDC_EDIT_RED, "300");
    EXPECT_EQ(AnswerMessage(), "0 から 255 までの整数を入力してください。") << "the standard range message";
    EXPECT_EQ(Fields()[0], "300") << "the field shows what was typed";
    EXPECT_EQ(Sliders()[0], 30) << "the slider keeps the last good value";
    EXPECT_EQ(StripBackground(), RGB(30, 255, 255)) << "so does the strip";
    EXPECT_FALSE(WaitFor([&] { return !MessageBoxes().empty(); }, std::chrono::milliseconds(1000))) << "one message";
    EXPECT_EQ(Send(Control(IDC_EDIT_RED), EM_GETSEL), MAKELRESULT(0, 3)) << "the field's text selected";
    EXPECT_EQ(Fields()[1], "255") << "green untouched";

    RECT thumb = AskRect(Control(IDC_SLIDER_RED), TBM_GETTHUMBRECT);
    ::MapWindowPoints(Control(IDC_SLIDER_RED), nullptr, reinterpret_cast<POINT*>(&thumb), 2);
    const POINT from = Centre(thumb);
    const HWND pressed = Drag(from, {from.x + Width(ClientRectOf(Control(IDC_SLIDER_RED))) / 2, from.y});
    ASSERT_EQ(pressed, Control(IDC_SLIDER_RED)) << "the press on the thumb gives the slider the capture";
    ASSERT_TRUE(SyncInput()) << "the drag is handled";
    const int red = Sliders()[0];
    EXPECT_GT(red, 30) << "the thumb moved";
    EXPECT_EQ(Fields()[0], std::to_string(red)) << "field follows the slider";
    EXPECT_EQ(StripBackground(), RGB(red, 255, 255)) << "strip follows the slider";
    EXPECT_EQ(Selection(), CB_ERR) << "the list does not follow a colour set by hand";
}

}  // namespace
}  // namespace e2e
