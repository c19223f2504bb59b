#include "bench/StartupTimer.h"

#include <windows.h>

#include <stdexcept>

#include "bench/WineTiming.h"
#include "framework/CHandle.h"
#include "tests/e2e/Program.h"

namespace bench {
namespace {

constexpr DWORD kIdleWaitMs = 60000;
constexpr std::chrono::milliseconds kCloseWait{60000};

// A shown window may not have painted yet; a program that waits for input has.
void WaitForInputIdle(DWORD processId) {
    const CHandle<HANDLE, &::CloseHandle> process(
        ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (process && ::WaitForInputIdle(process.Get(), kIdleWaitMs) == WAIT_TIMEOUT)
        throw std::runtime_error("the program shows its window but does not become idle");
}

}  // namespace

StartTimes TimeOneStart(const StartTarget& target) {
    const Clock::time_point start = Clock::now();
    e2e::Program process(target.program, target.folder);
    HWND window = WaitForShownWindow(process, target.captionPrefix);
    const double shownMs = MillisecondsSince(start);
    WaitForInputIdle(process.Id());
    FinishPainting(window);
    const double readyMs = MillisecondsSince(start);

    // WM_CLOSE takes the program's own way out; the next start must not meet this instance.
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process.WaitForExit(kCloseWait)) throw std::runtime_error("the program did not end on WM_CLOSE");
    return {shownMs, readyMs};
}

}  // namespace bench
