#include "catalogue/PreviewStripWindow.h"

#include "res/resource.h"

// The placeholder is a hidden control of the form, laid out with it at every scale.
PreviewLayout PreviewLayoutOf(HWND view) {
    RECT client{};
    RECT placeholder{};
    const HWND marker = view != nullptr ? ::GetDlgItem(view, IDC_STATIC_PREVIEW) : nullptr;
    if (marker == nullptr || !::GetClientRect(view, &client) || !::GetWindowRect(marker, &placeholder)) {
        return PreviewLayoutFor(rectPreview, 0, 0);
    }
    ::MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&placeholder), 2);
    return PreviewLayoutFor({placeholder.left, placeholder.top, placeholder.right, placeholder.bottom}, client.right,
                            client.bottom);
}

RECT PreviewRectOf(HWND view) {
    const PreviewRect strip = PreviewLayoutOf(view).strip;
    return {strip.left, strip.top, strip.right, strip.bottom};
}
