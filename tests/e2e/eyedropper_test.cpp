// The eyedropper: Ctrl+S covers the screen and shows the magnifier, which enlarges the pixels
// around the cursor, gets out of the cursor's way, moves the cursor with the arrow keys, and ends
// with a pick or a cancel; below the picture, its readout names the pixel under the cursor. The
// cursor is put beside the preview text on a strip of a catalogue colour, where the pixels around
// it differ both ways.
#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

constexpr COLORREF kStripColour = RGB(248, 181, 0);  // ﾃｽﾄ黄's

// The 22 x 22 screen pixels the magnifier enlarges for a cursor at p, which is the 11th of them.
std::vector<COLORREF> Around(POINT p) { return Pixels(nullptr, {p.x - 10, p.y - 10, p.x + 12, p.y + 12}); }

class EyedropperTest : public HuesmithTest {
protected:
    HWND Sized(int width, int height) {
        for (HWND d : Dialogs()) {
            if (Width(WindowRectOf(d)) == width && Height(WindowRectOf(d)) == height) return d;
        }
        return nullptr;
    }
    bool Ended() {
        return WaitFor([&] { return !Magnifier() && !Sized(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)); });
    }
    // The picture: the square the border leaves at the client area's top.
    static RECT Picture(HWND magnifier) { return {0, 0, Width(ClientRectOf(magnifier)), Width(ClientRectOf(magnifier))}; }
    // Ctrl+S; the magnifier once it holds the mouse capture and the keyboard, which under Wine come
    // a moment after it shows.
    HWND StartEyedropper() {
        PressCtrl('S');
        HWND magnifier = nullptr;
        WaitFor([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            return (magnifier = Magnifier()) && ::GetGUIThreadInfo(::GetWindowThreadProcessId(magnifier, nullptr), &info) &&
                   info.hwndCapture == magnifier && info.hwndFocus == magnifier;
        });
        return magnifier;
    }
    // Waits until each picture pixel shows its source pixel seven times enlarged, the cursor's in
    // the block at 70, and the lines around that block are dotted black and white.
    bool Shows(HWND magnifier, const std::vector<COLORREF>& source) {
        return WaitFor([&] {
            const RECT client = Picture(magnifier);
            const auto shown = Painted(magnifier, client);
            int wrong = 0;
            for (int y = 0; y < Height(client); ++y) {
                for (int x = 0; x < Width(client); ++x) {
                    const COLORREF got = shown[static_cast<size_t>(y * Width(client) + x)];
                    const bool line = x == 69 || x == 77 || y == 69 || y == 77;
                    wrong += line ? got != kBlack && got != kWhite : got != source[static_cast<size_t>(y / 7 * 22 + x / 7)];
                }
            }
            return wrong == 0 && CountOf(shown, kBlack) > 0 && CountOf(shown, kWhite) > 0;
        });
    }
};

TEST_F(EyedropperTest, MagnifierShowsTheScreenKeepsOutOfTheCursorsWayAndPicksTheExactPixel) {
    Start({.settings = "[Option]\r\nCopy=$\r\nUpperLower=1\r\n"});
    SetClipboardText("#F8B500");
    PressCtrl('V');
    const auto strip = StripPixels();
    const int middle = Height(kPreviewStrip) / 2;
    const auto text = std::find_if(strip.begin() + middle * Width(kPreviewStrip), strip.end(), [](COLORREF c) {
        return c != kStripColour;
    });
    POINT beside{static_cast<LONG>(text - strip.begin()) % Width(kPreviewStrip) - 1, kPreviewStrip.top + middle};
    ::ClientToScreen(View(), &beside);
    const auto besideText = Around(beside);
    PlaceCursor(beside);
    HWND magnifier = StartEyedropper();
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(WindowRectOf(magnifier).left == 0 && WindowRectOf(magnifier).bottom == screenHeight &&
                IsTopmost(magnifier) && !TakesInputMethod(magnifier))
        << "topmost, at the bottom-left corner (the cursor is where its readout would lie at the top-left), its "
           "keys past any input method";
    EXPECT_TRUE(Shows(magnifier, besideText)) << "the picture around the cursor";
    EXPECT_EQ(DlgText(magnifier, IDC_STATIC_READOUT_TEXT), "$f8b500\r\nﾃｽﾄ黄\r\nてすときいろ\r\n黄系統")
        << "the readout: the code with the copy options, the nearest name, its reading, its family";
    EXPECT_EQ(DlgText(magnifier, IDC_STATIC_READOUT_POSITION), "位置 " + Describe(beside));
    const RECT readout{0, Height(Picture(magnifier)), Width(Picture(magnifier)), Height(ClientRectOf(magnifier))};
    EXPECT_GT(CountOf(Painted(magnifier, readout), kStripColour), 8 * Width(readout)) << "the pixel's swatch";
    PlaceCursor({50, screenHeight - 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).top == 0; }))
        << "the cursor in its window sends the magnifier to the top-left corner";
    // Where the arrow keys stop at the screen's edges is the magnifier arithmetic's, tested natively.
    PlaceCursor({600, 450});
    PressKey(VK_UP);
    EXPECT_TRUE(SyncInput() && WaitFor([&] { return Describe(CursorNow()) == "600, 449"; })) << "an arrow key moves";
    PressChord(VK_SHIFT, VK_LEFT);
    EXPECT_TRUE(SyncInput() && WaitFor([&] { return Describe(CursorNow()) == "590, 449"; })) << "Shift: ten pixels";
    PressChord(VK_CONTROL, 'C');
    const std::string code = DlgText(magnifier, IDC_STATIC_READOUT_TEXT).substr(0, 7);
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == code; }) &&
                DlgText(magnifier, IDC_STATIC_READOUT_STATUS) == code + " をコピー済み" && Magnifier() == magnifier)
        << "Ctrl+C copies the code under the cursor, says so, and the run goes on";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(Ended() && Fields() == (Texts{"248", "181", "0"})) << "Escape cancels";

    PressCtrl('T');  // picks now go to the text; the strip stays orange
    PlaceCursor(beside);
    ASSERT_TRUE(Shows(StartEyedropper(), besideText));
    Click(beside);
    EXPECT_TRUE(Ended() && WaitFor([&] { return Fields() == Texts{"248", "181", "0"}; })) << "a click picks the pixel";
    EXPECT_EQ(Selection(), 4) << "and selects the nearest name, ﾃｽﾄ黄";
    ChooseEntry(0);
    StartEyedropper();
    PressKey(VK_RETURN);
    EXPECT_TRUE(Ended() && WaitFor([&] { return Fields() == Texts{"248", "181", "0"}; })) << "Enter picks";
    // A run with the mouse where the last drawing left it draws nothing until the mouse moves; a
    // pick then still takes the pixel under the cursor.
    ChooseEntry(0);
    StartEyedropper();
    PressKey(VK_SPACE);
    EXPECT_TRUE(Ended() && WaitFor([&] { return Fields() == Texts{"248", "181", "0"}; })) << "Space before any drawing";
}

}  // namespace
}  // namespace e2e
