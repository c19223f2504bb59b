#include "catalogue/ColorCode.h"

#include <cstdio>

#include "framework/Cp932.h"
#include "framework/CrtNumber.h"

namespace {
constexpr std::size_t kCodeDigits = 6;
constexpr std::size_t kPairChars = 2;

// A field's text as "%02s" prints it: right-aligned in two characters, "0" filling on the left; a
// longer text stays whole.
std::string PadToPair(std::string_view text) {
    std::string padded(text.size() < kPairChars ? kPairChars - text.size() : 0, '0');
    padded += text;
    return padded;
}

// One component of a recomposed code: the value as two digits while it is a channel, else the text.
std::string CodeComponent(std::string_view text, bool parsed) {
    if (!parsed) return PadToPair(text);
    const long value = ParseHexChannel(text);
    if (!IsChannelValue(value)) return PadToPair(text);
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02lx", value);
    return digits;
}
}  // namespace

std::string FormatHtmlCode(int red, int green, int blue) {
    char code[32];  // room for whatever printf makes of a value, though callers pass channels
    std::snprintf(code, sizeof code, "#%02X%02X%02X", static_cast<unsigned>(red), static_cast<unsigned>(green),
                  static_cast<unsigned>(blue));
    return code;
}

std::string FormatHexChannel(int value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value));
    return digits;
}

long ParseHexChannel(std::string_view text) { return CrtStrtolHex(text); }

std::optional<std::array<std::string_view, 3>> HtmlCodePairs(std::string_view code) {
    if (code.size() < kCodeDigits || code.size() > kCodeDigits + 1) return std::nullopt;
    // Six bytes behind "#" are still being typed; a seventh, whatever it is, only leads in.
    if (code.size() == kCodeDigits && code.front() == '#') return std::nullopt;
    const std::string_view digits = code.substr(code.size() - kCodeDigits);
    return std::array<std::string_view, 3>{digits.substr(0, kPairChars), digits.substr(kPairChars, kPairChars),
                                           digits.substr(2 * kPairChars, kPairChars)};
}

std::optional<ChannelValues> ParseHtmlCode(std::string_view code) {
    const auto pairs = HtmlCodePairs(code);
    if (!pairs) return std::nullopt;
    return ChannelValues{ParseHexChannel((*pairs)[0]), ParseHexChannel((*pairs)[1]), ParseHexChannel((*pairs)[2])};
}

std::string RecomposeHtmlCode(ColorChannel changed, std::string_view redText, std::string_view greenText,
                              std::string_view blueText) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "#" + std::string.
    std::string code = "#";
    code += CodeComponent(redText, changed == ColorChannel::Red);
    code += CodeComponent(greenText, changed == ColorChannel::Green);
    code += CodeComponent(blueText, changed == ColorChannel::Blue);
    return Cp932UpperCase(code);
}

std::string HexFieldFromPair(std::string_view pair) {
    const long value = ParseHexChannel(pair);
    if (IsChannelValue(value)) return FormatHexChannel(static_cast<int>(value));
    return Cp932UpperCase(std::string(pair));
}
