// The frame's status bar: one stretching pane for the idle text and the command prompts.
#pragma once

#include <string>

#include "framework/CGdiObject.h"
#include "framework/CWnd.h"

class CStatusBar : public CWnd {
public:
    bool Create(CWnd& parent, DWORD style, UINT id);
    // Only a single ID_SEPARATOR pane is supported: the bar shows one stretching text.
    bool SetIndicators(const UINT* ids, int count);
    void SetPaneText(const std::string& text);
    int GetHeight() const;
    // The user's status font at the scale; the bar takes its height from it.
    void SetFontForDpi(int dpi);

private:
    CFont m_font;
};
