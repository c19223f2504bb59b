// The eyedropper: a cover over every monitor that runs the magnifier and hands its pick on.
#pragma once

#include "framework/CDialog.h"
#include "framework/CGdiObject.h"

#include <vector>

class CHuesmithDoc;

class CEyedropperDlg : public CDialog {
public:
    // The magnifier's readout names pixels from the document's catalogue.
    explicit CEyedropperDlg(const CHuesmithDoc& doc, CWnd* pParent = nullptr);

    COLORREF m_color = 0;  // the picked colour; set only when the run ends with IDOK

protected:
    bool OnInitDialog() override;
    bool OnEraseBkgnd(HDC dc) override;
    void OnPaint() override;
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;

private:
    // Each monitor as it was just before the cover came up; false when memory ran out.
    bool TakeSnapshots();

    struct CMonitorSnapshot {
        RECT area;  // in the cover's client coordinates
        CBitmap bitmap;
    };
    const CHuesmithDoc& m_doc;
    std::vector<CMonitorSnapshot> m_snapshots;
};
