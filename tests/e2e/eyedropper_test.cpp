// The eyedropper: Ctrl+S covers the screen and shows the magnifier, which enlarges the pixels
// around the cursor (here over a picture of the driver's own, every pixel of it known), gets out of
// the cursor's way, moves the cursor with the arrow keys, and ends with a pick or a cancel.
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/PatternWindow.h"

namespace e2e {
namespace {

constexpr int kMagnifierSide = 154;  // the window, border included
constexpr int kZoom = 7;
constexpr int kCursorCell = 10;                   // the cursor's pixel in the 22 x 22 source square
constexpr int kCrossHair[] = {69, 77};            // picture columns and rows of the dotted lines
constexpr RECT kPictureRect{400, 300, 700, 600};  // clear of the main window and both corners
constexpr POINT kInPicture{520, 420};
// Longer than Wine's 100 ms, after which a cursor position is read back from the X pointer.
constexpr std::chrono::milliseconds kCursorSettle{250};

POINT CursorNow() {
    POINT p{};
    ::GetCursorPos(&p);
    return p;
}

std::string Describe(POINT p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

Texts FieldsOf(COLORREF c) {
    return {std::to_string(GetRValue(c)), std::to_string(GetGValue(c)), std::to_string(GetBValue(c))};
}

class EyedropperTest : public HuesmithTest {
protected:
    const int m_width = ::GetSystemMetrics(SM_CXSCREEN);
    const int m_height = ::GetSystemMetrics(SM_CYSCREEN);

    HWND WindowSized(int width, int height) {
        for (HWND w : Dialogs()) {
            if (Width(WindowRectOf(w)) == width && Height(WindowRectOf(w)) == height) return w;
        }
        return nullptr;
    }
    HWND Magnifier() { return WindowSized(kMagnifierSide, kMagnifierSide); }
    HWND Cover() { return WindowSized(m_width, m_height); }
    HWND StartEyedropper() {
        PressCtrl('S');
        HWND magnifier = nullptr;
        WaitFor([&] { return (magnifier = Magnifier()) != nullptr; });
        // Under Wine the mouse capture and the keyboard come a moment after the window shows.
        WaitFor([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            return ::GetGUIThreadInfo(::GetWindowThreadProcessId(magnifier, nullptr), &info) &&
                   info.hwndCapture == magnifier && info.hwndFocus == magnifier;
        });
        return magnifier;
    }
    bool WaitForEnd() { return WaitFor([&] { return Magnifier() == nullptr && Cover() == nullptr; }); }

    // What is wrong with the magnifier's picture for a cursor at `cursor` over the pattern: each
    // picture pixel shows its source pixel enlarged, the cross-hair lines are dotted black and white.
    std::string PictureFaults(HWND magnifier, POINT cursor) {
        const RECT client = ClientRectOf(magnifier);
        const auto shown = Pixels(magnifier, client);
        int wrong = 0, black = 0, white = 0;
        std::string first;
        for (int y = 0; y < Height(client); ++y) {
            for (int x = 0; x < Width(client); ++x) {
                const COLORREF got = shown[static_cast<size_t>(y * Width(client) + x)];
                const bool line = x == kCrossHair[0] || x == kCrossHair[1] || y == kCrossHair[0] || y == kCrossHair[1];
                black += line && got == kBlack;
                white += line && got == kWhite;
                const POINT source{cursor.x - kCursorCell + x / kZoom, cursor.y - kCursorCell + y / kZoom};
                const bool right = line ? got == kBlack || got == kWhite : got == PatternWindow::ColourAt(source);
                if (!right && wrong++ == 0) first = ", first at " + Describe({x, y});
            }
        }
        if (wrong > 0) return std::to_string(wrong) + " wrong pixels" + first;
        return black == 0 || white == 0 ? "the cross-hair is not dotted black and white" : "";
    }
    bool WaitForPicture(HWND magnifier, POINT cursor, std::string& faults) {
        return WaitFor([&] { return (faults = PictureFaults(magnifier, cursor)).empty(); });
    }
    // Moves the mouse and waits until the cursor stays there. Under Wine the program's own cursor
    // moves (the arrow keys) come back as X pointer motion a little later and can undo a mouse move
    // made meanwhile, so the move counts only once it has held for a while after the program has
    // handled all its input; it is repeated when it was undone.
    void PlaceCursor(POINT p) {
        std::optional<std::chrono::steady_clock::time_point> heldSince;
        const bool placed = WaitFor([&] {
            const POINT now = CursorNow();
            if (now.x != p.x || now.y != p.y) {
                // Wine moves the X pointer only for a move that changes its own idea of the
                // position, which may already be p: a step aside first makes sure it does.
                MoveMouse({p.x > 0 ? p.x - 1 : p.x + 1, p.y});
                MoveMouse(p);
                heldSince.reset();
                return false;
            }
            SyncInput();
            if (!heldSince) heldSince = std::chrono::steady_clock::now();
            return std::chrono::steady_clock::now() - *heldSince >= kCursorSettle;
        });
        if (!placed) throw std::runtime_error("the cursor did not stay at " + Describe(p));
    }
};

TEST_F(EyedropperTest, MagnifierShowsTheScreenKeepsOutOfTheCursorsWayAndPicksTheExactPixel) {
    Start();
    std::optional<PatternWindow> picture(std::in_place, kPictureRect);
    PlaceCursor(kInPicture);
    HWND magnifier = StartEyedropper();
    ASSERT_NE(magnifier, nullptr) << "Ctrl+S shows the magnifier";
    EXPECT_TRUE(WindowRectOf(magnifier).left == 0 && WindowRectOf(magnifier).top == 0) << "at the top-left corner";
    EXPECT_TRUE(IsTopmost(magnifier) && Cover() != nullptr && IsTopmost(Cover())) << "topmost, over a topmost cover";
    std::string faults;
    EXPECT_TRUE(WaitForPicture(magnifier, kInPicture, faults)) << "picture at the start: " << faults;
    // From here on the picture is gone but for the cover's copy of it: what the user saw before
    // the eyedropper started is what the magnifier shows.
    picture.reset();
    const POINT moved{kInPicture.x + 37, kInPicture.y + 53};
    PlaceCursor(moved);
    EXPECT_TRUE(WaitForPicture(magnifier, moved, faults)) << "picture after the mouse moved: " << faults;
    PlaceCursor({50, 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).top == m_height - kMagnifierSide; }))
        << "cursor in the magnifier's home square: it jumps to the bottom-left corner";
    PlaceCursor({50, m_height - 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).top == 0; })) << "and back to the top";
    const struct {
        POINT from;
        WORD key;
        POINT to;
    } arrows[] = {
        {{600, 450}, VK_LEFT, {599, 450}},
        {{600, 450}, VK_UP, {600, 449}},
        {{600, 450}, VK_RIGHT, {601, 450}},
        {{600, 450}, VK_DOWN, {600, 451}},
        {{m_width - 2, m_height - 2}, VK_RIGHT, {m_width - 2, m_height - 2}},  // the last column but one
        {{m_width - 2, m_height - 2}, VK_DOWN, {m_width - 2, m_height - 2}},   // and row but one are limits
    };
    for (const auto& a : arrows) {
        PlaceCursor(a.from);
        PressKey(a.key);
        SyncInput();
        WaitFor([&] { return Describe(CursorNow()) == Describe(a.to); });
        EXPECT_EQ(Describe(CursorNow()), Describe(a.to)) << "key " << a.key << " from " << Describe(a.from);
    }
    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    SyncInput();
    EXPECT_NE(Magnifier(), nullptr) << "Enter and Tab do nothing";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForEnd()) << "Escape ends the eyedropper";
    EXPECT_EQ(Fields(), (Texts{"255", "255", "255"})) << "Escape changes nothing";

    picture.emplace(kPictureRect);
    PlaceCursor(kInPicture);
    ASSERT_TRUE(WaitForPicture(StartEyedropper(), kInPicture, faults)) << faults;
    const COLORREF expected = PatternWindow::ColourAt(kInPicture);
    Click(kInPicture);
    EXPECT_TRUE(WaitForEnd()) << "a left click ends the eyedropper";
    EXPECT_TRUE(WaitFor([&] { return Fields() == FieldsOf(expected); })) << "the pixel under the cursor is picked";
    EXPECT_NE(Selection(), CB_ERR) << "the nearest name is selected";
    EXPECT_EQ(StripBackground(), expected) << "the picked colour becomes the background";
    // A run with the mouse where the last drawing left it draws nothing until the mouse moves; a
    // pick then still takes the pixel under the cursor.
    ChooseEntry(0);
    StartEyedropper();
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitForEnd()) << "Space ends the eyedropper";
    EXPECT_TRUE(WaitFor([&] { return Fields() == FieldsOf(expected); })) << "Space before any drawing picks";
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    EXPECT_TRUE(::GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING)) << "the cursor is visible after the runs";
}

}  // namespace
}  // namespace e2e
