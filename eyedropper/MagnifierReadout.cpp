#include "eyedropper/MagnifierReadout.h"

#include "catalogue/CategoryFilter.h"
#include "catalogue/ColorClipboardText.h"
#include "catalogue/NearestNames.h"
#include "framework/TextFormat.h"

// Over the catalogue, not the display list: what the list shows at the moment (a search, a
// family) must not hide the nearest name, and the list is not touched.
std::string MagnifierReadoutText(const CHuesmithDoc& doc, HsColor pixel, std::string_view familyNames,
                                 std::string_view noName) {
    const short red = RedOf(pixel);
    const short green = GreenOf(pixel);
    const short blue = BlueOf(pixel);
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text = FormatClipboardCode(doc.m_strCopyPrefix, doc.m_bLowerCase != 0, pixel);
    text += kLineEnd;
    const std::vector<NearestName> nearest = FindNearestNames(doc.GetCatalogue(), red, green, blue, 1);
    if (nearest.empty()) {
        text += noName;
        text += kLineEnd;
    } else {
        text += doc.GetCatalogueName(nearest.front().index);
        text += kLineEnd;
        text += doc.GetCatalogueReading(nearest.front().index);
    }
    text += kLineEnd;
    text += SplitField(familyNames, '\n', FamilyOf(red, green, blue));
    return text;
}
