#include "ui/video/KWPlayWndGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

void ExpectRect(const RECT& r, int l, int t, int rr, int b, const std::string& what)
{
    EXPECT_EQ(r.left, l) << what;
    EXPECT_EQ(r.top, t) << what;
    EXPECT_EQ(r.right, rr) << what;
    EXPECT_EQ(r.bottom, b) << what;
}

} // namespace

TEST(PlayWndGeometryTest, ProportionsReduceByTheirCommonDivisor)
{
    const struct {
        int w, h, rw, rh;
    } rows[] = {{1920, 1080, 16, 9}, {16, 9, 16, 9}, {4, 4, 1, 1}, {0, 9, 0, 9}, {704, 576, 11, 9}};
    for (const auto& row : rows) {
        int w = row.w;
        int h = row.h;
        KWReduceProportion(w, h);
        EXPECT_EQ(w, row.rw) << row.w << ":" << row.h;
        EXPECT_EQ(h, row.rh) << row.w << ":" << row.h;
    }
}

TEST(PlayWndGeometryTest, FittingLetterboxesAndCentres)
{
    const struct {
        const char* name;
        RECT base;
        int pw, ph;
        RECT fitted;
    } rows[] = {
        {"16:9 in a square keeps the width", {0, 0, 399, 399}, 16, 9, {0, 87, 399, 312}},
        {"no proportion keeps the base", {0, 0, 399, 399}, 0, 9, {0, 0, 399, 399}},
        {"1:1 in a wide area keeps the height", {0, 0, 399, 299}, 1, 1, {50, 0, 350, 299}},
        {"offset base", {3, 3, 395, 295}, 4, 3, {4, 3, 394, 295}},
    };
    for (const auto& row : rows) {
        const RECT r = KWFitRectToProportion(row.base, row.pw, row.ph);
        ExpectRect(r, row.fitted.left, row.fitted.top, row.fitted.right, row.fitted.bottom, row.name);
    }
}

TEST(PlayWndGeometryTest, RubberBandZoomKeepsTheProportionAroundTheBandCentre)
{
    const RECT whole = {0, 0, 799, 599};
    RECT result = {0, 0, -1, -1};
    EXPECT_FALSE(KWZoomByRect(10, 10, 18, 60, 400, 300, whole, 800, 600, 4, 3, result)) << "8 pixels wide";
    EXPECT_FALSE(KWZoomByRect(10, 10, 60, 60, 400, 300, {0, 0, 39, 29}, 800, 600, 4, 3, result)) << "under 10 frame pixels";

    ASSERT_TRUE(KWZoomByRect(100, 100, 200, 200, 400, 300, whole, 800, 600, 4, 3, result));
    ExpectRect(result, 168, 201, 433, 400, "square band, 4:3 result");

    ASSERT_TRUE(KWZoomByRect(0, 0, 100, 100, 400, 300, whole, 800, 600, 4, 3, result));
    EXPECT_EQ(result.left, 0) << "edges are clamped each on its own";
    EXPECT_EQ(result.right, 233) << "while the opposite edge stays";
    EXPECT_EQ(result.top, 1);
}

TEST(PlayWndGeometryTest, WheelZoomStepsAndReturnsToTheWholeFrame)
{
    const RECT whole = {0, 0, 799, 599};
    RECT result = {0, 0, -1, -1};
    EXPECT_EQ(KWZoomByWheel(-120, 200, 150, 400, 300, whole, 800, 600, 0, 0, result), KWWheelWhole);
    ExpectRect(result, 0, 0, 799, 599, "zoom out at the whole frame");

    ASSERT_EQ(KWZoomByWheel(120, 200, 150, 400, 300, whole, 800, 600, 0, 0, result), KWWheelZoomed);
    ExpectRect(result, 10, 7, 789, 591, "one step in, shared by the mouse position");

    ASSERT_EQ(KWZoomByWheel(120, 0, 0, 400, 300, whole, 800, 600, 0, 0, result), KWWheelZoomed);
    EXPECT_EQ(result.left, 0) << "at the left edge the whole step comes off the right";
    EXPECT_EQ(result.right, 779);

    EXPECT_EQ(KWZoomByWheel(120, 0, 0, 400, 300, {0, 0, 8, 8}, 800, 600, 0, 0, result), KWWheelIgnored);
}

TEST(PlayWndGeometryTest, ShiftingInsideMovesEachAxisAgainstItsOwnBounds)
{
    // Bounds x 0..100, y 2..50: no two of them alike, so a swapped bound shows.
    const struct {
        const char* name;
        RECT before, after;
    } rows[] = {
        {"inside stays", {10, 10, 20, 20}, {10, 10, 20, 20}},
        {"past the left", {-5, 10, 15, 20}, {0, 10, 20, 20}},
        {"past the right", {90, 10, 110, 20}, {80, 10, 100, 20}},
        {"past the top", {10, -3, 20, 7}, {10, 2, 20, 12}},
        {"past the bottom", {10, 45, 20, 60}, {10, 35, 20, 50}},
        {"wider than the bounds ends at the right", {-10, 5, 120, 10}, {-30, 5, 100, 10}},
    };
    for (const auto& row : rows) {
        RECT r = row.before;
        KWShiftInside(r, 0, 2, 100, 50);
        ExpectRect(r, row.after.left, row.after.top, row.after.right, row.after.bottom, row.name);
    }
}

TEST(PlayWndGeometryTest, SplitLayoutsAndRegionsInFramePixels)
{
    const KWSplitLayout four = KWMakeSplitLayout(1, 400, 300);
    ExpectRect(four.overview, 0, 0, 200, 150, "mode 1 overview");
    ASSERT_EQ(four.panes.size(), 3u);
    ExpectRect(four.panes[2], 200, 150, 400, 300, "mode 1 last pane");
    const KWSplitLayout six = KWMakeSplitLayout(2, 400, 300);
    ExpectRect(six.overview, 0, 0, 266, 200, "mode 2 overview");
    ASSERT_EQ(six.panes.size(), 5u);
    ExpectRect(six.panes[0], 267, 0, 400, 100, "mode 2 first pane");
    EXPECT_EQ(six.regions.size(), 5u);

    ExpectRect(KWSplitRegionToFrame({0, 0, 100, 75}, four.overview, 1920, 1080), 0, 0, 960, 540, "region in frame pixels");
    ExpectRect(KWSplitRegionToFrame({-5, 0, 300, 75}, four.overview, 1920, 1080), 0, 0, 1920, 540, "clamped to the frame");

    std::vector<RECT> regions = {{0, 0, 100, 75}};
    EXPECT_FALSE(KWRescaleSplitRegions(regions, {0, 0, 0, 0}, four.overview));
    ASSERT_TRUE(KWRescaleSplitRegions(regions, four.overview, {0, 0, 400, 300}));
    ExpectRect(regions[0], 0, 0, 200, 150, "doubled overview");
}

TEST(PlayWndGeometryTest, OutlinesAreCutAtBreaksAndAcrossTheSeam)
{
    using Pieces = std::vector<std::vector<std::pair<int, int>>>;
    const struct {
        const char* name;
        std::vector<POINT> outline;
        Pieces pieces;
    } rows[] = {
        {"a closed square stays whole", {{10, 10}, {20, 10}, {20, 20}, {10, 10}}, {{{10, 10}, {20, 10}, {20, 20}, {10, 10}}}},
        {"a 0, 0 point is a break", {{10, 10}, {20, 10}, {0, 0}, {30, 30}, {40, 30}}, {{{10, 10}, {20, 10}}, {{30, 30}, {40, 30}}}},
        {"but not as the first point", {{0, 0}, {10, 0}}, {{{0, 0}, {10, 0}}}},
        {"two breaks leave an empty piece", {{1, 1}, {0, 0}, {0, 0}, {3, 3}}, {{{1, 1}}, {}, {{3, 3}}}},
        {"a jump to the right across the seam", {{2, 10}, {98, 10}, {97, 20}}, {{{2, 10}}, {{98, 10}, {97, 20}}}},
        {"and one back", {{98, 10}, {2, 10}}, {{{98, 10}}, {{2, 10}}}},
        {"a long step short of both edges", {{6, 10}, {94, 10}}, {{{6, 10}, {94, 10}}}},
    };
    for (const auto& row : rows) {
        Pieces pieces;
        for (const std::vector<POINT>& piece : KWOutlinePieces(row.outline.data(), static_cast<int>(row.outline.size()), 5, 95)) {
            pieces.emplace_back();
            for (const POINT& p : piece) {
                pieces.back().emplace_back(p.x, p.y);
            }
        }
        EXPECT_EQ(pieces, row.pieces) << row.name;
    }
}

TEST(PlayWndGeometryTest, PolygonsUseTheOddEvenRule)
{
    const std::vector<POINT> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(KWPointInPolygon(square, 5, 5));
    EXPECT_FALSE(KWPointInPolygon(square, 15, 5));
    const std::vector<POINT> ring = {{0, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}, {10, 10}, {10, 20}, {20, 20}, {20, 10}, {10, 10}};
    EXPECT_FALSE(KWPointInPolygon(ring, 15, 15)) << "the hole";
    EXPECT_TRUE(KWPointInPolygon(ring, 5, 15));
}
