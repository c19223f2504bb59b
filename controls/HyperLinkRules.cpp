#include "controls/HyperLinkRules.h"

HsColor LinkTextColor(const LinkState& state) {
    if (state.hover && state.hoverColor) return kLinkHoverColor;
    if (state.focus) return kLinkFocusColor;
    return state.visited ? kLinkVisitedColor : kLinkColor;
}

LinkBox FitLinkToText(const LinkBox& window, int clientWidth, int clientHeight, int textWidth, int textHeight,
                      LinkAlign align, bool centreVertically) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    LinkBox text = window;
    if (centreVertically) {
        const int shrink = (height - textHeight) / 2;
        text.top += shrink;
        text.bottom -= shrink;
    } else {
        text.bottom = text.top + textHeight;
    }
    switch (align) {
    case LinkAlign::Centre: {
        const int shrink = (width - textWidth) / 2;
        text.left += shrink;
        text.right -= shrink;
        break;
    }
    case LinkAlign::Right: text.left = text.right - textWidth; break;
    case LinkAlign::Left: text.right = text.left + textWidth; break;
    }
    // The text box is measured in client pixels; the window keeps its border around it.
    return {text.left, text.top, text.left + (text.right - text.left) + (width - clientWidth),
            text.top + (text.bottom - text.top) + (height - clientHeight)};
}
