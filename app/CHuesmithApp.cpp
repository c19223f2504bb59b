#include "app/CHuesmithApp.h"

#include <shlobj.h>

#include <new>

#include "app/CMainFrame.h"
#include "app/MainCaption.h"
#include "catalogue/CHuesmithDoc.h"
#include "dialogs/CAboutDlg.h"
#include "framework/AppText.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/FileIo.h"
#include "framework/WideText.h"
#include "res/resource.h"
#include "view/CHuesmithView.h"

namespace {
CHuesmithApp theApp;

constexpr const wchar_t* kDataFileName = L"Huesmith.csv";
constexpr const wchar_t* kSettingsFileName = L"Huesmith.ini";
constexpr const wchar_t* kUserFolderName = L"Huesmith";

void FreeTaskMemory(PWSTR memory) { ::CoTaskMemFree(memory); }

std::wstring InFolder(const std::wstring& folder, const wchar_t* name) { return folder + L"\\" + name; }


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

// The folder of the current directory's catalogue. Without one there (started from Win+R, a
// shortcut or "Run as administrator", which start elsewhere), the folder of the program, where the
// release puts the catalogue; with neither, the current one, whose file is then reported missing.
std::wstring CatalogueFolder() {
    const std::wstring current = CurrentDirectory();
    if (FileIsThere(InFolder(current, kDataFileName))) return current;
    const std::wstring program = AfxGetModulePath();
    const std::wstring programFolder = program.substr(0, program.find_last_of(L"\\/"));
    return FileIsThere(InFolder(programFolder, kDataFileName)) ? programFolder : current;
}

// The user's own folder for the program (made if need be), or "" when there is none.
std::wstring UserProgramFolder() {
    PWSTR base = nullptr;
    const HRESULT found = ::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &base);
    const CHandle<PWSTR, &FreeTaskMemory> owned(base);  // freed even when the call fails
    if (FAILED(found)) return {};
    const std::wstring folder = InFolder(base, kUserFolderName);
    if (::CreateDirectoryW(folder.c_str(), nullptr) == FALSE && ::GetLastError() != ERROR_ALREADY_EXISTS) return {};
    return folder;
}

// The settings go beside the catalogue. Where that folder lets nobody create a file (a program
// folder under Program Files), they go to the user's own folder, where every close can write them.
std::wstring SettingsPath(const std::wstring& catalogueFolder) {
    const std::wstring beside = InFolder(catalogueFolder, kSettingsFileName);
    if (FolderAcceptsNewFiles(beside)) return beside;
    const std::wstring own = UserProgramFolder();
    return own.empty() ? beside : InFolder(own, kSettingsFileName);
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
    const HANDLE mutex = ::CreateMutexW(nullptr, TRUE, ExecutableBaseName().c_str());
    const DWORD error = ::GetLastError();
    m_instanceMutex.Attach(mutex);
    // A copy run as administrator made a mutex that an ordinary user's copy may not open: it runs.
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED) return false;
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

    const std::wstring folder = CatalogueFolder();
    try {
        m_strProfileName = SettingsPath(folder);
    } catch (const std::bad_alloc&) {
        ::MessageBoxW(nullptr, LoadResStringW(IDS_OUT_OF_MEMORY).c_str(), LoadResStringW(AFX_IDS_APP_TITLE).c_str(), MB_OK);
        return false;
    }
    LoadStdProfileSettings(0);

    AddDocTemplate(CSingleDocTemplate::Create<CHuesmithDoc, CMainFrame, CHuesmithView>(IDR_MAINFRAME));

    // Whatever the command line says, that folder's catalogue is opened.
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    commandLine.m_nShellCommand = CCommandLineInfo::FileOpen;
    commandLine.m_strFileName = InFolder(folder, kDataFileName);
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
