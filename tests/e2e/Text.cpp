#include "tests/e2e/Text.h"

#include <windows.h>

namespace e2e {
namespace {

constexpr UINT kCodePage932 = 932;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int count = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), count);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int count =
        ::WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(count), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), count, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Utf8FromWide(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string Cp932FromUtf8(std::string_view utf8) {
    return FromWide(kCodePage932, WideFromUtf8(utf8));
}
std::string Utf8FromCp932(std::string_view cp932) {
    return Utf8FromWide(ToWide(kCodePage932, cp932));
}

}  // namespace e2e
