// A file association or protocol handler changed for one test: the default value of a key under
// HKEY_CLASSES_ROOT set (or removed) while the object lives, and put back afterwards. Wine reads
// HKEY_CLASSES_ROOT from the machine's classes only, so the change goes there.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class ClassesOverride {
public:
    // No value: the key's default value is removed, so that nothing is registered there.
    ClassesOverride(std::wstring subkey, std::optional<std::wstring> value);
    ClassesOverride(const ClassesOverride&) = delete;
    ClassesOverride& operator=(const ClassesOverride&) = delete;
    ~ClassesOverride();

private:
    std::wstring m_subkey;
    // The first key of the path that did not exist before: created volatile, deleted at the end.
    std::wstring m_createdRoot;
};

// The open command of a protocol or file class, as the shell registers it.
inline std::wstring OpenCommandKey(const std::wstring& classKey) { return classKey + L"\\shell\\open\\command"; }

}  // namespace e2e
