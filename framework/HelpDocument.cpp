#include "framework/HelpDocument.h"

namespace {
constexpr std::wstring_view kHelpExtension = L".htm";
}  // namespace

std::wstring HelpDocumentPath(std::wstring_view programPath) {
    const std::size_t nameStart = programPath.find_last_of(L"\\/:") + 1;  // npos + 1 is 0
    const std::size_t dot = programPath.find_last_of(L'.');
    const std::size_t stem = dot != std::wstring_view::npos && dot > nameStart ? dot : programPath.size();
    return std::wstring(programPath.substr(0, stem)) + std::wstring(kHelpExtension);
}
