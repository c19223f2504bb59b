// What the shell opens for a link or a document, under the test's control: a handler changed in
// the registry for one test, and a harmless sink program that records every target it is given.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/Program.h"

namespace e2e {

// The default value of a key under HKEY_CLASSES_ROOT (Wine reads it from the machine's classes
// only) set, or removed, while the object lives; put back afterwards. A key made for it is
// volatile: it goes with the Wine server even when a killed run never deletes it.
class ClassesOverride {
public:
    ClassesOverride(std::wstring subkey, const std::optional<std::wstring>& value);
    ClassesOverride(const ClassesOverride&) = delete;
    ClassesOverride& operator=(const ClassesOverride&) = delete;
    ~ClassesOverride();

private:
    std::wstring m_subkey;
    DWORD m_disposition = 0;
    std::optional<std::wstring> m_old;
};

// The open command of a protocol or file class, as the shell registers it.
inline std::wstring OpenCommandKey(const std::wstring& classKey) { return classKey + L"\\shell\\open\\command"; }

class LinkSink {
public:
    // `"huesmith_link_sink.exe" "<log>" "%1"`: the sink appends each target it gets to the log.
    std::wstring OpenCommand() const;
    // The targets so far (UTF-8), once the sink has been started `count` times.
    std::vector<std::string> WaitForOpened(size_t count) const;

private:
    TempFolder m_folder;  // holds the log
};

}  // namespace e2e
