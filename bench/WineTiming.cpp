#include "bench/WineTiming.h"

#include <stdexcept>
#include <string>
#include <thread>

#include "tests/e2e/Program.h"

namespace bench {
namespace {

constexpr std::chrono::milliseconds kPatience{60000};
constexpr std::chrono::milliseconds kPoll{1};
constexpr int kCaptionChars = 256;
constexpr int kClassChars = 64;

struct Search {
    DWORD processId;
    std::wstring_view captionPrefix;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !::IsWindowVisible(window)) return TRUE;
    if (search.className) {
        wchar_t name[kClassChars] = {};
        ::GetClassNameW(window, name, kClassChars);
        if (std::wstring_view(name) != search.className) return TRUE;
    }
    if (!CaptionOf(window).starts_with(search.captionPrefix)) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// GetWindowTextW reads another process's caption from the system, where WM_GETTEXT would wait
// for a program still busy starting.
std::wstring CaptionOf(HWND window) {
    wchar_t text[kCaptionChars] = {};
    const int length = ::GetWindowTextW(window, text, kCaptionChars);
    return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

HWND FindShownWindow(DWORD processId, std::wstring_view captionPrefix, const wchar_t* className) {
    Search search{processId, captionPrefix, className, nullptr};
    ::EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForShownWindow(e2e::Program& process, std::wstring_view captionPrefix, const wchar_t* className) {
    const auto deadline = Clock::now() + kPatience;
    for (;;) {
        if (HWND window = FindShownWindow(process.Id(), captionPrefix, className)) return window;
        if (!process.IsRunning()) throw std::runtime_error("the program ended before its window appeared");
        if (Clock::now() >= deadline) throw std::runtime_error("the program's window did not appear");
        std::this_thread::sleep_for(kPoll);
    }
}

void WaitUntilGone(HWND window) {
    const auto deadline = Clock::now() + kPatience;
    while (::IsWindow(window)) {
        if (Clock::now() >= deadline) throw std::runtime_error("a window of the program did not close");
        std::this_thread::sleep_for(kPoll);
    }
}

LRESULT SendPatiently(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(kPatience.count()),
                               &result)) {
        throw std::runtime_error("the program did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

// RDW_UPDATENOW sends WM_PAINT to each window of another thread that needs it and waits for it.
void FinishPainting(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace bench
