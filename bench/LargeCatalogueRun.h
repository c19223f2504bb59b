// One run of Huesmith.exe on a large synthetic catalogue, timing what a user waits for: the
// show-all list refill, the colour data editor's opening and a slider drag.
#pragma once

#include <windows.h>

#include <optional>

#include "tests/e2e/Program.h"

namespace bench {

struct EditorTimes {
    double openMs;   // command posted until the dialog is shown and painted
    double closeMs;  // Cancel until the dialog is gone
};

struct SliderTimes {
    double msPerStep;        // one position of the drag, repaints included
    double driverMsPerStep;  // of which the benchmark's own messages to the program
};

class LargeCatalogueRun {
public:
    // Starts the program on a catalogue of that many entries and waits for its main window.
    explicit LargeCatalogueRun(int entries);
    LargeCatalogueRun(const LargeCatalogueRun&) = delete;
    LargeCatalogueRun& operator=(const LargeCatalogueRun&) = delete;
    // Closes the program as a user does.
    ~LargeCatalogueRun();

    // Narrows the list to one kana row (not timed), then times the show-all command.
    double ShowAllMs();
    EditorTimes OpenAndCancelEditor();
    // Drags the red slider through its 256 positions, one message step each.
    SliderTimes DragRedSlider();

private:
    void ListOneKanaRow();
    void ExpectListed(int count) const;
    HWND View() const;

    int m_entries;
    e2e::TempFolder m_folder;  // first: removed after the program has ended
    std::optional<e2e::Program> m_process;
    HWND m_frame = nullptr;
};

}  // namespace bench
