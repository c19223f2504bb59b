#include "eyedropper/CEyedropperDlg.h"

#include "eyedropper/CMagnifierDlg.h"
#include "eyedropper/MagnifierMathWindow.h"
#include "framework/CDC.h"
#include "res/resource.h"

namespace {
BOOL CALLBACK UpdateNow(HWND window, LPARAM) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return TRUE;
}
}  // namespace

CEyedropperDlg::CEyedropperDlg(CWnd* pParent) : CDialog(IDD_EYEDROPPER, pParent) {}

bool CEyedropperDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Over every monitor; the cover's client area and its copy of the screen both start at the
    // virtual screen's origin.
    const MagnifierBounds screen = VirtualScreenBounds();
    // A window that never paints is not see-through: desktop composition (and Wine) shows it black,
    // and the magnifier would read that black back from the screen. The cover therefore shows the
    // screen as it was, so the user sees and the magnifier reads the very pixels that were there.
    // Our own windows first finish the paints still pending (the part a closed menu uncovered, the
    // status bar's idle text), or the copy would keep them stale.
    ::EnumThreadWindows(::GetCurrentThreadId(), &UpdateNow, 0);
    {
        const CClientDC display(nullptr);
        const CMemoryDC memory = display.CreateCompatibleDC();
        if (m_bmpScreen.CreateCompatibleBitmap(display.GetSafeHdc(), screen.width, screen.height)) {
            memory.SelectObject(m_bmpScreen.GetSafeHandle());
            // CAPTUREBLT takes layered windows along, which a plain copy leaves out.
            memory.BitBlt(0, 0, screen.width, screen.height, display, screen.x, screen.y, SRCCOPY | CAPTUREBLT);
        }
    }
    SetWindowPos(HWND_TOPMOST, screen.x, screen.y, screen.width, screen.height, SWP_SHOWWINDOW);

    // The magnifier runs inside this initialisation; the cover ends with its result.
    CMagnifierDlg magnifier;
    if (magnifier.DoModal() == IDOK) {
        m_color = magnifier.m_color;
        OnOK();
    } else {
        OnCancel();
    }
    return true;
}

// Sized in screen pixels, over monitors of any DPI: the dialog manager's rescaling for a new DPI
// (per-monitor v2) would leave part of the screen uncovered or the copy out of place.
void CEyedropperDlg::OnDpiChanged(UINT, const RECT&) {}

// The paint below covers everything; erasing first would only flash.
bool CEyedropperDlg::OnEraseBkgnd(HDC) { return true; }

void CEyedropperDlg::OnPaint() {
    const CPaintDC dc(m_hWnd);
    if (!m_bmpScreen) return;
    const RECT& area = dc.m_ps.rcPaint;
    const CMemoryDC memory = dc.CreateCompatibleDC();
    memory.SelectObject(m_bmpScreen.GetSafeHandle());
    dc.BitBlt(area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left, area.top,
              SRCCOPY);
}
