// A window of the driver's own on the screen whose every pixel is a known function of its screen
// position, so that what the program shows of the screen can be checked pixel by pixel.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CHandle.h"

namespace e2e {

class PatternWindow {
public:
    // Shown over the screen rectangle; with `takeForeground` it also becomes the active window.
    explicit PatternWindow(const RECT& screenRect, bool takeForeground = false);
    PatternWindow(const PatternWindow&) = delete;  // the window finds its object by address
    PatternWindow& operator=(const PatternWindow&) = delete;

    HWND Get() const { return m_window.Get(); }
    // Neighbours differ in red and green, and no pixel is black or white, so a dotted
    // black-and-white line never looks like the picture.
    static COLORREF ColourAt(POINT screen);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    RECT m_rect;
    std::vector<DWORD> m_bits;  // the picture, top-down, 0x00RRGGBB
    CHandle<HWND, &::DestroyWindow> m_window;
};

}  // namespace e2e
