// One start of a program, timed from CreateProcess until its window is shown, and until it has
// painted and the program waits for input; then the program is closed as a user closes it.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

struct StartTarget {
    std::filesystem::path program;
    std::filesystem::path folder;  // its current folder
    std::wstring captionPrefix;    // of the window that counts as shown
};

struct StartTimes {
    double shownMs;  // until the window is visible
    double readyMs;  // until it has painted and the program waits for input
};

// Throws when the program ends early or never shows its window.
StartTimes TimeOneStart(const StartTarget& target);

}  // namespace bench
