// HTML colour codes and hexadecimal channel texts: the one implementation behind every dialog and
// command that shows them or reads them typed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kHtmlCodeMaxBytes = 7;    // "#" and six digits
inline constexpr int kHexChannelMaxBytes = 2;  // "FF"

enum class ColorChannel { Red, Green, Blue };

// A value read from hexadecimal text is a colour channel only in 0-255: a typed sign makes it
// negative, and such a value must be refused, never shown or handed on.
constexpr bool IsChannelValue(long value) { return value >= 0 && value <= 255; }

struct ChannelValues {
    long red = 0;
    long green = 0;
    long blue = 0;
    friend bool operator==(const ChannelValues&, const ChannelValues&) = default;
};

constexpr bool AreChannelValues(const ChannelValues& values) {
    return IsChannelValue(values.red) && IsChannelValue(values.green) && IsChannelValue(values.blue);
}

// "#" and red, green, blue as two upper-case digits each: (255, 160, 122) gives "#FFA07A".
std::string FormatHtmlCode(int red, int green, int blue);

// A channel in upper-case hexadecimal without zero padding: 0 gives "0", 10 "A", 255 "FF".
std::string FormatHexChannel(int value);

// A channel field or a pair of a code, read like strtol in base 16 (no digits gives 0).
long ParseHexChannel(std::string_view text);

// The red, green and blue pairs of a typed code; nullopt while it is no complete code: fewer than
// six bytes, six beginning with "#", or more than seven. Of seven bytes the last six count,
// whatever the first is.
std::optional<std::array<std::string_view, 3>> HtmlCodePairs(std::string_view code);

// The channels of a typed code (see HtmlCodePairs), each read with ParseHexChannel; a value may be
// out of range (AreChannelValues tells).
std::optional<ChannelValues> ParseHtmlCode(std::string_view code);

// The code shown while one hexadecimal field is edited: the changed field's value as two digits,
// each other field's text as typed, right-aligned in two characters filled with "0" (an empty
// field gives "00", "a" gives "0A"), the whole upper-cased. A changed field that reads out of range
// appears as typed too, so that no out-of-range value turns into digits.
std::string RecomposeHtmlCode(ColorChannel changed, std::string_view redText, std::string_view greenText,
                              std::string_view blueText);

// The hexadecimal field for a pair of a typed code: its value (FormatHexChannel), or the pair
// itself upper-cased when it reads out of range, so that the field shows what will be refused.
std::string HexFieldFromPair(std::string_view pair);
