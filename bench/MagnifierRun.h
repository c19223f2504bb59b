// One run of Huesmith.exe's eyedropper over two colours the driver shows itself: how soon the
// magnifier follows a pointer move, and what the program's memory does while the pointer moves.
#pragma once

#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "framework/CHandle.h"
#include "tests/e2e/Program.h"

namespace bench {

struct MoveTimes {
    std::vector<double> ms;  // each move sent until the new pixel showed (and was named)
    int undone = 0;          // moves that Wine took back, not counted
};

// PagefileUsage is the private bytes (under Wine the resident anonymous memory); the end's peak
// working set is the whole run's.
struct SoakFigures {
    PROCESS_MEMORY_COUNTERS start;
    PROCESS_MEMORY_COUNTERS end;
    std::vector<SIZE_T> workingSets;  // one a minute, from the start
    long long moves;
};

class MagnifierRun {
public:
    // Starts the program on the catalogue with the benchmark's two colours in front, shows them
    // side by side in a window of the driver's, and starts the eyedropper over them.
    explicit MagnifierRun(const std::string& catalogue);
    MagnifierRun(const MagnifierRun&) = delete;
    MagnifierRun& operator=(const MagnifierRun&) = delete;
    // Closes the program as a user does; kills it when the eyedropper is still up.
    ~MagnifierRun();

    // Whether the magnifier has a readout that names the colour; then each move also waits for it.
    bool HasReadout() const { return m_readout != nullptr; }
    // Moves the pointer from one colour to the other, at random moments.
    MoveTimes TimeMoves(int moves);
    // Keeps the pointer moving over the program's window and the colours for that long.
    SoakFigures Soak(std::chrono::seconds length);
    // Escape, as a user ends the eyedropper.
    void EndEyedropper();

private:
    void Settle(HDC magnifier, int colour);
    bool Shows(HDC magnifier, int colour) const;
    bool EyedropperUp() const;
    PROCESS_MEMORY_COUNTERS Memory() const;

    e2e::TempFolder m_folder;  // first: removed after the program has ended
    std::optional<e2e::Program> m_process;
    CHandle<HANDLE, &::CloseHandle> m_query;  // the program's memory figures
    HWND m_frame = nullptr;
    HWND m_magnifier = nullptr;
    HWND m_readout = nullptr;
    RECT m_colours{};     // where the two colours were shown on the screen
    POINT m_points[2]{};  // the middle of each
};

}  // namespace bench
