#include "ui/scenes/SideViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The calculator's own layout: a 692 x 304 view, so a 682 x 294 scene, axes
// of 582 x 254 pixels from (60, 274), and one length per pixel on both axes.
SideViewModel StandardModel()
{
    SideViewModel m;
    SideViewSetAxes(m, 682.0, 294.0);
    m.targetHeightPixels = SideViewDefaultTargetHeightPixels(294.0, 1.0);
    m.blindMinimum = SideViewMinimumDistance(m);
    return m;
}

const char* CaseName(SideViewFovCase c)
{
    switch (c) {
    case SideViewFovCase::Ground:
        return "Ground";
    case SideViewFovCase::RightBelow:
        return "RightBelow";
    case SideViewFovCase::RightAbove:
        return "RightAbove";
    case SideViewFovCase::TopBackward:
        return "TopBackward";
    case SideViewFovCase::Top:
        return "Top";
    }
    return "?";
}

TEST(SideViewGeometry, StandardLayoutHasOneLengthPerPixelOnBothAxes)
{
    const SideViewModel m = StandardModel();
    EXPECT_EQ(m.originX, 60.0);
    EXPECT_EQ(m.originY, 274.0);
    EXPECT_EQ(m.axisWidth, 582.0);
    EXPECT_EQ(m.axisHeight, 254.0);
    EXPECT_NEAR(m.lengthMaximum / m.axisWidth, m.heightMaximum / m.axisHeight, 1e-9);
    EXPECT_NEAR(m.blindMinimum, 0.3937, 1e-4);
    EXPECT_NEAR(m.targetHeightPixels, 0.17 * 254.0, 1e-9);
    EXPECT_TRUE(SideViewCanLayOut(m));

    SideViewModel unsized;
    EXPECT_FALSE(SideViewCanLayOut(unsized)) << "no axes before the first resize";
    SideViewSetAxes(unsized, 90.0, 294.0);
    EXPECT_FALSE(SideViewCanLayOut(unsized)) << "a scene narrower than its margins has no length axis";
}

TEST(SideViewGeometry, WorkedExamplesAtTheStandardLayout)
{
    struct Row {
        const char* what;
        double v, d, h, a;
        double blind, reportedTilt, upper;
        SideViewFovCase fovCase;
        double top, bottom;
    };
    const Row rows[] = {
        { "narrow lens, edge on the ground", 17.46, 10, 7, 30, 2.72496, 30, 38.73, SideViewFovCase::Ground, -5.46866,
            0 },
        { "wider lens, edge through the right side", 42.7607, 10, 7, 55.21, 4.69134, 55.21, 76.59035,
            SideViewFovCase::RightBelow, 4.61588, 0 },
        { "target inside the blind zone", 42.7607, 3, 7, 55.21, 4.69134, 55.21, 76.59035, SideViewFovCase::RightBelow,
            6.28477, 2.52367 },
        { "very wide lens, edge through the top", 101.9289749, 10, 7, 55.21, 0.51964, 55.21, 106.17449,
            SideViewFovCase::Top, 9.90044, 0 },
    };
    for (const Row& row : rows) {
        SideViewModel m = StandardModel();
        SideViewSetParam(m, row.v, row.d, row.h, row.a);
        EXPECT_NEAR(m.blindDistance, row.blind, 5e-5) << row.what;
        EXPECT_NEAR(m.installAngle, row.reportedTilt, 1e-9) << row.what;
        const SideViewLayout l = SideViewComputeLayout(m);
        EXPECT_NEAR(l.upperAngle, row.upper, 1e-4) << row.what;
        EXPECT_EQ(l.fovCase, row.fovCase) << row.what << ": got " << CaseName(l.fovCase);
        EXPECT_NEAR(l.viewTop, row.top, 5e-5) << row.what;
        EXPECT_NEAR(l.viewBottom, row.bottom, 5e-5) << row.what;
        EXPECT_NEAR(l.targetHeight, 1.7, 1e-9) << row.what;
    }
}

TEST(SideViewGeometry, TiltKeepsTheBlindDistanceOnTheAxis)
{
    const double lmax = 22.9133858;
    const double farTilt = std::atan(lmax / 7.0) * 180.0 / kSideViewPi + 8.73;
    const double nearTilt = std::atan(0.3937 / 7.0) * 180.0 / kSideViewPi + 8.73;
    struct Row {
        const char* what;
        double tilt;
        double blind, reportedTilt;
    };
    const Row rows[] = {
        { "inside the axis: kept as given", 30.0, 2.72496, 30.0 },
        { "beyond the far end: at the end, tilt recomputed", 85.0, lmax, farTilt },
        { "lower edge backwards: blind minimum, tilt recomputed", 5.0, 0.3937, nearTilt },
        { "lower edge pointing backwards and up: still the blind minimum", -120.0, 0.3937, nearTilt },
        { "lower edge just below the horizontal: far end", 98.72, lmax, farTilt },
        { "lower edge exactly horizontal: far end, not the blind minimum", 98.73, lmax, farTilt },
        { "lower edge above the horizontal: far end, not straight down", 120.0, lmax, farTilt },
        { "lower edge pointing up and backwards: far end", 178.0, lmax, farTilt },
    };
    for (const Row& row : rows) {
        SideViewModel m = StandardModel();
        SideViewSetParam(m, 17.46, 10.0, 7.0, row.tilt);
        EXPECT_NEAR(m.blindDistance, row.blind, 5e-5) << row.what;
        EXPECT_NEAR(m.installAngle, row.reportedTilt, 1e-4) << row.what;
        EXPECT_GE(m.blindDistance, m.blindMinimum) << row.what;
        EXPECT_LE(m.blindDistance, m.lengthMaximum) << row.what;
    }
    SideViewModel m = StandardModel();
    SideViewSetInstAngle(m, 120.0);
    EXPECT_NEAR(m.installAngle, 81.742, 1e-3) << "SetInstAngle clamps the same way";
}

TEST(SideViewGeometry, FieldOfViewCaseBoundaries)
{
    // Camera at 7 of 10 with the blind distance as in the first worked
    // example; the vertical angle is chosen to put the upper edge on each
    // boundary.
    SideViewModel base = StandardModel();
    SideViewSetParam(base, 17.46, 10.0, 7.0, 30.0);
    const SideViewLayout ref = SideViewComputeLayout(base);
    const double lower = ref.lowerAngle;
    const double farCorner = ref.farCornerAngle;
    const double rightBound = std::atan(ref.cameraOffset / base.axisWidth) * 180.0 / kSideViewPi + 90.0;
    ASSERT_NEAR(farCorner, 73.0122, 1e-4);
    ASSERT_NEAR(rightBound, 97.4592, 1e-4);

    struct Row {
        const char* what;
        double upper;
        SideViewFovCase fovCase;
        int polygonSize;
    };
    const Row rows[] = {
        { "just inside the far corner", farCorner - 0.001, SideViewFovCase::Ground, 3 },
        { "on the far corner", farCorner, SideViewFovCase::Ground, 3 },
        { "past the far corner", farCorner + 0.0001, SideViewFovCase::RightBelow, 4 },
        { "horizontal", 90.0, SideViewFovCase::RightBelow, 4 },
        { "just above the horizontal", 90.001, SideViewFovCase::RightAbove, 4 },
        { "through the top right corner", rightBound, SideViewFovCase::RightAbove, 4 },
        { "above the top right corner", rightBound + 0.01, SideViewFovCase::Top, 5 },
        { "straight up", 180.0, SideViewFovCase::TopBackward, 5 },
        { "up and backwards", 200.0, SideViewFovCase::TopBackward, 5 },
    };
    for (const Row& row : rows) {
        SideViewModel m = base;
        m.verticalAngle = row.upper - lower;
        const SideViewLayout l = SideViewComputeLayout(m);
        EXPECT_EQ(l.fovCase, row.fovCase) << row.what << ": got " << CaseName(l.fovCase);
        EXPECT_EQ(l.polygonSize, row.polygonSize) << row.what;
        EXPECT_EQ(l.polygon[0], l.camera) << row.what;
        EXPECT_EQ(l.polygon[static_cast<size_t>(l.polygonSize - 1)], l.blindPoint) << row.what;
        EXPECT_EQ(l.upperEdge.to, l.camera) << row.what;
        if (l.fovCase != SideViewFovCase::Ground) {
            EXPECT_EQ(l.coveredGround.to.x, m.originX + m.axisWidth) << row.what;
            EXPECT_EQ(l.farGround.from, l.farGround.to) << row.what << ": no ground beyond the view";
        }
    }

    SideViewModel m = base;
    m.verticalAngle = farCorner - lower;
    SideViewLayout l = SideViewComputeLayout(m);
    EXPECT_NEAR(l.upperEdge.from.x, m.originX + m.axisWidth, 1e-6) << "the edge meets the axis end";
    EXPECT_NEAR(l.farGround.to.x - l.farGround.from.x, 0.0, 1e-6);

    m.verticalAngle = 90.0 - lower;
    l = SideViewComputeLayout(m);
    EXPECT_NEAR(l.upperEdge.from.y, l.camera.y, 1e-6) << "a horizontal edge leaves at the camera's height";
    EXPECT_NEAR(l.viewTop, m.installHeight, 1e-6);

    m.verticalAngle = rightBound - lower;
    l = SideViewComputeLayout(m);
    EXPECT_NEAR(l.upperEdge.from.y, 20.0, 1e-6) << "the top right corner of the drawing";
}

TEST(SideViewGeometry, HeightsSeenAtTheTarget)
{
    struct Row {
        const char* what;
        double v, d, h, a;
        double top, bottom;
    };
    const double h = 7.0;
    SideViewModel probe = StandardModel();
    SideViewSetParam(probe, 42.7607, 10.0, h, 55.21);
    const double blind = probe.blindDistance;
    const Row rows[] = {
        { "target at the blind distance", 42.7607, blind, h, 55.21, NAN, 0.0 },
        { "target at half the blind distance", 42.7607, blind / 2, h, 55.21, NAN, h / 2 },
        { "upper edge up, distant target: capped at the height maximum", 101.9289749, 20.0, h, 55.21, 10.0, 0.0 },
        { "upper edge straight up: everything above the lower edge", 160.0, 10.0, h, 100.0, 10.0, 0.0 },
        { "upper edge up and backwards: the height maximum, not below the camera", 175.0, 10.0, h, 100.0, 10.0,
            0.0 },
    };
    for (const Row& row : rows) {
        SideViewModel m = StandardModel();
        SideViewSetParam(m, row.v, row.d, row.h, row.a);
        double top = 0.0;
        double bottom = 0.0;
        SideViewTargetViewHeights(m, top, bottom);
        if (!std::isnan(row.top)) {
            EXPECT_NEAR(top, row.top, 1e-9) << row.what;
        }
        EXPECT_LE(top, m.heightMaximum) << row.what;
        EXPECT_NEAR(bottom, row.bottom, 1e-9) << row.what;
    }
}

TEST(SideViewGeometry, ReportedValuesDoNotDependOnTheWindowShape)
{
    SideViewModel square = StandardModel();
    SideViewSetParam(square, 42.7607, 3.0, 7.0, 55.21);
    SideViewModel wide = square;
    SideViewSetAxes(wide, 1000.0, 294.0); // same maxima, different length per pixel

    const SideViewLayout a = SideViewComputeLayout(square);
    const SideViewLayout b = SideViewComputeLayout(wide);
    EXPECT_NEAR(a.viewTop, b.viewTop, 1e-12);
    EXPECT_NEAR(a.viewBottom, b.viewBottom, 1e-12);

    // The height keeps the tilt, whatever the pixels.
    SideViewSetInstallHeight(wide, 7.0);
    EXPECT_NEAR(wide.installAngle, 55.21, 1e-9);
    // Dragging converts pixels into lengths on each axis's own scale.
    SideViewDragHeight(wide, wide.originY - 127.0);
    EXPECT_NEAR(wide.installHeight, 5.0, 1e-12);
    EXPECT_NEAR(wide.installAngle,
        std::atan(wide.blindDistance / 5.0) * 180.0 / kSideViewPi + 42.7607 / 2, 1e-12);
    SideViewDragBlindDistance(wide, wide.originX + wide.axisWidth / 2);
    EXPECT_NEAR(wide.blindDistance, wide.lengthMaximum / 2, 1e-12);
    SideViewDragTargetDistance(wide, wide.originX + wide.axisWidth / 4);
    EXPECT_NEAR(wide.targetDistance, wide.lengthMaximum / 4, 1e-12);
    EXPECT_NEAR(SideViewTargetHeightAt(wide, wide.originY - 25.4), 1.0, 1e-12);
}

TEST(SideViewGeometry, LabelsStepAsideAtTheirThresholds)
{
    SideViewModel m = StandardModel();
    struct BlindRow {
        double pixels;
        double labelX;
    };
    for (const BlindRow& row : { BlindRow { 260.0, 60.0 + 260.0 + 10.0 }, BlindRow { 261.0, 60.0 + 261.0 - 70.0 } }) {
        m.blindDistance = row.pixels / m.axisWidth * m.lengthMaximum;
        const SideViewLayout l = SideViewComputeLayout(m);
        EXPECT_NEAR(l.blindLabel.x, row.labelX, 1e-9) << row.pixels;
    }

    // Person label: a person drawn at exactly its picture's size still takes
    // the extra shift to the left; one a little larger does not.
    const SideViewPoint farAway { 2000.0, -500.0 };
    struct PersonRow {
        const char* what;
        double scale, pixels;
        double x;
    };
    const PersonRow people[] = {
        { "scale 1", 1.0, 254.0, 100.0 - 10.0 - 47.0 - 10.0 + 52.0 },
        { "scale 1.01", 1.0, 256.54, 100.0 - 10.1 - 47.0 + 52.0 },
        { "scale 1 at UI scale 2", 2.0, 508.0, 100.0 - 20.0 - 94.0 - 20.0 + 104.0 },
    };
    for (const PersonRow& row : people) {
        SideViewModel scaled = m;
        scaled.scale = row.scale;
        const SideViewTargetPlace p = SideViewPlaceTarget(scaled, 100.0 - scaled.originX, farAway, row.pixels);
        EXPECT_NEAR(p.labelPos.x, row.x, 1e-9) << row.what;
        EXPECT_NEAR(p.personPos.x + 104.0 * row.scale * p.personScale / 2, 100.0, 1e-9) << row.what;
        EXPECT_NEAR(p.personPos.y, m.originY - row.pixels, 1e-9) << row.what;
    }

    // On the vertical-angle label's line the label moves to the nearer side.
    const SideViewPoint p { 300.0, 150.0 };
    const double pixels = m.originY - 150.0 - 30.0; // label y == P.y
    struct ShiftRow {
        const char* what;
        double labelX; // unshifted
        double expected;
    };
    // Where the label would go without the shift, for a person of that height.
    const auto unshifted = [&m](double personPixels) {
        return -20.0 * (personPixels / 254.0) * 0.5 - 47.0 - 10.0 + 52.0 + m.originX;
    };
    const ShiftRow shifts[] = {
        { "left of P", 270.0, 250.0 },
        { "on P", 300.0, 350.0 },
        { "right of P", 330.0, 350.0 },
        { "far left", 240.0, 240.0 },
        { "far right", 360.0, 360.0 },
    };
    for (const ShiftRow& row : shifts) {
        const SideViewTargetPlace place = SideViewPlaceTarget(m, row.labelX - unshifted(pixels), p, pixels);
        EXPECT_NEAR(place.labelPos.x, row.expected, 1e-9) << row.what;
    }
    for (double offLine : { pixels - 10.0, pixels + 10.0 }) {
        const SideViewTargetPlace place = SideViewPlaceTarget(m, 300.0 - unshifted(offLine), p, offLine);
        EXPECT_NEAR(place.labelPos.x, 300.0, 1e-9) << "ten pixels off the line: " << offLine;
    }
}

TEST(SideViewGeometry, AxisBoxesKeepBothAxesInProportion)
{
    struct Row {
        const char* what;
        bool lengthBox;
        double typed;
        double targetDistance;
        bool raised;
        double lengthMax, heightMax, distance;
    };
    const double ratio = 582.0 / 254.0;
    const Row rows[] = {
        { "length 30", true, 30.0, 10.0, false, 30.0, 30.0 / ratio, 10.0 },
        { "length 10 would put the camera off the axis", true, 10.0, 10.0, true, 7.0 * ratio, 7.0, 10.0 },
        { "length below the target distance", true, 12.0, 20.0, true, 7.0 * ratio, 7.0, 7.0 * ratio },
        { "height 20", false, 20.0, 10.0, false, 20.0 * ratio, 20.0, 10.0 },
        { "height below the camera", false, 5.0, 10.0, true, 7.0 * ratio, 7.0, 10.0 },
        { "length 16.5 shortens the target distance", true, 16.5, 20.0, false, 16.5, 16.5 / ratio, 16.5 },
    };
    for (const Row& row : rows) {
        SideViewModel m = StandardModel();
        SideViewSetParam(m, 17.46, row.targetDistance, 7.0, 30.0);
        const bool raised = row.lengthBox ? SideViewApplyLengthMaximum(m, row.typed)
                                          : SideViewApplyHeightMaximum(m, row.typed);
        EXPECT_EQ(raised, row.raised) << row.what;
        EXPECT_NEAR(m.lengthMaximum, row.lengthMax, 1e-9) << row.what;
        EXPECT_NEAR(m.heightMaximum, row.heightMax, 1e-9) << row.what;
        EXPECT_NEAR(m.targetDistance, row.distance, 1e-9) << row.what;
        EXPECT_NEAR(m.installHeight, 7.0, 1e-12) << row.what << ": the camera is never lowered";
        EXPECT_NEAR(m.installAngle, SideViewInstallAngle(m.blindDistance, 7.0, 17.46), 1e-12) << row.what;
    }

    // Distances shorter than ten pixels of the new axis come up to ten.
    SideViewModel m = StandardModel();
    SideViewSetParam(m, 17.46, 0.05, 7.0, 30.0);
    m.blindDistance = 0.1;
    SideViewApplyLengthMaximum(m, 200.0);
    const double tenPixels = 10.0 * 200.0 / 582.0;
    EXPECT_NEAR(SideViewMinimumDistance(m), tenPixels, 1e-12);
    EXPECT_NEAR(m.blindDistance, tenPixels, 1e-12);
    EXPECT_NEAR(m.targetDistance, tenPixels, 1e-12);
    // A blind distance past a shortened axis ends at its end.
    m = StandardModel();
    SideViewSetParam(m, 17.46, 10.0, 7.0, 80.0);
    SideViewApplyLengthMaximum(m, 17.0);
    EXPECT_NEAR(m.blindDistance, 17.0, 1e-12);
}

TEST(SideViewGeometry, UnitSwitchConvertsEveryLengthEachTime)
{
    SideViewModel m = StandardModel();
    SideViewSetParam(m, 17.46, 10.0, 7.0, 30.0);
    const SideViewModel metric = m;
    const auto lengths = [](const SideViewModel& s) {
        return std::vector<double> { s.heightMaximum, s.lengthMaximum, s.blindMinimum, s.targetDistance,
            s.installHeight, s.blindDistance, s.handleMinimumHeight, s.handleMinimumTargetHeight };
    };

    SideViewChangeUnit(m, false);
    EXPECT_FALSE(m.metric);
    for (size_t i = 0; i < lengths(m).size(); ++i) {
        EXPECT_NEAR(lengths(m)[i], lengths(metric)[i] * 3.2808399, 1e-9) << i;
    }
    EXPECT_EQ(m.installAngle, metric.installAngle) << "angles are not lengths";
    EXPECT_EQ(m.targetHeight, metric.targetHeight) << "follows the person's pixels instead";

    SideViewChangeUnit(m, true);
    for (size_t i = 0; i < lengths(m).size(); ++i) {
        EXPECT_NEAR(lengths(m)[i], lengths(metric)[i], 1e-9) << i;
    }

    SideViewChangeUnit(m, false);
    SideViewChangeUnit(m, false);
    EXPECT_NEAR(m.installHeight, 7.0 * 3.2808399 * 3.2808399, 1e-9) << "a second call converts again";
}

TEST(SideViewGeometry, RoundsToHundredthsThroughText)
{
    struct Row {
        double value, rounded;
    };
    for (const Row& row : { Row { 2.72496, 2.72 }, Row { 12.345678, 12.35 }, Row { -3.14159, -3.14 },
             Row { 2.675, 2.67 } /* 2.67499999... in binary */, Row { 999.999, 1000.0 }, Row { 0.0, 0.0 } }) {
        EXPECT_EQ(SideViewRoundToHundredths(row.value), row.rounded) << row.value;
    }
}

TEST(SideViewGeometry, ControlsOverTheDrawingFollowTheWidgetSize)
{
    SideViewWidgetPlaces w = SideViewPlaceWidgets(692.0, 304.0, 1.0);
    EXPECT_EQ((std::vector<int> { w.heightBoxX, w.heightBoxY, w.heightBoxWidth, w.heightBoxHeight }),
        (std::vector<int> { 70, 5, 90, 18 }));
    EXPECT_EQ((std::vector<int> { w.lengthBoxX, w.lengthBoxY, w.lengthBoxWidth, w.lengthBoxHeight }),
        (std::vector<int> { 582, 244, 90, 18 }));
    EXPECT_EQ(w.lengthUnitLabel, (SideViewPoint { 667.0, 236.0 }));
    EXPECT_EQ(w.lengthTitle, (SideViewPoint { 577.0, 214.0 }));

    w = SideViewPlaceWidgets(1385.0, 609.0, 1.5);
    EXPECT_EQ((std::vector<int> { w.heightBoxX, w.heightBoxY, w.heightBoxWidth, w.heightBoxHeight }),
        (std::vector<int> { 105, 7, 135, 27 }));
    EXPECT_EQ(w.lengthBoxX, 1220); // trunc(1385 - 210) + 45
    EXPECT_EQ(w.lengthBoxY, 519);
}

} // namespace
