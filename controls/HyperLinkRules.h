// What the hyperlink control decides without a window: the colour of its text in each state and
// the rectangle that fits it to its text.
#pragma once

#include <cstdint>

#include "catalogue/HsColor.h"

inline constexpr HsColor kLinkColor = PackColor(0, 0, 255);
inline constexpr HsColor kLinkVisitedColor = PackColor(128, 0, 128);
inline constexpr HsColor kLinkFocusColor = PackColor(0, 128, 128);
inline constexpr HsColor kLinkHoverColor = PackColor(255, 0, 0);

struct LinkState {
    bool hover = false;       // the mouse is over the link
    bool hoverColor = false;  // the style asks for the hover colour
    bool focus = false;
    bool visited = false;
};

// Hover (when the style asks for it) before focus, focus before visited.
HsColor LinkTextColor(const LinkState& state);

// A rectangle in the parent's client pixels.
struct LinkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const LinkBox&, const LinkBox&) = default;
};

enum class LinkAlign { Left, Centre, Right };

// The window rectangle that holds a text of textWidth x textHeight pixels: kept on the side the
// text is aligned to (or shrunk evenly around it when centred), vertically centred or from the
// top, and still as much wider and taller than its client area as it was (borders).
LinkBox FitLinkToText(const LinkBox& window, int clientWidth, int clientHeight, int textWidth, int textHeight,
                      LinkAlign align, bool centreVertically);
