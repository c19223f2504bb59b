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
};

inline constexpr PreviewRect rectPreview{0, 138, 249, 167};

struct TextOrigin {
    int x;
    int y;
};

// Where text of the given extent starts so that it is centred in the strip; C++ division truncates
// toward zero like the original arithmetic, so a text wider than the strip is cut equally at both ends.
constexpr TextOrigin CentredTextOrigin(int textWidth, int textHeight) {
    return {(rectPreview.Width() - textWidth) / 2, (rectPreview.Height() - textHeight) / 2};
}
