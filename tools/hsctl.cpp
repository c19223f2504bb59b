// hsctl: lets scripts wait for Huesmith's main window and close it as a user would.
//   hsctl wait [seconds]    exit 0 once the main window is visible and the program is idle
//   hsctl close [seconds]   post WM_CLOSE to the main window and wait for the program to end
// Exit 1 on timeout, 2 on a usage error. Both commands default to 30 seconds.
#include <windows.h>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

#include "framework/CHandle.h"

namespace {

using CProcessHandle = CHandle<HANDLE, &::CloseHandle>;

constexpr std::wstring_view kCaptionPrefix = L"Huesmith - ";
constexpr unsigned kDefaultTimeoutSeconds = 30;
constexpr unsigned kMaxTimeoutSeconds = 24 * 60 * 60;
constexpr DWORD kPollMs = 100;
constexpr int kCaptionChars = 256;

enum ExitCode : int { kExitOk = 0, kExitTimeout = 1, kExitUsage = 2 };

class CDeadline {
public:
    explicit CDeadline(unsigned seconds) : m_endMs(::GetTickCount64() + seconds * 1000ULL) {}
    DWORD RemainingMs() const {
        const ULONGLONG now = ::GetTickCount64();
        return now >= m_endMs ? 0 : static_cast<DWORD>(m_endMs - now);
    }

private:
    ULONGLONG m_endMs;
};

// Read with the W API: under Wine an ANSI caption of another process can arrive as UTF-16 bytes.
bool HasMainCaption(HWND hWnd) {
    wchar_t text[kCaptionChars] = {};
    const int length = ::GetWindowTextW(hWnd, text, kCaptionChars);
    return length > 0 && std::wstring_view(text, length).starts_with(kCaptionPrefix);
}

BOOL CALLBACK FindVisibleMain(HWND hWnd, LPARAM lParam) {
    if (!::IsWindowVisible(hWnd) || !HasMainCaption(hWnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

HWND WaitForMainWindow(const CDeadline& deadline) {
    for (;;) {
        HWND found = nullptr;
        ::EnumWindows(FindVisibleMain, reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        if (deadline.RemainingMs() == 0) return nullptr;
        ::Sleep(kPollMs);
    }
}

CProcessHandle OpenOwnerProcess(HWND hWnd, DWORD access) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hWnd, &processId);
    return CProcessHandle(::OpenProcess(access, FALSE, processId));
}

int Wait(const CDeadline& deadline) {
    HWND hWnd = WaitForMainWindow(deadline);
    if (!hWnd) {
        std::fputs("hsctl: no visible Huesmith window before the timeout\n", stderr);
        return kExitTimeout;
    }
    // A window can be visible before its first paint; once the program waits for input, it has
    // drawn what a screenshot should see.
    const CProcessHandle process = OpenOwnerProcess(hWnd, SYNCHRONIZE | PROCESS_QUERY_INFORMATION);
    if (process && ::WaitForInputIdle(process.Get(), deadline.RemainingMs()) == WAIT_TIMEOUT) {
        std::fputs("hsctl: the Huesmith window is up but the program does not answer\n", stderr);
        return kExitTimeout;
    }
    return kExitOk;
}

// WM_CLOSE takes the program's own way out, which saves its settings.
int Close(const CDeadline& deadline) {
    HWND hWnd = WaitForMainWindow(deadline);
    if (!hWnd) {
        std::fputs("hsctl: no visible Huesmith window to close\n", stderr);
        return kExitTimeout;
    }
    const CProcessHandle process = OpenOwnerProcess(hWnd, SYNCHRONIZE);
    if (!process) {
        std::fputs("hsctl: cannot open the Huesmith process\n", stderr);
        return kExitTimeout;
    }
    ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.Get(), deadline.RemainingMs()) != WAIT_OBJECT_0) {
        std::fputs("hsctl: Huesmith did not end before the timeout\n", stderr);
        return kExitTimeout;
    }
    return kExitOk;
}

std::optional<unsigned> ParseSeconds(std::string_view text) {
    unsigned seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc{} || end != text.data() + text.size() || seconds > kMaxTimeoutSeconds)
        return std::nullopt;
    return seconds;
}

int Usage() {
    std::fputs("usage: hsctl wait [seconds] | hsctl close [seconds]\n", stderr);
    return kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) return Usage();
    const std::string_view command = argv[1];
    std::optional<unsigned> seconds = kDefaultTimeoutSeconds;
    if (argc == 3) seconds = ParseSeconds(argv[2]);
    if (!seconds) return Usage();

    const CDeadline deadline(*seconds);
    if (command == "wait") return Wait(deadline);
    if (command == "close") return Close(deadline);
    return Usage();
}
