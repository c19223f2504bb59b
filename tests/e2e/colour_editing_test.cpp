// Editing the current colour on the main form: the target radios and their shortcuts, the list,
// the spin buttons, typed values and the sliders, and what the preview strip shows.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using ColourEditingTest = HuesmithTest;

TEST_F(ColourEditingTest, RadiosListSpinTypingAndSliderSetTheColourTheStripShows) {
    Start();
    ASSERT_TRUE(MakeForeground(Frame()));
    Click(Centre(WindowRectOf(Control(IDC_RADIO_TEXT))));
    EXPECT_TRUE(WaitFor([&] { return Checked(IDC_RADIO_TEXT) && Fields() == Texts{"0", "0", "0"}; }))
        << "a click on 文字色 loads the black text colour";
    const auto before = StripPixels();
    ChooseEntry(3);
    EXPECT_EQ(Sliders(), (std::vector<int>{22, 94, 131})) << "藍色 chosen as text colour";
    const auto after = StripPixels();
    EXPECT_TRUE(CountOf(after, kWhite) == CountOf(before, kWhite) && CountOf(after, RGB(22, 94, 131)) > 0)
        << "only the text changes colour";
    PressCtrl('B');
    EXPECT_TRUE(Checked(IDC_RADIO_BACK) && Fields() == (Texts{"255", "255", "255"})) << "Ctrl+B loads the background";
    EXPECT_EQ(Selection(), 0) << "nearest to white: 桜色";
    PressCtrl('T');
    EXPECT_TRUE(Checked(IDC_RADIO_TEXT) && Fields() == (Texts{"22", "94", "131"})) << "Ctrl+T loads the text colour";
    PressCtrl('B');

    const RECT spin = WindowRectOf(Control(IDC_SPIN_RED));
    Click({Centre(spin).x, spin.top + Height(spin) / 4});  // the up arrow
    EXPECT_TRUE(WaitFor([&] { return Fields()[0] == "0" && Sliders()[0] == 0; })) << "255 up wraps to 0";
    TypeInto(View(), IDC_EDIT_RED, "300");
    EXPECT_EQ(AnswerMessage(), "0 から 255 までの整数を入力してください。") << "the standard range message";
    EXPECT_EQ(Fields()[0], "300") << "the field shows what was typed";
    EXPECT_EQ(StripBackground(), RGB(30, 255, 255)) << "the colour keeps the last good value";
    EXPECT_EQ(Send(Control(IDC_EDIT_RED), EM_GETSEL), MAKELRESULT(0, 3)) << "the field's text selected";

    RECT thumb = AskRect(Control(IDC_SLIDER_RED), TBM_GETTHUMBRECT);
    ::MapWindowPoints(Control(IDC_SLIDER_RED), nullptr, reinterpret_cast<POINT*>(&thumb), 2);
    const POINT from = Centre(thumb);
    ASSERT_EQ(Drag(from, {from.x + Width(ClientRectOf(Control(IDC_SLIDER_RED))) / 2, from.y}), Control(IDC_SLIDER_RED))
        << "the press on the thumb gives the slider the capture";
    ASSERT_TRUE(SyncInput()) << "the drag is handled";
    const int red = Sliders()[0];
    EXPECT_TRUE(red > 30 && Fields()[0] == std::to_string(red)) << "the field follows the slider";
    EXPECT_EQ(StripBackground(), RGB(red, 255, 255)) << "so does the strip";
    EXPECT_EQ(Selection(), 0) << "the list does not follow a colour set by hand to ソーダ水色, the nearest";
}

}  // namespace
}  // namespace e2e
