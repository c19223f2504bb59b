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

// The strip on a 96-DPI form, and its font there.
inline constexpr PreviewRect rectPreview{0, 138, 249, 167};
inline constexpr int kPreviewFontHeightPx = 24;

struct PreviewLayout {
    PreviewRect strip;
    int fontHeight;
    friend constexpr bool operator==(const PreviewLayout&, const PreviewLayout&) = default;
};

// The strip and its font on a form of the given client size, whose placeholder for the strip the
// form's own layout put at `placeholder` (at any scale, right below the blue row): the strip starts
// there and fills the form to its right and bottom edges, and its font keeps its share of the
// strip's height (24 of 29 pixels on a 96-DPI form). A form not laid out yet, no larger than the
// placeholder, gets the placeholder itself.
constexpr PreviewLayout PreviewLayoutFor(const PreviewRect& placeholder, int formWidth, int formHeight) {
    const bool laidOut = formWidth > placeholder.left && formHeight > placeholder.top;
    const PreviewRect strip = laidOut ? PreviewRect{placeholder.left, placeholder.top, formWidth, formHeight} : placeholder;
    const int share = strip.Height() * kPreviewFontHeightPx;
    return {strip, (share + rectPreview.Height() / 2) / rectPreview.Height()};
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
