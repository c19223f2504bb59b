#include "framework/CrtNumber.h"

#include <cstdint>
#include <limits>

namespace {

// The C locale's isspace set, spelled out so that no locale can change it.
constexpr bool IsCrtSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsCrtSpace(text[pos])) ++pos;
    return pos;
}

// The program's long is Windows's, 32 bits; holding every build to it makes the native tests
// see what the program does.
constexpr std::int64_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();

struct SignedDigits {
    std::int64_t value = 0;  // saturated just past the 32-bit range, so it never overflows
    std::size_t end = 0;     // position after the last digit read
    bool hasDigits = false;
};

// An optional sign and the digits after it, from pos on.
SignedDigits ReadSignedDigits(std::string_view text, std::size_t pos) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    SignedDigits result;
    constexpr std::int64_t kSaturated = kLongMax + 2;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        result.hasDigits = true;
        if (result.value < kSaturated) result.value = result.value * 10 + (text[pos] - '0');
    }
    if (negative) result.value = -result.value;
    result.end = pos;
    return result;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

int CrtAtoi(std::string_view text) {
    const SignedDigits number = ReadSignedDigits(text, SkipSpace(text, 0));
    if (number.value < kLongMin) return std::numeric_limits<int>::min();
    if (number.value > kLongMax) return std::numeric_limits<int>::max();
    return static_cast<int>(number.value);
}

std::optional<long> ParseDialogInteger(std::string_view text) {
    const SignedDigits number = ReadSignedDigits(text, SkipSpace(text, 0));
    if (!number.hasDigits || SkipSpace(text, number.end) != text.size()) return std::nullopt;
    if (number.value < kLongMin || number.value > kLongMax) return std::nullopt;
    return static_cast<long>(number.value);
}

long CrtStrtolHex(std::string_view text) {
    std::size_t pos = SkipSpace(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // "0x" counts as a prefix only when a hex digit follows; "0x" alone reads as 0.
    if (pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        HexDigitValue(text[pos + 2]) >= 0) {
        pos += 2;
    }
    constexpr std::int64_t kSaturated = kLongMax + 2;
    std::int64_t value = 0;
    for (; pos < text.size() && HexDigitValue(text[pos]) >= 0; ++pos) {
        if (value < kSaturated) value = value * 16 + HexDigitValue(text[pos]);
    }
    if (negative) value = -value;
    if (value < kLongMin) return static_cast<long>(kLongMin);
    if (value > kLongMax) return static_cast<long>(kLongMax);
    return static_cast<long>(value);
}
