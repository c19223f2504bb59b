// The application object: start-up and shut-down hooks, the message loop, the settings file and
// the document template. Exactly one exists; AfxGetApp() returns it.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/CCmdTarget.h"

class CWnd;
class CSingleDocTemplate;

// The command line as the shell would hand it to the program: what to do and with which file.
struct CCommandLineInfo {
    enum Shell { FileNew, FileOpen };
    Shell m_nShellCommand = FileNew;
    std::wstring m_strFileName;
};

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();
    // Runs the message loop until WM_QUIT; returns ExitInstance's code.
    virtual int Run();
    // Idle time after the queue empties: command-UI updates of the main window.
    virtual bool OnIdle(long count);

    // The settings file as it is now (empty when there is none yet), read once for all settings;
    // none when there is no settings file or it cannot be read.
    std::optional<class CProfileText> ReadProfile() const;
    // Writes all settings at once; false, and the file as it was, on any failure. A read-only
    // settings file is kept as it is (true).
    bool WriteProfile(const class CProfileText& profile) const;
    // No recent-file list is kept; the settings are read where they are used.
    void LoadStdProfileSettings(unsigned maxRecentFiles) { (void)maxRecentFiles; }

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    void ParseCommandLine(CCommandLineInfo& info) const;
    bool ProcessShellCommand(const CCommandLineInfo& info);
    void OnFileNew();
    void OnFileOpen();

    // Wait cursor (an hourglass while a long operation runs).
    void BeginWaitCursor();
    void EndWaitCursor();

    // Opens the help document beside the program through the shell; reports when it cannot.
    void WinHelp(DWORD_PTR data, UINT cmd = HELP_CONTEXT) const;

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    // Settings file path; empty means no settings file.
    std::wstring m_strProfileName;
    // The colour dialog's custom colours (the platform's dialog has exactly this many): kept for
    // the run, shared by every colour dialog.
    static constexpr std::size_t kCustomColorCount = 16;
    std::array<COLORREF, kCustomColorCount> m_customColors{};

protected:
    bool PumpMessage(MSG& msg);

private:
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitRestore = nullptr;
};

CWinApp* AfxGetApp();
// The program file's full path, however long.
std::wstring AfxGetModulePath();

// Scoped wait cursor.
class CWaitCursor {
public:
    CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
};
