// The mode radio buttons of the search and category dialogs. Mode 0 works with the first group of
// controls; any other value, the constructor's "none chosen" included, with the second.
#pragma once

struct ModeEnabling {
    bool firstGroup;
    bool secondGroup;
};

constexpr ModeEnabling EnablingForMode(int mode) { return {mode == 0, mode != 0}; }

// A click on a mode's radio button counts once the dialog is set up and only when it chooses
// another mode; the button that is already chosen changes nothing.
constexpr bool ModeSwitchApplies(bool initialized, int currentMode, int clickedMode) {
    return initialized && currentMode != clickedMode;
}
