// The eyedropper: Ctrl+S covers the screen and shows the magnifier, which enlarges the pixels
// around the cursor (here over a picture of the driver's own, every pixel of it known), gets out of
// the cursor's way, moves the cursor with the arrow keys, and ends with a pick or a cancel.
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/PatternWindow.h"

namespace e2e {
namespace {

constexpr int kMagnifierSide = 154;               // the window, border included
constexpr RECT kPictureRect{400, 300, 700, 600};  // clear of the main window and both corners
constexpr POINT kInPicture{520, 420};

std::string Describe(POINT p) { return std::to_string(p.x) + ", " + std::to_string(p.y); }
POINT CursorNow() {
    POINT p{};
    ::GetCursorPos(&p);
    return p;
}

class EyedropperTest : public HuesmithTest {
protected:
    HWND Sized(int width, int height) {
        for (HWND d : Dialogs()) {
            if (Width(WindowRectOf(d)) == width && Height(WindowRectOf(d)) == height) return d;
        }
        return nullptr;
    }
    HWND Magnifier() { return Sized(kMagnifierSide, kMagnifierSide); }
    bool Ended() {
        return WaitFor([&] { return !Magnifier() && !Sized(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)); });
    }
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
    bool ShowsPictureAround(HWND magnifier, POINT cursor) {
        return WaitFor([&] {
            const RECT client = ClientRectOf(magnifier);
            const auto shown = Painted(magnifier, client);
            int wrong = 0;
            for (int y = 0; y < Height(client); ++y) {
                for (int x = 0; x < Width(client); ++x) {
                    const COLORREF got = shown[static_cast<size_t>(y * Width(client) + x)];
                    const bool line = x == 69 || x == 77 || y == 69 || y == 77;
                    wrong += line ? got != kBlack && got != kWhite
                                  : got != PatternWindow::ColourAt({cursor.x - 10 + x / 7, cursor.y - 10 + y / 7});
                }
            }
            return wrong == 0 && CountOf(shown, kBlack) > 0 && CountOf(shown, kWhite) > 0;
        });
    }
    // Under Wine the program's own cursor moves (the arrow keys) come back as X pointer motion a
    // little later and can undo a mouse move made meanwhile: the move counts once it has held for
    // longer than Wine's 100 ms after the program handled its input, and is repeated when undone.
    void PlaceCursor(POINT p) {
        auto since = std::chrono::steady_clock::now();
        WaitFor([&] {
            if (Describe(CursorNow()) == Describe(p)) {
                return SyncInput() && std::chrono::steady_clock::now() - since > std::chrono::milliseconds(250);
            }
            MoveMouse({p.x > 0 ? p.x - 1 : p.x + 1, p.y});  // Wine warps the pointer only for a change
            MoveMouse(p);
            since = std::chrono::steady_clock::now();
            return false;
        });
    }
};

TEST_F(EyedropperTest, MagnifierShowsTheScreenKeepsOutOfTheCursorsWayAndPicksTheExactPixel) {
    Start();
    std::optional<PatternWindow> picture(std::in_place, kPictureRect);
    PlaceCursor(kInPicture);
    HWND magnifier = StartEyedropper();
    ASSERT_NE(magnifier, nullptr) << "Ctrl+S shows the magnifier";
    EXPECT_TRUE(WindowRectOf(magnifier).left == 0 && WindowRectOf(magnifier).top == 0 && IsTopmost(magnifier))
        << "topmost, at the top-left corner";
    EXPECT_TRUE(ShowsPictureAround(magnifier, kInPicture)) << "the picture at the start";
    picture.reset();  // the cover's copy stays: what the user saw when the eyedropper started
    PlaceCursor({kInPicture.x + 37, kInPicture.y + 53});
    EXPECT_TRUE(ShowsPictureAround(magnifier, {kInPicture.x + 37, kInPicture.y + 53})) << "after the mouse moved";
    PlaceCursor({50, 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).bottom == ::GetSystemMetrics(SM_CYSCREEN); }))
        << "the cursor in its square sends the magnifier to the bottom-left corner";
    PlaceCursor({50, ::GetSystemMetrics(SM_CYSCREEN) - 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).top == 0; })) << "and from there back to the top";
    // The last column and row but one are the limits.
    const POINT corner{::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2};
    for (const auto& [from, key, to] :
         {std::tuple{POINT{600, 450}, VK_LEFT, POINT{599, 450}}, {POINT{600, 450}, VK_UP, POINT{600, 449}},
          {POINT{600, 450}, VK_RIGHT, POINT{601, 450}}, {POINT{600, 450}, VK_DOWN, POINT{600, 451}},
          {corner, VK_RIGHT, corner}, {corner, VK_DOWN, corner}}) {
        PlaceCursor(from);
        PressKey(static_cast<WORD>(key));
        SyncInput();
        WaitFor([&] { return Describe(CursorNow()) == Describe(to); });
        EXPECT_EQ(Describe(CursorNow()), Describe(to)) << "key " << key << " from " << Describe(from);
    }
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(Ended() && Fields() == (Texts{"255", "255", "255"})) << "Enter does nothing, Escape cancels";

    picture.emplace(kPictureRect);
    PlaceCursor(kInPicture);
    ASSERT_TRUE(ShowsPictureAround(StartEyedropper(), kInPicture));
    const COLORREF expected = PatternWindow::ColourAt(kInPicture);
    const Texts channels{std::to_string(GetRValue(expected)), std::to_string(GetGValue(expected)),
                         std::to_string(GetBValue(expected))};
    Click(kInPicture);
    EXPECT_TRUE(Ended() && WaitFor([&] { return Fields() == channels; })) << "a click picks the pixel under the cursor";
    EXPECT_TRUE(Selection() != CB_ERR && StripBackground() == expected) << "the nearest name, the background";
    // A run with the mouse where the last drawing left it draws nothing until the mouse moves; a
    // pick then still takes the pixel under the cursor.
    ChooseEntry(0);
    StartEyedropper();
    PressKey(VK_SPACE);
    EXPECT_TRUE(Ended() && WaitFor([&] { return Fields() == channels; })) << "Space before any drawing picks";
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    EXPECT_TRUE(::GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING)) << "the cursor is visible after the runs";
}

}  // namespace
}  // namespace e2e
