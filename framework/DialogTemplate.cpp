#include "framework/DialogTemplate.h"

#include <cstdint>

namespace {
constexpr std::uint16_t kExtendedVersion = 1;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;
constexpr std::uint16_t kOrdinalMark = 0xFFFF;
constexpr std::uint32_t kSetFont = 0x40;    // DS_SETFONT
constexpr std::uint32_t kShellFont = 0x48;  // DS_SHELLFONT: DS_SETFONT | DS_FIXEDSYS
constexpr int kMessageBoxFontSize = 0x7FFF;
constexpr int kLatinLetters = 26;
constexpr int kHorizontalUnits = 4;  // dialog units in a horizontal base unit
constexpr int kVerticalUnits = 8;

// Reads the template front to back; any read past the end makes it fail for good.
class CTemplateReader {
public:
    explicit CTemplateReader(std::span<const std::byte> bytes) : m_bytes(bytes) {}
    bool Ok() const { return m_ok; }

    std::uint16_t Word() {
        if (!Have(2)) return 0;
        const auto low = std::to_integer<std::uint16_t>(m_bytes[m_at]);
        const auto high = std::to_integer<std::uint16_t>(m_bytes[m_at + 1]);
        m_at += 2;
        return static_cast<std::uint16_t>(low | high << 8);
    }
    std::uint32_t DoubleWord() {
        const std::uint32_t low = Word();
        return low | static_cast<std::uint32_t>(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    std::uint8_t Byte() {
        if (!Have(1)) return 0;
        return std::to_integer<std::uint8_t>(m_bytes[m_at++]);
    }
    std::u16string String() {
        std::u16string text;
        for (std::uint16_t c = Word(); m_ok && c != 0; c = Word()) text += static_cast<char16_t>(c);
        return text;
    }
    // A menu, class or title: nothing (0), an ordinal (0xFFFF and a word) or a string.
    void SkipNameOrOrdinal() {
        const std::size_t at = m_at;
        const std::uint16_t first = Word();
        if (first == kOrdinalMark) {
            Word();
        } else if (first != 0) {
            m_at = at;
            String();
        }
    }
    void Skip(std::size_t count) {
        if (Have(count)) m_at += count;
    }
    void AlignToDoubleWord() { Skip((4 - m_at % 4) % 4); }

private:
    bool Have(std::size_t count) {
        if (m_ok && m_at + count <= m_bytes.size()) return true;
        m_ok = false;
        return false;
    }
    std::span<const std::byte> m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

DialogItemBox ReadBox(CTemplateReader& reader) {
    const int x = reader.Short();
    const int y = reader.Short();
    const int width = reader.Short();
    return {x, y, width, reader.Short()};
}

// MulDiv's rounding: to the nearest, halves away from zero.
int MulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}
}  // namespace

std::optional<DialogTemplateLayout> ParseDialogTemplate(std::span<const std::byte> bytes) {
    CTemplateReader reader(bytes);
    if (reader.Word() != kExtendedVersion || reader.Word() != kExtendedSignature) return std::nullopt;
    reader.DoubleWord();  // help id
    reader.DoubleWord();  // extended style
    const std::uint32_t style = reader.DoubleWord();
    const int count = reader.Word();
    DialogTemplateLayout layout;
    const DialogItemBox frame = ReadBox(reader);
    layout.width = frame.width;
    layout.height = frame.height;
    reader.SkipNameOrOrdinal();  // menu
    reader.SkipNameOrOrdinal();  // window class
    reader.String();             // caption
    // A size of 0x7FFF stands for the message-box font, and nothing more of the font follows.
    const bool setsFont = (style & kSetFont) != 0 || (style & kShellFont) == kShellFont;
    if (const int size = setsFont ? reader.Word() : kMessageBoxFontSize; size != kMessageBoxFontSize) {
        DialogTemplateFont font;
        font.pointSize = size;
        font.weight = reader.Word();
        font.italic = reader.Byte() != 0;
        font.charset = reader.Byte();
        font.face = reader.String();
        layout.font = std::move(font);
    }
    for (int i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignToDoubleWord();
        reader.DoubleWord();  // help id
        reader.DoubleWord();  // extended style
        reader.DoubleWord();  // style
        const DialogItemBox box = ReadBox(reader);
        layout.controls.push_back({static_cast<int>(reader.DoubleWord()), box});
        reader.SkipNameOrOrdinal();  // class
        reader.SkipNameOrOrdinal();  // title
        reader.Skip(reader.Word());  // creation data
    }
    if (!reader.Ok()) return std::nullopt;
    return layout;
}

DialogItemBox MapDialogUnits(const DialogItemBox& units, DialogBaseUnits base) {
    return {MulDivRounded(units.x, base.x, kHorizontalUnits), MulDivRounded(units.y, base.y, kVerticalUnits),
            MulDivRounded(units.width, base.x, kHorizontalUnits), MulDivRounded(units.height, base.y, kVerticalUnits)};
}

DialogBaseUnits BaseUnitsOfFont(int latinLettersExtent, int height) {
    return {(latinLettersExtent / kLatinLetters + 1) / 2, height};
}
