// Live regions: text controls whose changes a screen reader reads out when told, without the
// focus moving to them.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <vector>

#include "framework/CHandle.h"

class CLiveRegions {
public:
    CLiveRegions();
    CLiveRegions(const CLiveRegions&) = delete;
    CLiveRegions& operator=(const CLiveRegions&) = delete;
    // Takes the marks off again; call it before the controls go (or let it happen here).
    ~CLiveRegions();

    // Marks the control polite: read when the reader is done with what it is saying.
    void MakePolite(HWND control);
    // Tells screen readers that the control's text is worth reading now.
    static void Announce(HWND control);
    void Clear();

private:
    static void Release(IAccPropServices* services) { services->Release(); }

    bool m_bComInitialised = false;  // first: the services go before COM does
    CHandle<IAccPropServices*, &CLiveRegions::Release> m_services;
    std::vector<HWND> m_marked;
};
