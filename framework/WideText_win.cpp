#include <windows.h>

#include "framework/Cp932.h"
#include "framework/WideText.h"

namespace {
constexpr UINT kCodePage932 = 932;
constexpr wchar_t kReplacementCharacter = L'\x30FB';  // '・', what the code page shows for no character

// Where the last character starts, walking from the front: a byte's role depends on what is before it.
std::size_t LastCharStart(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) start = pos;
    return start;
}
}  // namespace

// A byte never gives more than one UTF-16 unit, so one call into a buffer of the byte count does.
// A lead byte cut off at the end would be dropped without a trace; it shows as the code page's
// replacement character, like any other byte that is no character.
void WideFromCp932(std::string_view text, std::wstring& wide) {
    const bool cutOff = !text.empty() && IsCp932LeadByte(static_cast<unsigned char>(text.back())) &&
                        Cp932CharLength(text, LastCharStart(text)) == 1;
    if (cutOff) text.remove_suffix(1);
    wide.resize(text.size());
    const int length = text.empty() ? 0
                                    : ::MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()),
                                                            wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    if (cutOff) wide += kReplacementCharacter;
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
