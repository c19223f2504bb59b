#include "tests/e2e/Clipboard.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "framework/CHandle.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/WaitFor.h"

namespace e2e {
namespace {

// The program under test may hold the clipboard open for a moment.
bool OpenWhenFree() {
    return WaitFor([] { return ::OpenClipboard(nullptr) != FALSE; });
}

}  // namespace

std::optional<std::string> ClipboardText() {
    if (!OpenWhenFree()) return std::nullopt;
    const CScopeExit close([] { ::CloseClipboard(); });
    const HANDLE data = ::GetClipboardData(CF_TEXT);
    const auto* bytes = data != nullptr ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    const CScopeExit unlock([data] { ::GlobalUnlock(data); });
    return Utf8FromCp932(std::string_view(bytes, ::strnlen(bytes, ::GlobalSize(data))));
}

void SetClipboardText(std::string_view utf8) { SetClipboardBytes(Cp932FromUtf8(utf8)); }

void SetClipboardBytes(std::string_view text) {
    if (!OpenWhenFree()) throw std::runtime_error("the clipboard stays locked");
    const CScopeExit close([] { ::CloseClipboard(); });
    CHandle<HGLOBAL, &::GlobalFree> block(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    void* bytes = block ? ::GlobalLock(block.Get()) : nullptr;
    if (bytes == nullptr) throw std::runtime_error("no memory for the clipboard text");
    std::memcpy(bytes, text.data(), text.size());
    static_cast<char*>(bytes)[text.size()] = '\0';
    ::GlobalUnlock(block.Get());
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, block.Get()) == nullptr) throw std::runtime_error("SetClipboardData failed");
    (void)block.Detach();  // the clipboard owns it now
}

}  // namespace e2e
