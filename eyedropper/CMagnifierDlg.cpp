#include "eyedropper/CMagnifierDlg.h"

#include "eyedropper/MagnifierMathWindow.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "res/resource.h"

namespace {

constexpr int kZoom = 7;
// The window's outer size, border included: exactly the picture's, 22 pixels times 7.
constexpr int kWindowSidePx = kMagnifierSourcePx * kZoom;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriodMs = 100;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The cursor position of the last drawing, kept from one eyedropper run to the next: a drawing
// is skipped while the cursor stays where it was drawn last.
POINT s_ptLastDrawn{0, 0};

POINT CursorPos() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return cursor;
}

}  // namespace

CMagnifierDlg::CMagnifierDlg(CWnd* pParent) : CDialog(IDD_MAGNIFIER, pParent) {}

bool CMagnifierDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nZoom = kZoom;
    // It starts at the top-left corner of the monitor the cursor is on.
    const MagnifierBounds monitor = MonitorBoundsAt(CursorPos());
    SetWindowPos(HWND_TOPMOST, monitor.x, monitor.y, kWindowSidePx, kWindowSidePx, SWP_SHOWWINDOW);
    // Space picks and the arrows move, whatever the input method's state.
    TakeNoInputMethod(m_hWnd);
    // Captured for the whole run, so that a click anywhere on the screen reaches the magnifier.
    ::SetCapture(m_hWnd);
    ::SetTimer(m_hWnd, kTimerId, kTimerPeriodMs, nullptr);
    return true;
}

void CMagnifierDlg::OnTimer(UINT_PTR) {
    ::SetCapture(m_hWnd);  // wins the capture back if anything else took it
    const POINT cursor = CursorPos();
    const int side = kMagnifierSourcePx * m_nZoom;
    const RECT window = GetWindowRect();
    const MagnifierPoint at{window.left, window.top};
    if (const auto move = MagnifierMoveFor({cursor.x, cursor.y}, at, MonitorBoundsAt(cursor), side)) {
        SetWindowPos(nullptr, move->x, move->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    Invalidate(false);
}

void CMagnifierDlg::OnPaint() {
    // Begun (and so validated) even when nothing is drawn: otherwise each tick's invalidation
    // would bring the paint straight back.
    const CPaintDC dc(m_hWnd);
    const POINT cursor = CursorPos();
    if (cursor.x == s_ptLastDrawn.x && cursor.y == s_ptLastDrawn.y) return;
    s_ptLastDrawn = cursor;
    DrawMagnified(dc, cursor);
    const MagnifierPoint sample = MagnifierSamplePoint(m_nZoom);
    m_color = dc.GetPixel(sample.x, sample.y);
    m_bSampled = true;
}

void CMagnifierDlg::DrawMagnified(const CPaintDC& dc, POINT cursor) const {
    const int side = kMagnifierSourcePx * m_nZoom;
    const MagnifierStretch stretch = ClipMagnifierSource({cursor.x, cursor.y}, VirtualScreenBounds(), m_nZoom);

    // Built off-screen and copied in one blit, so the picture does not flicker.
    CBitmap picture;
    CPen dotted;
    picture.CreateCompatibleBitmap(dc.GetSafeHdc(), side, side);
    dotted.CreatePen(PS_DOT, 1, kBlack);
    const CMemoryDC memory = dc.CreateCompatibleDC();
    const HDC mem = memory.GetSafeHdc();
    memory.SelectObject(picture.GetSafeHandle());
    memory.FillSolidRect(0, 0, side, side, kBlack);  // what the screen does not cover stays black
    {
        // The pointer is never in a read of the screen (desktop composition draws it apart), so
        // it stays shown: hiding it for each read made it flicker.
        const CClientDC screen(nullptr);
        // Exactly the source's zoomed size: every screen pixel becomes a whole 7 x 7 block. One
        // pixel more would leave the rounding to the platform, and Wine then widens one block to 8,
        // shifting every block right of (or below) it.
        ::StretchBlt(mem, stretch.dstX, stretch.dstY, stretch.dstW, stretch.dstH, screen.GetSafeHdc(), stretch.srcX,
                     stretch.srcY, stretch.srcW, stretch.srcH, SRCCOPY);
    }
    // Dotted lines drawn opaque: black dots on white gaps show against any colour.
    memory.SelectObject(dotted.GetSafeHandle());
    ::SetBkMode(mem, OPAQUE);
    ::SetBkColor(mem, kWhite);
    for (const MagnifierLine& line : CrossHairLines(m_nZoom)) {
        ::MoveToEx(mem, line.from.x, line.from.y, nullptr);
        ::LineTo(mem, line.to.x, line.to.y);
    }
    dc.BitBlt(0, 0, side, side, memory, 0, 0, SRCCOPY);
}

// Sized in screen pixels, one block for each screen pixel, on a monitor of any DPI: the dialog
// manager's rescaling for a new DPI (per-monitor v2) would only leave part of the window unpainted.
void CMagnifierDlg::OnDpiChanged(UINT, const RECT&) {}

void CMagnifierDlg::OnOK() {
    // A pick before the run's first drawing takes the pixel under the cursor now, not a colour
    // left from nothing.
    if (!m_bSampled) {
        const POINT cursor = CursorPos();
        const CClientDC screen(nullptr);
        m_color = screen.GetPixel(cursor.x, cursor.y);
    }
    CDialog::OnOK();
}

void CMagnifierDlg::OnLButtonDown(UINT, POINT) { OnOK(); }

void CMagnifierDlg::OnRButtonDown(UINT, POINT) { OnCancel(); }

void CMagnifierDlg::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    const POINT cursor = CursorPos();
    const auto moveBy = [&](ArrowKey arrow) {
        const MagnifierPoint to = ArrowKeyCursor(arrow, {cursor.x, cursor.y}, VirtualScreenBounds());
        ::SetCursorPos(to.x, to.y);
    };
    switch (key) {
    case VK_LEFT: moveBy(ArrowKey::Left); break;
    case VK_UP: moveBy(ArrowKey::Up); break;
    case VK_RIGHT: moveBy(ArrowKey::Right); break;
    case VK_DOWN: moveBy(ArrowKey::Down); break;
    case VK_ESCAPE: OnCancel(); break;
    case VK_SPACE: OnOK(); break;
    default: break;
    }
    CDialog::OnKeyDown(key, repeat, flags);
}

// Every key comes here instead of to the dialog manager's navigation: Enter and Tab do nothing,
// and the arrows move the cursor.
UINT CMagnifierDlg::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CMagnifierDlg::OnDestroy() {
    CDialog::OnDestroy();
    ::KillTimer(m_hWnd, kTimerId);
    ::ReleaseCapture();
}
