#include "tests/e2e/UserInput.h"

#include <stdexcept>

#include "tests/e2e/WaitFor.h"

namespace e2e {
namespace {

constexpr int kDragSteps = 8;
constexpr int kAbsoluteScale = 65536;
constexpr std::chrono::milliseconds kCursorArrivalTimeout{1000};
constexpr std::chrono::milliseconds kClickPressTimeout{300};

void Send(INPUT input) {
    if (::SendInput(1, &input, sizeof(input)) != 1) throw std::runtime_error("SendInput failed");
}

void Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(input);
}

// Absolute input is in 1/65536 of the primary screen; rounding up lands on the wanted pixel.
LONG Normalized(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * kAbsoluteScale + screenSize - 1) /
                             screenSize);
}

// Moves the pointer to the point and presses or releases the buttons in the flags there. A button
// carries its own position: under Wine each pointer move warps the X pointer, and the crossing
// event of that warp reaches the desktop process with the position from before the move, which it
// reports as a move of its own. The cursor can so jump back after the driver saw it arrive, and a
// bare press would land on whatever was under the old position.
void MouseAt(POINT screen, DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalized(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    Send(input);
}

// The window under a handled press usually holds the mouse capture; returns the holder, or
// nullptr when the press took none within the time.
HWND WaitForPressHandled(std::chrono::milliseconds timeout) {
    HWND holder = nullptr;
    WaitFor(
        [&holder] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            holder = ::GetGUIThreadInfo(0, &info) ? info.hwndCapture : nullptr;
            return holder != nullptr;
        },
        timeout);
    return holder;
}

}  // namespace

void PressKey(WORD virtualKey) {
    Key(virtualKey, false);
    Key(virtualKey, true);
}

void PressChord(WORD modifier, WORD virtualKey) {
    Key(modifier, false);
    PressKey(virtualKey);
    Key(modifier, true);
}

void TypeKeys(std::string_view keys) {
    for (char c : keys) PressKey(static_cast<WORD>(static_cast<unsigned char>(c)));
}

void MoveMouse(POINT screen) {
    MouseAt(screen, 0);
    // Under Wine the move reaches the cursor a little later; hovering, and reading what lies under
    // the cursor, want it there. A point off every screen never arrives: then go on after a short
    // while.
    WaitFor(
        [screen] {
            POINT cursor{};
            return ::GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
        },
        kCursorArrivalTimeout);
}

void Click(POINT screen) {
    MoveMouse(screen);
    MouseAt(screen, MOUSEEVENTF_LEFTDOWN);
    // Buttons, spin arrows and sliders take the capture when pressed; releasing before the press
    // is handled can leave an up-down control repeating. Controls that take no capture are
    // released after a short wait.
    WaitForPressHandled(kClickPressTimeout);
    MouseAt(screen, MOUSEEVENTF_LEFTUP);
}

void ClickWith(WORD modifier, POINT screen) {
    Key(modifier, false);
    Click(screen);
    Key(modifier, true);
}

HWND Drag(POINT from, POINT to) {
    MoveMouse(from);
    MouseAt(from, MOUSEEVENTF_LEFTDOWN);
    // A control being dragged holds the mouse capture: moves sent before the press is handled
    // would reach it as plain hovering.
    const HWND holder = WaitForPressHandled(kCursorArrivalTimeout);
    for (int step = 1; step <= kDragSteps; ++step) {
        MoveMouse(POINT{from.x + (to.x - from.x) * step / kDragSteps,
                        from.y + (to.y - from.y) * step / kDragSteps});
        PumpMessages();
    }
    MouseAt(to, MOUSEEVENTF_LEFTUP);
    return holder;
}

bool MakeForeground(HWND window) {
    ::SetForegroundWindow(window);
    return WaitFor([window] { return ::GetForegroundWindow() == window; });
}

}  // namespace e2e
