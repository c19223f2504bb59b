#include "tests/e2e/TempFolder.h"

#include <windows.h>

#include <atomic>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {
namespace {

std::filesystem::path NewFolderPath() {
    static std::atomic<unsigned> s_serial{0};
    wchar_t temp[MAX_PATH + 1] = {};
    if (::GetTempPathW(MAX_PATH + 1, temp) == 0) throw std::runtime_error("no temporary directory");
    // Fixed width, so that every folder's path has the same length.
    wchar_t name[64];
    std::swprintf(name, 64, L"huesmith-e2e-%08lx-%016llx-%04x",
                  static_cast<unsigned long>(::GetCurrentProcessId()), ::GetTickCount64(),
                  s_serial++ & 0xFFFFu);
    return std::filesystem::path(temp) / name;
}

}  // namespace

TempFolder::TempFolder(std::wstring_view innerName)
    : m_root(NewFolderPath()), m_path(innerName.empty() ? m_root : m_root / innerName) {
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Tests make files read-only; DeleteFile refuses those.
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

bool TempFolder::Exists(std::wstring_view name) const {
    std::error_code ec;
    return std::filesystem::exists(File(name), ec);
}

}  // namespace e2e
