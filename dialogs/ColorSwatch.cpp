#include "dialogs/ColorSwatch.h"

#include "framework/CDC.h"
#include "framework/CWnd.h"

namespace {
constexpr int kSwatchInsetPx = 1;
}  // namespace

RECT SwatchRectFromFrame(const CWnd& dialog, int frameId) {
    RECT rect{};
    const HWND frame = dialog.GetDlgItem(frameId);
    if (frame == nullptr) return rect;
    ::GetWindowRect(frame, &rect);
    // Both corners, as two points: the dialog's client coordinates.
    ::MapWindowPoints(HWND_DESKTOP, dialog.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    rect.left += kSwatchInsetPx;
    rect.top += kSwatchInsetPx;
    return rect;
}

void PaintSwatch(const CDC& dc, const RECT& rect, COLORREF color) {
    dc.FillSolidRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, color);
}
