// Keyboard and mouse input as a user gives it: through the system's input queue (SendInput), so
// that it reaches whatever window has the focus, accelerators and menus included.
#pragma once

#include <windows.h>

#include <string_view>

namespace e2e {

void PressKey(WORD virtualKey);
// Holds the modifier while pressing the key: PressChord(VK_CONTROL, 'B') is Ctrl+B.
void PressChord(WORD modifier, WORD virtualKey);
// Digits and upper-case letters, one key each.
void TypeKeys(std::string_view keys);

void MoveMouse(POINT screen);
void Click(POINT screen);
// A click with the modifier held: ClickWith(VK_CONTROL, p) adds to a list's selection.
void ClickWith(WORD modifier, POINT screen);
// Left button down at from, moved in steps, released at to. Returns the window that took the
// mouse capture on the press (the control being dragged), or nullptr when none did.
HWND Drag(POINT from, POINT to);

// Makes the window the one that receives the keyboard, and waits until it is.
bool MakeForeground(HWND window);

}  // namespace e2e
