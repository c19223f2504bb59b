#include "framework/Clipboard.h"

#include <chrono>
#include <cstring>
#include <cwchar>

#include "framework/CHandle.h"
#include "framework/HalfWidth.h"
#include "framework/Retry.h"
#include "framework/WideText.h"

namespace {
using CGlobalBlock = CHandle<HGLOBAL, &::GlobalFree>;

// Clipboard history, remote desktop and clipboard managers open the clipboard for a moment after
// every change: it is asked for again for a while before the program gives up.
constexpr std::chrono::milliseconds kClipboardPatience{1000};
constexpr std::chrono::milliseconds kClipboardPause{20};

bool OpenClipboardPatiently(HWND owner) {
    return RetryWhileBusy([owner] { return ::OpenClipboard(owner) != FALSE; }, [] { return true; }, kClipboardPatience,
                          kClipboardPause);
}
}  // namespace

// Read as Unicode, so that what the user copied elsewhere arrives the same on any system code page;
// a character that code page 932 lacks makes it no code of ours.
std::optional<std::string> ReadClipboardText() {
    if (::IsClipboardFormatAvailable(CF_UNICODETEXT) == FALSE || !OpenClipboardPatiently(nullptr)) {
        return std::nullopt;
    }
    const CScopeExit close([] { ::CloseClipboard(); });
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const auto* units = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    if (units == nullptr) return std::nullopt;
    const CScopeExit unlock([data] { ::GlobalUnlock(data); });
    // Bounded by the block: another program's text without its NUL is not read past the end. A
    // code copied from a Japanese text may be written in full-width characters.
    return Cp932FromWide(
        HalfWidthAscii(std::wstring(units, ::wcsnlen(units, ::GlobalSize(data) / sizeof(wchar_t)))));
}

// Windows offers the Unicode text to others in their code page too. A window owns the data: a
// clipboard opened without an owner is emptied to no owner, and the platform may then refuse
// SetClipboardData.
bool WriteClipboardText(HWND owner, const std::string& text) {
    if (!OpenClipboardPatiently(owner)) return false;
    const CScopeExit close([] { ::CloseClipboard(); });
    const std::wstring wide = WideFromCp932(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    if (!block) return false;
    void* units = ::GlobalLock(block.Get());
    if (units == nullptr) return false;
    std::memcpy(units, wide.c_str(), bytes);
    ::GlobalUnlock(block.Get());
    ::EmptyClipboard();
    if (::SetClipboardData(CF_UNICODETEXT, block.Get()) == nullptr) return false;
    // Handed over: the block belongs to the clipboard now.
    (void)block.Detach();
    return true;
}
