#include "controls/LinkText.h"

#include <array>
#include <utility>


std::wstring BuildHtmCommandLine(std::wstring_view registered, std::wstring_view url) {
    std::size_t cut = registered.find(L"\"%1\"");
    if (cut == std::wstring_view::npos) cut = registered.find(L"%1");
    std::wstring_view program = registered.substr(0, cut);
    while (!program.empty() && (program.back() == L' ' || program.back() == L'\t')) program.remove_suffix(1);

    std::wstring command;
    command.reserve(program.size() + 1 + url.size());
    command.append(program).append(1, L' ').append(url);
    return command;
}

std::string LinkErrorText(long long code) {
    static constexpr std::array<std::pair<long long, std::string_view>, 13> kLines{{
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    }};
    std::string text = "Can't open link:\n\n";
    for (const auto& [known, line] : kLines) {
        if (known == code) return text.append(line);
    }
    return text.append("Unknown Error (").append(std::to_string(code)).append(") occurred.");
}

std::string MailtoUrl(std::string_view address, std::u8string_view subject) {
    // Everything but the unreserved characters is escaped: more than a mail header needs, never
    // less, and a blank becomes %20 (a "+" would reach the subject as a plus sign).
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string url = "mailto:";
    url.append(address).append("?subject=");
    for (const char8_t unit : subject) {
        const auto byte = static_cast<unsigned char>(unit);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            url += static_cast<char>(byte);
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}
