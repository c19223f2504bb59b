// A plain top-level window of the driver's own, to hold the foreground while a test checks that
// the program takes it.
#pragma once

#include <windows.h>

#include "framework/CHandle.h"

namespace e2e {

class DriverWindow {
public:
    DriverWindow();
    HWND Get() const { return m_window.Get(); }

private:
    CHandle<HWND, &::DestroyWindow> m_window;
};

}  // namespace e2e
