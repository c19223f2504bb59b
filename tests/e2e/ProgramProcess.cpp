#include "tests/e2e/ProgramProcess.h"

#include <stdexcept>
#include <string>

#include "tests/e2e/WaitFor.h"

namespace e2e {
namespace {

constexpr std::chrono::milliseconds kKillWait{5000};
constexpr int kStartAttempts = 5;
constexpr DWORD kStartRetryPauseMs = 200;

std::filesystem::path DriverFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
}

}  // namespace

std::filesystem::path BesideDriver(const wchar_t* name) { return DriverFolder() / name; }
std::filesystem::path ProgramPath() { return BesideDriver(L"Huesmith.exe"); }

ProgramProcess::ProgramProcess(const std::filesystem::path& program,
                               const std::filesystem::path& currentDir) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start right after the previous run ended (ERROR_INTERNAL_ERROR);
    // a moment later the same start works.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
        if (attempt > 0) ::Sleep(kStartRetryPauseMs);
        if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             currentDir.c_str(), &startup, &info)) {
            error = ERROR_SUCCESS;
            break;
        }
        error = ::GetLastError();
        if (error != ERROR_INTERNAL_ERROR) break;
    }
    if (error != ERROR_SUCCESS) {
        throw std::runtime_error("cannot start " + program.string() + ", error " + std::to_string(error));
    }
    ::CloseHandle(info.hThread);
    m_process.Attach(info.hProcess);
    m_id = info.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (IsRunning()) Terminate();
}

bool ProgramProcess::IsRunning() const {
    return ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

bool ProgramProcess::WaitForExit(std::chrono::milliseconds timeout) {
    return WaitForObject(m_process.Get(), timeout);
}

DWORD ProgramProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

void ProgramProcess::Terminate() {
    ::TerminateProcess(m_process.Get(), 1);
    WaitForExit(kKillWait);
}

}  // namespace e2e
