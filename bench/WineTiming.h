// What the Wine benchmarks time with: a clock, and ways to wait for another process's windows
// that cost the program nothing (no message is sent while it may still be busy).
#pragma once

#include <windows.h>

#include <chrono>
#include <string_view>

namespace e2e {
class Program;
}

namespace bench {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);

// A visible top-level window of the process whose caption begins with the prefix (and whose class
// is the given one, if any), or null.
HWND FindShownWindow(DWORD processId, std::wstring_view captionPrefix, const wchar_t* className = nullptr);

// Polls for such a window every millisecond; throws when the program ends or a minute passes.
HWND WaitForShownWindow(e2e::Program& process, std::wstring_view captionPrefix,
                        const wchar_t* className = nullptr);

// Polls until the window is gone; throws after a minute.
void WaitUntilGone(HWND window);

// The caption as the system keeps it: no message reaches the program.
std::wstring CaptionOf(HWND window);

// SendMessage that waits as long as a very large catalogue may take; throws if the program
// stops answering altogether.
LRESULT SendPatiently(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Returns once the window and its children have painted whatever was invalid: the program
// handles the WM_PAINT messages this sends before the call returns.
void FinishPainting(HWND window);

}  // namespace bench
