// A dialog's controls laid out again from its template at a new scale, as the dialog manager lays
// them out when it creates the dialog. Windows rescales a top-level dialog itself, but a child
// dialog (the form view) late or not at all.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CGdiObject.h"
#include "framework/DialogTemplate.h"

class CDialogLayout {
public:
    // Reads the template and pairs its controls with the dialog's children, which the dialog
    // manager made in template order; false (and no layout later) when they do not pair up.
    bool Capture(HWND dialog, UINT templateId);
    // Every control placed from the template with the template's font at the DPI; the dialog's
    // client size in pixels, or {0, 0} when nothing was laid out.
    SIZE Apply(HWND dialog, int dpi);
    // The client size the dialog will have once laid out at the DPI, or {0, 0}.
    SIZE SizeAt(HWND dialog, int dpi) const;

private:
    bool CreateFontAt(int dpi, CFont& font) const;

    DialogTemplateLayout m_template;
    std::vector<HWND> m_controls;
    CFont m_font;  // the controls' font since the last layout
};
