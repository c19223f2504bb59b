#include "tests/e2e/WindowQuery.h"

#include <commctrl.h>

#include <stdexcept>
#include <string_view>

#include "tests/e2e/Text.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr std::wstring_view kCaptionPrefix = L"Huesmith - ";

}  // namespace

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                               &result)) {
        // A window that is gone answers nothing; only a live one that does not answer is a fault.
        if (!::IsWindow(window)) return 0;
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<uintptr_t>(window)) +
                                 " (" + ClassOf(window) + ") did not answer message " +
                                 std::to_string(message) + ", error " +
                                 std::to_string(::GetLastError()));
    }
    return static_cast<LRESULT>(result);
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindMainFrame(DWORD processId) {
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (IsVisible(window) && WideTextOf(window).starts_with(kCaptionPrefix)) return window;
    }
    return nullptr;
}

std::wstring WideTextOf(HWND window) {
    const auto length = Send(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string TextOf(HWND window) { return Utf8FromWide(WideTextOf(window)); }

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return Utf8FromWide(name);
}

int ComboCount(HWND combo) { return static_cast<int>(Send(combo, CB_GETCOUNT)); }
int ComboSelection(HWND combo) { return static_cast<int>(Send(combo, CB_GETCURSEL)); }

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const int count = ComboCount(combo);
    for (int i = 0; i < count; ++i) {
        const auto length = Send(combo, CB_GETLBTEXTLEN, i);
        std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        const auto copied = Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
        items.push_back(Utf8FromWide(text));
    }
    return items;
}

bool IsChecked(HWND button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }
int TrackbarPos(HWND trackbar) { return static_cast<int>(Send(trackbar, TBM_GETPOS)); }

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return r;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool IsTopmost(HWND window) { return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
bool IsVisible(HWND window) { return ::IsWindowVisible(window) != FALSE; }

COLORREF ClientPixel(HWND topLevel, POINT client) {
    HDC dc = ::GetDC(topLevel);
    if (dc == nullptr) return CLR_INVALID;
    const COLORREF pixel = ::GetPixel(dc, client.x, client.y);
    ::ReleaseDC(topLevel, dc);
    return pixel;
}

}  // namespace e2e
