// The document's filters: each rebuilds the display list from one pass over the catalogue.
#include <string_view>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/CategoryFilter.h"
#include "catalogue/ColorHls.h"
#include "framework/Cp932.h"

namespace {

bool Contains(std::string_view text, std::string_view part) {
    return Cp932Find(text, part) != std::string_view::npos;
}

bool InRange(short value, short low, short high) { return low <= value && value <= high; }

}  // namespace

// Catalogue order in, catalogue order out: the list only ever grows at its end.
template <class Match>
void CHuesmithDoc::ListMatches(Match matches) {
    for (const auto& record : m_catalogue) {
        if (matches(*record)) m_display.push_back(record.get());
    }
}

void CHuesmithDoc::FilterByName(std::string_view text) {
    ClearDisplay();
    ListMatches([text](const CColorRecord& record) {
        return Contains(record.GetName(), text) || Contains(record.GetReading(), text);
    });
}

void CHuesmithDoc::FilterByRange(short rLo, short rHi, short gLo, short gHi, short bLo,
                                 short bHi) {
    ClearDisplay();
    ListMatches([=](const CColorRecord& record) {
        return InRange(record.GetRed(), rLo, rHi) && InRange(record.GetGreen(), gLo, gHi) &&
               InRange(record.GetBlue(), bLo, bHi);
    });
}

// The head is the reading's first two bytes, not a whole character: an empty reading has an
// empty head, which occurs in any row text, so entries without a reading show under every row.
void CHuesmithDoc::FilterByReading(std::string_view rowChars) {
    ListMatches([rowChars](const CColorRecord& record) {
        return Contains(rowChars, FirstTwoBytes(record.GetReading()));
    });
}

void CHuesmithDoc::FilterByFamily(short hueLo, short hueHi, short satLo, short satHi) {
    ListMatches([=](const CColorRecord& record) {
        short hue = 0;
        short saturation = 0;
        short lightness = 0;
        RgbToHls(record.GetRed(), record.GetGreen(), record.GetBlue(), hue, saturation,
                 lightness);
        // A negative floor is how black, white and grey join other families: every colour of
        // low saturation, whatever its hue, listed once.
        if (satLo < 0 && saturation <= kLowSaturationMax) return true;
        return HueInWindow(hue, hueLo, hueHi) && InRange(saturation, satLo, satHi);
    });
}
