// The fisheye densities against values worked out independently (in double
// precision, straight from the geometry) for small lens tables written here.

#include "app/calc/FishCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Image height 0.05 mm per degree, out to 90 degrees.
FishLensTable LinearTable(int lastAngle = 90)
{
    FishLensTable table;
    for (int a = 0; a <= lastAngle; a += 10) {
        table[static_cast<float>(a)] = 0.05f * a;
    }
    return table;
}

FishInputs Inputs(bool ceiling, double H, double T, double D, bool metric = true, int model = 0)
{
    FishInputs in;
    in.ceiling = ceiling;
    in.installHeight = H;
    in.objectHeight = T;
    in.objectDistance = D;
    in.metric = metric;
    in.modelIndex = model;
    return in;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

} // namespace

TEST(FishCalcTest, LensLookupWalksToTheFirstEntryAtOrBeyondTheAngle)
{
    const FishLensTable noZero { { 10.0f, 1.0f }, { 20.0f, 3.0f } };
    struct Row {
        const char* name;
        const FishLensTable& table;
        float angle;
        std::optional<float> expected;
    };
    const FishLensTable linear = LinearTable();
    const FishLensTable empty;
    const Row rows[] = {
        { "exact key", linear, 20.0f, 1.0f },
        { "between keys", noZero, 15.0f, 2.0f },
        { "below the first key, from the origin", noZero, 5.0f, 0.5f },
        { "at zero without a zero key", noZero, 0.0f, 0.0f },
        { "the last key itself", noZero, 20.0f, 3.0f },
        { "past the last key", noZero, 20.5f, std::nullopt },
        { "not a number", linear, kNaN, std::nullopt },
        { "empty table", empty, 10.0f, std::nullopt },
    };
    for (const Row& row : rows) {
        const std::optional<float> got = FishImageHeight(row.table, row.angle);
        ASSERT_EQ(got.has_value(), row.expected.has_value()) << row.name;
        if (got) {
            EXPECT_FLOAT_EQ(*got, *row.expected) << row.name;
        }
    }
}

TEST(FishCalcTest, SliceCountRoundsTheObjectHeightToTenths)
{
    const std::pair<double, int> rows[] = {
        { 1.7, 17 },
        { 1.73, 17 },
        { 0.1, 1 },
        { 0.049, 0 },
        { -1.0, 0 },
        { std::nan(""), 0 },
        { 1e300, 0 },
    };
    for (const auto& [height, slices] : rows) {
        EXPECT_EQ(FishSliceCount(height), slices) << height;
    }
    // Model 0's rings use another pitch than its target density.
    EXPECT_FLOAT_EQ(FishTargetPixelPitch(0), 1.98e-6f);
    EXPECT_FLOAT_EQ(FishRingPixelPitch(0), 1.85e-6f);
    EXPECT_FLOAT_EQ(FishRingPixelPitch(1), FishTargetPixelPitch(1));
}
TEST(FishCalcTest, DensitiesMatchTheGeometry)
{
    const FishLensTable table = LinearTable();
    struct Row {
        const char* name;
        bool ceiling;
        double H, T, D;
        double expected;
    };
    const Row rows[] = {
        { "ceiling defaults", true, 2.0, 1.7, 2.0, 396.0366 },
        // Closer than the half-width: both edges at the slice bottoms, added.
        { "ceiling D 0.2", true, 2.0, 1.7, 0.2, 1359.3484 },
        // At the half-width: slice bottoms, subtracted (the near edge on the axis).
        { "ceiling D 0.25", true, 2.0, 1.7, 0.25, 1317.7245 },
        { "ceiling D 0.3", true, 2.0, 1.7, 0.3, 1407.5725 },
        // The slice from 1.3 to 1.2 m crosses the camera's height and adds.
        { "wall crossing the camera height", false, 1.25, 1.7, 2.0, 663.7814 },
        // 17 slices of 0.1 m from 1.73 m down, each divided by 1.73 / 17.
        { "wall object 1.73", false, 2.0, 1.73, 2.0, 538.3108 },
        { "wall one slice", false, 2.0, 0.1, 2.0, 370.9093 },
    };
    const float pitch = FishTargetPixelPitch(0);
    for (const Row& row : rows) {
        const std::optional<float> got = row.ceiling ? FishCeilingDensity(table, row.H, row.T, row.D, pitch)
                                                     : FishWallDensity(table, row.H, row.T, row.D, pitch);
        ASSERT_TRUE(got.has_value()) << row.name;
        EXPECT_NEAR(*got, row.expected, row.expected * 1e-4) << row.name;
    }
}

TEST(FishCalcTest, TargetValueIsTruncatedAndConvertedToFeet)
{
    const FishLensTable table = LinearTable();
    EXPECT_EQ(FishTargetPPM(Inputs(true, 2.0, 1.7, 2.0), table), 396);
    // The same geometry entered in feet: 396.04 / 3.2808399 = 120.7 PPF.
    const double f = kFishFeetPerMetre;
    EXPECT_EQ(FishTargetPPM(Inputs(true, 2.0 * f, 1.7 * f, 2.0 * f, false), table), 120);
    EXPECT_EQ(FishTargetPPM(Inputs(false, 1.25, 1.7, 2.0), table), 663);
}

TEST(FishCalcTest, TargetValueIsNotAvailableWhereItCannotBeComputed)
{
    const FishLensTable table = LinearTable();
    struct Row {
        const char* name;
        FishInputs in;
        const FishLensTable* table;
        int expected;
    };
    const FishLensTable toSixty = LinearTable(60);
    const FishLensTable empty;
    const Row rows[] = {
        { "ceiling without slices", Inputs(true, 2.0, 0.04, 2.0), &table, kFishNoDensity },
        { "wall without slices", Inputs(false, 2.0, 0.04, 2.0), &table, kFishNoDensity },
        { "no model selected", Inputs(true, 2.0, 1.7, 2.0, true, -1), &table, kFishNoDensity },
        { "model without a pitch", Inputs(false, 2.0, 1.7, 2.0, true, 4), &table, kFishNoDensity },
        // The far edge lies beyond the table, the near edge inside it.
        { "negative ceiling density", Inputs(true, 2.0, 1.7, 2.0), &toSixty, kFishNoDensity },
        { "near edge inside a short table", Inputs(true, 2.0, 1.7, 1.5), &toSixty, 545 },
        { "missing lens table, ceiling", Inputs(true, 2.0, 1.7, 2.0), &empty, kFishNoDensity },
        { "missing lens table, wall", Inputs(false, 2.0, 1.7, 2.0), &empty, kFishNoDensity },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FishTargetPPM(row.in, *row.table), row.expected) << row.name;
    }
}

TEST(FishCalcTest, UndefinedAnglesCountAsNoImageHeight)
{
    const FishLensTable table = LinearTable();
    // Distance 0 on a wall: every edge is at 90 degrees but the one at the
    // camera's height, which is 0/0.
    const std::optional<float> wall = FishWallDensity(table, 1.0, 1.7, 0.0, 1.98e-6f);
    ASSERT_TRUE(wall.has_value());
    EXPECT_TRUE(std::isfinite(*wall));
    EXPECT_GT(FishTargetPPM(Inputs(false, 1.0, 1.7, 0.0), table), 0);
    // A camera at floor level on the ceiling mount: the near edge's angle is 0/0.
    const std::optional<float> ceiling = FishCeilingDensity(table, 0.0, 1.7, 0.25, 1.98e-6f);
    ASSERT_TRUE(ceiling.has_value());
    EXPECT_TRUE(std::isfinite(*ceiling));
    EXPECT_GE(FishTargetPPM(Inputs(true, 0.0, 1.7, 0.25), table), 0);
}

TEST(FishCalcTest, RingCrossingInterpolatesFromThePreviousSample)
{
    struct Row {
        const char* name;
        std::vector<float> samples;
        double level;
        std::optional<double> radius;
    };
    const Row rows[] = {
        // R = 1 + (260 - 250) / (260 - 240) = 1.5, at (1.5 + 1) / 10 m.
        { "between two samples", { 300, 260, 240, 10 }, 250, 0.25 },
        { "a sample at the level is not below it", { 300, 250, 200 }, 250, 0.2 },
        { "first sample already below, later above", { 100, 300, 200 }, 250, 0.1 },
        { "zero first sample", { 0, 300, 100 }, 250, 0.1 },
        // A sample past the lens table ends the search: where the level is
        // left beyond it is not known.
        { "search runs past the table", { 300, kNaN, 100 }, 250, std::nullopt },
        { "crossing before the table ends", { 300, 200, kNaN }, 250, 0.15 },
        { "never reached", { 100, 50 }, 250, std::nullopt },
        { "never left", { 300, 300 }, 250, std::nullopt },
        { "no samples", {}, 25, std::nullopt },
    };
    for (const Row& row : rows) {
        const std::optional<double> got = FishRingCrossing(row.samples, row.level);
        ASSERT_EQ(got.has_value(), row.radius.has_value()) << row.name;
        if (got) {
            EXPECT_NEAR(*got, *row.radius, 1e-9) << row.name;
        }
    }
}

TEST(FishCalcTest, CeilingRingsAreLabelledAtTheirCrossings)
{
    const FishLensTable table = LinearTable();
    // Densities reach 1520 PPM near the camera and fall below 63 PPM at
    // 8.17 m, but never below 25 PPM within 10 m.
    const FishRingMap rings = FishRingPPM(Inputs(true, 2.0, 1.7, 2.0), table, L"Area", L"distance");
    ASSERT_EQ(rings.size(), 3u);
    const double radii[] = { 3.0263, 4.9889, 8.1699 };
    const wchar_t* labels[] = {
        L"Area #1: 3.03m, PPM:250",
        L"Area #2: 4.99m, PPM:125",
        L"Area #3: 8.17m, PPM:63",
    };
    int i = 0;
    for (const auto& [radius, label] : rings) {
        EXPECT_NEAR(radius, radii[i], 1e-3) << i;
        EXPECT_EQ(label, labels[i]) << i;
        ++i;
    }

    // Feet: keys stay in metres, the labels show feet and the PPF levels.
    const double f = kFishFeetPerMetre;
    const FishRingMap feet
        = FishRingPPM(Inputs(true, 2.0 * f, 1.7 * f, 2.0 * f, false), table, L"Zona", L"d");
    ASSERT_EQ(feet.size(), 3u);
    EXPECT_NEAR(feet.begin()->first, 3.0323, 1e-3);
    const wchar_t* feetLabels[] = {
        L"Zona #1: 9.95ft, PPF:76",
        L"Zona #2: 16.40ft, PPF:38",
        L"Zona #3: 27.01ft, PPF:19",
    };
    i = 0;
    for (const auto& entry : feet) {
        EXPECT_EQ(entry.second, feetLabels[i++]);
    }
}

TEST(FishCalcTest, CeilingRingsWithABlindCentreShareOneKey)
{
    // No image height below 30 degrees: the first sample has density 0, so
    // every level is crossed there, and the last ring's label wins.
    const FishLensTable table { { 0.0f, 0.0f }, { 30.0f, 0.0f }, { 90.0f, 6.0f } };
    const FishRingMap rings = FishRingPPM(Inputs(true, 2.0, 1.7, 2.0), table, L"Area", L"distance");
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_DOUBLE_EQ(rings.begin()->first, 0.1);
    EXPECT_EQ(rings.begin()->second, L"Area #4: 0.10m, PPM:25");
}

TEST(FishCalcTest, WallRingsShowTheRoundedDensityAtFiveDistances)
{
    const FishLensTable table = LinearTable();
    // 579.8, 354.1, 247.6, 189.0 and 152.5 PPM; 176.7, 107.9, 75.5, 57.6 and
    // 46.5 PPF.
    const FishRingMap metric = FishRingPPM(Inputs(false, 2.0, 1.7, 2.0), table, L"Area", L"distance");
    const FishRingMap expectedMetric {
        { 2.0, L"distance: 2.0m, PPM:580" },
        { 4.0, L"distance: 4.0m, PPM:354" },
        { 6.0, L"distance: 6.0m, PPM:248" },
        { 8.0, L"distance: 8.0m, PPM:189" },
        { 10.0, L"distance: 10.0m, PPM:152" },
    };
    EXPECT_EQ(metric, expectedMetric);

    const double f = kFishFeetPerMetre;
    const FishRingMap feet
        = FishRingPPM(Inputs(false, 2.0 * f, 1.7 * f, 2.0 * f, false), table, L"Area", L"dist");
    const FishRingMap expectedFeet {
        { 2.0, L"dist: 6.6ft, PPF:177" },
        { 4.0, L"dist: 13.1ft, PPF:108" },
        { 6.0, L"dist: 19.7ft, PPF:75" },
        { 8.0, L"dist: 26.2ft, PPF:58" },
        { 10.0, L"dist: 32.8ft, PPF:46" },
    };
    EXPECT_EQ(feet, expectedFeet);
}

TEST(FishCalcTest, RingsWithoutSlicesOrTable)
{
    const FishLensTable table = LinearTable();
    const FishLensTable empty;
    EXPECT_TRUE(FishRingPPM(Inputs(true, 2.0, 0.04, 2.0), table, L"Area", L"distance").empty());
    EXPECT_TRUE(FishRingPPM(Inputs(true, 2.0, 1.7, 2.0), empty, L"Area", L"distance").empty());
    EXPECT_TRUE(FishRingPPM(Inputs(true, 2.0, 1.7, 2.0, true, -1), table, L"Area", L"distance").empty());

    const FishRingMap noSlices = FishRingPPM(Inputs(false, 2.0, 0.04, 2.0), table, L"Area", L"distance");
    ASSERT_EQ(noSlices.size(), 5u);
    EXPECT_EQ(noSlices.begin()->second, L"distance: 2.0m, PPM:N/A");
    EXPECT_TRUE(FishRingPPM(Inputs(false, 2.0, 1.7, 2.0), empty, L"Area", L"distance").empty())
        << "no lens, no wall list of zero densities";
}
