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
