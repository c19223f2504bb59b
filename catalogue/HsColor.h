// A colour as the platform packs it, so that the Windows build hands it to GDI unchanged.
#pragma once

#include <cstdint>

using HsColor = std::uint32_t;  // 0x00BBGGRR

// Packs a colour as the platform does: each channel's low 8 bits, red in the low byte.
constexpr HsColor PackColor(short red, short green, short blue) {
    return static_cast<HsColor>(red & 0xFF) | static_cast<HsColor>(green & 0xFF) << 8 |
           static_cast<HsColor>(blue & 0xFF) << 16;
}
constexpr short RedOf(HsColor color) { return static_cast<short>(color & 0xFF); }
constexpr short GreenOf(HsColor color) { return static_cast<short>((color >> 8) & 0xFF); }
constexpr short BlueOf(HsColor color) { return static_cast<short>((color >> 16) & 0xFF); }
