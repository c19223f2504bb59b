// How the user has Windows look, where the program's own chrome must follow it.
#pragma once

#include <windows.h>

// A high-contrast theme is on: chrome takes the system's colours, the user's colours stay content.
bool HighContrastOn();
