#include "app/CHuesmithApp.h"

#include <new>

#include "app/CMainFrame.h"
#include "app/MainCaption.h"
#include "catalogue/CHuesmithDoc.h"
#include "dialogs/CAboutDlg.h"
#include "framework/AppText.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/WideText.h"
#include "res/resource.h"
#include "view/CHuesmithView.h"

namespace {
CHuesmithApp theApp;

constexpr const wchar_t* kDataFileName = L"Huesmith.csv";
constexpr const wchar_t* kSettingsFileName = L"\\Huesmith.ini";

// The program's file name without folder and extension, as the instance marker's name.
std::wstring ExecutableBaseName() {
    const std::wstring path = AfxGetModulePath();
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

// The current directory whole, however long it is.
std::wstring CurrentDirectory() {
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring directory(needed, L'\0');
    const DWORD length = ::GetCurrentDirectoryW(needed, directory.data());
    directory.resize(length < needed ? length : 0);
    return directory;
}

struct CFrameSearch {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainFrame(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<CFrameSearch*>(lParam);
    wchar_t className[64] = {};
    ::GetClassNameW(hWnd, className, static_cast<int>(std::size(className)));
    if (std::wstring_view(className) != CFrameWnd::GetFrameClassName()) return TRUE;
    const std::optional<std::string> caption = Cp932FromWide(WindowTextOf(hWnd));
    if (!caption || !IsMainCaption(*caption, search->title)) return TRUE;
    search->found = hWnd;
    return FALSE;
}
}  // namespace

constinit const CCmdEntry CHuesmithApp::s_entries[] = {
    MapCommand<&CHuesmithApp::OnFileNew>(ID_FILE_NEW),
    MapCommand<&CHuesmithApp::OnFileOpen>(ID_FILE_OPEN),
    MapCommand<&CHuesmithApp::OnAppAbout>(ID_APP_ABOUT),
};
constinit const CCmdMap CHuesmithApp::s_map{s_entries, &CCmdTarget::s_map};

bool CHuesmithApp::ActivateRunningCopy() {
    m_instanceMutex.Attach(::CreateMutexW(nullptr, TRUE, ExecutableBaseName().c_str()));
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return false;
    // The running copy's frame: our frame class with the caption "Huesmith - <count>".
    CFrameSearch search{LoadResString(AFX_IDS_APP_TITLE)};
    ::EnumWindows(&FindMainFrame, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
        if (::IsIconic(search.found) != FALSE) ::ShowWindow(search.found, SW_RESTORE);
        ::SetForegroundWindow(search.found);
    }
    return true;
}

bool CHuesmithApp::InitInstance() {
    if (ActivateRunningCopy()) return false;

    try {
        m_strProfileName = CurrentDirectory() + kSettingsFileName;
    } catch (const std::bad_alloc&) {
        ::MessageBoxW(nullptr, LoadResStringW(IDS_OUT_OF_MEMORY).c_str(), LoadResStringW(AFX_IDS_APP_TITLE).c_str(), MB_OK);
        return false;
    }
    LoadStdProfileSettings(0);

    AddDocTemplate(CSingleDocTemplate::Create<CHuesmithDoc, CMainFrame, CHuesmithView>(IDR_MAINFRAME));

    // Whatever the command line says, the catalogue of the current directory is opened.
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    commandLine.m_nShellCommand = CCommandLineInfo::FileOpen;
    commandLine.m_strFileName = kDataFileName;
    if (!ProcessShellCommand(commandLine)) return false;

    m_pMainWnd->ShowWindow(SW_SHOW);
    ::UpdateWindow(m_pMainWnd->m_hWnd);
    return true;
}

int CHuesmithApp::ExitInstance() {
    m_strProfileName.clear();
    return CWinApp::ExitInstance();
}

void CHuesmithApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
