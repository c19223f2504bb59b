#include "app/CMainFrame.h"

#include <optional>
#include <vector>

#include "app/FramePlacement.h"
#include "catalogue/CHuesmithDoc.h"
#include "framework/AppText.h"
#include "framework/CCmdUI.h"
#include "framework/CProfileText.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

namespace {
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // fixed size, no maximise
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | 0x8200;        // + the framework's bottom-bar bits

constexpr const char* kWindowSection = "Window";
constexpr const char* kOptionSection = "Option";
constexpr const char* kDefaultPreview = "Test Print...";
constexpr const char* kDefaultCopyPrefix = "#";

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM lParam) {
    auto* areas = reinterpret_cast<std::vector<MonitorArea>*>(lParam);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info) == FALSE) return TRUE;
    const auto toRect = [](const RECT& r) { return PlacementRect{r.left, r.top, r.right, r.bottom}; };
    const MonitorArea area{toRect(info.rcMonitor), toRect(info.rcWork)};
    // The primary monitor first: workspace coordinates are taken from it.
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
        areas->insert(areas->begin(), area);
    } else {
        areas->push_back(area);
    }
    return TRUE;
}

std::vector<MonitorArea> Monitors() {
    std::vector<MonitorArea> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&areas));
    return areas;
}
}  // namespace

constinit const CCmdEntry CMainFrame::s_entries[] = {
    MapCommand<&CMainFrame::OnViewTopmost>(ID_VIEW_TOPMOST),
    MapUpdate<&CMainFrame::OnUpdateViewTopmost>(ID_VIEW_TOPMOST),
    MapCommand<&CMainFrame::OnViewStatusBar>(ID_VIEW_STATUS_BAR),
};
constinit const CCmdMap CMainFrame::s_map{s_entries, &CFrameWnd::s_map};

CHuesmithDoc* CMainFrame::GetHuesmithDoc() const { return static_cast<CHuesmithDoc*>(GetActiveDocument()); }

bool CMainFrame::PreCreateWindow(CREATESTRUCTW& create) {
    if (!CFrameWnd::PreCreateWindow(create)) return false;
    // Without the add-to-title bit the framework never rewrites the caption: the view owns it.
    create.style = kFrameStyle;
    return true;
}

int CMainFrame::OnCreate(CREATESTRUCTW& create) {
    if (CFrameWnd::OnCreate(create) == -1) return -1;
    static constexpr UINT kIndicators[] = {ID_SEPARATOR};
    if (!m_wndStatusBar.Create(*this, kStatusBarStyle, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 1)) {
        return -1;
    }
    return 0;
}

// Read before the first showing, whatever its show state: a shortcut set to run minimised shows
// the frame without the messages of a normal first showing. The frame cannot be maximised, so a
// maximised start shows it at its normal size.
void CMainFrame::ActivateFrame(int cmdShow) {
    if (!m_bSettingsLoaded) {
        LoadSettings();
        m_bSettingsLoaded = true;
    }
    CFrameWnd::ActivateFrame(cmdShow == SW_SHOWMAXIMIZED ? SW_SHOWNORMAL : cmdShow);
}

void CMainFrame::LoadSettings() {
    // One read for all of them; a file that cannot be read gives the defaults, and is never
    // written over with them.
    std::optional<CProfileText> read = AfxGetApp()->ReadProfile();
    m_bSettingsRead = read.has_value();
    const CProfileText profile = std::move(read).value_or(CProfileText());
    const int left = profile.GetInt(kWindowSection, "Left", 0);
    const int top = profile.GetInt(kWindowSection, "Top", 0);
    m_nWndStyle = profile.GetInt(kWindowSection, "WndStyle", 0);
    // Any value but 0 shows the bar, as the toggle then reads it: only 0 and 1 are kept.
    m_nStatusBar = profile.GetInt(kWindowSection, "StatusBar", 1) != 0 ? 1 : 0;
    CHuesmithDoc& doc = *GetHuesmithDoc();
    doc.m_strPreview = profile.GetString(kOptionSection, "Preview").value_or(kDefaultPreview);
    doc.m_strCopyPrefix = profile.GetString(kOptionSection, "Copy").value_or(kDefaultCopyPrefix);
    doc.m_bLowerCase = profile.GetInt(kOptionSection, "UpperLower", 0);

    const RECT frame = GetWindowRect();
    const int barHeight = m_wndStatusBar.GetHeight();
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top - (m_nStatusBar == 0 ? barHeight : 0);
    const std::vector<MonitorArea> monitors = Monitors();
    const PlacementPoint position = RestoredFramePosition({left, top}, width, height, monitors);
    const HWND insertAfter = m_nWndStyle != 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    if (m_nStatusBar == 0) {
        m_wndStatusBar.ShowWindow(SW_HIDE);
        SetWindowPos(insertAfter, position.x, position.y, width, height, 0);
    } else {
        SetWindowPos(insertAfter, position.x, position.y, 0, 0, SWP_NOSIZE);
    }
}

// Settings never read (a start that ended early, a file another program held) are never written
// over with defaults. All of them go in one write, so the file has either the old settings or the
// new ones. False when they could not be written.
bool CMainFrame::SaveSettings() const {
    if (!m_bSettingsRead) return true;
    const CWinApp& app = *AfxGetApp();
    std::optional<CProfileText> profile = app.ReadProfile();
    if (!profile) return false;
    const CHuesmithDoc& doc = *GetHuesmithDoc();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(m_hWnd, &placement);
    // The restored rectangle, so a minimised frame still saves where it will come back.
    profile->SetInt(kWindowSection, "Left", placement.rcNormalPosition.left);
    profile->SetInt(kWindowSection, "Top", placement.rcNormalPosition.top);
    profile->SetInt(kWindowSection, "WndStyle", m_nWndStyle);
    profile->SetInt(kWindowSection, "StatusBar", m_nStatusBar);
    profile->SetString(kOptionSection, "Preview", doc.m_strPreview);
    profile->SetString(kOptionSection, "Copy", doc.m_strCopyPrefix);
    profile->SetInt(kOptionSection, "UpperLower", doc.m_bLowerCase);
    return app.WriteProfile(*profile);
}

// Settings that cannot be written are reported, so that the user knows they will not come back.
void CMainFrame::OnClose() {
    if (!CanCloseFrame()) return;
    if (!SaveSettings()) {
        AfxMessageBox(FormatResString(IDS_SETTINGS_NOT_SAVED, {std::wstring_view(AfxGetApp()->m_strProfileName)}));
    }
    DestroyWindow();
}

// Written as soon as the session is asked to end: a program Windows ends by force gets no later
// chance. No message then: nobody is there to read it.
bool CMainFrame::OnQueryEndSession() {
    SaveSettings();
    return CFrameWnd::OnQueryEndSession();
}

void CMainFrame::OnViewTopmost() {
    const bool topmost = (::GetWindowLongW(m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    m_nWndStyle = topmost ? 0 : 1;
    SetWindowPos(m_nWndStyle != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void CMainFrame::OnUpdateViewTopmost(CCmdUI& ui) { ui.SetCheck(m_nWndStyle != 0 ? 1 : 0); }

void CMainFrame::OnViewStatusBar() {
    // The view keeps its size: the frame grows or shrinks by the bar's height.
    const RECT frame = GetWindowRect();
    const int barHeight = m_wndStatusBar.GetHeight();
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (m_nStatusBar == 1) {
        m_wndStatusBar.ShowWindow(SW_HIDE);
        SetWindowPos(nullptr, 0, 0, width, height - barHeight, SWP_NOMOVE | SWP_NOZORDER);
        m_nStatusBar = 0;
    } else {
        m_wndStatusBar.ShowWindow(SW_SHOW);
        SetWindowPos(nullptr, 0, 0, width, height + barHeight, SWP_NOMOVE | SWP_NOZORDER);
        m_nStatusBar = 1;
    }
}
