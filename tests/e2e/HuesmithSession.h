// One run of Huesmith.exe in a fresh folder of its own: the test's data and settings files, the
// program, its main window. Closes or kills the program and removes the folder at the end.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "tests/e2e/ProbeClient.h"
#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/TempFolder.h"
#include "tests/e2e/WaitFor.h"

namespace e2e {

struct SessionFiles {
    // Bytes of Huesmith.csv; none: the folder has no data file.
    std::optional<std::string> catalogue;
    // Text of Huesmith.ini (UTF-8, written as code page 932); none: no settings file.
    std::optional<std::string> settings;
    // Where the program runs, inside the fresh folder; empty: the fresh folder itself.
    std::wstring workingFolder;
    // Runs a copy of Huesmith.exe that stands alone in the fresh folder, without the files the
    // build puts beside the program (the help document ...); false: the build's own program.
    bool programCopy = false;
};

SessionFiles SampleFiles();
// These bytes as Huesmith.csv, and no settings file.
SessionFiles FilesWithCatalogue(std::string bytes);

class HuesmithSession {
public:
    explicit HuesmithSession(const SessionFiles& files);
    HuesmithSession(const HuesmithSession&) = delete;
    HuesmithSession& operator=(const HuesmithSession&) = delete;
    ~HuesmithSession();

    // Starts the program and returns at once (for runs that must show no main window).
    void Launch();
    // Starts the program and waits for its main window; throws if none appears in time.
    void Start(std::chrono::milliseconds timeout = kDefaultTimeout);

    // The program as the user closes it (which writes the settings); throws if it does not end.
    void Close();

    const TempFolder& Folder() const { return m_folder; }
    ProgramProcess& Process() { return *m_process; }
    DWORD ProcessId() const { return m_process->Id(); }

    HWND Frame() const { return m_frame; }
    HWND View() const;
    HWND Control(int id) const;  // a control of the form view
    HWND StatusBar() const;
    ProbeClient& Probe();

    // An entry of the folder's Huesmith.ini, if it is there.
    std::optional<std::string> Setting(const wchar_t* section, const wchar_t* key) const;

private:
    void Shutdown();

    TempFolder m_folder;  // first: removed after the program has ended
    std::filesystem::path m_program;
    std::optional<ProgramProcess> m_process;
    HWND m_frame = nullptr;
    std::unique_ptr<ProbeClient> m_probe;
};

}  // namespace e2e
