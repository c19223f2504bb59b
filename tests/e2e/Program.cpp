#include "tests/e2e/Program.h"

#include <atomic>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {
namespace {

constexpr std::chrono::milliseconds kKillWait{10000};
constexpr int kStartAttempts = 5;

std::filesystem::path NewFolderPath() {
    static std::atomic<unsigned> s_serial{0};
    wchar_t temp[MAX_PATH + 1] = {};
    if (::GetTempPathW(MAX_PATH + 1, temp) == 0) throw std::runtime_error("no temporary directory");
    wchar_t name[64];
    std::swprintf(name, 64, L"huesmith-e2e-%08lx-%016llx-%04x", ::GetCurrentProcessId(), ::GetTickCount64(),
                  s_serial++ & 0xFFFFu);
    return std::filesystem::path(temp) / name;
}

}  // namespace

std::filesystem::path BesideDriver(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    while (::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) >= path.size()) {
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path.c_str()).parent_path() / name;
}

TempFolder::TempFolder(std::wstring_view below) : m_root(NewFolderPath()), m_path(m_root / below) {
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Tests make files read-only; removing refuses those.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root, ec)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(m_root, ec);
}

void TempFolder::Write(std::wstring_view name, std::string_view bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write a test file");
}

std::optional<std::string> TempFolder::Read(std::wstring_view name) const {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(File(name), ec)) return std::nullopt;
    std::ifstream in(File(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Program::Program(const std::filesystem::path& program, const std::filesystem::path& folder, WORD show) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start right after the previous run ended (ERROR_INTERNAL_ERROR);
    // a moment later the same start works.
    for (int attempt = 1; !::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                            folder.c_str(), &startup, &info);
         ++attempt) {
        if (::GetLastError() != ERROR_INTERNAL_ERROR || attempt == kStartAttempts) {
            throw std::runtime_error("cannot start " + program.string() + ", error " + std::to_string(::GetLastError()));
        }
        ::Sleep(200);
    }
    ::CloseHandle(info.hThread);
    m_process.Attach(info.hProcess);
    m_id = info.dwProcessId;
}

Program::~Program() {
    if (IsRunning()) Kill();
}

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

void Program::Kill() {
    ::TerminateProcess(m_process.Get(), 1);
    WaitForExit(kKillWait);
}

}  // namespace e2e
