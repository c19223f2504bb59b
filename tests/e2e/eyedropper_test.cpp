// The eyedropper as a user meets it: Ctrl+S covers the screen and shows the magnifier, which
// enlarges the pixels around the cursor (here over a picture of the driver's own, every pixel of
// it known), gets out of the cursor's way, moves the cursor with the arrow keys, and ends with a
// pick or a cancel.
#include <windows.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/PatternWindow.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

constexpr int kMagnifierSide = 154;  // the window, border included
constexpr int kZoom = 7;
constexpr int kCursorCell = 10;                 // the cursor's pixel in the 22 x 22 source square
constexpr int kCrossHair[] = {69, 77};          // picture columns and rows of the dotted lines
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

Triple FieldsOf(COLORREF c) {
    return {std::to_string(GetRValue(c)), std::to_string(GetGValue(c)), std::to_string(GetBValue(c))};
}

class EyedropperTest : public HuesmithTest {
protected:
    const int m_width = ::GetSystemMetrics(SM_CXSCREEN);
    const int m_height = ::GetSystemMetrics(SM_CYSCREEN);

    // The program's visible dialog of this outer size, or null.
    HWND DialogSized(int width, int height) {
        for (HWND d : DialogsOf(Session().ProcessId())) {
            const RECT r = WindowRectOf(d);
            if (Width(r) == width && Height(r) == height) return d;
        }
        return nullptr;
    }
    HWND Magnifier() { return DialogSized(kMagnifierSide, kMagnifierSide); }
    HWND Cover() { return DialogSized(m_width, m_height); }

    // Ctrl+S in the main window, as the user starts the eyedropper; returns the magnifier.
    HWND StartEyedropper() {
        if (!MakeForeground(Session().Frame())) throw std::runtime_error("the main window has no keyboard");
        PressChord(VK_CONTROL, 'S');
        HWND magnifier = nullptr;
        if (!WaitFor([&] { return (magnifier = Magnifier()) != nullptr; })) {
            throw std::runtime_error("no magnifier after Ctrl+S");
        }
        return magnifier;
    }

    bool WaitForEnd() { return WaitFor([&] { return Magnifier() == nullptr && Cover() == nullptr; }); }

    // What is wrong with the magnifier's picture for a cursor at `cursor` over the pattern: each
    // visible picture pixel shows its source pixel enlarged 7 times, and the cross-hair lines are
    // dotted black and white. Empty when all is right.
    std::string PictureFaults(HWND magnifier, POINT cursor) {
        POINT origin{0, 0};
        ::ClientToScreen(magnifier, &origin);
        const RECT client = ClientRectOf(magnifier);
        const RECT onScreen{origin.x, origin.y, origin.x + Width(client), origin.y + Height(client)};
        const std::vector<COLORREF> shown = ScreenPixels(onScreen);
        int wrong = 0;
        int black = 0;
        int white = 0;
        std::string first;
        for (int y = 0; y < Height(client); ++y) {
            for (int x = 0; x < Width(client); ++x) {
                const COLORREF got = shown[static_cast<size_t>(y * Width(client) + x)];
                const bool onCrossHair = x == kCrossHair[0] || x == kCrossHair[1] || y == kCrossHair[0] ||
                                         y == kCrossHair[1];
                bool right = false;
                if (onCrossHair) {
                    black += got == kBlack;
                    white += got == kWhite;
                    right = got == kBlack || got == kWhite;
                } else {
                    const POINT source{cursor.x - kCursorCell + x / kZoom, cursor.y - kCursorCell + y / kZoom};
                    right = got == PatternWindow::ColourAt(source);
                }
                if (!right && wrong++ == 0) first = "first wrong picture pixel " + Describe({x, y});
            }
        }
        if (wrong > 0) return std::to_string(wrong) + " wrong pixels, " + first;
        if (black == 0 || white == 0) return "the cross-hair is not dotted black and white";
        return {};
    }

    bool WaitForPicture(HWND magnifier, POINT cursor, std::string& faults) {
        return WaitFor([&] { return (faults = PictureFaults(magnifier, cursor)).empty(); });
    }
    // Moves the mouse and waits until the cursor stays there. Under Wine the program's own
    // cursor moves (the arrow keys) come back as X pointer motion a little later and can undo a
    // mouse move made meanwhile, so the move counts only once it has held for a while after the
    // program has handled all its input; it is repeated when it was undone.
    void PlaceCursor(POINT p) {
        using Clock = std::chrono::steady_clock;
        std::optional<Clock::time_point> heldSince;
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
            Session().Probe().SyncInput();
            if (!heldSince) heldSince = Clock::now();
            return Clock::now() - *heldSince >= kCursorSettle;
        });
        if (!placed) throw std::runtime_error("the cursor did not stay at " + Describe(p));
    }
    // Waits until the magnifier has the mouse captured and the keyboard focus, as the system
    // sees it (under Wine both come a moment after the window shows).
    bool WaitForInput(HWND magnifier) {
        return WaitFor([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            return ::GetGUIThreadInfo(::GetWindowThreadProcessId(magnifier, nullptr), &info) &&
                   info.hwndCapture == magnifier && info.hwndFocus == magnifier;
        });
    }
    // Presses an arrow key with the cursor at `from`; returns where the cursor ends up once the
    // program has handled the key.
    POINT ArrowFrom(HWND magnifier, POINT from, WORD key, POINT expected) {
        PlaceCursor(from);
        WaitForInput(magnifier);
        PressKey(key);
        Session().Probe().SyncInput();
        WaitFor([&] {
            const POINT now = CursorNow();
            return now.x == expected.x && now.y == expected.y;
        });
        return CursorNow();
    }
    bool CursorShowing() {
        CURSORINFO info{};
        info.cbSize = sizeof(info);
        return ::GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0;
    }
};

TEST_F(EyedropperTest, MagnifierShowsTheScreenAroundTheCursorAndKeepsOutOfItsWay) {
    Start();
    const Triple before = Fields();
    std::optional<PatternWindow> picture(std::in_place, kPictureRect);
    PlaceCursor(kInPicture);
    const HWND magnifier = StartEyedropper();

    const RECT placed = WindowRectOf(magnifier);
    EXPECT_TRUE(placed.left == 0 && placed.top == 0) << "the magnifier starts at the top-left corner";
    EXPECT_TRUE(IsTopmost(magnifier)) << "the magnifier is topmost";
    const HWND cover = Cover();
    EXPECT_NE(cover, nullptr) << "a cover as large as the screen";
    EXPECT_TRUE(cover != nullptr && IsTopmost(cover)) << "the cover is topmost";

    std::string faults;
    EXPECT_TRUE(WaitForPicture(magnifier, kInPicture, faults)) << "picture at the start: " << faults;
    // From here on the picture is gone from the screen but for the cover's copy of it: what the
    // user saw before the eyedropper started is what the magnifier shows.
    picture.reset();
    const POINT moved{kInPicture.x + 37, kInPicture.y + 53};
    PlaceCursor(moved);
    EXPECT_TRUE(WaitForPicture(magnifier, moved, faults)) << "picture after the mouse moved: " << faults;

    PlaceCursor({50, 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).top == m_height - kMagnifierSide; }))
        << "cursor in the magnifier's home square: it jumps to the bottom-left corner";
    EXPECT_EQ(WindowRectOf(magnifier).left, 0) << "bottom-left corner";
    PlaceCursor({50, m_height - 50});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(magnifier).top == 0; }))
        << "cursor in the bottom-left square: it jumps back to the top";

    EXPECT_TRUE(WaitForInput(magnifier)) << "the magnifier holds the mouse capture and the keyboard";
    struct Arrow {
        POINT from;
        WORD key;
        POINT to;
        const char* what;
    };
    const Arrow arrows[] = {
        {{600, 450}, VK_LEFT, {599, 450}, "left arrow"},
        {{600, 450}, VK_UP, {600, 449}, "up arrow"},
        {{600, 450}, VK_RIGHT, {601, 450}, "right arrow"},
        {{600, 450}, VK_DOWN, {600, 451}, "down arrow"},
        {{m_width - 3, 450}, VK_RIGHT, {m_width - 2, 450}, "right arrow onto the last column but one"},
        {{m_width - 2, 450}, VK_RIGHT, {m_width - 2, 450}, "right arrow stops there"},
        {{600, m_height - 3}, VK_DOWN, {600, m_height - 2}, "down arrow onto the last row but one"},
        {{600, m_height - 2}, VK_DOWN, {600, m_height - 2}, "down arrow stops there"},
        {{0, 450}, VK_LEFT, {0, 450}, "left arrow at the left edge"},
        {{600, 0}, VK_UP, {600, 0}, "up arrow at the top edge"},
    };
    for (const Arrow& a : arrows) {
        EXPECT_EQ(Describe(ArrowFrom(magnifier, a.from, a.key, a.to)), Describe(a.to)) << a.what;
    }

    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    Session().Probe().SyncInput();
    EXPECT_NE(Magnifier(), nullptr) << "Enter and Tab do nothing";

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForEnd()) << "Escape ends the eyedropper";
    Session().Probe().Sync();
    EXPECT_EQ(Fields(), before) << "Escape changes nothing";
    EXPECT_TRUE(CursorShowing()) << "the cursor is visible after the run";
}

TEST_F(EyedropperTest, PickTakesTheExactPixelUnderTheCursor) {
    Start();
    const PatternWindow picture(kPictureRect);
    PlaceCursor(kInPicture);
    const HWND magnifier = StartEyedropper();
    std::string faults;
    ASSERT_TRUE(WaitForPicture(magnifier, kInPicture, faults)) << faults;
    const COLORREF expected = PatternWindow::ColourAt(kInPicture);
    ASSERT_TRUE(WaitForInput(magnifier)) << "the magnifier holds the mouse capture";
    Click(kInPicture);
    EXPECT_TRUE(WaitForEnd()) << "a left click ends the eyedropper";
    EXPECT_TRUE(WaitForFields(FieldsOf(expected))) << "a left click picks the pixel under the cursor";
    EXPECT_NE(ComboSelection(Session().Control(IDC_COMBO_NAME)), CB_ERR) << "the nearest name is selected";
    EXPECT_EQ(StripBackground(), expected) << "the picked colour becomes the background";
    EXPECT_TRUE(CursorShowing()) << "the cursor is visible after the run";

    // A second run with the mouse where the last drawing left it draws nothing until the mouse
    // moves; a pick then still takes the pixel under the cursor.
    ChooseEntry(0);
    ASSERT_NE(Fields(), FieldsOf(expected)) << "another colour before the second run";
    const HWND again = StartEyedropper();
    ASSERT_TRUE(WaitForInput(again)) << "the second magnifier holds the mouse capture and the keyboard";
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitForEnd()) << "Space ends the eyedropper";
    EXPECT_TRUE(WaitForFields(FieldsOf(expected))) << "Space before any drawing picks the pixel under the cursor";
}

}  // namespace
}  // namespace e2e
