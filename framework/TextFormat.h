// Fills the %1 ... %9 placeholders of a message text, as the framework's message formatting does.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

std::string SubstituteArgs(std::string_view pattern, std::initializer_list<std::string_view> args);

// Field `index` of a text whose fields are separated by `separator` (empty when there are fewer).
std::string_view SplitField(std::string_view text, char separator, std::size_t index);
