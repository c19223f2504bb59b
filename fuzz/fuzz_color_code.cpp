// Typed colour codes and hexadecimal fields: whatever is typed, the dialog's texts stay within
// their byte limits, and a code whose channels are valid reads back from its own formatting.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/ColorCode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto values = ParseHtmlCode(text)) {
        const auto pairs = HtmlCodePairs(text);
        for (const std::string_view pair : *pairs) {
            if (HexFieldFromPair(pair).size() > static_cast<std::size_t>(kHexChannelMaxBytes)) std::abort();
        }
        if (AreChannelValues(*values)) {
            const std::string code = FormatHtmlCode(static_cast<int>(values->red), static_cast<int>(values->green),
                                                    static_cast<int>(values->blue));
            if (ParseHtmlCode(code) != values) std::abort();
        }
    }

    // Three fields of at most two bytes each, as their edits allow, recomposed with each changed.
    const auto field = [&](std::size_t i) { return i * 2 < text.size() ? text.substr(i * 2, 2) : std::string_view(); };
    for (const ColorChannel changed : {ColorChannel::Red, ColorChannel::Green, ColorChannel::Blue}) {
        const std::string code = RecomposeHtmlCode(changed, field(0), field(1), field(2));
        if (code.size() > static_cast<std::size_t>(kHtmlCodeMaxBytes)) std::abort();
    }
    return 0;
}
