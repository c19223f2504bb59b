// The magnifier: a small topmost square in a corner of the cursor's monitor that shows the pixels
// around the mouse cursor enlarged, follows the cursor, and ends with a pick or a cancel.
#pragma once

#include "framework/CDialog.h"

class CPaintDC;

class CMagnifierDlg : public CDialog {
public:
    explicit CMagnifierDlg(CWnd* pParent = nullptr);

    int m_nZoom = 0;       // set when the window starts
    COLORREF m_color = 0;  // the colour under the cursor as last sampled

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnRButtonDown(UINT flags, POINT point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    UINT OnGetDlgCode() override;
    void OnDestroy() override;
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;

private:
    void DrawMagnified(const CPaintDC& dc, POINT cursor) const;

    bool m_bSampled = false;  // whether this run has drawn (and so sampled) yet
};
