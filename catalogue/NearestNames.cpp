#include "catalogue/NearestNames.h"

#include <cmath>

#include "catalogue/ColorLab.h"

// One pass keeping the few nearest so far in order; a full sort of a large catalogue would cost far
// more than the handful of shifts a newcomer takes.
std::vector<NearestName> FindNearestNames(const CHuesmithDoc::Catalogue& catalogue, short red,
                                          short green, short blue, std::size_t count) {
    double givenL = 0.0;
    double givenA = 0.0;
    double givenB = 0.0;
    RgbToLab(red, green, blue, givenL, givenA, givenB);
    std::vector<NearestName> nearest;
    nearest.reserve(count);
    for (std::size_t i = 0; i < catalogue.size() && count > 0; ++i) {
        const CColorRecord& record = *catalogue[i];
        const double distance =
            LabDistance(record.GetLabL(), record.GetLabA(), record.GetLabB(), givenL, givenA, givenB);
        const bool full = nearest.size() == count;
        // Strictly nearer only: an equal distance keeps the earlier entry ahead.
        if (full && !(distance < nearest.back().distance)) continue;
        if (full) nearest.pop_back();
        auto place = nearest.end();
        while (place != nearest.begin() && distance < (place - 1)->distance) --place;
        nearest.insert(place, {static_cast<int>(i), distance});
    }
    return nearest;
}
