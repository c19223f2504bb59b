// Bounded polling: the driver never sleeps a fixed time hoping the program is done.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace e2e {

// Long enough for a slow Wine start, short enough that a stuck test fails well before CTest's
// own timeout.
inline constexpr std::chrono::milliseconds kDefaultTimeout{15000};

// Polls until done() holds or the timeout passes; returns done()'s last answer. Keeps the
// driver's own windows responsive meanwhile.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = kDefaultTimeout);

// Waits until the kernel object is signalled, keeping the driver's windows responsive meanwhile
// (the program may send them messages while the driver waits for it).
bool WaitForObject(HANDLE object, std::chrono::milliseconds timeout);

// Handles the messages waiting for the driver's own thread.
void PumpMessages();

}  // namespace e2e
