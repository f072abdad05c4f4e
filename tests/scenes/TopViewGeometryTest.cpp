#include "ui/scenes/KWTopViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// 400 x 300 with a 30-pixel camera picture at scale 1: margin 10, apex
// (200, 270), 380 pixels between the side margins, 260 from apex to top margin.
const KWTopViewFrame kFrame = KWMakeTopViewFrame(400, 300, 30, 1.0);

TEST(TopViewGeometry, VisibleWidthAtADistance)
{
    struct Row {
        const char* what;
        double angle, distance, width, tolerance;
    };
    const Row rows[] = {
        { "the start-up angle", 101.9289749, 10.0, 24.6667, 1e-4 },
        { "the default angle", 83.25, 10.0, 17.7724, 1e-4 },
        { "feet scale with the distance", 83.25, 32.808399, 58.3085, 1e-4 },
        { "a right angle sees twice the distance", 90.0, 5.0, 10.0, 1e-6 },
        { "no distance sees nothing", 83.25, 0.0, 0.0, 0.0 },
        { "near 180 degrees the width grows large", 179.9, 10.0, 22918.30, 0.01 },
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(KWTopViewVisibleWidth(row.angle, row.distance), row.width, row.tolerance) << row.what;
    }
    const double flat = KWTopViewVisibleWidth(180.0, 1.0);
    EXPECT_TRUE(std::isfinite(flat) && flat > 1e9) << "180 degrees is huge but finite";
}

TEST(TopViewGeometry, WidthLineStandsAtItsDistanceAndIsCutToTheMargins)
{
    struct Row {
        const char* what;
        double angle, distance, axisMax;
        double y, x1, x2;
    };
    const Row rows[] = {
        { "the axis maximum reaches the top margin; a wide sector is cut", 101.9289749, 10.0, 10.0, 10.0,
            10.0, 390.0 },
        { "half way up, centred and uncut", 83.25, 5.0, 10.0, 140.0, 84.4791, 315.5209 },
        { "feet: distance and maximum scaled alike keep the line", 83.25, 16.4041995, 32.808399, 140.0,
            84.4791, 315.5209 },
        { "no distance lies on the apex with no length", 83.25, 0.0, 10.0, 270.0, 200.0, 200.0 },
        { "beyond the axis maximum is not clamped", 60.0, 20.0, 10.0, -250.0, 10.0, 390.0 },
    };
    for (const Row& row : rows) {
        const KWTopViewWidthLine line = KWTopViewWidthLineAt(kFrame, row.angle, row.distance, row.axisMax);
        EXPECT_TRUE(line.placed) << row.what;
        EXPECT_NEAR(line.y, row.y, 1e-6) << row.what;
        EXPECT_NEAR(line.x1, row.x1, 1e-4) << row.what;
        EXPECT_NEAR(line.x2, row.x2, 1e-4) << row.what;
    }
}

TEST(TopViewGeometry, WideSectorsLeaveThroughTheSidesAndNarrowOnesEndOnTheTop)
{
    // The corner direction, computed as the sector computes it, so that the
    // boundary row hits it exactly.
    const double corner = std::atan(190.0 / 260.0) * 180.0 / 3.1415926535;
    struct Row {
        const char* what;
        double angle;
        bool throughSides;
        KWScenePoint leftEnd;
    };
    const Row rows[] = {
        { "a right angle", 90.0, true, { 10.0, 80.0 } },
        { "exactly through the corners counts as the sides", 2.0 * corner, true, { 10.0, 10.0 } },
        { "sixty degrees ends on the top margin", 60.0, false, { 49.8889, 10.0 } },
        { "a zero angle is a vertical line", 0.0, false, { 200.0, 10.0 } },
        { "180 degrees lies flat on the apex", 180.0, true, { 10.0, 270.0 } },
    };
    for (const Row& row : rows) {
        const KWTopViewSector sector = KWTopViewSectorFor(kFrame, row.angle);
        EXPECT_EQ(sector.throughSides, row.throughSides) << row.what;
        EXPECT_NEAR(sector.leftEnd.x, row.leftEnd.x, 1e-4) << row.what;
        EXPECT_NEAR(sector.leftEnd.y, row.leftEnd.y, 1e-4) << row.what;
        EXPECT_NEAR(sector.rightEnd.x, 400.0 - row.leftEnd.x, 1e-4) << row.what;
        EXPECT_NEAR(sector.rightEnd.y, row.leftEnd.y, 1e-4) << row.what;
        ASSERT_EQ(sector.outline.size(), row.throughSides ? 5u : 3u) << row.what;
        EXPECT_DOUBLE_EQ(sector.outline.front().x, 200.0) << row.what;
        EXPECT_DOUBLE_EQ(sector.outline.front().y, 270.0) << row.what;
        if (row.throughSides) {
            // Up the left margin, along the top one, down the right one.
            EXPECT_DOUBLE_EQ(sector.outline[2].x, 10.0) << row.what;
            EXPECT_DOUBLE_EQ(sector.outline[2].y, 10.0) << row.what;
            EXPECT_DOUBLE_EQ(sector.outline[3].x, 390.0) << row.what;
            EXPECT_DOUBLE_EQ(sector.outline[3].y, 10.0) << row.what;
        }
    }
}

} // namespace
