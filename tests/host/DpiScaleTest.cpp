#include <gtest/gtest.h>

#include "DPI.h"

namespace {

TEST(Dpi, FactorsInSinglePrecision) {
    EXPECT_EQ(DpiFactor(96), 1.0f);
    EXPECT_EQ(DpiFactor(120), 1.25f);
    EXPECT_EQ(DpiFactor(144), 1.5f);
    EXPECT_EQ(DpiFactor(192), 2.0f);
    EXPECT_EQ(DpiFactor(110), 110.0f / 96.0f);
}

struct ScaleCase {
    int Value;
    float Factor;
    int Expected;
};

TEST(Dpi, ScalingRoundsHalvesToEven) {
    const ScaleCase cases[] = {
        {45, 1.0f, 45},         {45, 1.25f, 56}, {325, 1.25f, 406}, {2, 1.25f, 2},
        {6, 1.25f, 8},          {10, 1.25f, 12}, {1, 1.5f, 2},      {3, 1.5f, 4},
        {5, 1.5f, 8},           {7, 1.5f, 10},   {0, 1.5f, 0},      {-2, 1.25f, -2},
        {-6, 1.25f, -8},        {-1, 1.5f, -2},  {-3, 1.25f, -4},   {100, 1.75f, 175},
        {1, DpiFactor(110), 1}, {13, 2.0f, 26},
    };
    for (const ScaleCase& c : cases) {
        EXPECT_EQ(ScaleByDpi(c.Value, c.Factor), c.Expected) << c.Value << " x " << c.Factor;
    }
}

TEST(Dpi, ScalingSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ScaleByDpi(2000000000, 2.0f), 2147483647);
    EXPECT_EQ(ScaleByDpi(-2000000000, 2.0f), -2147483647 - 1);
}

}  // namespace
