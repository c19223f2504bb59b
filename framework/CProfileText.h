// The settings file's bytes (code page 932 text in the Windows profile format: [Section] lines,
// key=value lines), read and changed in memory as the Windows profile functions read and change
// the file, but whatever the system code page is. Any bytes are accepted, NUL included; lines it
// does not change stay byte for byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class CProfileText {
public:
    CProfileText() = default;
    explicit CProfileText(std::string bytes) : m_bytes(std::move(bytes)) {}

    // The value of the first such key in the first such section, names matched regardless of the
    // case of ASCII letters; nullopt when there is none.
    std::optional<std::string> GetString(std::string_view section, std::string_view key) const;
    // Stores the value so that GetString gives it back exactly. False, and nothing changed, when
    // the names or the value cannot be written on one line and read back (a line break, a key
    // with "=", a section name with "]", blanks around a name, a key taken as a comment).
    bool SetString(std::string_view section, std::string_view key, std::string_view value);
    // Integers are read as text (negative positions come back as written) the C runtime's way.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool SetInt(std::string_view section, std::string_view key, int value);

    const std::string& Bytes() const { return m_bytes; }

private:
    void InsertLines(std::size_t at, std::string lines);

    std::string m_bytes;
};
