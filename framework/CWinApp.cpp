#include "framework/CWinApp.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cassert>

#include "framework/AppText.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CHandle.h"
#include "framework/CProfileText.h"
#include "framework/CWnd.h"
#include "framework/FileIo.h"
#include "framework/HelpDocument.h"
#include "framework/ShellOpen.h"
#include "framework/WideText.h"

namespace {
CWinApp* g_pApp = nullptr;  // the one application object, set by its constructor
void FreeArguments(LPWSTR* args) { ::LocalFree(args); }
}  // namespace

CWinApp* AfxGetApp() { return g_pApp; }

CWinApp::CWinApp() {
    assert(g_pApp == nullptr && "one application object");
    g_pApp = this;
    // The colour dialog's custom colours start white, as the platform's own dialog shows them.
    m_customColors.fill(RGB(255, 255, 255));
}

CWinApp::~CWinApp() {
    m_templates.clear();
    g_pApp = nullptr;
}

int CWinApp::ExitInstance() { return 0; }

bool CWinApp::OnIdle(long) { return false; }

bool CWinApp::PumpMessage(MSG& msg) {
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
    // Offer the message to the window objects from the innermost window outwards: the view's
    // tooltip and dialog keys, the frame's accelerators.
    for (HWND h = msg.hwnd; h != nullptr; h = ::GetAncestor(h, GA_PARENT)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(h); wnd != nullptr && wnd->PreTranslateMessage(msg)) {
            return true;
        }
        if ((::GetWindowLongW(h, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    return true;
}

int CWinApp::Run() {
    MSG msg{};
    for (;;) {
        long idleCount = 0;
        while (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(idleCount++)) {
        }
        if (!PumpMessage(msg)) break;
    }
    const int exitCode = ExitInstance();
    return exitCode != 0 ? exitCode : static_cast<int>(msg.wParam);
}

// The Windows profile functions would read the file in the system's code page; it is code page
// 932 text, so the program reads and writes it itself, in the same format.
std::optional<CProfileText> CWinApp::ReadProfile() const {
    if (m_strProfileName.empty()) return std::nullopt;
    if (std::optional<std::string> bytes = ReadWholeFile(m_strProfileName)) return CProfileText(std::move(*bytes));
    // Only a file that is not there starts empty: one that cannot be read (locked, a folder, no
    // access) is never replaced by a new one.
    if (FileIsThere(m_strProfileName)) return std::nullopt;
    return CProfileText();
}

// Written like the catalogue: a temporary file, then the replacement; a failure changes nothing.
// A settings file the user made read-only stays as it is, as the user asked.
bool CWinApp::WriteProfile(const CProfileText& profile) const {
    if (m_strProfileName.empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(m_strProfileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return true;
    return WriteFileReplacing(m_strProfileName, profile.Bytes()) == WriteResult::Written;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    m_templates.push_back(std::move(docTemplate));
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    // The first argument that is not a switch names a file to open.
    int count = 0;
    const CHandle<LPWSTR*, &FreeArguments> args(::CommandLineToArgvW(::GetCommandLineW(), &count));
    for (int i = 1; args && i < count; ++i) {
        const wchar_t* arg = args.Get()[i];
        if (arg[0] == L'/' || arg[0] == L'-') continue;
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
        info.m_strFileName = arg;
        return;
    }
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
    if (m_templates.empty()) return false;
    CSingleDocTemplate& docTemplate = *m_templates.front();
    if (info.m_nShellCommand == CCommandLineInfo::FileOpen) {
        return docTemplate.OpenDocumentFile(info.m_strFileName.c_str());
    }
    return docTemplate.OpenDocumentFile(nullptr);
}

void CWinApp::OnFileNew() {
    if (!m_templates.empty()) m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    if (m_templates.empty()) return;
    CSingleDocTemplate& docTemplate = *m_templates.front();
    std::wstring path = docTemplate.PromptForFileName(false, L"");
    if (!path.empty()) docTemplate.OpenDocumentFile(path.c_str());
}

void CWinApp::BeginWaitCursor() {
    const HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    if (m_nWaitCursorCount++ == 0) m_hcurWaitRestore = previous;
}

void CWinApp::EndWaitCursor() {
    if (m_nWaitCursorCount == 0) return;
    if (--m_nWaitCursorCount == 0) ::SetCursor(m_hcurWaitRestore);
}

std::wstring AfxGetModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer may hold a cut path: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The help engine of old is gone from current Windows; the help is one HTML page beside the
// program, which the shell opens in the user's browser. It has one topic, so every context opens
// it at its top.
void CWinApp::WinHelp(DWORD_PTR, UINT) const {
    const HWND owner = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    const std::wstring document = HelpDocumentPath(AfxGetModulePath());
    constexpr INT_PTR kLastShellError = 32;
    if (ShellOpen(owner, document, SW_SHOWNORMAL) <= kLastShellError) AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}
