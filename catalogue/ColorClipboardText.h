// The current colour as clipboard text: what Copy puts there and what Paste takes from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/ColorCode.h"
#include "catalogue/HsColor.h"

// The ASCII letters of an ASCII text in one case; other bytes stay as they are.
std::string InLetterCase(std::string_view asciiText, bool lowerCase);

// The prefix, then red, green and blue as two hexadecimal digits each, upper case unless lowerCase;
// the prefix is never case-converted: ("#", false, 255 128 0) gives "#FF8000".
std::string FormatClipboardCode(std::string_view prefix, bool lowerCase, HsColor color);

// The colour a pasted text sets, or nullopt when the paste changes nothing. Trailing line breaks,
// tabs and blanks are dropped first. Then fewer than six bytes change nothing; exactly six count
// only when the first byte is alphanumeric in code page 932; of a longer text the last six count.
// Each pair reads like strtol in base 16; a pair that reads negative changes nothing.
std::optional<ChannelValues> ParseClipboardCode(std::string_view text);
