// The desktop as the driver meets it: texts converted between the test sources (UTF-8), the W API
// and the program's own code page 932; bounded waiting; other processes' windows read through the
// W messages (Wine hands the A ones back as UTF-16 bytes); input through the system's queue; the
// clipboard and the screen.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// Long enough for a slow Wine start, short enough that a stuck test fails before CTest's timeout.
inline constexpr std::chrono::milliseconds kTimeout{15000};

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
std::string Cp932(std::string_view utf8);
std::string Utf8FromCp932(std::string_view cp932);

// Polls until done() holds or the time is up, keeping the driver's own windows responsive (the
// program may send them messages meanwhile); returns done()'s last answer. A signalled `wake`
// object ends a pause early.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout = kTimeout, HANDLE wake = nullptr);
inline bool WaitForObject(HANDLE object, std::chrono::milliseconds timeout) {
    return WaitFor([object] { return ::WaitForSingleObject(object, 0) == WAIT_OBJECT_0; }, timeout, object);
}

// Sends with a bound, so that a hung program fails the test instead of hanging it.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::vector<HWND> VisibleWindowsOf(DWORD processId);
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
std::vector<std::string> ComboItems(HWND combo);
bool IsChecked(HWND button);
inline std::string DlgText(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }
inline bool DlgTicked(HWND dialog, int id) { return IsChecked(::GetDlgItem(dialog, id)); }
inline bool DlgEnabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool IsTopmost(HWND window);
RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
constexpr int Width(const RECT& r) { return r.right - r.left; }
constexpr int Height(const RECT& r) { return r.bottom - r.top; }
constexpr POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
// What a rectangle of a window's client area shows, row by row, as the window last painted it;
// with no window, what the screen shows there.
std::vector<COLORREF> Pixels(HWND window, RECT clientRect);

void PressKey(WORD virtualKey);
// Holds the modifier while pressing the key: PressChord(VK_CONTROL, 'B') is Ctrl+B.
void PressChord(WORD modifier, WORD virtualKey);
// Digits and upper-case letters (typed without shift), one key each.
void TypeKeys(std::string_view keys);
// Moves the pointer there, pressing or releasing the buttons in the flags (MOUSEEVENTF_LEFTDOWN
// ...), and returns at once.
void MouseAt(POINT screen, DWORD buttonFlags = 0);
// Waits until the cursor is there: hovering, and reading what lies under the cursor, want it.
void MoveMouse(POINT screen);
// The mouse is brought there first; the modifier (if any) is held during the click.
void Click(POINT screen, WORD modifier = 0);
// Pressed at `from`, moved in steps, released at `to`; returns the window that took the mouse
// capture on the press, or null.
HWND Drag(POINT from, POINT to);
bool MakeForeground(HWND window);
// Posts the button's BN_CLICKED to the dialog, as a click would, and returns at once.
void PressButton(HWND dialog, int id);

// The clipboard's text (Unicode) as UTF-8; none when it holds no text.
std::optional<std::string> ClipboardText();
// Puts a UTF-8 text on the clipboard as Unicode, as another program would.
void SetClipboardText(std::string_view utf8);

}  // namespace e2e
