// What a user sees in another process's windows, read through messages that Wine carries across
// processes (the W messages: the A ones hand back UTF-16 bytes). Texts come back as UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Sends with a bound, so that a hung program fails the test instead of hanging it.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The visible top-level window whose caption begins with "Huesmith - ", or null.
HWND FindMainFrame(DWORD processId);

std::wstring WideTextOf(HWND window);
std::string TextOf(HWND window);
std::string ClassOf(HWND window);

int ComboCount(HWND combo);
int ComboSelection(HWND combo);
std::vector<std::string> ComboItems(HWND combo);
bool IsChecked(HWND button);
int TrackbarPos(HWND trackbar);

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
int Width(const RECT& r);
int Height(const RECT& r);
bool IsTopmost(HWND window);
bool IsVisible(HWND window);
// A pixel of a top-level window's client area: Wine answers for another process's top-level
// windows, not for their child windows.
COLORREF ClientPixel(HWND topLevel, POINT client);

}  // namespace e2e
