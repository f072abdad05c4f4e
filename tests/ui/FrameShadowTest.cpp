// The drop shadow of the frameless windows: drawn where the window system
// blends it, cut away by the mask where it would come out black.

#include "ui/qt/KWFrameShadow.h"
#include "ui/qt/KWSkinFrameFunctions.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>

namespace {

TEST(FrameShadow, DrawnWhenCompositedMaskedAwayWhenNot)
{
    const struct {
        const char* name;
        bool wanted;
        bool composited;
        int margin;
        bool paint;
        int inset;
    } rows[] = {
        { "composited: the translucent shadow as designed", true, true, 10, true, 0 },
        { "no compositor: no shadow, the margin masked out", true, false, 10, false, 10 },
        { "no compositor, shadow width 0: nothing to mask", true, false, 0, false, 0 },
        { "no shadow asked for, composited", false, true, 10, false, 0 },
        { "no shadow asked for, no compositor: the margin stays opaque", false, false, 10, false, 0 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const KWShadowPlan plan = KWPlanFrameShadow(row.wanted, row.composited, row.margin);
        EXPECT_EQ(plan.paintShadow, row.paint);
        EXPECT_EQ(plan.maskInset, row.inset);
    }
}

TEST(FrameShadow, InsetMaskLeavesOutTheMarginAndKeepsTheCorners)
{
    const QSize size(60, 40);
    const QImage full = KWRoundedFrameMask(size, 0, 0).toImage().convertToFormat(QImage::Format_Mono);
    const QImage inset = KWRoundedFrameMask(size, 4, 4, 10).toImage().convertToFormat(QImage::Format_Mono);
    const auto shown = [](const QImage& mask, int x, int y) { return mask.pixelIndex(x, y) == 1; };
    EXPECT_TRUE(shown(full, 0, 0));
    EXPECT_TRUE(shown(full, 59, 39));
    for (const QPoint margin : { QPoint(0, 0), QPoint(9, 20), QPoint(50, 20), QPoint(30, 9), QPoint(30, 30) }) {
        EXPECT_FALSE(shown(inset, margin.x(), margin.y())) << margin.x() << "," << margin.y();
    }
    EXPECT_TRUE(shown(inset, 30, 20));
    EXPECT_TRUE(shown(inset, 14, 10)) << "the top edge of the frame";
    EXPECT_FALSE(shown(inset, 10, 10)) << "the frame's rounded corner";
}

TEST(FrameShadow, OffscreenWindowsKeepTheirAlpha)
{
    // The tests run offscreen, where a translucent margin stays translucent.
    EXPECT_TRUE(KWWindowSystemComposites());
}

} // namespace
