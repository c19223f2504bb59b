// One run of Huesmith.exe (or any program) started by the driver; never outlives its owner.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>

#include "framework/CHandle.h"

namespace e2e {

// Huesmith.exe beside the driver: the build puts both in one folder.
std::filesystem::path ProgramPath();
// A file beside the driver (the probe DLL, the shipped data file).
std::filesystem::path BesideDriver(const wchar_t* name);

class ProgramProcess {
public:
    ProgramProcess(const std::filesystem::path& program, const std::filesystem::path& currentDir);
    // Kills the program if it still runs, so that no test leaves a process behind.
    ~ProgramProcess();

    DWORD Id() const { return m_id; }
    bool IsRunning() const;
    bool WaitForExit(std::chrono::milliseconds timeout);
    // STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Terminate();

private:
    CHandle<HANDLE, &::CloseHandle> m_process;
    DWORD m_id = 0;
};

}  // namespace e2e
