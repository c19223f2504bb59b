#include "framework/CProfileText.h"

#include "framework/Cp932.h"
#include "framework/CrtNumber.h"

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks = "\r\n";
constexpr char kNewLine[] = "\r\n";  // what the profile functions write
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr auto npos = std::string_view::npos;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Only ASCII letters fold: a double-byte character's trail byte may have a letter's value.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && Cp932UpperCase(std::string(a)) == Cp932UpperCase(std::string(b));
}

// A text editor may have put a UTF-8 signature before the text. Skipped, the first section header
// is still found; it is kept when the file is written. The text is taken as code page 932 all the same.
std::size_t TextStart(std::string_view bytes) { return bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0; }

// One line: its text [begin, end), then its line end (CR LF, LF or none) up to next.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

Line LineAt(std::string_view bytes, std::size_t begin) {
    const std::size_t lf = bytes.find('\n', begin);
    if (lf == npos) return {begin, bytes.size(), bytes.size()};
    return {begin, lf > begin && bytes[lf - 1] == '\r' ? lf - 1 : lf, lf + 1};
}

// What a line means. A key's value starts after the "=" and the blanks behind it, so that a
// rewritten line keeps the spelling and spacing of everything before the value.
struct Entry {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::size_t valueAt = 0;
};

Entry ParseLine(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.starts_with('[')) {
        // A trail byte may be "]" (the 0x5D of "ゾ"), so look for it character by character.
        for (std::size_t i = 1; i < trimmed.size(); i += Cp932CharLength(trimmed, i)) {
            if (trimmed[i] == ']') return {Entry::Section, Trim(trimmed.substr(1, i - 1))};
        }
        return {};
    }
    // A comment is no key line, so a new key goes in before the comment that heads the next section.
    const std::size_t equals = text.find('=');
    if (trimmed.starts_with(';') || equals == npos) return {};
    const std::size_t value = text.find_first_not_of(kBlanks, equals + 1);
    return {Entry::Key, Trim(text.substr(0, equals)), value == npos ? text.size() : value};
}

// Blanks around a value are not part of it, nor are quotes of one kind at both ends.
std::string_view ReadValue(std::string_view stored) {
    const std::string_view value = Trim(stored);
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// A value that reading would change is quoted; reading then takes exactly the quotes off.
std::string StoredValue(std::string_view value) {
    if (ReadValue(value) == value) return std::string(value);
    return '"' + std::string(value) + '"';
}

// Where a key of a section stands, and where a new key of that section would go: after its last
// key line, so before the blank lines and comments that lead to the next section.
struct Place {
    std::size_t keysEnd = npos;  // npos: no such section
    std::size_t valueBegin = npos;  // npos: no such key
    std::size_t valueEnd = npos;
};

Place Find(std::string_view bytes, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    for (std::size_t pos = TextStart(bytes); pos < bytes.size();) {
        const Line line = LineAt(bytes, pos);
        const Entry entry = ParseLine(bytes.substr(line.begin, line.end - line.begin));
        if (entry.kind == Entry::Section) {
            if (inSection) break;  // the first section of that name is the one
            inSection = SameName(entry.name, section);
            if (inSection) place.keysEnd = line.next;
        } else if (inSection && entry.kind == Entry::Key) {
            place.keysEnd = line.next;
            if (SameName(entry.name, key)) {
                place.valueBegin = line.begin + entry.valueAt;
                place.valueEnd = line.end;
                break;
            }
        }
        pos = line.next;
    }
    return place;
}

}  // namespace

std::optional<std::string> CProfileText::GetString(std::string_view section, std::string_view key) const {
    const Place place = Find(m_bytes, section, key);
    if (place.valueBegin == npos) return std::nullopt;
    const std::string_view bytes = m_bytes;
    return std::string(ReadValue(bytes.substr(place.valueBegin, place.valueEnd - place.valueBegin)));
}

bool CProfileText::SetString(std::string_view section, std::string_view key, std::string_view value) {
    // A line break cannot be stored on one line. The preview text and copy prefix come from
    // single-line fields, so refusing loses nothing typed, where replacing it would store another
    // text than the one asked for and report success.
    const std::string header = '[' + std::string(section) + ']';
    const std::string stored = StoredValue(value);
    const std::string line = std::string(key) + '=' + stored;
    if ((header + line).find_first_of(kLineBreaks) != npos) return false;
    // Names are the program's own; one that would read back as another (a key with "=", a section
    // name with "]", blanks around it) is refused rather than written wrong.
    const Entry headerRead = ParseLine(header);
    const Entry lineRead = ParseLine(line);
    if (headerRead.kind != Entry::Section || headerRead.name != section || lineRead.kind != Entry::Key ||
        lineRead.name != key) {
        return false;
    }
    const Place place = Find(m_bytes, section, key);
    if (place.valueBegin != npos) {
        m_bytes.replace(place.valueBegin, place.valueEnd - place.valueBegin, stored);
    } else if (place.keysEnd != npos) {
        InsertLines(place.keysEnd, line + kNewLine);
    } else {
        // As the profile functions do, no blank line before the new section.
        InsertLines(m_bytes.size(), header + kNewLine + line + kNewLine);
    }
    return true;
}

// The line before may be the file's last and have no line end: it gets one, or the new lines
// would run on from it.
void CProfileText::InsertLines(std::size_t at, std::string lines) {
    if (at > TextStart(m_bytes) && m_bytes[at - 1] != '\n') lines.insert(0, kNewLine);
    m_bytes.insert(at, lines);
}

int CProfileText::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> text = GetString(section, key);
    return text ? CrtAtoi(*text) : defaultValue;
}

bool CProfileText::SetInt(std::string_view section, std::string_view key, int value) {
    return SetString(section, key, std::to_string(value));
}
