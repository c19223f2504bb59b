#include "tests/e2e/LinkHandlers.h"

#include <sstream>
#include <stdexcept>


namespace e2e {
namespace {

void SetDefault(HKEY key, const std::optional<std::wstring>& value) {
    if (!value) {
        ::RegDeleteValueW(key, nullptr);
    } else if (::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                                static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write a registry value");
    }
}

}  // namespace

ClassesOverride::ClassesOverride(std::wstring subkey, const std::optional<std::wstring>& value)
    : m_subkey(std::move(subkey)) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, m_subkey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &key, &m_disposition) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot open a registry key");
    }
    const CHandle<HKEY, &::RegCloseKey> owner(key);
    wchar_t old[1024] = {};
    DWORD size = sizeof(old) - sizeof(wchar_t);
    if (::RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS) {
        m_old = old;
    }
    SetDefault(key, value);
}

ClassesOverride::~ClassesOverride() {
    HKEY key = nullptr;
    if (m_disposition == REG_CREATED_NEW_KEY) {
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, m_subkey.c_str());
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT, m_subkey.c_str());
    } else if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, m_subkey.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        const CHandle<HKEY, &::RegCloseKey> owner(key);
        SetDefault(key, m_old);
    }
}

std::wstring LinkSink::OpenCommand() const {
    return L"\"" + BesideDriver(L"huesmith_link_sink.exe").wstring() + L"\" \"" + m_folder.File(L"opened.txt").wstring() + L"\" \"%1\"";
}

std::vector<std::string> LinkSink::WaitForOpened(size_t count) const {
    std::vector<std::string> lines;
    WaitFor([&] {
        lines.clear();
        std::istringstream in(m_folder.Read(L"opened.txt").value_or(""));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines.size() >= count;
    });
    return lines;
}

}  // namespace e2e
