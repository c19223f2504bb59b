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
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

// The input is the registered command, a NUL, then the URL (registry strings hold no NUL).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view registered = input.substr(0, split);
    const std::string_view url =
        split == std::string_view::npos ? "https://huesmith.example.org/" : input.substr(split + 1);

    const std::string command = BuildHtmCommandLine(registered, url);
    if (command.size() < url.size() + 1) std::abort();
    const std::string_view program = std::string_view(command).substr(0, command.size() - url.size() - 1);
    if (command.substr(program.size()) != " " + std::string(url)) std::abort();  // the URL intact, after one blank
    if (!registered.starts_with(program)) std::abort();                           // only a tail is cut
    if (!program.empty() && IsBlank(program.back())) std::abort();

    // What was cut is blanks, then the placeholder and whatever followed it (or nothing but blanks).
    std::string_view cut = registered.substr(program.size());
    while (!cut.empty() && IsBlank(cut.front())) cut.remove_prefix(1);
    if (!cut.empty() && !cut.starts_with("%1") && !cut.starts_with("\"%1\"")) std::abort();
    if (cut.empty() && registered.find("%1") != std::string_view::npos) std::abort();
    return 0;
}
