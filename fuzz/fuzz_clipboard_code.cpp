// Pasted clipboard text: whatever another program put there, a paste either changes nothing or
// gives three channel values, and a code that Copy makes reads back as the colour it came from.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalogue/ColorClipboardText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto values = ParseClipboardCode(text);
    if (!values) return 0;
    if (!AreChannelValues(*values)) std::abort();

    const HsColor color = PackColor(static_cast<short>(values->red), static_cast<short>(values->green),
                                    static_cast<short>(values->blue));
    // The start of the pasted text stands in for any copy prefix.
    const std::string_view prefix = text.substr(0, std::min<std::size_t>(text.size(), 8));
    for (const bool lowerCase : {false, true}) {
        if (ParseClipboardCode(FormatClipboardCode(prefix, lowerCase, color)) != values) std::abort();
    }
    return 0;
}
