#include "eyedropper/CMagnifierDlg.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/ColorClipboardText.h"
#include "eyedropper/MagnifierMathWindow.h"
#include "eyedropper/MagnifierReadout.h"
#include "framework/AppText.h"
#include "framework/CDC.h"
#include "framework/Clipboard.h"
#include "framework/Dpi.h"
#include "res/resource.h"

namespace {

constexpr int kZoom = 7;
// The zoomed square's side, 22 pixels times 7: the window's width at 96 DPI, frame included, so
// that the frame hides the square's last columns and rows, as it always has.
constexpr int kPictureSidePx = kMagnifierSourcePx * kZoom;
constexpr UINT_PTR kFollowTimerId = 1;
constexpr UINT kFollowPeriodMs = 100;
// The readout is read out once the cursor has rested this long on a new colour; a screen reader
// would otherwise chatter through every pixel the mouse crosses.
constexpr UINT_PTR kAnnounceTimerId = 2;
constexpr UINT kAnnounceDelayMs = 500;
constexpr int kShiftStepPx = 10;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kReadoutControls[] = {IDC_STATIC_READOUT_TEXT, IDC_STATIC_READOUT_POSITION, IDC_STATIC_READOUT_STATUS};

// The cursor position of the last drawing, kept from one eyedropper run to the next: a drawing
// is skipped while the cursor stays where it was drawn last.
POINT s_ptLastDrawn{0, 0};

POINT CursorPos() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return cursor;
}

RECT RectOf(const MagnifierBounds& box) { return {box.x, box.y, box.x + box.width, box.y + box.height}; }

bool KeyHeld(int key) { return ::GetKeyState(key) < 0; }

}  // namespace

CMagnifierDlg::CMagnifierDlg(const CHuesmithDoc& doc, CWnd* pParent) : CDialog(IDD_MAGNIFIER, pParent), m_doc(doc) {}

bool CMagnifierDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nZoom = kZoom;
    m_strFamilyNames = LoadResString(IDS_READOUT_FAMILIES);
    m_strNoName = LoadResString(IDS_READOUT_NO_NAME);
    LayOut(WindowDpi(m_hWnd));
    // It starts at the top-left corner of the monitor the cursor is on, or at the bottom-left one
    // when the cursor is there: it never shows itself in its first picture.
    const POINT cursor = CursorPos();
    m_ptCursor = cursor;
    const MagnifierBounds monitor = MonitorBoundsAt(cursor);
    const MagnifierPoint top{monitor.x, monitor.y};
    const MagnifierPoint at = MagnifierMoveFor({cursor.x, cursor.y}, top, monitor, m_windowSize).value_or(top);
    SetWindowPos(HWND_TOPMOST, at.x, at.y, m_windowSize.width, m_windowSize.height, SWP_SHOWWINDOW);
    m_liveRegions.MakePolite(GetDlgItem(IDC_STATIC_READOUT_TEXT));
    m_liveRegions.MakePolite(GetDlgItem(IDC_STATIC_READOUT_STATUS));
    // Space picks and the arrows move, whatever the input method's state.
    TakeNoInputMethod(m_hWnd);
    // Captured for the whole run, so that a click anywhere on the screen reaches the magnifier,
    // and so does every move of the mouse.
    ::SetCapture(m_hWnd);
    ::SetTimer(m_hWnd, kFollowTimerId, kFollowPeriodMs, nullptr);
    ::SetFocus(m_hWnd);
    return false;  // the focus is set
}

// The keys belong to the magnifier itself: the dialog manager would hand the focus to the
// readout's first text, which ignores them.
void CMagnifierDlg::OnSetFocus(HWND) {}

void CMagnifierDlg::OnActivate(UINT state, HWND, bool) {
    if (state != WA_INACTIVE) ::SetFocus(m_hWnd);
}

// The readout's controls placed for the font at the DPI, and the window sized around the picture
// and the readout. The frame is what the window's style takes at this DPI.
void CMagnifierDlg::LayOut(int dpi) {
    m_nDpi = dpi;
    const RECT window = GetWindowRect();
    const RECT client = GetClientRect();
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    const auto font = reinterpret_cast<HFONT>(::SendDlgItemMessageW(m_hWnd, IDC_STATIC_READOUT_TEXT, WM_GETFONT, 0, 0));
    TEXTMETRICW metrics{};
    {
        const CClientDC dc(m_hWnd);
        dc.SelectObject(font);
        ::GetTextMetricsW(dc.GetSafeHdc(), &metrics);
    }
    m_layout = LayOutMagnifier(kPictureSidePx - frameWidth, dpi, metrics.tmHeight);
    const MagnifierBounds places[] = {m_layout.text, m_layout.position, m_layout.status};
    for (std::size_t i = 0; i < std::size(kReadoutControls); ++i) {
        ::SetWindowPos(GetDlgItem(kReadoutControls[i]), nullptr, places[i].x, places[i].y, places[i].width,
                       places[i].height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_windowSize = {m_layout.client.width + frameWidth, m_layout.client.height + frameHeight};
}

void CMagnifierDlg::OnTimer(UINT_PTR id) {
    if (id == kAnnounceTimerId) {
        ::KillTimer(m_hWnd, kAnnounceTimerId);
        if (m_bSampled && m_announcedColor != m_color) {
            m_announcedColor = m_color;
            CLiveRegions::Announce(GetDlgItem(IDC_STATIC_READOUT_TEXT));
        }
        return;
    }
    ::SetCapture(m_hWnd);  // wins the capture back if anything else took it
    FollowCursor(CursorPos());
}

// Each move is drawn at once, before the next input is read: the picture is never more than the
// move being handled behind, and a fast mouse queues nothing (the system keeps one pending move).
// Drawn where the move put the cursor: asked at this moment, Wine may still answer with the
// pointer's place before the move and put the cursor back there.
void CMagnifierDlg::OnMouseMove(UINT, POINT point) {
    ::ClientToScreen(m_hWnd, &point);
    RedrawNow(point);
}

// Out of the cursor's way, and the picture and the swatch marked for drawing at the cursor.
void CMagnifierDlg::FollowCursor(POINT cursor) {
    m_ptCursor = cursor;
    const RECT window = GetWindowRect();
    const MagnifierPoint at{window.left, window.top};
    if (const auto move = MagnifierMoveFor({cursor.x, cursor.y}, at, MonitorBoundsAt(cursor), m_windowSize)) {
        SetWindowPos(nullptr, move->x, move->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // It may have been in its own picture; the screen may show the move only a frame later, so
        // the timer's next drawing is made too.
        m_nPictureRedraws = m_bSampled ? 2 : 0;
    }
    const RECT picture = RectOf(m_layout.picture);
    const RECT swatch = RectOf(m_layout.swatch);
    ::InvalidateRect(m_hWnd, &picture, FALSE);
    ::InvalidateRect(m_hWnd, &swatch, FALSE);
}

void CMagnifierDlg::RedrawNow(POINT cursor) {
    FollowCursor(cursor);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMagnifierDlg::OnPaint() {
    // Begun (and so validated) even when nothing is drawn: otherwise each tick's invalidation
    // would bring the paint straight back.
    const CPaintDC dc(m_hWnd);
    const POINT cursor = m_ptCursor;
    if (cursor.x != s_ptLastDrawn.x || cursor.y != s_ptLastDrawn.y || m_nPictureRedraws > 0) {
        s_ptLastDrawn = cursor;
        m_nPictureRedraws = std::max(m_nPictureRedraws - 1, 0);
        m_color = DrawMagnified(dc, cursor);
        m_bSampled = true;
        ShowReadout(cursor);
    }
    if (m_bSampled) DrawSwatch(dc);
}

// Draws the picture and returns the colour of its sampled pixel, the cursor's.
COLORREF CMagnifierDlg::DrawMagnified(const CPaintDC& dc, POINT cursor) const {
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
    const MagnifierPoint sample = MagnifierSamplePoint(m_nZoom);
    const COLORREF sampled = ::GetPixel(mem, sample.x, sample.y);
    // Dotted lines drawn opaque: black dots on white gaps show against any colour.
    memory.SelectObject(dotted.GetSafeHandle());
    ::SetBkMode(mem, OPAQUE);
    ::SetBkColor(mem, kWhite);
    for (const MagnifierLine& line : CrossHairLines(m_nZoom)) {
        ::MoveToEx(mem, line.from.x, line.from.y, nullptr);
        ::LineTo(mem, line.to.x, line.to.y);
    }
    // Only the square the frame leaves: the rest of the window is the readout's.
    const MagnifierBounds& shown = m_layout.picture;
    dc.BitBlt(shown.x, shown.y, shown.width, shown.height, memory, 0, 0, SRCCOPY);
    return sampled;
}

// The pixel's colour inside a frame in the text colour, which stands out from the readout's
// background in any theme, high contrast too.
void CMagnifierDlg::DrawSwatch(const CPaintDC& dc) const {
    const RECT swatch = RectOf(m_layout.swatch);
    ::FrameRect(dc.GetSafeHdc(), &swatch, ::GetSysColorBrush(COLOR_BTNTEXT));
    RECT inside = swatch;
    ::InflateRect(&inside, -1, -1);
    dc.FillSolidRect(inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top, m_color);
}

// The texts change only with the colour (the nearest search is the costly part); the position with
// every move. Any move starts the wait before the readout is read out anew.
void CMagnifierDlg::ShowReadout(POINT cursor) {
    SetDlgItemTextA(IDC_STATIC_READOUT_POSITION,
                    FormatResString(IDS_READOUT_POSITION, {std::to_string(cursor.x), std::to_string(cursor.y)}));
    if (m_shownColor != m_color) {
        m_shownColor = m_color;
        SetDlgItemTextA(IDC_STATIC_READOUT_TEXT, MagnifierReadoutText(m_doc, m_color, m_strFamilyNames, m_strNoName));
    }
    ::SetTimer(m_hWnd, kAnnounceTimerId, kAnnounceDelayMs, nullptr);
}

// Sized in screen pixels, one block for each screen pixel, on a monitor of any DPI: the dialog
// manager's rescaling for a new DPI (per-monitor v2) would only leave part of the window unpainted.
// The readout follows the new DPI once the change has been handled (OnRescaled).
void CMagnifierDlg::OnDpiChanged(UINT, const RECT&) {}

void CMagnifierDlg::OnRescaled(UINT dpi) {
    LOGFONTW logFont{};
    const auto current = reinterpret_cast<HFONT>(::SendDlgItemMessageW(m_hWnd, IDC_STATIC_READOUT_TEXT, WM_GETFONT, 0, 0));
    if (current == nullptr || ::GetObjectW(current, sizeof(logFont), &logFont) == 0 || m_nDpi == 0) return;
    logFont.lfHeight = ::MulDiv(logFont.lfHeight, static_cast<int>(dpi), m_nDpi);
    CFont font;
    if (!font.CreateFontIndirect(logFont)) return;
    for (const int id : kReadoutControls) {
        ::SendDlgItemMessageW(m_hWnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    }
    m_font = std::move(font);  // the old font goes only now that no control uses it
    LayOut(static_cast<int>(dpi));
    SetWindowPos(nullptr, 0, 0, m_windowSize.width, m_windowSize.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_nPictureRedraws = m_bSampled ? 1 : 0;
    Invalidate(true);
}

// The colour the last drawing sampled, or, before this run's first drawing, the pixel under the
// cursor now (not a colour left from nothing).
COLORREF CMagnifierDlg::ColorUnderCursor() {
    if (m_bSampled) return m_color;
    const POINT cursor = CursorPos();
    const CClientDC screen(nullptr);
    return screen.GetPixel(cursor.x, cursor.y);
}

void CMagnifierDlg::OnOK() {
    m_color = ColorUnderCursor();
    CDialog::OnOK();
}

// The run goes on after a copy, so that several colours can be sampled in one; the readout says
// whether the copy was made, and a screen reader reads that out at once.
void CMagnifierDlg::CopyCode() {
    RedrawNow(CursorPos());  // a cursor just moved by a key is drawn (and sampled) first
    const std::string code = FormatClipboardCode(m_doc.m_strCopyPrefix, m_doc.m_bLowerCase != 0, ColorUnderCursor());
    SetDlgItemTextA(IDC_STATIC_READOUT_STATUS, WriteClipboardText(m_hWnd, code)
                                                   ? FormatResString(IDS_READOUT_COPIED, {code})
                                                   : LoadResString(IDS_READOUT_NOT_COPIED));
    CLiveRegions::Announce(GetDlgItem(IDC_STATIC_READOUT_STATUS));
}

void CMagnifierDlg::OnLButtonDown(UINT, POINT) { OnOK(); }

void CMagnifierDlg::OnRButtonDown(UINT, POINT) { OnCancel(); }

void CMagnifierDlg::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    const POINT cursor = CursorPos();
    const int step = KeyHeld(VK_SHIFT) ? kShiftStepPx : 1;
    const auto moveBy = [&](ArrowKey arrow) {
        const MagnifierPoint to = ArrowKeyCursor(arrow, {cursor.x, cursor.y}, VirtualScreenBounds(), step);
        ::SetCursorPos(to.x, to.y);
        RedrawNow({to.x, to.y});
    };
    switch (key) {
    case VK_LEFT: moveBy(ArrowKey::Left); break;
    case VK_UP: moveBy(ArrowKey::Up); break;
    case VK_RIGHT: moveBy(ArrowKey::Right); break;
    case VK_DOWN: moveBy(ArrowKey::Down); break;
    case VK_ESCAPE: OnCancel(); break;
    case VK_SPACE:
    case VK_RETURN: OnOK(); break;
    case 'C':
        if (KeyHeld(VK_CONTROL)) CopyCode();
        break;
    default: break;
    }
    CDialog::OnKeyDown(key, repeat, flags);
}

// Every key comes here instead of to the dialog manager's navigation: Tab does nothing, Enter
// picks, and the arrows move the cursor.
UINT CMagnifierDlg::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CMagnifierDlg::OnDestroy() {
    m_liveRegions.Clear();
    CDialog::OnDestroy();
    ::KillTimer(m_hWnd, kFollowTimerId);
    ::KillTimer(m_hWnd, kAnnounceTimerId);
    ::ReleaseCapture();
}
