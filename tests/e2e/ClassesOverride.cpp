#include "tests/e2e/ClassesOverride.h"

#include <stdexcept>

#include "framework/CHandle.h"

namespace e2e {
namespace {

// The default value an existing key had, kept beside it until it is put back; REG_NONE: it had
// none. Kept in the registry rather than in memory, so that a run killed halfway is mended by the
// next one.
constexpr wchar_t kSavedValue[] = L"HuesmithE2E.Saved";

void CloseKey(HKEY key) { ::RegCloseKey(key); }
using Key = CHandle<HKEY, &CloseKey>;

Key Open(const std::wstring& subkey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) {
        return Key();
    }
    return Key(key);
}

// A string value, or nothing when it is absent; its type in `type`.
std::optional<std::wstring> ReadString(HKEY key, const wchar_t* name, DWORD* type = nullptr) {
    DWORD kind = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key, name, nullptr, &kind, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key, name, nullptr, &kind, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    if (type != nullptr) *type = kind;
    return text;
}

void WriteString(HKEY key, const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    if (::RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write a registry value");
    }
}

void SetDefault(HKEY key, const std::optional<std::wstring>& value) {
    if (value) {
        WriteString(key, nullptr, *value);
    } else {
        ::RegDeleteValueW(key, nullptr);
    }
}

// Puts back what the key held before a change, if a change is recorded there.
void Restore(HKEY key) {
    DWORD type = REG_NONE;
    const auto saved = ReadString(key, kSavedValue, &type);
    if (!saved) return;
    SetDefault(key, type == REG_NONE ? std::nullopt : saved);
    ::RegDeleteValueW(key, kSavedValue);
}

}  // namespace

ClassesOverride::ClassesOverride(std::wstring subkey, std::optional<std::wstring> value)
    : m_subkey(std::move(subkey)) {
    if (Key key = Open(m_subkey)) {
        Restore(key.Get());  // a change left behind by a run that was killed
        const auto old = ReadString(key.Get(), nullptr);
        if (old) {
            WriteString(key.Get(), kSavedValue, *old);
        } else {
            WriteString(key.Get(), kSavedValue, L"", REG_NONE);
        }
        SetDefault(key.Get(), value);
        return;
    }
    // New keys are volatile: gone with the Wine server even if the test never gets to delete them.
    std::wstring path;
    size_t start = 0;
    for (;;) {
        const size_t slash = m_subkey.find(L'\\', start);
        path = m_subkey.substr(0, slash);
        HKEY created = nullptr;
        DWORD disposition = 0;
        if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_READ | KEY_WRITE,
                              nullptr, &created, &disposition) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create a registry key");
        }
        const Key key(created);
        if (disposition == REG_CREATED_NEW_KEY && m_createdRoot.empty()) m_createdRoot = path;
        if (slash == std::wstring::npos) {
            SetDefault(key.Get(), value);
            return;
        }
        start = slash + 1;
    }
}

ClassesOverride::~ClassesOverride() {
    if (!m_createdRoot.empty()) {
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, m_createdRoot.c_str());
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT, m_createdRoot.c_str());
        return;
    }
    if (Key key = Open(m_subkey)) Restore(key.Get());
}

}  // namespace e2e
