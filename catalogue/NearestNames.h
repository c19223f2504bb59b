// The catalogue entries nearest to a colour, for a list of names beside it.
#pragma once

#include <cstddef>
#include <vector>

#include "catalogue/CHuesmithDoc.h"

struct NearestName {
    int index;        // into the catalogue
    double distance;  // as FindNearest measures it
};

// Up to `count` entries, nearest first; equal distances in catalogue order.
std::vector<NearestName> FindNearestNames(const CHuesmithDoc::Catalogue& catalogue, short red,
                                          short green, short blue, std::size_t count);
