#include "framework/CArchive.h"

#include <cassert>

CArchive::CArchive(std::string_view fileBytes) : m_mode(Mode::Load), m_input(fileBytes) {}

CArchive::CArchive() : m_mode(Mode::Store) {}

bool CArchive::ReadString(std::string& line) {
    assert(IsLoading());
    if (m_pos >= m_input.size()) return false;
    const std::string_view rest = m_input.substr(m_pos);
    const std::size_t lf = rest.find('\n');
    if (lf == std::string_view::npos) {
        line.assign(rest);
        m_pos = m_input.size();
        return true;
    }
    // Only a CR directly before the LF belongs to the line end: a lone CR is kept as data, so
    // that a file holding one is written back byte for byte.
    const std::size_t length = (lf > 0 && rest[lf - 1] == '\r') ? lf - 1 : lf;
    line.assign(rest.data(), length);  // reuses the caller's buffer: no allocation per line
    m_pos += lf + 1;
    return true;
}

void CArchive::WriteString(std::string_view text) {
    assert(IsStoring());
    m_stored.append(text);
}
