#include <windows.h>

#include "framework/WideText.h"

namespace {
constexpr UINT kCodePage932 = 932;
}  // namespace

// A byte never gives more than one UTF-16 unit, so one call into a buffer of the byte count does.
void WideFromCp932(std::string_view text, std::wstring& wide) {
    wide.resize(text.size());
    if (text.empty()) return;
    const int length = ::MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                             static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring WideFromCp932(std::string_view text) {
    std::wstring wide;
    WideFromCp932(text, wide);
    return wide;
}

// WC_NO_BEST_FIT_CHARS with the used-default flag is what tells a character without a form apart
// from one that was mapped to a look-alike ('é' to 'e').
std::optional<std::string> Cp932FromWide(std::wstring_view text) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int length =
        ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault != FALSE) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length, nullptr,
                          &usedDefault);
    return bytes;
}
