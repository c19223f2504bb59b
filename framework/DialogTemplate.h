// What a dialog template says of a dialog's layout (the extended template the resource compiler
// writes): its size, its font and each control's rectangle, in dialog units. Platform-free, so
// that the layout arithmetic is tested natively.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A control's place: position and size, in dialog units or, mapped, in pixels.
struct DialogItemBox {
    int x;
    int y;
    int width;
    int height;
    friend constexpr bool operator==(const DialogItemBox&, const DialogItemBox&) = default;
};

struct DialogControl {
    int id;  // -1 for a control nothing refers to
    DialogItemBox box;
    friend constexpr bool operator==(const DialogControl&, const DialogControl&) = default;
};

struct DialogTemplateFont {
    int pointSize = 0;
    int weight = 0;
    bool italic = false;
    int charset = 0;
    std::u16string face;
};

struct DialogTemplateLayout {
    int width = 0;  // the client area, in dialog units
    int height = 0;
    std::optional<DialogTemplateFont> font;
    std::vector<DialogControl> controls;  // in template order, which is the controls' creation order
};

// Nullopt for bytes that are no extended dialog template or end before it does.
std::optional<DialogTemplateLayout> ParseDialogTemplate(std::span<const std::byte> bytes);

// Pixels for one horizontal dialog unit times four, and for one vertical unit times eight: the
// average width of the font's letters and its height.
struct DialogBaseUnits {
    int x;
    int y;
};

// The box in pixels as the dialog manager places a control: position and size each rounded.
DialogItemBox MapDialogUnits(const DialogItemBox& units, DialogBaseUnits base);

// The base units of a font, as Windows takes them: the extent of the 52 Latin letters averaged
// and rounded, and the font's height.
DialogBaseUnits BaseUnitsOfFont(int latinLettersExtent, int height);
