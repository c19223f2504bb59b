// The preview strip at the bottom of the main form, in view client pixels. The view invalidates it
// and the document paints it; both use this one rectangle.
#pragma once

struct PreviewRect {
    int left;
    int top;
    int right;
    int bottom;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend constexpr bool operator==(const PreviewRect&, const PreviewRect&) = default;
};

// The strip on a 96-DPI form.
inline constexpr PreviewRect rectPreview{0, 138, 249, 167};
inline constexpr int kPreviewFontHeightPx = 24;
inline constexpr int kStandardDpi = 96;

// A length in 96-DPI pixels at another DPI, rounded to the nearest pixel (halves away from zero, as
// MulDiv rounds).
constexpr int ScaleFromStandardDpi(int pixels, int dpi) {
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long rounded = scaled >= 0 ? (scaled + kStandardDpi / 2) / kStandardDpi
                                          : -((-scaled + kStandardDpi / 2) / kStandardDpi);
    return static_cast<int>(rounded);
}

struct PreviewLayout {
    PreviewRect strip;
    int fontHeight;
    friend constexpr bool operator==(const PreviewLayout&, const PreviewLayout&) = default;
};

// The strip and its font height on a form of the given client size shown at the given DPI. At
// 96 DPI the fixed strip. Elsewhere the form grows with its dialog font, which does not scale exactly
// with the DPI, so the strip's top and font are scaled while its right and bottom edges follow the
// form's own: it fills the bottom of the form and the text stays centred in it. A form too small to
// hold the scaled top (not laid out yet) gets the plainly scaled strip.
constexpr PreviewLayout PreviewLayoutFor(int dpi, int formWidth, int formHeight) {
    if (dpi <= 0 || dpi == kStandardDpi) return {rectPreview, kPreviewFontHeightPx};
    const PreviewRect scaled{ScaleFromStandardDpi(rectPreview.left, dpi), ScaleFromStandardDpi(rectPreview.top, dpi),
                             ScaleFromStandardDpi(rectPreview.right, dpi),
                             ScaleFromStandardDpi(rectPreview.bottom, dpi)};
    const int fontHeight = ScaleFromStandardDpi(kPreviewFontHeightPx, dpi);
    if (formWidth <= scaled.left || formHeight <= scaled.top) return {scaled, fontHeight};
    return {{scaled.left, scaled.top, formWidth, formHeight}, fontHeight};
}

struct TextOrigin {
    int x;
    int y;
};

// Where text of the given extent starts so that it is centred in the strip; C++ division truncates
// toward zero like the original arithmetic, so a text wider than the strip is cut equally at both ends.
// The origin is relative to the strip's top-left corner.
constexpr TextOrigin CentredTextOrigin(const PreviewRect& strip, int textWidth, int textHeight) {
    return {(strip.Width() - textWidth) / 2, (strip.Height() - textHeight) / 2};
}
