#include "framework/TextFormat.h"

#include "framework/Cp932.h"

std::string_view SplitField(std::string_view text, char separator, std::size_t index) {
    for (; index > 0; --index) {
        const std::size_t end = text.find(separator);
        if (end == std::string_view::npos) return {};
        text.remove_prefix(end + 1);
    }
    return text.substr(0, text.find(separator));
}

std::string FieldNameFromLabel(std::string_view label) {
    std::string name;
    for (std::size_t pos = 0; pos < label.size();) {
        const std::size_t length = Cp932CharLength(label, pos);
        const bool mnemonic = length == 1 && label.substr(pos, 2) == "(&" && label.substr(pos + 3, 1) == ")";
        if (mnemonic) {
            pos += 4;
            continue;
        }
        if (length > 1 || label[pos] != '&') name.append(label.substr(pos, length));
        pos += length;
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
    return name;
}
