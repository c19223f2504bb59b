// The one crossing between the program's code page 932 texts and the UTF-16 of Windows. Both
// directions name code page 932 itself, never the system's code page, so the program looks the
// same on an English, European or UTF-8 Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every byte sequence gives some text: bytes that are not code page 932 show as the code page's
// replacement character instead of being dropped.
std::wstring WideFromCp932(std::string_view text);
// The same into a buffer the caller keeps, for lists of many texts.
void WideFromCp932(std::string_view text, std::wstring& wide);

// None when a character has no code page 932 form (an emoji, 'é'): nothing is ever turned into
// '?' or a look-alike.
std::optional<std::string> Cp932FromWide(std::wstring_view text);
