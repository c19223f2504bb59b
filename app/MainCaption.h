// The main frame's caption: the application title, " - " and the number of listed colours. The
// single-instance check recognises a running copy by it.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kMainCaptionSeparator = " - ";

inline std::string FormatMainCaption(std::string_view title, int count) {
    return std::string(title) + std::string(kMainCaptionSeparator) + std::to_string(count);
}

inline bool IsMainCaption(std::string_view caption, std::string_view title) {
    return caption.size() > title.size() + kMainCaptionSeparator.size() && caption.starts_with(title) &&
           caption.substr(title.size()).starts_with(kMainCaptionSeparator);
}
