// The eyedropper: a cover over every monitor that runs the magnifier and hands its pick on.
#pragma once

#include "framework/CDialog.h"
#include "framework/CGdiObject.h"

class CEyedropperDlg : public CDialog {
public:
    explicit CEyedropperDlg(CWnd* pParent = nullptr);

    COLORREF m_color = 0;  // the picked colour; set only when the run ends with IDOK

protected:
    bool OnInitDialog() override;
    bool OnEraseBkgnd(HDC dc) override;
    void OnPaint() override;
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;

private:
    CBitmap m_bmpScreen;  // the screen as it was just before the cover came up
};
