#include "framework/HelpDocument.h"

#include "framework/Cp932.h"

namespace {
constexpr std::string_view kHelpExtension = ".htm";
}  // namespace

// Walked character by character: the trail byte of a double-byte character such as "ソ" (0x83 0x5C)
// looks like a backslash and must not end a folder name.
std::string HelpDocumentPath(std::string_view programPath) {
    std::size_t nameStart = 0;
    std::size_t dot = std::string_view::npos;
    for (std::size_t pos = 0; pos < programPath.size();) {
        const std::size_t length = Cp932CharLength(programPath, pos);
        if (length == 1 && (programPath[pos] == '\\' || programPath[pos] == '/' || programPath[pos] == ':')) {
            nameStart = pos + 1;
            dot = std::string_view::npos;
        } else if (length == 1 && programPath[pos] == '.') {
            dot = pos;
        }
        pos += length;
    }
    const std::size_t stem = dot != std::string_view::npos && dot > nameStart ? dot : programPath.size();
    return std::string(programPath.substr(0, stem)) + std::string(kHelpExtension);
}
