// Test texts written readably in UTF-8 and converted to the program's CP932 bytes by the C
// library's converter, which the code under test never uses.
#pragma once

#include <string>
#include <string_view>

std::string ToCp932(std::string_view utf8);
