#include "framework/CFrameWnd.h"

#include "framework/AppText.h"
#include "framework/CCmdUI.h"
#include "framework/CDocument.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "framework/Dpi.h"
#include "framework/TextFormat.h"
#include "framework/WideText.h"

namespace {
constexpr const wchar_t* kFrameClassName = L"HuesmithFrameWnd";
constexpr UINT kMenuClosedFlags = 0xFFFF;  // WM_MENUSELECT's "menu closed" marker
constexpr std::size_t kTitleField = 0;     // first piece of the document-template string
}  // namespace

constinit const CCmdEntry CFrameWnd::s_entries[] = {
    MapUpdate<&CFrameWnd::OnUpdateControlBarMenu>(ID_VIEW_STATUS_BAR),
    MapCommand<&CFrameWnd::OnBarCheck>(ID_VIEW_STATUS_BAR),
};
constinit const CCmdMap CFrameWnd::s_map{s_entries, &CCmdTarget::s_map};

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

const wchar_t* CFrameWnd::GetFrameClassName() { return kFrameClassName; }

const wchar_t* CFrameWnd::RegisterFrameClass(HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, kFrameClassName, &wc) != FALSE) return kFrameClassName;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &CWnd::StaticWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClassName;
    return ::RegisterClassExW(&wc) != 0 ? kFrameClassName : nullptr;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCTW& create) {
    if (create.lpszClass == nullptr) return false;
    return true;
}

bool CFrameWnd::LoadFrame(UINT idResource, CDocument& document) {
    m_nIDResource = idResource;
    m_pDocument = &document;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const auto resource = MAKEINTRESOURCEW(idResource);
    const auto icon = static_cast<HICON>(::LoadImageW(instance, resource, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    const wchar_t* className = RegisterFrameClass(icon);
    if (className == nullptr) return false;
    m_hAccelTable = ::LoadAcceleratorsW(instance, resource);

    const std::wstring title = WideFromCp932(SplitField(LoadResString(idResource), '\n', kTitleField));
    CREATESTRUCTW create{};
    create.hInstance = instance;
    create.hMenu = ::LoadMenuW(instance, resource);
    create.lpszClass = className;
    create.lpszName = title.c_str();
    create.style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    if (!PreCreateWindow(create)) {
        if (create.hMenu != nullptr) ::DestroyMenu(create.hMenu);
        return false;
    }
    const HWND hWnd = ::CreateWindowExW(create.dwExStyle, create.lpszClass, create.lpszName,
                                        create.style & ~FWS_ADDTOTITLE, create.x, create.y, create.cx,
                                        create.cy, nullptr, create.hMenu, instance, this);
    if (hWnd == nullptr) {
        // A failed creation leaves the menu with us.
        if (create.hMenu != nullptr) ::DestroyMenu(create.hMenu);
        return false;
    }
    SetSmallIcon(WindowDpi(hWnd));
    return true;
}

// The caption's icon drawn for the scale's size, not stretched from another.
void CFrameWnd::SetSmallIcon(int dpi) {
    const int width = SystemMetricForDpi(SM_CXSMICON, dpi);
    const int height = SystemMetricForDpi(SM_CYSMICON, dpi);
    CHandle<HICON, &::DestroyIcon> icon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDResource), IMAGE_ICON, width, height, 0)));
    if (!icon) return;
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.Get()));
    m_smallIcon = std::move(icon);  // the old one goes once the caption has the new one
}

int CFrameWnd::OnCreate(CREATESTRUCTW& create) {
    if (static_cast<int>(Default()) == -1) return -1;
    (void)create;
    if (m_pView != nullptr && !m_pView->Create(*this, AFX_IDW_PANE_FIRST, *m_pDocument)) return -1;
    return 0;
}

void CFrameWnd::OnClose() {
    // Destroying the frame ends the message loop.
    if (CanCloseFrame()) DestroyWindow();
}

bool CFrameWnd::CanCloseFrame() { return m_pDocument == nullptr || m_pDocument->SaveModified(); }

// The frame itself takes no keys: its view does, at the control it last had focused.
void CFrameWnd::OnSetFocus(HWND) {
    if (m_pView != nullptr && m_pView->m_hWnd != nullptr) m_pView->OnActivateView(true);
}

// Deactivation (another program, a dialog of ours) remembers the focused control first; the
// default activation then focuses the frame, which hands the focus on.
void CFrameWnd::OnActivate(UINT state, HWND, bool) {
    if (state == WA_INACTIVE && m_pView != nullptr && m_pView->m_hWnd != nullptr) m_pView->OnActivateView(false);
    Default();
}

// Windows gives a program about five seconds to answer, then offers to end it by force: no
// question is asked here. A changed document blocks the end, Windows showing the reason given
// (BlockShutdown), and the user decides there: cancel and save, or end anyway.
bool CFrameWnd::OnQueryEndSession() { return m_pDocument == nullptr || !m_pDocument->IsModified(); }

void CFrameWnd::BlockShutdown(const std::wstring& reason) {
    // Not every Windows-like system implements these; without them the end is still refused.
    if (reason.empty()) {
        ::ShutdownBlockReasonDestroy(m_hWnd);
    } else {
        ::ShutdownBlockReasonCreate(m_hWnd, reason.c_str());
    }
}

void CFrameWnd::OnDestroy() {
    Default();
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) ::PostQuitMessage(0);
}

void CFrameWnd::OnSize(UINT type, int, int) {
    Default();
    if (type != SIZE_MINIMIZED) RecalcLayout();
}

CStatusBar* CFrameWnd::GetStatusBar() const {
    return static_cast<CStatusBar*>(FromHandlePermanent(GetDlgItem(AFX_IDW_STATUS_BAR)));
}

void CFrameWnd::RecalcLayout() {
    RECT client = GetClientRect();
    if (CStatusBar* bar = GetStatusBar(); bar != nullptr && bar->HasVisibleStyle()) {
        // The status bar places itself along the bottom edge when it is told of a size change.
        ::SendMessageW(bar->m_hWnd, WM_SIZE, 0, 0);
        client.bottom -= bar->GetWindowRect().bottom - bar->GetWindowRect().top;
    }
    if (m_pView != nullptr && m_pView->m_hWnd != nullptr) {
        ::SetWindowPos(m_pView->m_hWnd, nullptr, client.left, client.top, client.right - client.left,
                       client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CFrameWnd::InitialUpdateFrame() {
    if (m_pView != nullptr) m_pView->OnInitialUpdate();
    ActivateFrame(AfxGetApp()->m_nCmdShow);
}

void CFrameWnd::ActivateFrame(int cmdShow) {
    ShowWindow(cmdShow);
    ::SetForegroundWindow(m_hWnd);
}

void CFrameWnd::SetMessageText(const std::string& text) {
    if (CStatusBar* bar = GetStatusBar(); bar != nullptr) bar->SetPaneText(text);
}

void CFrameWnd::SetMessageText(UINT stringId) {
    // A prompt may carry a tooltip after a newline; the status bar shows the part before it.
    SetMessageText(std::string(SplitField(LoadResString(stringId), '\n', 0)));
}

bool CFrameWnd::OnCmdMsg(const CCmdRequest& request) {
    if (m_pView != nullptr && m_pView->CCmdTarget::OnCmdMsg(request)) return true;
    if (m_pDocument != nullptr && m_pDocument->OnCmdMsg(request)) return true;
    if (CCmdTarget::OnCmdMsg(request)) return true;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(request);
}

bool CFrameWnd::PreTranslateMessage(MSG& msg) {
    return m_hAccelTable != nullptr && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST &&
           ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, &msg) != FALSE;
}

void CFrameWnd::UpdateCommandUI(CCmdUI& ui) {
    if (OnCmdMsg({ui.m_nID, 0, CmdKind::Update, &ui})) {
        if (!ui.m_enabled.has_value()) ui.m_enabled = true;
        return;
    }
    // Neither an update handler nor a command handler: the item is grey.
    ui.m_enabled = OnCmdMsg({ui.m_nID, 0, CmdKind::Probe, nullptr});
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        // Menu or accelerator: a command whose item would be grey does not run.
        CCmdUI ui(LOWORD(wParam));
        UpdateCommandUI(ui);
        if (!ui.m_enabled.value_or(false)) return true;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CFrameWnd::OnInitMenuPopup(HMENU popup, UINT index, bool sysMenu) {
    Default();
    (void)index;
    if (sysMenu) return;
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        if (::GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info) == FALSE) continue;
        if ((info.fType & MFT_SEPARATOR) != 0 || info.hSubMenu != nullptr) continue;
        CCmdUI ui(info.wID);
        UpdateCommandUI(ui);
        UINT state = ui.m_enabled.value_or(false) ? MFS_ENABLED : MFS_GRAYED;
        UINT type = info.fType & ~MFT_RADIOCHECK;
        if (ui.m_radio.has_value()) {
            type |= MFT_RADIOCHECK;
            if (*ui.m_radio) state |= MFS_CHECKED;
        } else if (ui.m_check.has_value()) {
            if (*ui.m_check != 0) state |= MFS_CHECKED;
        } else {
            state |= info.fState & MFS_CHECKED;
            type |= info.fType & MFT_RADIOCHECK;
        }
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        info.fType = type;
        info.fState = state;
        ::SetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info);
    }
}

void CFrameWnd::OnMenuSelect(UINT itemId, UINT flags, HMENU menu) {
    if (flags == kMenuClosedFlags && menu == nullptr) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    } else if ((flags & (MF_SEPARATOR | MF_POPUP | MF_SYSMENU)) != 0 || itemId == 0) {
        SetMessageText(std::string());
    } else {
        SetMessageText(itemId);
    }
}

void CFrameWnd::OnExitMenuLoop(bool) { SetMessageText(AFX_IDS_IDLEMESSAGE); }

// The frame takes the place Windows suggests, the caption's icon and the bar's font their sizes
// at the new scale, and the view lays itself out again; the frame then fits around it.
void CFrameWnd::OnDpiChanged(UINT dpi, const RECT& suggested) {
    SetWindowPos(nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetSmallIcon(static_cast<int>(dpi));
    if (CStatusBar* bar = GetStatusBar(); bar != nullptr) bar->SetFontForDpi(static_cast<int>(dpi));
    RecalcLayout();
    if (m_pView != nullptr) m_pView->OnDpiChangedLayout(dpi);
}

// Windows asks before it moves the frame to a monitor of another scale: the size it will have once
// the view has laid itself out there (the rest, caption, menu, borders and bar, grows with the
// scale), so that Windows puts it where it will stay rather than across the monitors' edge.
bool CFrameWnd::OnGetDpiScaledSize(UINT dpi, SIZE& size) {
    const SIZE form = m_pView != nullptr ? m_pView->LayoutSizeAt(dpi) : SIZE{};
    if (form.cx <= 0 || form.cy <= 0) return CWnd::OnGetDpiScaledSize(dpi, size);
    const RECT frame = GetWindowRect();
    const RECT view = m_pView->GetWindowRect();
    const int current = WindowDpi(m_hWnd);
    const auto newDpi = static_cast<int>(dpi);
    size.cx = ::MulDiv((frame.right - frame.left) - (view.right - view.left), newDpi, current) + form.cx;
    size.cy = ::MulDiv((frame.bottom - frame.top) - (view.bottom - view.top), newDpi, current) + form.cy;
    return true;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI& ui) {
    const CStatusBar* bar = GetStatusBar();
    ui.SetCheck(bar != nullptr && bar->HasVisibleStyle() ? 1 : 0);
}

void CFrameWnd::OnBarCheck() {
    if (CStatusBar* bar = GetStatusBar(); bar != nullptr) {
        bar->ShowWindow(bar->HasVisibleStyle() ? SW_HIDE : SW_SHOW);
        RecalcLayout();
    }
}
