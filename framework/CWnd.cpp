#include "framework/CWnd.h"

#include <commctrl.h>
#include <imm.h>

#include <exception>
#include <new>
#include <utility>
#include <vector>

#include "framework/AppText.h"
#include "framework/CCmdUI.h"
#include "framework/CDataExchange.h"
#include "framework/HalfWidth.h"
#include "framework/WideText.h"

namespace {
// Posted by a dialog to itself after a change of DPI, so that it can follow the rescale.
UINT RescaledMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Huesmith.Rescaled");
    return message;
}
// The window property that carries a window's object.
constexpr const wchar_t* kObjectProperty = L"HuesmithCWnd";
// Our one subclass per control; the object travels as the subclass's reference data.
constexpr UINT_PTR kSubclassId = 1;
// Room for any field the dialogs limit.
constexpr int kShortTextChars = 256;

// Wine answers GetProp through its server, tens of microseconds a call: far too slow for every
// message (a list view filled with 100,000 rows notifies its dialog 100,000 times). Our own window
// and dialog procedures therefore also keep the object in the window's own long, read locally.
int ObjectSlot(bool isDialog) { return isDialog ? DWLP_USER : GWLP_USERDATA; }

void KeepObject(HWND hWnd, bool isDialog, CWnd* wnd) {
    ::SetWindowLongPtrW(hWnd, ObjectSlot(isDialog), reinterpret_cast<LONG_PTR>(wnd));
}

CWnd* KeptObject(HWND hWnd, bool isDialog) {
    return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hWnd, ObjectSlot(isDialog)));
}

// Saves the message being handled so that Default() of a nested message does not clobber it.
class CCurrentMessage {
public:
    CCurrentMessage(UINT& msg, WPARAM& wParam, LPARAM& lParam, UINT newMsg, WPARAM newW, LPARAM newL)
        : m_msg(msg), m_w(wParam), m_l(lParam), m_oldMsg(msg), m_oldW(wParam), m_oldL(lParam) {
        msg = newMsg;
        wParam = newW;
        lParam = newL;
    }
    CCurrentMessage(const CCurrentMessage&) = delete;
    CCurrentMessage& operator=(const CCurrentMessage&) = delete;
    ~CCurrentMessage() {
        m_msg = m_oldMsg;
        m_w = m_oldW;
        m_l = m_oldL;
    }

private:
    UINT& m_msg;
    WPARAM& m_w;
    LPARAM& m_l;
    UINT m_oldMsg;
    WPARAM m_oldW;
    LPARAM m_oldL;
};
// Mouse messages carry signed client coordinates (negative left of or above the window).
POINT PointFromLParam(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
}  // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    return static_cast<CWnd*>(::GetPropW(hWnd, kObjectProperty));
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kObjectProperty, this);
}

void CWnd::Detach() {
    // Unsubclassed while the window is still valid (at WM_NCDESTROY at the latest).
    if (std::exchange(m_bSubclassed, false)) ::RemoveWindowSubclass(m_hWnd, &StaticSubclassProc, kSubclassId);
    ::RemovePropW(m_hWnd, kObjectProperty);
    if (KeptObject(m_hWnd, m_bIsDialog) == this) KeepObject(m_hWnd, m_bIsDialog, nullptr);
    m_hWnd = nullptr;
}

bool CWnd::PreTranslateMessage(MSG&) { return false; }

// One message for the usual short text: under Wine an edit with an up-down buddy answers each
// message through the buddy's subclass (window-property look-ups in the server), and the fields
// are read on every slider step. A text that fills the buffer is read again at its full length.
std::wstring WindowTextOf(HWND hWnd) {
    wchar_t buffer[kShortTextChars];
    const int shortCopy = ::GetWindowTextW(hWnd, buffer, kShortTextChars);
    if (shortCopy + 1 < kShortTextChars) {
        return std::wstring(buffer, static_cast<std::size_t>(shortCopy > 0 ? shortCopy : 0));
    }
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    const int copied = ::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// Full-width forms come from a paste or another input method: a Japanese one commits "１２８".
std::wstring CodeTextOf(HWND hWnd) { return HalfWidthAscii(WindowTextOf(hWnd)); }

// No input context for the window: the Japanese input method, when on, would turn keys into
// full-width characters and keep Space for itself.
void TakeNoInputMethod(HWND hWnd) { ::ImmAssociateContextEx(hWnd, nullptr, 0); }

// Texts the program reads this way are its own (captions, links, numbers): code page 932 spells
// them, and a character it cannot spell reads as nothing rather than as a look-alike.
std::string CWnd::GetWindowTextA() const { return Cp932FromWide(GetWindowTextW()).value_or(std::string()); }

std::wstring CWnd::GetWindowTextW() const { return WindowTextOf(m_hWnd); }

void CWnd::SetWindowTextA(const std::string& text) const { SetWindowTextW(WideFromCp932(text)); }

void CWnd::SetWindowTextW(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }

void CWnd::SetDlgItemTextA(int id, const std::string& text) const {
    ::SetDlgItemTextW(m_hWnd, id, WideFromCp932(text).c_str());
}

std::string CWnd::GetDlgItemTextA(int id) const {
    return Cp932FromWide(WindowTextOf(GetDlgItem(id))).value_or(std::string());
}

void CWnd::SetDlgItemInt(int id, int value) const { ::SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), TRUE); }

CWnd* CWnd::GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::DestroyWindow() {
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

int CWnd::MessageBox(const std::string& text, UINT type) const { return MessageBox(WideFromCp932(text), type); }

int CWnd::MessageBox(const std::wstring& text, UINT type) const {
    return ::MessageBoxW(m_hWnd, text.c_str(), LoadResStringW(AFX_IDS_APP_TITLE).c_str(), type);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* created = static_cast<CWnd*>(create->lpCreateParams);
        created->Attach(hWnd);
        KeepObject(hWnd, false, created);
    }
    CWnd* wnd = KeptObject(hWnd, false);
    // WM_GETMINMAXINFO arrives before WM_NCCREATE: no object yet.
    if (wnd == nullptr) return ::DefWindowProcW(hWnd, msg, wParam, lParam);
    return Route(*wnd, hWnd, msg, wParam, lParam, &::DefWindowProcW);
}

LRESULT CWnd::Route(CWnd& wnd, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC fallback) {
    try {
        CCurrentMessage current(wnd.m_nMsg, wnd.m_wParam, wnd.m_lParam, msg, wParam, lParam);
        const LRESULT result = wnd.WindowProc(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) wnd.OnNcDestroy();
        return result;
    } catch (...) {
        ReportException(hWnd);
        return fallback(hWnd, msg, wParam, lParam);
    }
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) {
    const HWND hWnd = parent.GetDlgItem(id);
    if (hWnd == nullptr) return false;
    Attach(hWnd);  // the parent finds the object here to reflect control colours to it
    PreSubclassWindow();
    if (::SetWindowSubclass(hWnd, &StaticSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) == FALSE) {
        Detach();
        return false;
    }
    m_bSubclassed = true;
    return true;
}

LRESULT CALLBACK CWnd::StaticSubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR refData) {
    return Route(*reinterpret_cast<CWnd*>(refData), hWnd, msg, wParam, lParam, &::DefSubclassProc);
}

void CWnd::PreSubclassWindow() {}

HBRUSH CWnd::CtlColor(HDC, UINT) { return nullptr; }

void CWnd::ReportException(HWND hWnd) noexcept {
    // Wide texts: the source is UTF-8, and this must not depend on the string table still loading.
    std::wstring what = L"予期しないエラーが発生しました。";
    try {
        throw;
    } catch (const std::bad_alloc&) {
        what += L"\nメモリ不足です。";
    } catch (const std::exception& e) {
        // The runtime's messages are plain ASCII.
        what += L"\n";
        for (const char* c = e.what(); *c != '\0'; ++c) what += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    } catch (...) {
    }
    ::MessageBoxW(hWnd, what.c_str(), L"Huesmith", MB_OK | MB_ICONEXCLAMATION);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_bSubclassed) return ::DefSubclassProc(m_hWnd, msg, wParam, lParam);
    if (m_bIsDialog) {
        // The control colour messages need a real default brush for handlers that start from it.
        if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
        // Anything else goes back to the dialog manager once the dialog procedure returns.
        m_bDefaulted = true;
        return 0;
    }
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

INT_PTR CALLBACK CWnd::StaticDialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CWnd*>(lParam);
        dialog->Attach(hWnd);
        KeepObject(hWnd, true, dialog);
    }
    CWnd* wnd = KeptObject(hWnd, true);
    // WM_SETFONT arrives before WM_INITDIALOG: no object yet.
    if (wnd == nullptr) return FALSE;
    try {
        CCurrentMessage current(wnd->m_nMsg, wnd->m_wParam, wnd->m_lParam, msg, wParam, lParam);
        if (msg == WM_INITDIALOG) return wnd->OnInitDialog() ? TRUE : FALSE;
        const bool wasDefaulted = std::exchange(wnd->m_bDefaulted, false);
        const LRESULT result = wnd->WindowProc(msg, wParam, lParam);
        const bool defaulted = std::exchange(wnd->m_bDefaulted, wasDefaulted);
        if (msg == WM_NCDESTROY) wnd->OnNcDestroy();
        if (defaulted) return FALSE;
        // These answer through the return value itself, the rest through DWLP_MSGRESULT.
        if ((msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
            msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON) {
            return static_cast<INT_PTR>(result);
        }
        ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    } catch (...) {
        ReportException(hWnd);
        return FALSE;
    }
}

bool CWnd::OnInitDialog() {
    UpdateData(false);
    return true;  // the dialog manager sets the focus
}

void CWnd::DoDataExchange(CDataExchange&) {}

bool CWnd::UpdateData(bool saveAndValidate) {
    CNotifyLockout quiet(*this);
    CDataExchange dx(*this, saveAndValidate);
    try {
        DoDataExchange(dx);
        return true;
    } catch (const CUserException&) {
        return false;  // already reported by CDataExchange::Fail
    }
}

LRESULT CWnd::Default() { return DefWindowProc(m_nMsg, m_wParam, m_lParam); }

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == RescaledMessage()) {
        OnRescaled(HIWORD(wParam));
        return 0;
    }
    switch (msg) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // A control of ours may choose its own colours (the hyperlink's text colour).
        if (CWnd* control = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
            control != nullptr && control != this) {
            if (HBRUSH brush = control->CtlColor(reinterpret_cast<HDC>(wParam), msg - WM_CTLCOLORMSGBOX)) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam),
                                                    reinterpret_cast<HWND>(lParam),
                                                    msg - WM_CTLCOLORMSGBOX));
    case WM_ERASEBKGND: return OnEraseBkgnd(reinterpret_cast<HDC>(wParam)) ? TRUE : FALSE;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)) ? TRUE : FALSE;
    case WM_NCHITTEST: return OnNcHitTest(PointFromLParam(lParam));
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam) != 0);
        return 0;
    case WM_QUERYENDSESSION: return OnQueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
    case WM_KILLFOCUS: OnKillFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0);
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_EXITMENULOOP: OnExitMenuLoop(wParam != FALSE); return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        if (m_bIsDialog) PostRescaled(HIWORD(wParam));
        return 0;
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_GETDPISCALEDSIZE:
        return OnGetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam)) ? TRUE : FALSE;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) return 0;
        return Default();
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(wParam, lParam, result)) return result;
        return Default();
    }
    default: return Default();
    }
}

int CWnd::OnCreate(CREATESTRUCTW&) { return static_cast<int>(Default()); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Detach(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnHScroll(UINT, UINT, HWND) { Default(); }
HBRUSH CWnd::OnCtlColor(HDC, HWND, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
bool CWnd::OnEraseBkgnd(HDC) { return Default() != 0; }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
bool CWnd::OnSetCursor(HWND, UINT, UINT) { return Default() != 0; }
LRESULT CWnd::OnNcHitTest(POINT) { return Default(); }
void CWnd::OnSetFocus(HWND) { Default(); }
void CWnd::OnActivate(UINT, HWND, bool) { Default(); }
bool CWnd::OnQueryEndSession() { return Default() != FALSE; }
void CWnd::OnEndSession(bool) { Default(); }
void CWnd::OnKillFocus(HWND) { Default(); }
void CWnd::OnCaptureChanged(HWND) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnDrawItem(int, DRAWITEMSTRUCT&) { Default(); }
void CWnd::OnInitMenuPopup(HMENU, UINT, bool) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnExitMenuLoop(bool) { Default(); }
void CWnd::OnDpiChanged(UINT, const RECT&) { Default(); }
// Windows tells top-level windows only; the common controls inside want to know too. Everything
// is painted again in the new colours.
void CWnd::OnSysColorChange() {
    Default();
    if ((::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CHILD) != 0) return;
    ::EnumChildWindows(m_hWnd, [](HWND child, LPARAM) {
        ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
        return TRUE;
    }, 0);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool CWnd::OnGetDpiScaledSize(UINT, SIZE&) { return Default() != FALSE; }

void CWnd::OnRescaled(UINT) {}

void CWnd::PostRescaled(UINT dpi) const { ::PostMessageW(m_hWnd, RescaledMessage(), MAKEWPARAM(dpi, dpi), 0); }

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (control != nullptr && m_bLockNotifications && ::GetParent(control) == m_hWnd) return true;
    // Menus and accelerators send code 0 or 1; both count as BN_CLICKED (0).
    const unsigned code = control == nullptr ? 0U : HIWORD(wParam);
    return OnCmdMsg({LOWORD(wParam), code, CmdKind::Command, nullptr});
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT& result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (m_bLockNotifications && ::GetParent(header->hwndFrom) == m_hWnd) return true;
    CNotifyArgs args{header, &result};
    return OnCmdMsg({static_cast<unsigned>(header->idFrom), header->code, CmdKind::Notify, &args});
}
