// Full-width forms of ASCII, which a Japanese input method commits for digits and letters, read as
// the ASCII they stand for wherever a number or a code is read.
#pragma once

#include <string>

// U+FF01-U+FF5E become U+0021-U+007E and the ideographic space U+3000 a blank; all else stays.
inline std::wstring HalfWidthAscii(std::wstring text) {
    constexpr wchar_t kFullWidthFirst = 0xFF01;
    constexpr wchar_t kFullWidthLast = 0xFF5E;
    constexpr wchar_t kFullWidthOffset = 0xFF01 - 0x21;
    constexpr wchar_t kIdeographicSpace = 0x3000;
    for (wchar_t& c : text) {
        if (c >= kFullWidthFirst && c <= kFullWidthLast) {
            c = static_cast<wchar_t>(c - kFullWidthOffset);
        } else if (c == kIdeographicSpace) {
            c = L' ';
        }
    }
    return text;
}
