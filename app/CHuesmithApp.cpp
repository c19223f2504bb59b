#include "app/CHuesmithApp.h"

#include <new>

#include "app/CMainFrame.h"
#include "app/MainCaption.h"
#include "catalogue/CHuesmithDoc.h"
#include "dialogs/CAboutDlg.h"
#include "framework/AppText.h"
#include "framework/CSingleDocTemplate.h"
#include "res/resource.h"
#include "view/CHuesmithView.h"

namespace {
CHuesmithApp theApp;

constexpr const char* kDataFileName = "Huesmith.csv";
constexpr const char* kSettingsFileName = "\\Huesmith.ini";

// The program's file name without folder and extension, as the instance marker's name.
std::string ExecutableBaseName() {
    const std::string path = AfxGetModulePath();
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// The current directory whole, however long it is.
std::string CurrentDirectory() {
    const DWORD needed = ::GetCurrentDirectoryA(0, nullptr);
    std::string directory(needed, '\0');
    const DWORD length = ::GetCurrentDirectoryA(needed, directory.data());
    directory.resize(length < needed ? length : 0);
    return directory;
}

struct CFrameSearch {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainFrame(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<CFrameSearch*>(lParam);
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (std::string_view(className) != CFrameWnd::GetFrameClassName()) return TRUE;
    std::string caption(static_cast<std::size_t>(::GetWindowTextLengthA(hWnd)) + 1, '\0');
    caption.resize(static_cast<std::size_t>(::GetWindowTextA(hWnd, caption.data(), static_cast<int>(caption.size()))));
    if (!IsMainCaption(caption, search->title)) return TRUE;
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
    m_instanceMutex.Attach(::CreateMutexA(nullptr, TRUE, ExecutableBaseName().c_str()));
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
        ::MessageBoxA(nullptr, LoadResString(IDS_OUT_OF_MEMORY).c_str(), LoadResString(AFX_IDS_APP_TITLE).c_str(), MB_OK);
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
