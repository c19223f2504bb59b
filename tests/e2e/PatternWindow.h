// A picture of the driver's own on the screen: every pixel's colour is a known function of its
// screen position, so that what another program shows of the screen can be checked pixel by pixel.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CHandle.h"

namespace e2e {

class PatternWindow {
public:
    // Shows the picture over the given screen rectangle without taking the foreground.
    explicit PatternWindow(const RECT& screenRect);
    // The window finds its object by address.
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    HWND Get() const { return m_window.Get(); }

    // The colour the picture has at a screen position: neighbours differ in red and green, and
    // no pixel is black or white, so a dotted black-and-white line never looks like the picture.
    static COLORREF ColourAt(POINT screen);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint() const;

    RECT m_rect;
    std::vector<DWORD> m_bits;  // the picture, top-down, 0x00RRGGBB
    CHandle<HWND, &::DestroyWindow> m_window;
};

// What the screen shows in a rectangle, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& screenRect);

}  // namespace e2e
