// Text conversions between the test sources (UTF-8), the W API (UTF-16) and the program's own
// files and texts (code page 932).
#pragma once

#include <string>
#include <string_view>

namespace e2e {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
std::string Cp932FromUtf8(std::string_view utf8);
std::string Utf8FromCp932(std::string_view cp932);

}  // namespace e2e
