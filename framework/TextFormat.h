// Fills the %1 ... %9 placeholders of a message text, as the framework's message formatting does.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Narrow texts and wide ones (messages that name a path) fill in alike.
template <class Char>
std::basic_string<Char> SubstituteArgs(std::basic_string_view<Char> pattern,
                                       std::initializer_list<std::basic_string_view<Char>> args) {
    std::basic_string<Char> out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const Char c = pattern[i];
        if (c == Char('%') && i + 1 < pattern.size() && pattern[i + 1] >= Char('1') && pattern[i + 1] <= Char('9')) {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - Char('1'));
            if (index < args.size()) out += *(args.begin() + index);
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}

// Field `index` of a text whose fields are separated by `separator` (empty when there are fewer).
std::string_view SplitField(std::string_view text, char separator, std::size_t index);

// What a field is called, from its label: "名前(&N) :" is "名前" (no mnemonic, no colon, no blanks).
std::string FieldNameFromLabel(std::string_view label);
