// What the magnifier's readout says of the pixel under the cursor. Platform-free, tested natively.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/HsColor.h"

// The readout's four lines, joined by CR LF: the code as the copy command writes it (the
// document's prefix and letter case), the nearest name of the whole catalogue and its reading (or
// `noName` and an empty line for an empty catalogue), and the family. `familyNames` holds the
// families' names one per line, in the family filter's order.
std::string MagnifierReadoutText(const CHuesmithDoc& doc, HsColor pixel, std::string_view familyNames,
                                 std::string_view noName);
