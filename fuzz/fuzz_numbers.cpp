// The C-runtime-style number readers against the C library itself: same value wherever the
// library's 64-bit long and the program's 32-bit long agree.
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/CrtNumber.h"

namespace {
constexpr long long kLongMin = INT32_MIN;
constexpr long long kLongMax = INT32_MAX;

long long Clamp(long long value) { return value < kLongMin ? kLongMin : value > kLongMax ? kLongMax : value; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The C library stops at a NUL byte; compare only texts without one.
    if (text.find('\0') != std::string::npos) {
        (void)CrtAtoi(text);
        (void)CrtStrtolHex(text);
        (void)ParseDialogInteger(text);
        return 0;
    }
    errno = 0;
    const long long decimal = std::strtoll(text.c_str(), nullptr, 10);
    if (CrtAtoi(text) != Clamp(decimal)) std::abort();
    errno = 0;
    const long long hex = std::strtoll(text.c_str(), nullptr, 16);
    if (CrtStrtolHex(text) != Clamp(hex)) std::abort();
    if (const auto parsed = ParseDialogInteger(text); parsed && (*parsed < kLongMin || *parsed > kLongMax)) std::abort();
    return 0;
}
