// Where a label steps to: the nearest place inside its view's bounds and
// clear of what it must not cover, preferring not to hide a picture; and the
// view's bounds as the scene shows them, hidden or not.

#include "ui/scenes/KWLabelPlacement.h"
#include "ui/scenes/KWSceneFootprints.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>

#include <vector>

namespace {

TEST(LabelPlacement, StepsToTheNearestClearPlaceInsideTheBounds)
{
    const KWSceneBox bounds { 0, 0, 200, 100 };
    const KWSceneBox label { 50, 50, 90, 62 };
    const struct {
        const char* what;
        KWSceneBox box;
        std::vector<KWSceneBox> obstacles;
        std::vector<KWSceneBox> pictures;
        KWScenePoint shift;
    } rows[] = {
        { "clear where it stands, over a picture too", label, {}, { { 40, 40, 100, 70 } }, { 0, 0 } },
        { "past the top edge: in by the overflow", { 50, -7, 90, 5 }, {}, {}, { 0, 7 } },
        { "past the right edge", { 180, 50, 220, 62 }, {}, {}, { -20, 0 } },
        { "under a handle's bottom rim: down by the overlap", label, { { 40, 30, 66, 53 } }, {}, { 0, 3 } },
        { "half a pixel of overlap is touching", label, { { 40, 30, 66, 50.4 } }, {}, { 0, 0 } },
        { "the nearer side of a wide obstacle", label, { { 45, 45, 190, 58 } }, {}, { 0, 8 } },
        { "pressed to the bottom: over it", label, { { 45, 45, 95, 100 } }, {}, { 0, -17 } },
        { "closed in above too: around the nearer side", label, { { 40, 45, 95, 100 }, { 0, 0, 200, 45 } },
            {}, { 45, 0 } },
        { "rather a little farther than over a picture", label, { { 40, 40, 100, 60 } },
            { { 40, 60, 100, 100 } }, { 0, -22 } },
        { "nowhere clear: only inside the bounds", { 190, 50, 230, 62 }, { { 0, 0, 200, 100 } }, {},
            { -30, 0 } },
        { "wider than the bounds: its left edge inside", { -10, 50, 250, 62 }, {}, {}, { 10, 0 } },
    };
    for (const auto& row : rows) {
        const KWScenePoint shift = KWClearShift(row.box, bounds, row.obstacles, row.pictures, 30.0);
        EXPECT_NEAR(shift.x, row.shift.x, 1e-9) << row.what;
        EXPECT_NEAR(shift.y, row.shift.y, 1e-9) << row.what;
    }
}

// A hidden view learns its size only when shown, after its holder has laid
// the drawing out: the bounds are those the view shows once it is, for
// every difference of sizes, odd ones included.
TEST(LabelPlacement, BoundsAreWhatTheViewShowsEvenBeforeItIsShown)
{
    // Views of even and odd sizes, scenes 9 and 10 pixels smaller.
    const QSize sizes[] = { QSize(300, 200), QSize(301, 203), QSize(302, 201), QSize(303, 202) };
    for (int row = 0; row < 8; ++row) {
        const QSize size = sizes[row / 2];
        const int margin = 9 + row % 2;
        QWidget holder;
        QGraphicsScene scene;
        QGraphicsView view(&scene, &holder);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setGeometry(QRect(QPoint(7, 5), size));
        scene.setSceneRect(0, 0, size.width() - margin, size.height() - margin);
        // Showing polishes before the holder lays out, the view's frame too.
        holder.ensurePolished();
        const KWSceneBox hidden = KWVisibleSceneBox(&view);
        const KWSceneBox boxHidden = KWParentRectInScene(&view, QRect(20, 30, 40, 10));

        holder.resize(400, 300);
        holder.show();
        QCoreApplication::processEvents();
        const QRectF shown = view.mapToScene(view.viewport()->rect()).boundingRect();
        EXPECT_DOUBLE_EQ(hidden.left, shown.left()) << size.width();
        EXPECT_DOUBLE_EQ(hidden.top, shown.top()) << size.height();
        EXPECT_DOUBLE_EQ(hidden.right, shown.right()) << size.width();
        EXPECT_DOUBLE_EQ(hidden.bottom, shown.bottom()) << size.height();
        const QPointF boxShown = view.mapToScene(view.viewport()->mapFrom(&holder, QPoint(20, 30)));
        EXPECT_DOUBLE_EQ(boxHidden.left, boxShown.x());
        EXPECT_DOUBLE_EQ(boxHidden.top, boxShown.y());
    }
}

} // namespace
