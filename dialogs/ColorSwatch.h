// The colour swatch of a tool dialog: a rectangle painted with the dialog's colour over an etched
// frame control.
#pragma once

#include <windows.h>

class CDC;
class CWnd;

// Where the swatch goes: the frame control's window rectangle in the dialog's client coordinates,
// its left and top edges moved in by one pixel so that the frame's outer shadow line stays visible.
RECT SwatchRectFromFrame(const CWnd& dialog, int frameId);

// Fills the swatch with the colour; call it from the dialog's paint handler.
void PaintSwatch(const CDC& dc, const RECT& rect, COLORREF color);
