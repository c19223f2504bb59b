// A program run by the driver in a fresh folder of its own: the folder with its files, removed at
// the end, and the process, killed if it still runs then.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "framework/CHandle.h"
#include "tests/e2e/Desktop.h"

namespace e2e {

// A file beside the driver: the program, the probe, the help document, the link sink.
std::filesystem::path BesideDriver(const wchar_t* name);

class TempFolder {
public:
    // The folder's path below a fresh folder (any name, nested): what Path() gives.
    explicit TempFolder(std::wstring_view below = {});
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path File(std::wstring_view name) const { return m_path / name; }
    void Write(std::wstring_view name, std::string_view bytes) const;
    // The file's bytes, or nothing when it cannot be read (absent, a folder ...).
    std::optional<std::string> Read(std::wstring_view name) const;

private:
    std::filesystem::path m_root;  // removed at the end
    std::filesystem::path m_path;
};

class Program {
public:
    // `show`: the show state handed over in the start-up information, as a shortcut does.
    Program(const std::filesystem::path& program, const std::filesystem::path& folder, WORD show = SW_SHOWNORMAL);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();
    DWORD Id() const { return m_id; }
    bool IsRunning() const { return ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT; }
    bool WaitForExit(std::chrono::milliseconds timeout = kTimeout) { return WaitForObject(m_process.Get(), timeout); }
    DWORD ExitCode() const;
    void Kill();

private:
    CHandle<HANDLE, &::CloseHandle> m_process;
    DWORD m_id = 0;
};

}  // namespace e2e
