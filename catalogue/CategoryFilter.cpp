#include "catalogue/CategoryFilter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "catalogue/ColorHls.h"

namespace {

// Each plain kana with its voiced and half-voiced forms; ゐ and ゑ sit in the や row. Small kana,
// を and ん belong to no row.
constexpr std::array<std::string_view, kKanaRowCount> kKanaRows = {
    // あいうえお
    "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8",
    // かがきぎくぐけげこご
    "\x82\xa9\x82\xaa\x82\xab\x82\xac\x82\xad\x82\xae\x82\xaf\x82\xb0\x82\xb1\x82\xb2",
    // さざしじすずせぜそぞ
    "\x82\xb3\x82\xb4\x82\xb5\x82\xb6\x82\xb7\x82\xb8\x82\xb9\x82\xba\x82\xbb\x82\xbc",
    // ただちぢつづてでとど
    "\x82\xbd\x82\xbe\x82\xbf\x82\xc0\x82\xc2\x82\xc3\x82\xc4\x82\xc5\x82\xc6\x82\xc7",
    // なにぬねの
    "\x82\xc8\x82\xc9\x82\xca\x82\xcb\x82\xcc",
    // はばぱひびぴふぶぷへべぺほぼぽ
    "\x82\xcd\x82\xce\x82\xcf\x82\xd0\x82\xd1\x82\xd2\x82\xd3\x82\xd4\x82\xd5\x82\xd6"
    "\x82\xd7\x82\xd8\x82\xd9\x82\xda\x82\xdb",
    // まみむめも
    "\x82\xdc\x82\xdd\x82\xde\x82\xdf\x82\xe0",
    // やゐゆゑよ
    "\x82\xe2\x82\xee\x82\xe4\x82\xef\x82\xe6",
    // らりるれろ
    "\x82\xe7\x82\xe8\x82\xe9\x82\xea\x82\xeb",
    // わ
    "\x82\xed",
};

struct HueWindow {
    short from;
    short to;  // past 1000 the window continues from 0
};

// The hue families, in check-box order; grey has no window of its own.
constexpr std::array<HueWindow, kFamilyGrey> kHueWindows = {{
    {901, 1090},  // red: 901-1000 and 0-90
    {91, 220},    // yellow
    {221, 480},   // green
    {481, 900},   // blue
}};

constexpr short kVividSaturationMin = kLowSaturationMax + 1;
// A negative floor asks FilterByFamily to add every low-saturation colour to the hue window.
constexpr short kAlsoLowSaturation = -1;

}  // namespace

bool ChoosesNoneOrAll(std::span<const int> flags) {
    const auto ticked = std::count_if(flags.begin(), flags.end(), [](int f) { return f != 0; });
    return ticked == 0 || static_cast<std::size_t>(ticked) == flags.size();
}

std::string JoinKanaRows(std::span<const int, kKanaRowCount> rows) {
    std::string chars;
    for (std::size_t row = 0; row < kKanaRowCount; ++row) {
        if (rows[row] != 0) chars += kKanaRows[row];
    }
    return chars;
}

bool HueInWindow(int hue, int low, int high) {
    if (high <= kHlsScale) return low <= hue && hue <= high;
    return (low <= hue && hue <= kHlsScale) || (0 <= hue && hue <= high - kHlsScale);
}

// The hue windows cover the whole circle between them, so every vivid colour finds its family.
ColorFamily FamilyOf(short red, short green, short blue) {
    short hue = 0;
    short saturation = 0;
    short lightness = 0;
    RgbToHls(red, green, blue, hue, saturation, lightness);
    if (saturation <= kLowSaturationMax) return kFamilyGrey;
    for (std::size_t family = 0; family < kHueWindows.size(); ++family) {
        if (HueInWindow(hue, kHueWindows[family].from, kHueWindows[family].to)) return static_cast<ColorFamily>(family);
    }
    return kFamilyGrey;
}

// The window starts empty (1000 to 0) and widens to each ticked family's ends; grey alone
// instead takes every hue at low saturation.
FamilyFilterArgs FamilyFilterFor(std::span<const int, kColorFamilyCount> families) {
    FamilyFilterArgs args{kHlsScale, 0, kVividSaturationMin, kHlsScale};
    bool anyHueFamily = false;
    for (std::size_t family = 0; family < kHueWindows.size(); ++family) {
        if (families[family] == 0) continue;
        anyHueFamily = true;
        args.hueLo = std::min(args.hueLo, kHueWindows[family].from);
        args.hueHi = std::max(args.hueHi, kHueWindows[family].to);
    }
    if (families[kFamilyGrey] != 0) {
        if (anyHueFamily) {
            args.satLo = kAlsoLowSaturation;
        } else {
            args = {0, kHlsScale, 0, kLowSaturationMax};
        }
    }
    return args;
}
