#include "ui/scenes/KWTopViewFishGeometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

TEST(TopViewFishGeometry, CeilingRingsScaleAgainstTheLargestOfTheFourLargestKeys)
{
    struct Row {
        const char* what;
        std::vector<double> keys;
        double t;
        std::array<double, 4> radius; // rings 1 (outermost) to 4
        std::array<int, 4> labelKey; // labels 1 (innermost ring) to 4
    };
    const Row rows[] = {
        { "four keys", { 2, 4, 6, 8 }, 1.0, { 125, 93.75, 62.5, 31.25 }, { 0, 1, 2, 3 } },
        { "four keys at scale 2", { 2, 4, 6, 8 }, 2.0, { 250, 187.5, 125, 62.5 }, { 0, 1, 2, 3 } },
        { "three keys leave the innermost ring out", { 3, 6, 12 }, 1.0, { 125, 62.5, 31.25, 0 },
            { -1, 0, 1, 2 } },
        { "one key is the outer ring alone", { 5 }, 1.0, { 125, 0, 0, 0 }, { -1, -1, -1, 0 } },
        { "five keys draw the four largest", { 1, 2, 4, 6, 8 }, 1.0, { 125, 93.75, 62.5, 31.25 },
            { 1, 2, 3, 4 } },
        { "a key of zero is a ring of no size", { 0, 4 }, 1.0, { 125, 0, 0, 0 }, { -1, -1, 0, 1 } },
        { "a largest key of zero scales nothing", { -2, -1, 0 }, 1.0, { 125, 0, 0, 0 }, { -1, 0, 1, 2 } },
        { "a negative largest key scales nothing", { -3, -2, -1 }, 1.0, { 125, 0, 0, 0 }, { -1, 0, 1, 2 } },
        { "no keys", {}, 1.0, { 0, 0, 0, 0 }, { -1, -1, -1, -1 } },
    };
    for (const Row& row : rows) {
        const KWFishCeilingRings rings = KWFishCeilingLayout(row.keys, row.t);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::isfinite(rings.radius[i])) << row.what << ", ring " << i + 1;
            EXPECT_DOUBLE_EQ(rings.radius[i], row.radius[i]) << row.what << ", ring " << i + 1;
            EXPECT_EQ(rings.labelKey[i], row.labelKey[i]) << row.what << ", label " << i + 1;
        }
    }
}

} // namespace
