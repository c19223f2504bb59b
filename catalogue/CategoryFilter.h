// The display-by-category choices turned into the arguments of the document's filters, so that
// the category command only gathers the flags and applies the result.
#pragma once

#include <cstddef>
#include <span>
#include <string>

// Kana rows, in the order of their check boxes: あ, か, さ, た, な, は, ま, や, ら, わ.
constexpr std::size_t kKanaRowCount = 10;

// Colour families, in the order of their check boxes.
enum ColorFamily : std::size_t {
    kFamilyRed,
    kFamilyYellow,
    kFamilyGreen,
    kFamilyBlue,
    kFamilyGrey,  // black, white and grey
    kColorFamilyCount
};

// One FilterByFamily call's arguments.
struct FamilyFilterArgs {
    short hueLo;
    short hueHi;
    short satLo;
    short satHi;
    bool operator==(const FamilyFilterArgs&) const = default;
};

// True when no box or every box is ticked (flags non-zero = ticked): the category command then
// lists the whole catalogue instead of filtering.
bool ChoosesNoneOrAll(std::span<const int> flags);

// FilterByReading's row characters: the ticked rows' hiragana, joined in row order.
std::string JoinKanaRows(std::span<const int, kKanaRowCount> rows);

// Whether a hue lies in the window hueLo..hueHi; past 1000 the window continues from 0, so red can
// span 901-1000 and 0-90 in one window.
bool HueInWindow(int hue, int low, int high);

// The one family a colour belongs to, by the windows and the saturation limit the family filter
// uses: black, white and grey below the limit, else the family whose hue window holds its hue.
ColorFamily FamilyOf(short red, short green, short blue);

// One hue window from the smallest start to the largest end of the ticked families (anything
// between them included), with the saturation limits the grey family asks for.
FamilyFilterArgs FamilyFilterFor(std::span<const int, kColorFamilyCount> families);
