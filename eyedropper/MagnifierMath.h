// The magnifier's arithmetic: which screen pixels it shows where, where its window goes, how the
// arrow keys move the cursor, and where the cross-hair lies. Platform-free, tested natively.
#pragma once

#include <array>
#include <optional>

// The magnifier shows a square of this many screen pixels, the cursor's pixel at column and row
// kMagnifierCursorCell (counted from 0).
inline constexpr int kMagnifierSourcePx = 22;
inline constexpr int kMagnifierCursorCell = 10;

struct MagnifierPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const MagnifierPoint&, const MagnifierPoint&) = default;
};

// A rectangle in screen coordinates: the virtual screen (every monitor together) or one monitor.
// Its origin is negative where a monitor lies left of or above the primary one.
struct MagnifierBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const MagnifierBounds&, const MagnifierBounds&) = default;
};

// One stretch from the screen into the magnified picture.
struct MagnifierStretch {
    // Destination in the picture and its nominal size (srcW·zoom by srcH·zoom).
    int dstX = 0;
    int dstY = 0;
    int dstW = 0;
    int dstH = 0;
    // Source on the screen.
    int srcX = 0;
    int srcY = 0;
    int srcW = 0;
    int srcH = 0;
    friend bool operator==(const MagnifierStretch&, const MagnifierStretch&) = default;
};

// The stretch for a cursor at (x, y) on the virtual screen, cut at its edges; the picture outside
// the destination stays black.
MagnifierStretch ClipMagnifierSource(MagnifierPoint cursor, MagnifierBounds screen, int zoom);

struct MagnifierSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const MagnifierSize&, const MagnifierSize&) = default;
};

// The magnifier's new top-left corner, now at `current`, for the cursor on `monitor`: the other
// home corner (top-left or bottom-left of the monitor) when the cursor enters the rectangle of
// `size` it occupies, the monitor's top-left when it sits on another monitor; none when it stays.
std::optional<MagnifierPoint> MagnifierMoveFor(MagnifierPoint cursor, MagnifierPoint current, MagnifierBounds monitor,
                                               MagnifierSize size);

enum class ArrowKey { Left, Up, Right, Down };

// Where an arrow key puts the cursor on the virtual screen: `step` pixels on (Shift moves ten), or
// as far as the edge allows.
MagnifierPoint ArrowKeyCursor(ArrowKey key, MagnifierPoint cursor, MagnifierBounds screen, int step = 1);

struct MagnifierLine {
    MagnifierPoint from;
    MagnifierPoint to;
    friend bool operator==(const MagnifierLine&, const MagnifierLine&) = default;
};

// The cross-hair: two vertical and two horizontal lines across the whole picture, framing the
// block that shows the cursor's pixel.
std::array<MagnifierLine, 4> CrossHairLines(int zoom);

// The picture pixel that the magnifier samples: the top-left one inside the cross-hair.
constexpr MagnifierPoint MagnifierSamplePoint(int zoom) {
    return {kMagnifierCursorCell * zoom, kMagnifierCursorCell * zoom};
}

// The magnifier's client area at a DPI: the picture's shown square (`pictureShown` pixels, what
// its window's frame leaves of the zoomed square) on top, the readout in the dialog font below it:
// a swatch of the pixel, four lines of text (code, name, reading, family), its position and the
// copy's status. Wider than the picture where the font is larger than at 96 DPI, so that a line
// holds as many characters at any DPI; the picture then sits in the middle.
struct MagnifierLayout {
    MagnifierBounds picture;  // the shown square
    MagnifierBounds swatch;
    MagnifierBounds text;
    MagnifierBounds position;
    MagnifierBounds status;
    MagnifierSize client;
    friend bool operator==(const MagnifierLayout&, const MagnifierLayout&) = default;
};
inline constexpr int kMagnifierTextLines = 4;
MagnifierLayout LayOutMagnifier(int pictureShown, int dpi, int lineHeight);
