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

// The stretch for a cursor at (x, y) on a screen of width by height pixels, cut at the screen's
// edges; the picture outside the destination stays black.
MagnifierStretch ClipMagnifierSource(MagnifierPoint cursor, int screenWidth, int screenHeight, int zoom);

// The magnifier's new top-left corner when the cursor enters the square it occupies (side pixels,
// at the top-left or bottom-left of the screen); none when it stays where it is.
std::optional<MagnifierPoint> MagnifierMoveFor(MagnifierPoint cursor, int screenHeight, int side);

enum class ArrowKey { Left, Up, Right, Down };

// Where an arrow key puts the cursor.
MagnifierPoint ArrowKeyCursor(ArrowKey key, MagnifierPoint cursor, int screenWidth, int screenHeight);

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
