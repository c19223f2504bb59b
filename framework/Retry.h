// Patience with a resource another program holds for a moment: a file a virus scanner has just
// opened, the clipboard a clipboard manager is reading.
#pragma once

#include <chrono>
#include <thread>

// Runs `step` (true when it worked) until it works, fails for a reason `busy` does not call
// passing, or has been busy for `patience`; a pause of `pause` lies between two tries.
template <class Step, class Busy>
bool RetryWhileBusy(Step step, Busy busy, std::chrono::milliseconds patience, std::chrono::milliseconds pause) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (step()) return true;
        if (std::chrono::steady_clock::now() >= deadline || !busy()) return false;
        std::this_thread::sleep_for(pause);
    }
}
