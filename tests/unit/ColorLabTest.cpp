#include <gtest/gtest.h>

#include "catalogue/CColorRecord.h"
#include "catalogue/ColorLab.h"

namespace {

struct WorkedValue {
    const char* name;
    short red, green, blue;
    double L, a, b;
};

constexpr WorkedValue kWorked[] = {
    {"black", 0, 0, 0, 0.0, 0.0, 0.0},
    {"white", 255, 255, 255, 726.877362, -31.093026, 14.079459},
    {"red", 255, 0, 0, 475.882961, 581.893254, 820.487864},
    {"mid grey", 128, 128, 128, 574.391896, -24.710768, 11.189463},
};

TEST(ColorLab, WorkedValuesAndTheRecordsCopyOfThem) {
    constexpr double kTolerance = 1e-6;
    for (const WorkedValue& w : kWorked) {
        double L = -1.0, a = -1.0, b = -1.0;
        RgbToLab(w.red, w.green, w.blue, L, a, b);
        EXPECT_NEAR(L, w.L, kTolerance) << w.name;
        EXPECT_NEAR(a, w.a, kTolerance) << w.name;
        EXPECT_NEAR(b, w.b, kTolerance) << w.name;
        // The record's stored values must be the very same doubles, or searches would differ.
        const CColorRecord record("n", "r", w.red, w.green, w.blue);
        EXPECT_EQ(record.GetLabL(), L) << w.name << " stored L";
        EXPECT_EQ(record.GetLabA(), a) << w.name << " stored a";
        EXPECT_EQ(record.GetLabB(), b) << w.name << " stored b";
    }
}

}  // namespace
