// The magnifier: a small topmost window in a corner of the cursor's monitor that shows the pixels
// around the mouse cursor enlarged and, below them, what the pixel under the cursor is (its code,
// nearest name, family and position); it follows the cursor and ends with a pick or a cancel.
#pragma once

#include <optional>
#include <string>

#include "eyedropper/MagnifierMath.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/LiveRegion.h"

class CHuesmithDoc;
class CPaintDC;

class CMagnifierDlg : public CDialog {
public:
    // The readout names the pixel from the document's catalogue and writes its code with the
    // document's copy options.
    explicit CMagnifierDlg(const CHuesmithDoc& doc, CWnd* pParent = nullptr);

    int m_nZoom = 0;       // set when the window starts
    COLORREF m_color = 0;  // the colour under the cursor as last sampled

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnRButtonDown(UINT flags, POINT point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(HWND oldFocus) override;
    void OnActivate(UINT state, HWND other, bool minimized) override;
    UINT OnGetDlgCode() override;
    void OnDestroy() override;
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;
    void OnRescaled(UINT dpi) override;

private:
    void LayOut(int dpi);
    void FollowCursor(POINT cursor);
    void RedrawNow(POINT cursor);
    COLORREF DrawMagnified(const CPaintDC& dc, POINT cursor) const;
    void DrawSwatch(const CPaintDC& dc) const;
    void ShowReadout(POINT cursor);
    COLORREF ColorUnderCursor();
    void CopyCode();

    const CHuesmithDoc& m_doc;
    std::string m_strFamilyNames;
    std::string m_strNoName;
    bool m_bSampled = false;  // whether this run has drawn (and so sampled) yet
    int m_nPictureRedraws = 0;  // moved or rescaled: drawings to make wherever the cursor is
    POINT m_ptCursor{};  // where the next drawing shows the cursor
    int m_nDpi = 0;
    MagnifierLayout m_layout;
    MagnifierSize m_windowSize;
    CFont m_font;  // the readout's font once the DPI changed; until then the dialog's own
    std::optional<COLORREF> m_shownColor;      // the colour the readout's text describes
    std::optional<COLORREF> m_announcedColor;  // the colour last read out to a screen reader
    CLiveRegions m_liveRegions;
};
