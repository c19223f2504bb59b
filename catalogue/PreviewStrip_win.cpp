#include "catalogue/PreviewStripWindow.h"

#include "framework/Dpi.h"

PreviewLayout PreviewLayoutOf(HWND view) {
    RECT client{};
    if (!view || !::GetClientRect(view, &client)) return PreviewLayoutFor(kStandardDpi, 0, 0);
    return PreviewLayoutFor(WindowDpi(view), client.right, client.bottom);
}

RECT PreviewRectOf(HWND view) {
    const PreviewRect strip = PreviewLayoutOf(view).strip;
    return {strip.left, strip.top, strip.right, strip.bottom};
}
