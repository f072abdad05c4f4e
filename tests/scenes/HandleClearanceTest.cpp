// Where a handle that steps aside across its travel stands: clear of what is
// in its way, to the side it was given, held within its range, and moving on
// smoothly as another passes.

#include "ui/scenes/KWHandleClearance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(HandleClearance, AHandleKeepsToItsSideOfWhatIsInItsWay)
{
    const KWSceneRange view { 0, 400 };
    const KWSceneBox picture { 100, 100, 140, 140 };
    const struct {
        const char* what;
        KWScenePoint centre; // of a handle travelling up and down
        std::vector<KWKeepOff> keepOff;
        KWSceneRange range;
        double across;
    } rows[] = {
        { "nothing in its way", { 120, 120 }, {}, view, 120 },
        { "on a picture: beside it, to its side", { 120, 120 }, { { picture, 15, KWSide::Higher } }, view,
            155 },
        { "the other side", { 120, 120 }, { { picture, 15, KWSide::Lower } }, view, 85 },
        { "passing below it, round its corner", { 150, 149 }, { { picture, 15, KWSide::Higher } }, view,
            152 },
        { "far enough below, where it is", { 120, 156 }, { { picture, 15, KWSide::Higher } }, view, 120 },
        { "of two asking opposite ways, the later", { 120, 120 },
            { { picture, 15, KWSide::Higher }, { { 160, 120, 160, 120 }, 28, KWSide::Lower } }, view, 132 },
        { "held within its range", { 120, 120 }, { { picture, 15, KWSide::Higher } }, { 0, 150 }, 150 },
        { "what it could not meet within its range asks nothing", { 300, 120 },
            { { picture, 15, KWSide::Higher } }, { 280, 320 }, 300 },
        { "another handle: box to box", { 110, 120 }, { KWHandleKeepOff({ 100, 120 }, 0, KWSide::Higher) },
            view, 126 },
        { "and room beside it", { 110, 120 }, { KWHandleKeepOff({ 100, 120 }, 22, KWSide::Higher) }, view,
            148 },
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(KWAcrossClearOf(row.centre, true, row.keepOff, row.range), row.across, 0.01) << row.what;
    }
    // One travelling sideways steps up and down.
    EXPECT_NEAR(KWAcrossClearOf({ 120, 150 }, false, { { picture, 15, KWSide::Higher } }, view), 155, 0.01);
}

// Another handle passing a handle in one pixel steps, a little above it: the
// handle steps aside by at most its own size and a gap at any step, back
// once the other has passed, and never ends up carried along.
TEST(HandleClearance, AHandleStepsAsideAndBackAsAnotherPassesNeverLeaping)
{
    const KWScenePoint handle { 200, 100 };
    const KWSceneRange range { 200 - KW_HANDLE_STEP, 200 + KW_HANDLE_STEP };
    double last = handle.x;
    double furthest = 0.0;
    for (double x = 100; x <= 300; x += 1.0) {
        const double across
            = KWAcrossClearOf(handle, true, { KWHandleKeepOff({ x, 105 }, 0, KWSide::Higher) }, range);
        EXPECT_LE(std::abs(across - last), KW_HANDLE_STEP) << "the other at " << x;
        furthest = std::max(furthest, across - handle.x);
        last = across;
    }
    EXPECT_GT(furthest, 20.0) << "it stepped aside";
    EXPECT_DOUBLE_EQ(last, handle.x) << "and back";
}

// In a drag the other may pass where the handle's range ends: it then moves
// no more than the other between two steps, whatever the range.
TEST(HandleClearance, InADragAHandleAtTheEndOfItsRangeLetsTheOtherPassOverIt)
{
    const KWScenePoint handle { 200, 100 };
    for (const double half : { 10.0, 50.0 }) {
        const KWSceneRange range { handle.x - half, handle.x + half };
        double last = handle.x;
        for (double x = 300; x >= 0; x -= 1.0) {
            const double across = KWAcrossClearOf(handle, true,
                { KWHandleKeepOff({ x, 105 }, 0, KWSide::Lower) }, range, KWPastRange::StepsBack);
            EXPECT_LE(std::abs(across - last), 1.0 + 1e-9) << "range +-" << half << ", the other at " << x;
            last = across;
        }
        EXPECT_DOUBLE_EQ(last, handle.x) << "range +-" << half;
    }
}

} // namespace
