#include "controls/CHyperLink.h"

#include "controls/HyperLinkRules.h"
#include "controls/LinkText.h"
#include "framework/AppText.h"
#include "framework/CDC.h"
#include "framework/ShellOpen.h"
#include "framework/SystemLook.h"
#include "framework/WideText.h"

HCURSOR CHyperLink::s_hLinkCursor = nullptr;

namespace {
constexpr UINT_PTR kToolId = 1;
// Results above this are successes, for ShellExecute and WinExec alike.
constexpr INT_PTR kLastErrorCode = 32;
// The hand cursor that WinHelp carried; later systems have their own (IDC_HAND).
constexpr const wchar_t* kWinHelpProgram = L"\\winhlp32.exe";
constexpr WORD kWinHelpHandCursorId = 106;

void CloseKey(HKEY key) { ::RegCloseKey(key); }

std::wstring WindowsDirectory() {
    const UINT needed = ::GetWindowsDirectoryW(nullptr, 0);
    std::wstring directory(needed, L'\0');
    const UINT length = ::GetWindowsDirectoryW(directory.data(), needed);
    directory.resize(length < needed ? length : 0);
    return directory;
}

// Starts the command line as WinExec did, answering as it answered: above 31 when the program
// started, else the error (WinExec has no Unicode form, and the command may name any path).
INT_PTR StartProgram(std::wstring commandLine, int showCommand) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &process) == FALSE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_FORMAT
                   ? static_cast<INT_PTR>(error)
                   : 0;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return kLastErrorCode + 1;
}

LinkAlign AlignOf(LONG style) {
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: return LinkAlign::Centre;
    case SS_RIGHT: return LinkAlign::Right;
    default: return LinkAlign::Left;
    }
}
}  // namespace

void CHyperLink::SetUrl(const std::string& url) {
    m_strUrl = url;
    if (m_hWnd == nullptr) return;  // the tooltip and size follow at subclassing
    ShowWindow(SW_HIDE);
    SizeToText();
    m_toolTip.UpdateTipText(m_strUrl, m_hWnd, kToolId);
    ShowWindow(SW_SHOW);
}

void CHyperLink::FollowLink() {
    const INT_PTR result = OpenUrl(m_strUrl, SW_SHOW);
    if (result > kLastErrorCode) {
        m_bVisited = true;
        Repaint();
        return;
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
    ReportLinkError(result);
}

INT_PTR CHyperLink::OpenUrl(const std::string& url, int showCommand) {
    const std::wstring wideUrl = WideFromCp932(url);
    const INT_PTR shellResult = ShellOpen(nullptr, wideUrl, showCommand);
    if (static_cast<UINT_PTR>(shellResult) > kLastErrorCode) return shellResult;

    // The browser registered for web pages, given the URL in place of a file name.
    std::wstring htmClass;
    if (ReadRegDefault(HKEY_CLASSES_ROOT, L".htm", htmClass) != ERROR_SUCCESS) return shellResult;
    std::wstring registered;
    if (ReadRegDefault(HKEY_CLASSES_ROOT, htmClass + L"\\shell\\open\\command", registered) != ERROR_SUCCESS) {
        return shellResult;
    }
    return StartProgram(BuildHtmCommandLine(registered, wideUrl), showCommand);
}

void CHyperLink::ReportLinkError(INT_PTR code) { AfxMessageBox(LinkErrorText(code), MB_OK | MB_ICONEXCLAMATION); }

LONG CHyperLink::ReadRegDefault(HKEY root, const std::wstring& subkey, std::wstring& value) {
    HKEY opened = nullptr;
    LONG result = ::RegOpenKeyExW(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (result != ERROR_SUCCESS) return result;
    const CHandle<HKEY, &CloseKey> key(opened);

    // Asked for the size first, read into a buffer of that size; asked again if it grew meanwhile.
    DWORD type = 0;
    DWORD size = 0;
    std::wstring text;
    do {
        text.resize((size + 1) / sizeof(wchar_t));
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        result = ::RegQueryValueExW(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    } while (result == ERROR_MORE_DATA || (result == ERROR_SUCCESS && size > text.size() * sizeof(wchar_t)));
    if (result != ERROR_SUCCESS) return result;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_UNSUPPORTED_TYPE;
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();

    if (type == REG_EXPAND_SZ) {
        // "%ProgramFiles%\..." must be a real path for WinExec; "%1" names no variable and stays.
        // The text ends at its first null, whatever the count says.
        std::wstring expanded;
        for (DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0); needed > expanded.size();) {
            expanded.assign(needed, L'\0');
            needed = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
            if (needed == 0) return static_cast<LONG>(::GetLastError());
        }
        text.assign(expanded.c_str());
    }
    value = std::move(text);
    return ERROR_SUCCESS;
}

void CHyperLink::PreSubclassWindow() {
    TakeNoInputMethod(m_hWnd);  // Space follows the link whatever the input method's state
    const std::string text = GetWindowTextA();
    if (m_strUrl.empty()) m_strUrl = text;
    if (text.empty()) SetWindowTextA(m_strUrl);

    if (const auto font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); font != nullptr) {
        TakeFont(font);
    } else {
        m_nLinkStyle &= ~HLS_SIZETOTEXT;
    }

    LoadLinkCursor();
    if (m_toolTip.Create(*this)) m_toolTip.AddTool(m_hWnd, m_strUrl, GetClientRect(), kToolId);
}

// The dialog's font made the link's own (underlined or not), and the text fitted to it.
void CHyperLink::TakeFont(HFONT font) {
    LOGFONTW logFont{};
    CFont linkFont;
    if (::GetObjectW(font, sizeof(logFont), &logFont) == 0) return;
    logFont.lfUnderline = (m_nLinkStyle & HLS_UNDERLINE) != 0 ? TRUE : FALSE;
    if (!linkFont.CreateFontIndirect(logFont)) return;
    std::swap(m_font, linkFont);  // the old font goes at the end, once the control has the new one
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
    SizeToText();
    if (m_toolTip.m_hWnd != nullptr) m_toolTip.SetToolRect(m_hWnd, kToolId, GetClientRect());
}

// A dialog rescaled for a new DPI gives its controls a font of the new size: sent to the link, or
// only kept by the dialog (the link has a font of its own), which it does once its own handling of
// the change is over. Either way the link takes its own version of it.
LRESULT CHyperLink::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto font = reinterpret_cast<HFONT>(wParam);
    if (msg == WM_SETFONT && font != nullptr && font != m_font.GetSafeHandle()) {
        TakeFont(font);
        return 0;
    }
    if (msg == WM_DPICHANGED_AFTERPARENT) PostRescaled(0);
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CHyperLink::OnRescaled(UINT) {
    const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(::GetParent(m_hWnd), WM_GETFONT, 0, 0));
    if (dialogFont != nullptr) TakeFont(dialogFont);
}

void CHyperLink::SizeToText() {
    if ((m_nLinkStyle & HLS_SIZETOTEXT) == 0) return;
    RECT window = GetWindowRect();
    if (const HWND parent = ::GetParent(m_hWnd); parent != nullptr) {
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    }
    const RECT client = GetClientRect();

    SIZE extent{};
    {
        const CClientDC dc(m_hWnd);
        const HFONT font = m_font ? m_font.GetSafeHandle()
                                  : reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
        if (font != nullptr) dc.SelectObject(font);
        extent = dc.GetTextExtent(GetWindowTextA());
    }

    const LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    const LinkBox fitted = FitLinkToText({window.left, window.top, window.right, window.bottom},
                                         client.right - client.left, client.bottom - client.top, extent.cx,
                                         extent.cy, AlignOf(style), (style & SS_CENTERIMAGE) != 0);
    SetWindowPos(nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Repaint();
}

// The static paints no background of its own (null brush): the dialog repaints the area under the
// link first, so that text in a new colour never lands on the old text (smoothed edges would
// darken with every change).
void CHyperLink::Repaint() {
    const HWND parent = ::GetParent(m_hWnd);
    if (parent == nullptr) {
        Invalidate(true);
        return;
    }
    RECT area = GetWindowRect();
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CHyperLink::LoadLinkCursor() {
    if (s_hLinkCursor != nullptr) return;
    // Only a resource is wanted: the program is mapped as data and none of its code runs.
    const CHandle<HMODULE, &::FreeLibrary> winHelp(
        ::LoadLibraryExW((WindowsDirectory() + kWinHelpProgram).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (winHelp) {
        if (const HCURSOR cursor = ::LoadCursorA(winHelp.Get(), MAKEINTRESOURCEA(kWinHelpHandCursorId))) {
            s_hLinkCursor = ::CopyIcon(cursor);  // a copy outlives the module
        }
    }
    if (s_hLinkCursor == nullptr) s_hLinkCursor = ::LoadCursorA(nullptr, IDC_HAND);
}

// Under a high-contrast theme the theme's link colour, and a link that has the focus or the mouse
// shown as the theme shows a selection.
HBRUSH CHyperLink::CtlColor(HDC dc, UINT) {
    const LinkState state{m_bHover, (m_nLinkStyle & HLS_HOVERCOLOR) != 0, m_bFocus, m_bVisited};
    if (HighContrastOn() && (m_bFocus || m_bHover)) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
        ::SetBkColor(dc, ::GetSysColor(COLOR_HIGHLIGHT));
        return ::GetSysColorBrush(COLOR_HIGHLIGHT);
    }
    ::SetTextColor(dc, HighContrastOn() ? ::GetSysColor(COLOR_HOTLIGHT) : LinkTextColor(state));
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

bool CHyperLink::OnSetCursor(HWND, UINT, UINT) {
    if (s_hLinkCursor == nullptr) return false;
    ::SetCursor(s_hLinkCursor);
    return true;
}

// The about box runs in the dialog manager's own message loop, which offers no message to
// PreTranslateMessage: the link hands its mouse messages to its tooltip itself.
void CHyperLink::RelayToToolTip() {
    MSG msg{m_hWnd, m_nMsg, m_wParam, m_lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    ::GetCursorPos(&msg.pt);
    m_toolTip.RelayEvent(msg);
}

void CHyperLink::OnMouseMove(UINT, POINT point) {
    RelayToToolTip();
    const RECT client = GetClientRect();
    const bool inside = ::PtInRect(&client, point) != FALSE;
    if (m_bHover) {
        if (!inside) EndHover();
        return;
    }
    if (!inside) {
        // Only a capture kept from an earlier hover (a focus change does not end it) brings a move
        // from outside: that is no hover, and the stale capture goes.
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        return;
    }
    m_bHover = true;
    Repaint();
    ::SetCapture(m_hWnd);  // so that the link learns when the mouse leaves it
    // The capture shows no move over another program's window (no button is down): the leave
    // notification covers that way out.
    TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&leave);
}

void CHyperLink::EndHover() {
    m_bHover = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    Repaint();
}

void CHyperLink::OnMouseLeave() {
    if (m_bHover) EndHover();
}

void CHyperLink::OnLButtonDown(UINT, POINT) {
    RelayToToolTip();
    if ((m_nLinkStyle & HLS_FOCUSONCLICK) != 0) ::SetFocus(m_hWnd);
    m_bFocus = true;
}

void CHyperLink::OnLButtonUp(UINT, POINT) {
    RelayToToolTip();
    if (m_bFocus) FollowLink();
}

void CHyperLink::OnSetFocus(HWND) {
    m_bFocus = true;
    Repaint();
}

void CHyperLink::OnKillFocus(HWND) {
    m_bHover = false;
    m_bFocus = false;
    Repaint();
}

// The capture also goes when another window takes it (a message box, a browser coming to the
// front): the mouse is then no longer known to be over the link, which would otherwise keep its
// hover colour until the mouse came back and left again.
void CHyperLink::OnCaptureChanged(HWND newCapture) {
    if (newCapture == m_hWnd || !m_bHover) return;
    m_bHover = false;
    Repaint();
}

void CHyperLink::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_SPACE) {
        FollowLink();
        return;
    }
    Default();
}

// A static control is transparent to the mouse unless it says otherwise.
LRESULT CHyperLink::OnNcHitTest(POINT) { return HTCLIENT; }
