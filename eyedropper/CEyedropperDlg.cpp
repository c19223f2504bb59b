#include "eyedropper/CEyedropperDlg.h"

#include "eyedropper/CMagnifierDlg.h"
#include "eyedropper/MagnifierMathWindow.h"
#include "framework/AppText.h"
#include "framework/CDC.h"
#include "framework/CHandle.h"
#include "res/resource.h"

namespace {
BOOL CALLBACK UpdateNow(HWND window, LPARAM) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return TRUE;
}

// A window just hidden (a tooltip put away) uncovers ours; without desktop composition (Wine on
// X) the uncovered part is announced by an event that comes a moment later. The paints it brings
// are made for a short while, and only they: nothing else runs meanwhile.
void PaintWhatWasUncovered() {
    constexpr int kRounds = 5;
    constexpr DWORD kRoundMs = 10;
    for (int round = 0; round < kRounds; ++round) {
        MSG msg{};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT) != FALSE) ::DispatchMessageW(&msg);
        ::Sleep(kRoundMs);
    }
}

// Desktop composition shows our paints only at its next frame; a copy made before would still
// show what they replaced (a tooltip just put away). Loaded from the system folder alone: the
// library is no known DLL, and the program's folder may hold a planted one.
void WaitForComposition() {
    const CHandle<HMODULE, &::FreeLibrary> dwm(::LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!dwm) return;
    using FlushFn = HRESULT(WINAPI*)();
    if (const auto flush = reinterpret_cast<FlushFn>(reinterpret_cast<void*>(::GetProcAddress(dwm.Get(), "DwmFlush")))) {
        flush();
    }
}
}  // namespace

CEyedropperDlg::CEyedropperDlg(const CHuesmithDoc& doc, CWnd* pParent) : CDialog(IDD_EYEDROPPER, pParent), m_doc(doc) {}

bool CEyedropperDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Over every monitor; the cover's client area starts at the virtual screen's origin.
    const MagnifierBounds screen = VirtualScreenBounds();
    // A window that never paints is not see-through: desktop composition (and Wine) shows it black,
    // and the magnifier would read that black back from the screen. The cover therefore shows the
    // screen as it was, so the user sees and the magnifier reads the very pixels that were there.
    if (!TakeSnapshots()) {
        AfxMessageBox(IDS_EYEDROPPER_NO_MEMORY);
        OnCancel();
        return true;
    }
    SetWindowPos(HWND_TOPMOST, screen.x, screen.y, screen.width, screen.height, SWP_SHOWWINDOW);

    // The magnifier runs inside this initialisation; the cover ends with its result.
    CMagnifierDlg magnifier(m_doc);
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
    const CMemoryDC memory = dc.CreateCompatibleDC();
    for (const CMonitorSnapshot& snapshot : m_snapshots) {
        RECT area{};
        if (::IntersectRect(&area, &snapshot.area, &dc.m_ps.rcPaint) == FALSE) continue;
        memory.SelectObject(snapshot.bitmap.GetSafeHandle());
        dc.BitBlt(area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
                  area.left - snapshot.area.left, area.top - snapshot.area.top, SRCCOPY);
    }
}

// One copy for each monitor, not one for the box around them all, which takes in the room
// between monitors of different sizes. Our own windows first finish the paints still pending (the
// part a closed menu or tooltip uncovered, the status bar's idle text), or the copy would keep
// them stale.
bool CEyedropperDlg::TakeSnapshots() {
    PaintWhatWasUncovered();
    ::EnumThreadWindows(::GetCurrentThreadId(), &UpdateNow, 0);
    WaitForComposition();
    const MagnifierBounds screen = VirtualScreenBounds();
    // Before the DC, which gives each bitmap back before the bitmaps go, also on a failure.
    std::vector<CMonitorSnapshot> snapshots;
    const CClientDC display(nullptr);
    const CMemoryDC memory = display.CreateCompatibleDC();
    for (const MagnifierBounds& monitor : AllMonitorBounds()) {
        CMonitorSnapshot& snapshot = snapshots.emplace_back(CMonitorSnapshot{
            {monitor.x - screen.x, monitor.y - screen.y, monitor.x - screen.x + monitor.width,
             monitor.y - screen.y + monitor.height},
            CBitmap()});
        if (!snapshot.bitmap.CreateCompatibleBitmap(display.GetSafeHdc(), monitor.width, monitor.height)) return false;
        memory.SelectObject(snapshot.bitmap.GetSafeHandle());
        // CAPTUREBLT takes layered windows along, which a plain copy leaves out.
        if (!memory.BitBlt(0, 0, monitor.width, monitor.height, display, monitor.x, monitor.y, SRCCOPY | CAPTUREBLT)) {
            return false;
        }
    }
    if (snapshots.empty()) return false;
    m_snapshots = std::move(snapshots);
    return true;
}
