// Tooltips for controls, fed by relaying the mouse messages of the owner's message loop.
#pragma once

#include <string>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override;
    bool Create(CWnd& owner, DWORD style = 0);
    void Activate(bool active) const;
    // Hides the tip shown now, if any.
    void Pop() const;
    // A tool identified by the control's window, with its text.
    bool AddTool(HWND control, const std::string& text) const;
    // A tool for a rectangle of a window's client area, identified by the window and the id.
    bool AddTool(HWND window, const std::string& text, const RECT& rect, UINT_PTR id) const;
    void UpdateTipText(const std::string& text, HWND window, UINT_PTR id) const;
    // A rectangle tool's new place in its window.
    void SetToolRect(HWND window, UINT_PTR id, const RECT& rect) const;
    void RelayEvent(MSG& msg) const;

private:
    HWND m_hWndOwner = nullptr;
};
