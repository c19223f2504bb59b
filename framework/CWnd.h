// A window object attached to its HWND. Window messages reach typed virtual handlers; WM_COMMAND and
// WM_NOTIFY reach the command maps through OnCmdMsg.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CCmdTarget.h"

// WM_NOTIFY arguments handed to a notify handler: void OnX(NMHDR& header, LRESULT& result).
struct CNotifyArgs {
    NMHDR* pNMHDR;
    LRESULT* pResult;
};

template <auto Handler>
constexpr CCmdEntry MapNotify(unsigned id, unsigned code) {
    using T = cmdmap_detail::ClassOf<Handler>;
    return {id, code, CmdKind::Notify, [](CCmdTarget& t, void* extra) {
                auto* args = static_cast<CNotifyArgs*>(extra);
                (static_cast<T&>(t).*Handler)(*args->pNMHDR, *args->pResult);
            }};
}

// Any window's text, whole, as Windows holds it.
std::wstring WindowTextOf(HWND hWnd);
// A number's or a code's field: its text with full-width digits and letters read as ASCII.
std::wstring CodeTextOf(HWND hWnd);
// The window takes its keys without the input method, whatever the method's state.
void TakeNoInputMethod(HWND hWnd);

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // The object attached to a window of ours, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Called by the message loop for messages of this window and its children, innermost window
    // first. Returns true when the message was translated and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg);

    // Text and items: the program's code page 932 texts, crossing to Windows as UTF-16.
    std::string GetWindowTextA() const;
    std::wstring GetWindowTextW() const;
    void SetWindowTextA(const std::string& text) const;
    void SetWindowTextW(const std::wstring& text) const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // Enables or disables a child control; a disabled control keeps its text and check mark.
    void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE); }
    std::string GetDlgItemTextA(int id) const;
    void SetDlgItemTextA(int id, const std::string& text) const;
    void SetDlgItemInt(int id, int value) const;
    LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendDlgItemMessageW(m_hWnd, id, msg, wParam, lParam);
    }
    CWnd* GetParent() const;

    // Geometry and state.
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != FALSE;
    }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    // The window's own WS_VISIBLE bit, whether or not its parent is shown yet.
    bool HasVisibleStyle() const { return (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }
    void ShowWindow(int show) const { ::ShowWindow(m_hWnd, show); }
    void InvalidateRect(const RECT& rect, bool erase) const { ::InvalidateRect(m_hWnd, &rect, erase); }
    void Invalidate(bool erase = true) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void DestroyWindow();

    // A message box under the application title, owned by this window.
    int MessageBox(const std::string& text, UINT type = MB_OK | MB_ICONEXCLAMATION) const;
    int MessageBox(const std::wstring& text, UINT type = MB_OK | MB_ICONEXCLAMATION) const;

    // While a window exchanges data with its controls (or writes them outside an exchange), the
    // notifications of its own child controls are dropped. Nesting is safe.
    class CNotifyLockout {
    public:
        explicit CNotifyLockout(CWnd& wnd) : m_wnd(wnd), m_bWas(wnd.m_bLockNotifications) {
            wnd.m_bLockNotifications = true;
        }
        CNotifyLockout(const CNotifyLockout&) = delete;
        CNotifyLockout& operator=(const CNotifyLockout&) = delete;
        ~CNotifyLockout() { m_wnd.m_bLockNotifications = m_bWas; }

    private:
        CWnd& m_wnd;
        bool m_bWas;
    };

    // Data exchange between members and controls (DoDataExchange). Reading stops at the first
    // failed validation, which has already been reported; returns false then.
    bool UpdateData(bool saveAndValidate = true);

    // Extends a control that exists already (a static of a dialog template): its messages reach
    // this object's handlers, and Default() hands them on to the control's own procedure.
    bool SubclassDlgItem(int id, const CWnd& parent);

protected:
    virtual void DoDataExchange(class CDataExchange& dx);

    // Dialog windows (modal dialogs, the form view): their procedure answers through the dialog
    // manager; messages left to Default() are handed back to it.
    static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual bool OnInitDialog();
    bool m_bIsDialog = false;
    bool m_bDefaulted = false;

    // The one switch that turns messages into the handlers below; the rest goes to DefWindowProc.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default();

    virtual int OnCreate(CREATESTRUCTW& create);
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnPaint();
    virtual void OnTimer(UINT_PTR id);
    virtual void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);
    virtual bool OnEraseBkgnd(HDC dc);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnRButtonDown(UINT flags, POINT point);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    // Which keys the window wants for itself rather than for the dialog manager's navigation.
    virtual UINT OnGetDlgCode();
    virtual bool OnSetCursor(HWND hWnd, UINT hitTest, UINT message);
    virtual LRESULT OnNcHitTest(POINT screenPoint);
    virtual void OnSetFocus(HWND oldFocus);
    // WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE; `minimized` when the window is iconic.
    virtual void OnActivate(UINT state, HWND other, bool minimized);
    // Whether the session may end now; after it, whether it does.
    virtual bool OnQueryEndSession();
    virtual void OnEndSession(bool ending);
    virtual void OnKillFocus(HWND newFocus);
    virtual void OnCaptureChanged(HWND newCapture);
    virtual void OnMouseLeave();  // after TrackMouseEvent(TME_LEAVE)
    virtual void OnDrawItem(int id, DRAWITEMSTRUCT& item);
    virtual void OnInitMenuPopup(HMENU popup, UINT index, bool sysMenu);
    virtual void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
    virtual void OnExitMenuLoop(bool trackPopup);
    // The window moved to a monitor of another DPI; `suggested` is where Windows proposes it goes.
    virtual void OnDpiChanged(UINT dpi, const RECT& suggested);
    // The window's size at a DPI Windows is about to move it to; false leaves it to Windows.
    virtual bool OnGetDpiScaledSize(UINT dpi, SIZE& size);
    // The system's colours changed (a high-contrast theme switched on or off).
    virtual void OnSysColorChange();
    // A dialog after the dialog manager rescaled it for a new DPI (it does so only once the dialog's
    // own handling of the change has returned); a control once it asked with PostRescaled.
    virtual void OnRescaled(UINT dpi);
    void PostRescaled(UINT dpi) const;
    // WM_COMMAND: routes to the command maps; drops child notifications under the lockout.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Attaches the object to a window of ours (window property; no global map).
    void Attach(HWND hWnd);
    void Detach();

    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // One message through the object's handlers; `fallback` answers when a handler throws.
    static LRESULT Route(CWnd& wnd, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC fallback);

    // Subclassed controls: runs once m_hWnd is set, before the first message reaches the object.
    virtual void PreSubclassWindow();
    // A control colour message that the parent reflects to its control's object first; null
    // leaves the colours to the parent.
    virtual HBRUSH CtlColor(HDC dc, UINT ctlColor);
    static LRESULT CALLBACK StaticSubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                               DWORD_PTR refData);
    bool m_bSubclassed = false;
    // The only catch-all: nothing unwinds into user32; the error becomes a message box.
    static void ReportException(HWND hWnd) noexcept;

    bool m_bLockNotifications = false;
    // The current message, for Default().
    UINT m_nMsg = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
};
