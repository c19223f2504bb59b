// The colour to suggest when a pair is too faint to read.
#pragma once

#include <optional>

#include "catalogue/HsColor.h"

// The colour nearest to `edited` (by the program's colour distance) whose contrast ratio with
// `other` reaches `minimumRatio`: `edited` itself when it does; at equal distances the lowest red,
// then green, then blue; nothing when no colour reaches the level.
std::optional<HsColor> NearestReadableColour(HsColor edited, HsColor other, double minimumRatio);
