// Code page 932 (Shift-JIS) text helpers, spelled out so that they behave the same whatever the
// machine's locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Whether the byte starts a double-byte character.
constexpr bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the character that starts at pos: 2 for a lead byte with a byte after it, else 1
// (a lead byte at the very end has no trail to take and stands alone, as a truncated text ends).
constexpr std::size_t Cp932CharLength(std::string_view text, std::size_t pos) {
    const bool lead = IsCp932LeadByte(static_cast<unsigned char>(text[pos]));
    return lead && pos + 1 < text.size() ? 2 : 1;
}

// Position of needle in haystack, trying only the haystack's character boundaries; npos when
// absent. An empty needle occurs at 0.
std::size_t Cp932Find(std::string_view haystack, std::string_view needle);

// Orders texts character by character, a double-byte character as lead * 256 + trail, a single
// byte as its value; a proper prefix comes first. Negative, zero or positive.
int Cp932Compare(std::string_view a, std::string_view b);

// The first four characters' numbers in 16 bits each, first character highest, zero-padded: where
// two texts' prefixes differ, they order as Cp932Compare orders the texts; equal prefixes decide
// nothing.
std::uint64_t Cp932OrderPrefix(std::string_view text);

// The text with its single-byte letters a-z upper-cased; double-byte characters kept whole.
std::string Cp932UpperCase(std::string text);

// At most the first two bytes, whatever they are: one full-width character of a reading.
constexpr std::string_view FirstTwoBytes(std::string_view text) { return text.substr(0, 2); }
