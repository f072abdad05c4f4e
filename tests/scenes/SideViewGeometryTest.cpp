#include "ui/scenes/SideViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Case = SideViewFovCase;

// The calculator's own layout: a 682 x 294 scene, axes of 582 x 254 pixels
// from (60, 274), one length per pixel on both axes.
SideViewModel Standard(double v = 17.46, double d = 10.0, double h = 7.0, double a = 30.0)
{
    SideViewModel m;
    SideViewSetAxes(m, 682.0, 294.0);
    m.blindMinimum = SideViewMinimumDistance(m);
    SideViewSetParam(m, v, d, h, a);
    return m;
}

double Tilt(double blind, double height, double v = 17.46)
{
    return std::atan(blind / height) * 180.0 / KW_SCENE_PI + v / 2;
}

TEST(SideViewGeometry, WorkedExamplesAtTheStandardLayout)
{
    struct Row {
        double v, d, a;
        double blind, upper;
        Case fovCase;
        double top, bottom;
    };
    const Row rows[] = {
        { 17.46, 10, 30, 2.72496, 38.73, Case::Ground, -5.46866, 0 },
        { 42.7607, 10, 55.21, 4.69134, 76.59035, Case::RightBelow, 4.61588, 0 },
        { 42.7607, 3, 55.21, 4.69134, 76.59035, Case::RightBelow, 6.28477, 2.52367 },
        { 101.9289749, 10, 55.21, 0.51964, 106.17449, Case::Top, 9.90044, 0 },
        { 42.7607, 4.691339209843347 / 2, 55.21, 4.69134, 76.59035, Case::RightBelow, 6.44077, 3.5 },
        { 42.7607, 4.691339209843347, 55.21, 4.69134, 76.59035, Case::RightBelow, 5.88153, 0 },
        { 101.9289749, 20, 55.21, 0.51964, 106.17449, Case::Top, 10.0, 0 }, // capped at the height maximum
        // Edge up and backwards: the height maximum, not a height below the camera.
        { 175.0, 10, 100.0, 1.55186, 187.5, Case::TopBackward, 10.0, 0 },
    };
    for (const Row& row : rows) {
        const SideViewModel m = Standard(row.v, row.d, 7.0, row.a);
        const SideViewLayout l = SideViewComputeLayout(m);
        EXPECT_NEAR(m.blindDistance, row.blind, 5e-5) << row.v;
        EXPECT_EQ(m.installAngle, row.a) << row.v;
        EXPECT_NEAR(l.upperAngle, row.upper, 1e-4) << row.v;
        EXPECT_EQ(l.fovCase, row.fovCase) << row.v;
        EXPECT_NEAR(l.viewTop, row.top, 5e-5) << row.v << " D " << row.d;
        EXPECT_NEAR(l.viewBottom, row.bottom, 5e-5) << row.v << " D " << row.d;
        EXPECT_NEAR(l.targetHeight, 1.7, 1e-9);
        EXPECT_NEAR(l.blindMinimum, 0.3937, 1e-4);
    }
    SideViewModel unsized;
    EXPECT_FALSE(SideViewCanLayOut(unsized)) << "no axes before the first resize";
}

TEST(SideViewGeometry, TiltKeepsTheBlindDistanceOnTheAxis)
{
    const double lmax = 22.9133858;
    const double bmin = 10.0 * lmax / 582.0;
    struct Row {
        const char* what;
        double tilt, blind;
    };
    const Row rows[] = {
        { "beyond the far end", 85.0, lmax },
        { "lower edge behind the pole", 5.0, bmin },
        { "lower edge up and behind the pole", -120.0, bmin },
        { "lower edge just below the horizontal", 98.72, lmax },
        { "lower edge horizontal: far end, not the blind minimum", 98.73, lmax },
        { "lower edge above the horizontal: far end, not straight down", 120.0, lmax },
    };
    for (const Row& row : rows) {
        SideViewModel m = Standard(17.46, 10.0, 7.0, row.tilt);
        EXPECT_NEAR(m.blindDistance, row.blind, 1e-12) << row.what;
        EXPECT_NEAR(m.installAngle, Tilt(row.blind, 7.0), 1e-12) << row.what << ": recomputed";
        SideViewSetInstAngle(m, row.tilt);
        EXPECT_NEAR(m.blindDistance, row.blind, 1e-12) << row.what << ": SetInstAngle alike";
    }
}

// A tilt held at a bound, as the view takes it, is the hundredth inside the
// bound, and one on a hundredth is that hundredth, though worked out again
// from its length it comes back a few units in the last place off it.
TEST(SideViewGeometry, ATiltHeldAtABoundIsTheHundredthInsideIt)
{
    const auto blindAt = [](double tilt, double h) { return std::tan(KWSceneRadians(tilt - 17.46 / 2)) * h; };
    struct Row {
        const char* what;
        double h, lengthMax, typed, held;
    };
    const Row rows[] = {
        { "far end at 88.82764", 4.0, 22.9133858, 120.0, 88.82 },
        { "ten pixels at 14.35124", 4.0, 22.9133858, 0.0, 14.36 },
        { "far end on 30.00, worked out at 29.99999...", 7.0, blindAt(30.0, 7.0), 120.0, 30.0 },
        { "ten pixels on 55.21, worked out at 55.21000...1", 7.0, blindAt(55.21, 7.0) * 58.2, 0.0, 55.21 },
    };
    for (const Row& row : rows) {
        SideViewModel m = Standard(17.46, 10.0, row.h);
        m.lengthMaximum = row.lengthMax;
        m.blindMinimum = SideViewMinimumDistance(m);
        SideViewSetInstAngle(m, row.typed);
        SideViewTakeTiltAtHundredths(m);
        EXPECT_EQ(m.installAngle, row.held) << row.what;
        EXPECT_NEAR(m.blindDistance, blindAt(row.held, row.h), 1e-12) << row.what;
        EXPECT_GE(m.blindDistance, m.blindMinimum * (1 - 1e-12)) << row.what;
        EXPECT_LE(m.blindDistance, m.lengthMaximum * (1 + 1e-12)) << row.what;
    }
}

TEST(SideViewGeometry, FieldOfViewCaseBoundaries)
{
    // The vertical angle is chosen to put the upper edge on each boundary.
    const SideViewModel base = Standard();
    const SideViewLayout ref = SideViewComputeLayout(base);
    const double farCorner = ref.farCornerAngle;
    const double topRight = std::atan(ref.cameraOffset / 582.0) * 180.0 / KW_SCENE_PI + 90.0;
    struct Row {
        double upper;
        Case fovCase;
        int corners;
    };
    const Row rows[] = {
        { farCorner - 0.001, Case::Ground, 3 },
        { farCorner, Case::Ground, 3 },
        { farCorner + 0.0001, Case::RightBelow, 4 },
        { 90.0, Case::RightBelow, 4 },
        { 90.001, Case::RightAbove, 4 },
        { topRight, Case::RightAbove, 4 },
        { topRight + 0.01, Case::Top, 5 },
        { 180.0, Case::TopBackward, 5 },
        { 200.0, Case::TopBackward, 5 },
    };
    for (const Row& row : rows) {
        SideViewModel m = base;
        m.verticalAngle = row.upper - ref.lowerAngle;
        const SideViewLayout l = SideViewComputeLayout(m);
        EXPECT_EQ(l.fovCase, row.fovCase) << row.upper;
        EXPECT_EQ(l.polygonSize, row.corners) << row.upper;
        EXPECT_EQ(l.polygon[static_cast<size_t>(l.polygonSize - 1)], l.blindPoint) << row.upper;
        if (row.upper == farCorner) {
            EXPECT_NEAR(l.upperEdge.from.x, 642.0, 1e-6) << "the edge meets the axis end";
        } else if (row.upper == 90.0) {
            EXPECT_NEAR(l.upperEdge.from.y, l.camera.y, 1e-6) << "leaves at the camera's height";
            EXPECT_NEAR(l.viewTop, 7.0, 1e-6);
        } else if (row.upper == topRight) {
            EXPECT_NEAR(l.upperEdge.from.y, 20.0, 1e-6);
        }
    }
}

// Away from the case boundaries: where the upper edge leaves the drawing,
// found independently by following the ray from the camera (angle u from the
// downward vertical, y growing downwards) to the right side x = 642 or the
// top y = 20.
TEST(SideViewGeometry, UpperEdgeExitPointsAwayFromTheBoundaries)
{
    const SideViewModel base = Standard();
    const SideViewLayout ref = SideViewComputeLayout(base);
    const double camX = 60.0;
    const double camY = ref.camera.y;
    struct Row {
        const char* name;
        double upper;
        Case fovCase;
    };
    const Row rows[] = {
        { "right side, a little above the horizontal", 93.0, Case::RightAbove },
        { "right side, well above the horizontal", 96.5, Case::RightAbove },
        { "top, just past the top-right corner", 100.0, Case::Top },
        { "top, steeply up", 150.0, Case::Top },
        { "top, nearly straight up", 175.0, Case::Top },
        { "top, pointing a little backwards", 190.0, Case::TopBackward },
        { "top, well backwards", 225.0, Case::TopBackward },
    };
    for (const Row& row : rows) {
        SideViewModel m = base;
        m.verticalAngle = row.upper - ref.lowerAngle;
        const SideViewLayout l = SideViewComputeLayout(m);
        ASSERT_EQ(l.fovCase, row.fovCase) << row.name;
        const double u = row.upper * std::acos(-1.0) / 180.0;
        const double dx = std::sin(u);
        const double dy = std::cos(u);
        const double t = row.fovCase == Case::RightAbove ? 582.0 / dx : (20.0 - camY) / dy;
        const SideViewPoint exit { camX + t * dx, camY + t * dy };
        EXPECT_NEAR(l.upperEdge.from.x, exit.x, 1e-6) << row.name;
        EXPECT_NEAR(l.upperEdge.from.y, exit.y, 1e-6) << row.name;
        EXPECT_EQ(l.upperEdge.to, l.camera) << row.name;
        EXPECT_EQ(l.polygon[1], l.upperEdge.from) << row.name << ": the wedge turns at the exit";
    }
}

TEST(SideViewGeometry, LabelsStepAsideAtTheirThresholds)
{
    SideViewModel m = Standard();
    for (double pixels : { 260.0, 261.0 }) {
        m.blindDistance = pixels / 582.0 * m.lengthMaximum;
        const double expected = pixels <= 260.0 ? 60.0 + pixels + 10.0 : 60.0 + pixels - 70.0;
        EXPECT_NEAR(SideViewComputeLayout(m).blindLabel.x, expected, 1e-9) << pixels;
    }

    // The target-height label of a person at x = 100 (label line far from P).
    const auto labelX = [&m](double scale, double pixels, SideViewPoint p = { 2000, -500 }) {
        SideViewModel scaled = m;
        scaled.scale = scale;
        return SideViewPlaceTarget(scaled, 40.0, p, pixels).labelPos.x;
    };
    EXPECT_NEAR(labelX(1.0, 254.0), 100 - 10 - 47 - 10 + 52, 1e-9) << "scale exactly 1 takes the extra shift";
    EXPECT_NEAR(labelX(1.0, 256.54), 100 - 10.1 - 47 + 52, 1e-9);
    EXPECT_NEAR(labelX(2.0, 508.0), 100 - 20 - 94 - 20 + 104, 1e-9);

    // On the vertical-angle label's line it moves to the nearer side of P.
    const double pixels = 274.0 - 150.0 - 30.0; // label y on P's line
    const double free = labelX(1.0, pixels);
    struct Row {
        double dx, moved; // P.x - free, and where the label goes relative to free
    };
    for (const Row& row :
        { Row { 30, -20 }, Row { 0, 50 }, Row { -30, 20 }, Row { 60, 0 }, Row { -60, 0 } }) {
        EXPECT_NEAR(labelX(1.0, pixels, { free + row.dx, 150.0 }), free + row.moved, 1e-9) << row.dx;
    }
    EXPECT_NEAR(labelX(1.0, pixels + 10, { labelX(1.0, pixels + 10), 150.0 }), labelX(1.0, pixels + 10), 1e-9)
        << "ten pixels up is off the line";
}

TEST(SideViewGeometry, AxisBoxesKeepBothAxesInProportion)
{
    const double ratio = 582.0 / 254.0;
    struct Row {
        const char* what;
        bool lengthBox;
        double typed, targetDistance;
        bool raised;
        double lengthMax, distance;
    };
    const Row rows[] = {
        { "length 30", true, 30.0, 10.0, false, 30.0, 10.0 },
        { "length too short for the camera", true, 10.0, 10.0, true, 7.0 * ratio, 10.0 },
        { "length shorter than the target distance", true, 16.5, 20.0, false, 16.5, 16.5 },
        { "height 20", false, 20.0, 10.0, false, 20.0 * ratio, 10.0 },
        { "height below the camera", false, 5.0, 20.0, true, 7.0 * ratio, 7.0 * ratio },
    };
    for (const Row& row : rows) {
        SideViewModel m = Standard(17.46, row.targetDistance);
        const bool raised = row.lengthBox ? SideViewApplyLengthMaximum(m, row.typed)
                                          : SideViewApplyHeightMaximum(m, row.typed);
        EXPECT_EQ(raised, row.raised) << row.what;
        EXPECT_NEAR(m.lengthMaximum, row.lengthMax, 1e-9) << row.what;
        EXPECT_NEAR(m.heightMaximum * ratio, m.lengthMaximum, 1e-9) << row.what;
        EXPECT_NEAR(m.targetDistance, row.distance, 1e-9) << row.what;
        EXPECT_EQ(m.installHeight, 7.0) << row.what << ": the camera is never lowered";
        EXPECT_NEAR(m.installAngle, Tilt(m.blindDistance, 7.0), 1e-12) << row.what;
    }
    // Distances come up to ten pixels of the new axis, and down to its end.
    SideViewModel m = Standard(17.46, 0.05);
    SideViewApplyLengthMaximum(m, 200.0);
    EXPECT_NEAR(m.blindDistance, 2000.0 / 582.0, 1e-12);
    EXPECT_NEAR(m.targetDistance, 2000.0 / 582.0, 1e-12);
    m = Standard(17.46, 10.0, 7.0, 80.0);
    SideViewApplyLengthMaximum(m, 17.0);
    EXPECT_EQ(m.blindDistance, 17.0);
}

} // namespace
