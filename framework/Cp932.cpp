#include "framework/Cp932.h"

#include <cstring>

namespace {

constexpr unsigned kByteShift = 8;

// The character at pos as one number, and where the next one starts.
struct Cp932Char {
    unsigned code;
    std::size_t next;
};

Cp932Char ReadChar(std::string_view text, std::size_t pos) {
    const unsigned first = static_cast<unsigned char>(text[pos]);
    if (Cp932CharLength(text, pos) == 1) return {first, pos + 1};
    const unsigned trail = static_cast<unsigned char>(text[pos + 1]);
    return {first << kByteShift | trail, pos + 2};
}

}  // namespace

// Walking the haystack character by character is what keeps a trail byte that looks like ASCII
// (the 0x5C of "ソ" is a backslash) or a byte pair straddling two characters from matching.
std::size_t Cp932Find(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) return 0;
    for (std::size_t pos = 0; haystack.size() - pos >= needle.size();
         pos += Cp932CharLength(haystack, pos)) {
        if (haystack[pos] == needle[0] &&
            std::memcmp(haystack.data() + pos, needle.data(), needle.size()) == 0) {
            return pos;
        }
    }
    return std::string_view::npos;
}

int Cp932Compare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const Cp932Char left = ReadChar(a, i);
        const Cp932Char right = ReadChar(b, j);
        if (left.code != right.code) return left.code < right.code ? -1 : 1;
        i = left.next;
        j = right.next;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

// Character numbers fit in 16 bits (lead * 256 + trail), and a text that ends early pads with 0,
// below every character but NUL, so a proper prefix still comes first. A NUL character ties with
// the padding, which leaves the decision to the full comparison.
std::uint64_t Cp932OrderPrefix(std::string_view text) {
    constexpr int kPrefixChars = 4;
    constexpr unsigned kCharBits = 16;
    std::uint64_t prefix = 0;
    std::size_t pos = 0;
    for (int n = 0; n < kPrefixChars; ++n) {
        unsigned code = 0;
        if (pos < text.size()) {
            const Cp932Char c = ReadChar(text, pos);
            code = c.code;
            pos = c.next;
        }
        prefix = prefix << kCharBits | code;
    }
    return prefix;
}

// A trail byte may well have an ASCII letter's value (the 0x41 of "ア"): only single-byte
// characters are letters.
std::string Cp932UpperCase(std::string text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Cp932CharLength(text, pos);
        if (length == 1 && text[pos] >= 'a' && text[pos] <= 'z') text[pos] = static_cast<char>(text[pos] - 'a' + 'A');
        pos += length;
    }
    return text;
}
