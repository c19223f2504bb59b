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

void MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    Send(input);
}

// Absolute input is in 1/65536 of the primary screen; rounding up lands on the wanted pixel.
LONG Normalized(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * kAbsoluteScale + screenSize - 1) /
                             screenSize);
}

// The window under a handled press usually holds the mouse capture.
void WaitForPressHandled(std::chrono::milliseconds timeout) {
    WaitFor(
        [] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return ::GetGUIThreadInfo(0, &info) && info.hwndCapture != nullptr;
        },
        timeout);
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
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalized(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    // Under Wine the move reaches the cursor a little later; a button pressed before that lands at
    // the old position. A point off every screen never arrives: then go on after a short while.
    WaitFor(
        [screen] {
            POINT cursor{};
            return ::GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
        },
        kCursorArrivalTimeout);
}

void Click(POINT screen) {
    MoveMouse(screen);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    // Buttons, spin arrows and sliders take the capture when pressed; releasing before the press
    // is handled can leave an up-down control repeating. Controls that take no capture are
    // released after a short wait.
    WaitForPressHandled(kClickPressTimeout);
    MouseButton(MOUSEEVENTF_LEFTUP);
}

void ClickWith(WORD modifier, POINT screen) {
    Key(modifier, false);
    Click(screen);
    Key(modifier, true);
}

void Drag(POINT from, POINT to) {
    MoveMouse(from);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    // A control being dragged holds the mouse capture: moves sent before the press is handled
    // would reach it as plain hovering.
    WaitForPressHandled(kCursorArrivalTimeout);
    for (int step = 1; step <= kDragSteps; ++step) {
        MoveMouse(POINT{from.x + (to.x - from.x) * step / kDragSteps,
                        from.y + (to.y - from.y) * step / kDragSteps});
        PumpMessages();
    }
    MouseButton(MOUSEEVENTF_LEFTUP);
}

bool MakeForeground(HWND window) {
    ::SetForegroundWindow(window);
    return WaitFor([window] { return ::GetForegroundWindow() == window; });
}

}  // namespace e2e
