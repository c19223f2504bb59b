#include "catalogue/ColorClipboardText.h"

namespace {
constexpr std::size_t kCodeBytes = 6;

// What IsCharAlphaNumeric says of a single byte under code page 932: ASCII digits and letters and
// the half-width katakana (0xA6-0xDF). A lead byte alone converts to no character and is none.
constexpr bool IsCp932AlphaNumericByte(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 0xA6 && byte <= 0xDF);
}

// A code copied from an editor or a web page usually ends in a line break or blanks; they would
// otherwise take the place of the last digits.
constexpr std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}
}  // namespace

std::string InLetterCase(std::string_view asciiText, bool lowerCase) {
    std::string text(asciiText);
    for (char& c : text) {
        if (lowerCase && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (!lowerCase && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string FormatClipboardCode(std::string_view prefix, bool lowerCase, HsColor color) {
    // The HTML code's digits, without its "#".
    const std::string digits = FormatHtmlCode(RedOf(color), GreenOf(color), BlueOf(color)).substr(1);
    return std::string(prefix) + InLetterCase(digits, lowerCase);
}

std::optional<ChannelValues> ParseClipboardCode(std::string_view text) {
    text = WithoutTrailingBlanks(text);
    if (text.size() < kCodeBytes) return std::nullopt;
    if (text.size() == kCodeBytes && !IsCp932AlphaNumericByte(static_cast<unsigned char>(text.front()))) {
        return std::nullopt;
    }
    const std::string_view code = text.substr(text.size() - kCodeBytes);
    const ChannelValues values{ParseHexChannel(code.substr(0, 2)), ParseHexChannel(code.substr(2, 2)),
                               ParseHexChannel(code.substr(4, 2))};
    // Two characters read at most 255, but a sign makes a pair negative: no channel value.
    if (!AreChannelValues(values)) return std::nullopt;
    return values;
}
