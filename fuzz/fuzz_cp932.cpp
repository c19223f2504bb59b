// The code page 932 helpers: a found needle really is there and starts on a character boundary;
// the comparison is a consistent order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/Cp932.h"

namespace {
bool OnBoundary(std::string_view text, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos) i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    return i == pos;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte splits the input into two texts.
    const std::size_t split = data[0] % size;
    const std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view a = all.substr(0, split);
    const std::string_view b = all.substr(split < all.size() ? split : all.size());

    const std::size_t found = Cp932Find(a, b);
    if (found != std::string_view::npos && (a.substr(found, b.size()) != b || !OnBoundary(a, found))) std::abort();
    const int ab = Cp932Compare(a, b);
    const int ba = Cp932Compare(b, a);
    if ((ab < 0) != (ba > 0) || (ab == 0) != (ba == 0)) std::abort();
    if (Cp932Compare(a, a) != 0) std::abort();
    return 0;
}
