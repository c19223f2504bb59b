// The preview strip's layout on the form view window as it is shown now (Windows only).
#pragma once

#include <windows.h>

#include "catalogue/PreviewStrip.h"

PreviewLayout PreviewLayoutOf(HWND view);
RECT PreviewRectOf(HWND view);
