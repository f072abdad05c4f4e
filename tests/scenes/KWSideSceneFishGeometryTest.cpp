#include "ui/scenes/KWSideSceneFishGeometry.h"

#include <gtest/gtest.h>

namespace {

// The standard layout: a 412 x 304 widget gives a 402 x 294 scene at scale 1.
KWFishSideValues Standard(bool ceiling, bool rightSide = true)
{
    KWFishSideValues v;
    v.installHeight = 2.0;
    v.objectHeight = 1.7;
    v.objectDistance = 2.0;
    v.ceiling = ceiling;
    v.rightSide = rightSide;
    return v;
}

TEST(KWSideSceneFishGeometry, LayoutOfTheStandardSceneForEachMountAndSide)
{
    struct Row {
        const char* what;
        KWFishSideValues values;
        double originX, axisWidth, objectX;
        KWSceneRange cameraRange, objectRange;
        KWScenePoint personPos, cameraLabel, distanceLabel, heightLabel, cameraHandle, objectHandle;
    };
    const Row rows[] = {
        { "ceiling, person right", Standard(true), 201, 181, 237.2, { 20, 187.64 }, { 172.4, 268.92 },
            { 219.52, 187.64 }, { 261, 159.4 }, { 215.2, 282 }, { 177.2, 174.64 }, { 231, 159.4 },
            { 224.2, 174.64 } },
        { "ceiling, person left: mirrored, label on its right", Standard(true, false), 201, 181, 164.8,
            { 20, 187.64 }, { 172.4, 268.92 }, { 147.12, 187.64 }, { 261, 159.4 }, { 142.8, 282 },
            { 184.8, 174.64 }, { 231, 159.4 }, { 151.8, 174.64 } },
        { "wall, label right", Standard(false), 20, 362, 92.4, { 20, 258.76 }, { 20, 268.92 },
            { 74.72, 187.64 }, { 80, 159.4 }, { 70.4, 282 }, { 112.4, 174.64 }, { 50, 159.4 },
            { 79.4, 174.64 } },
        { "wall, label left", Standard(false, false), 20, 362, 92.4, { 20, 258.76 }, { 20, 268.92 },
            { 74.72, 187.64 }, { 80, 159.4 }, { 70.4, 282 }, { 32.4, 174.64 }, { 50, 159.4 },
            { 79.4, 174.64 } },
    };
    const double eps = 1e-9;
    for (const Row& r : rows) {
        const KWFishSideLayout l = KWFishSideLayoutFor(r.values, 402, 294);
        EXPECT_NEAR(l.originX, r.originX, eps) << r.what;
        EXPECT_NEAR(l.originY, 274, eps) << r.what;
        EXPECT_NEAR(l.axisWidth, r.axisWidth, eps) << r.what;
        EXPECT_NEAR(l.axisHeight, 254, eps) << r.what;
        EXPECT_NEAR(l.cameraY, 152.4, eps) << r.what;
        EXPECT_NEAR(l.objectPx, 86.36, eps) << r.what;
        EXPECT_NEAR(l.objectX, r.objectX, eps) << r.what;
        EXPECT_NEAR(l.cameraRange.min, r.cameraRange.min, eps) << r.what;
        EXPECT_NEAR(l.cameraRange.max, r.cameraRange.max, eps) << r.what;
        EXPECT_NEAR(l.objectRange.min, r.objectRange.min, eps) << r.what;
        EXPECT_NEAR(l.objectRange.max, r.objectRange.max, eps) << r.what;
        EXPECT_NEAR(l.distanceRange.min, 20, eps) << r.what;
        EXPECT_NEAR(l.distanceRange.max, 382, eps) << r.what;
        EXPECT_NEAR(l.person.scaleX, 0.34, eps) << r.what;
        EXPECT_NEAR(l.person.scaleY, 0.34, eps) << r.what;
        const std::pair<KWScenePoint, KWScenePoint> points[]
            = { { l.person.pos, r.personPos }, { l.cameraLabel, r.cameraLabel },
                  { l.distanceLabel, r.distanceLabel }, { l.heightLabel, r.heightLabel },
                  { l.cameraHandle, r.cameraHandle }, { l.objectHandle, r.objectHandle } };
        for (const auto& [got, want] : points) {
            EXPECT_NEAR(got.x, want.x, eps) << r.what;
            EXPECT_NEAR(got.y, want.y, eps) << r.what;
        }
        EXPECT_NEAR(l.distanceHandle.x, r.objectHandle.x, eps) << r.what;
        EXPECT_NEAR(l.distanceHandle.y, 261, eps) << r.what;
    }
}

TEST(KWSideSceneFishGeometry, TallPersonKeepsItsWidthAtEveryScale)
{
    for (double t : { 1.0, 2.0 }) {
        KWFishSideValues v = Standard(true);
        v.rectTimes = t;
        v.objectHeight = 4.0;
        const int w = static_cast<int>(412 * t - 10 * t);
        const int h = static_cast<int>(304 * t - 10 * t);
        const KWFishSideLayout l = KWFishSideLayoutFor(v, w, h);
        EXPECT_NEAR(l.person.scaleY, 0.8, 1e-9) << t;
        EXPECT_DOUBLE_EQ(l.person.scaleX, 0.45) << t;
        EXPECT_NEAR(l.person.pos.x, l.objectX - t * 104 * 0.45 / 2, 1e-9) << t;
        EXPECT_NEAR(l.person.pos.y, l.originY - l.objectPx, 1e-9) << t;
    }
}

TEST(KWSideSceneFishGeometry, DistanceDragPicksTheSideByMountAndTheWallThreshold)
{
    struct Row {
        const char* what;
        bool ceiling;
        double x;
        double distance;
        bool rightSide;
    };
    const Row rows[] = {
        { "ceiling, right of the axis", true, 291.5, 5.0, true },
        { "ceiling, left of the axis: positive distance", true, 110.5, 5.0, false },
        { "ceiling, on the axis counts as left", true, 201, 0.0, false },
        // 180, 200 and 201 of 362 px of 10 m, at the field's two decimals.
        { "wall, within 200 px", false, 200, 4.97, true },
        { "wall, exactly 200 px", false, 220, 5.52, true },
        { "wall, beyond 200 px", false, 221, 5.55, false },
        { "wall, at the wall", false, 20, 0.0, true },
    };
    for (const Row& r : rows) {
        const KWFishSideValues v = Standard(r.ceiling, !r.rightSide);
        const KWFishSideLayout l = KWFishSideLayoutFor(v, 402, 294);
        double distance = -1;
        bool right = !r.rightSide;
        ASSERT_TRUE(KWFishDistanceAtX(v, l, r.x, distance, right)) << r.what;
        EXPECT_NEAR(distance, r.distance, 1e-9) << r.what;
        EXPECT_EQ(right, r.rightSide) << r.what;
    }
}

TEST(KWSideSceneFishGeometry, HeightFromAHandleAndNothingWithoutAxes)
{
    const KWFishSideValues v = Standard(true);
    const KWFishSideLayout l = KWFishSideLayoutFor(v, 402, 294);
    double height = 0;
    ASSERT_TRUE(KWFishHeightAtY(v, l, 172.4, height));
    EXPECT_NEAR(height, 2.0, 1e-9);

    // A scene no taller than its margins has no height axis to divide by.
    const KWFishSideLayout flat = KWFishSideLayoutFor(v, 402, 40);
    height = 7;
    bool right = true;
    double distance = 7;
    EXPECT_FALSE(KWFishHeightAtY(v, flat, 10, height));
    EXPECT_FALSE(KWFishDistanceAtX(v, flat, 10, distance, right));
    EXPECT_EQ(height, 7);
    EXPECT_EQ(distance, 7);
}

TEST(KWSideSceneFishGeometry, SideFlagRulesOfDistanceAndMountSetFromOutside)
{
    struct Row {
        const char* what;
        bool ceiling;
        bool rightBefore;
        double distance;
        bool byDistance; // KWFishSideForDistance(distance)
        bool byMount; // KWFishSideForMount with that stored distance
    };
    const Row rows[] = {
        { "wall, 0 keeps the flag", false, false, 0.0, false, true },
        { "wall, 6 is beyond", false, true, 6.0, false, false },
        { "wall, 5.5 is not below 5.5", false, true, 5.5, false, false },
        { "wall, 5.4 is near", false, false, 5.4, true, true },
        { "ceiling keeps the flag (right)", true, true, 6.0, true, true },
        { "ceiling keeps the flag (left)", true, false, 1.0, false, false },
    };
    for (const Row& r : rows) {
        KWFishSideValues v = Standard(r.ceiling, r.rightBefore);
        EXPECT_EQ(KWFishSideForDistance(v, r.distance), r.byDistance) << r.what;
        v.objectDistance = r.distance;
        EXPECT_EQ(KWFishSideForMount(v), r.byMount) << r.what;
    }
}

} // namespace
