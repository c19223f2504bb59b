// The serialisation archive: a document reads its file as lines and writes it as text. The
// archive works on bytes in memory; the document template reads and writes the file itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CArchive {
public:
    enum class Mode { Load, Store };

    // Loading: reads lines out of the file's bytes (which must outlive the archive).
    explicit CArchive(std::string_view fileBytes);
    // Storing: collects what the document writes.
    CArchive();

    bool IsLoading() const { return m_mode == Mode::Load; }
    bool IsStoring() const { return m_mode == Mode::Store; }

    // Loading: the next line without its end. A line ends at CR LF or at a lone LF; a CR that is
    // not followed by LF stays inside the line. A last line without an end is still returned; a
    // final line end yields no extra empty line. Returns false at the end of the bytes.
    bool ReadString(std::string& line);

    // Storing: appends the text as it is.
    void WriteString(std::string_view text);
    const std::string& GetStoredBytes() const { return m_stored; }

private:
    Mode m_mode;
    std::string_view m_input;
    std::size_t m_pos = 0;
    std::string m_stored;
};
