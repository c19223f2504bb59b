// The ".htm" fallback's command line: whatever text the registry holds and whatever the URL is,
// the URL arrives whole at the end, and the registered command is kept up to its placeholder,
// never cut short anywhere else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "controls/LinkText.h"

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
}  // namespace

// The input is UTF-16 units, two bytes each: the registered command, a NUL, then the URL
// (registry strings hold no NUL).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2) units += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    const std::wstring_view input(units);
    const std::size_t split = input.find(L'\0');
    const std::wstring_view registered = input.substr(0, split);
    const std::wstring_view url =
        split == std::wstring_view::npos ? L"https://huesmith.example.org/" : input.substr(split + 1);

    const std::wstring command = BuildHtmCommandLine(registered, url);
    if (command.size() < url.size() + 1) std::abort();
    const std::wstring_view program = std::wstring_view(command).substr(0, command.size() - url.size() - 1);
    if (command.substr(program.size()) != L" " + std::wstring(url)) std::abort();  // the URL intact, after one blank
    if (!registered.starts_with(program)) std::abort();                           // only a tail is cut
    if (!program.empty() && IsBlank(program.back())) std::abort();

    // What was cut is blanks, then the placeholder and whatever followed it (or nothing but blanks).
    std::wstring_view cut = registered.substr(program.size());
    while (!cut.empty() && IsBlank(cut.front())) cut.remove_prefix(1);
    if (!cut.empty() && !cut.starts_with(L"%1") && !cut.starts_with(L"\"%1\"")) std::abort();
    if (cut.empty() && registered.find(L"%1") != std::wstring_view::npos) std::abort();
    return 0;
}
