// Where a label steps to: the nearest place inside its view's bounds and
// clear of what it must not cover, preferring not to hide a picture; and the
// view's bounds as the scene shows them, hidden or not.

#include "ui/scenes/KWLabelPlacement.h"
#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWSceneFootprints.h"
#include "ui/scenes/KWSceneViewSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <utility>

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

// "No shift" is for a box that already stands inside its bounds: one larger
// than them has no place there, wherever its edges lie.
TEST(LabelPlacement, OnlyABoxThatFitsItsBoundsStandsClearWithoutAShift)
{
    const KWSceneBox bounds { 0, 0, 35, 59 };
    const struct {
        const char* what;
        KWSceneBox box;
        bool clear;
    } rows[] = {
        { "wider, its low edge on the bounds' low edge", { 0, 0, 45, 11 }, false },
        { "wider, out past both edges", { -5, 0, 40, 11 }, false },
        { "as wide as the bounds", { 0, 0, 35, 11 }, true },
    };
    for (const auto& row : rows) {
        const auto shift = KWFindClearShift(row.box, bounds, {}, KWShiftRules {});
        EXPECT_EQ(shift.has_value(), row.clear) << row.what;
        if (shift) {
            EXPECT_DOUBLE_EQ(shift->x, 0.0) << row.what;
        }
    }
}

// What shows of a picture is measured in bands of rows, where the picture
// stands: its pixmap's own offset and its scale included.
TEST(LabelPlacement, APictureShowsAsBandsOfItsOpaqueRowsWhereItIsDrawn)
{
    // A diamond: narrow at the top and the bottom, wide in the middle.
    QImage diamond(40, 40, QImage::Format_ARGB32);
    diamond.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y) {
        const int half = std::min(y, 39 - y) / 2;
        for (int x = 20 - half; x <= 20 + half; ++x) {
            diamond.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    const std::vector<QRectF> bands = KWShownBands(QPixmap::fromImage(diamond), 4);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0], QRectF(16, 0, 9, 10)) << "the top band as narrow as its widest row";
    EXPECT_EQ(bands[1], QRectF(11, 10, 19, 10));

    QGraphicsScene scene;
    QGraphicsView view(&scene);
    view.setGeometry(0, 0, 400, 300);
    scene.setSceneRect(view.contentsRect());
    auto* picture = scene.addPixmap(QPixmap::fromImage(diamond));
    picture->setOffset(10, 5);
    picture->setPos(100, 50);
    picture->setScale(0.5);
    KWLabelRoom room = KWLabelRoomIn(&view, 1.0);
    KWRival(picture, bands, nullptr, room);
    ASSERT_EQ(room.rivals.size(), 4u);
    const KWSceneBox top = room.rivals.front().box;
    EXPECT_DOUBLE_EQ(top.left, 100 + (10 + 16) * 0.5) << "the pixmap's offset counts, scaled";
    EXPECT_DOUBLE_EQ(top.top, 50 + 5 * 0.5);
}

// A handle holds exactly the offset it was given, whatever it held before:
// Qt keeps an offset it finds nearly equal to the new one.
TEST(LabelPlacement, AHandleTakesTheVeryOffsetItIsGiven)
{
    CKWQTVSliderItem handle(0, true);
    handle.setOffset(225.94800000000004, 159.4);
    KWSetOffsetExactly(&handle, QPointF(225.948, 159.4));
    EXPECT_EQ(handle.offset().x(), 225.948);
    KWSetOffsetExactly(&handle, QPointF(225.94800000000004, 159.4));
    EXPECT_EQ(handle.offset().x(), 225.94800000000004);
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

// ---- A handle's place along its travel -------------------------------------------

// A handle steps only across its travel, whose place along it is its value,
// and a handle marking a place on the ground rises at most its own height
// off it: where nothing is clear within that, it stays on the ground. In a
// view of 400 x 300 at scales 1 and 2, places in pixels at scale 1.
TEST(LabelPlacement, AHandleStepsOnlyAcrossItsTravelAndAtMostItsHeightUpOffTheGround)
{
    const struct {
        const char* what;
        bool vertical;
        QPointF at;
        std::vector<KWSceneBox> taken;
        QPointF placed;
    } rows[] = {
        { "dragged sideways, clear by stepping half a pixel along", false, { 10, 10 },
            { { 0, 0, 10.6, 30 }, { 5, 0, 10.5, 30 } }, { 10, 30 } },
        { "dragged up and down, clear by stepping half a pixel along", true, { 10, 10 },
            { { 0, 0, 30, 10.6 }, { 0, 5, 30, 10.5 } }, { 30, 10 } },
        { "on the ground, onto the handle there", false, { 100, 260 }, { { 100, 260, 126, 286 } },
            { 100, 234 } },
        { "on the ground, nothing clear within a handle's height", false, { 100, 260 },
            { { 90, 200, 140, 300 } }, { 100, 260 } },
    };
    for (const auto& row : rows) {
        for (double k : { 1.0, 2.0 }) {
            QGraphicsScene scene;
            QGraphicsView view(&scene);
            view.setGeometry(0, 0, static_cast<int>(400 * k), static_cast<int>(300 * k));
            scene.setSceneRect(view.contentsRect());
            auto* handle = new CKWQTVSliderItem(0, row.vertical);
            handle->setPixmap(QPixmap(QSize(26, 26) * k));
            handle->setOffset(row.at * k);
            scene.addItem(handle);
            KWLabelRoom room = KWLabelRoomIn(&view, k);
            room.taken = row.taken;
            KWClearHandle(handle, room);
            EXPECT_EQ(handle->offset(), row.placed * k)
                << row.what << " at scale " << k << ": at " << handle->offset().x() << ","
                << handle->offset().y();
        }
    }
}

// A handle with no clear place across its travel stands inside the view
// all the same, where it can still be grabbed.
TEST(LabelPlacement, AHandleWithNoClearPlaceStaysInsideTheView)
{
    for (double k : { 1.0, 2.0 }) {
        QGraphicsScene scene;
        QGraphicsView view(&scene);
        view.setGeometry(0, 0, static_cast<int>(400 * k), static_cast<int>(300 * k));
        scene.setSceneRect(view.contentsRect());
        auto* handle = new CKWQTVSliderItem(0, true);
        handle->setPixmap(QPixmap(QSize(26, 26) * k));
        handle->setOffset(QPointF(390, 10) * k);
        scene.addItem(handle);
        KWLabelRoom room = KWLabelRoomIn(&view, k);
        room.taken = { room.bounds };
        KWClearHandle(handle, room);
        const KWSceneBox placed = KWArrangedBoxAt(handle, handle->pos(), room);
        EXPECT_LE(placed.right, room.bounds.right) << "at scale " << k;
        EXPECT_GE(placed.left, room.bounds.left) << "at scale " << k;
    }
}

// ---- Labels and handles among each other ---------------------------------------

// Handles laid on each other and labels laid on each other, arranged in a
// view of 400 x 300 at a scale: where each then stands, in scene pixels.
struct Arranged {
    QPointF upper; // a vertical handle laid on another
    QPointF ground; // a horizontal handle laid on a vertical one
    QPointF own; // a lone handle's label, its side taken
    QPointF follower; // the ground handle's label
    KWSceneBox first; // a label, and one laid on its home
    KWSceneBox second;
    KWSceneBox ownBox;
};

Arranged Arrange(double k)
{
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    view.setGeometry(0, 0, static_cast<int>(400 * k), static_cast<int>(300 * k));
    scene.setSceneRect(view.contentsRect());
    const auto handle = [&scene, k](bool vertical, QPointF offset) {
        auto* item = new CKWQTVSliderItem(0, vertical);
        item->setPixmap(QPixmap(QSize(26, 26) * k));
        item->setOffset(offset * k);
        scene.addItem(item);
        return item;
    };
    const auto label = [&scene, k](const char* text) {
        auto* item = new CKWQTSceneLabel(QString::fromLatin1(text));
        KWSetLabelScale(item, k);
        scene.addItem(item);
        return item;
    };
    KWLabelRoom room = KWLabelRoomIn(&view, k);
    CKWQTVSliderItem* upper = handle(true, { 205, 110 });
    CKWQTVSliderItem* ground = handle(false, { 100, 200 });
    CKWQTVSliderItem* lone = handle(true, { 300, 40 });
    for (CKWQTVSliderItem* item :
        { handle(true, { 200, 100 }), upper, handle(true, { 100, 190 }), ground, lone }) {
        KWClearHandle(item, room);
    }
    CKWQTSceneLabel* first = label("12.51m");
    CKWQTSceneLabel* second = label("0.10m");
    CKWQTSceneLabel* own = label("1.70m");
    CKWQTSceneLabel* follower = label("2.00m");
    KWPlaceLabel(first, QPointF(326, 44) * k, nullptr, room);
    KWPlaceLabel(second, QPointF(326, 44) * k, nullptr, room);
    KWPlaceLabel(own, QPointF(326, 44) * k, lone, room);
    KWPlaceLabel(follower, QPointF(95, 228) * k, ground, room);
    return { upper->offset(), ground->offset(), own->pos(), follower->pos(),
        KWArrangedBoxAt(first, first->pos(), room), KWArrangedBoxAt(second, second->pos(), room),
        KWArrangedBoxAt(own, own->pos(), room) };
}

double Apart(const KWSceneBox& a, const KWSceneBox& b)
{
    return std::max({ b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom });
}

TEST(LabelPlacement, HandlesAndLabelsStepAsideFromEachOtherTheSameAtBothScales)
{
    const Arranged one = Arrange(1.0);
    EXPECT_EQ(one.upper, QPointF(226, 110)) << "a vertical handle: across, clear of the other";
    EXPECT_EQ(one.ground, QPointF(100, 216)) << "a horizontal handle: down, clear of the vertical one";
    EXPECT_EQ(one.follower, QPointF(95, 244)) << "a label steps with its handle";
    EXPECT_LT(one.ownBox.right, 300.0) << "its side taken: on the handle's other side";
    EXPECT_GE(Apart(one.first, one.second), KW_LABEL_GAP - 0.5) << "a label laid on another keeps the gap";
    EXPECT_GE(Apart(one.first, one.ownBox), 0.0);

    const Arranged two = Arrange(2.0);
    for (const auto& [at1, at2] : { std::pair(one.upper, two.upper), std::pair(one.ground, two.ground),
             std::pair(one.own, two.own), std::pair(one.follower, two.follower) }) {
        EXPECT_EQ(at2, at1 * 2.0) << "at " << at1.x() << "," << at1.y();
    }
    EXPECT_DOUBLE_EQ(two.second.left, one.second.left) << "the same arrangement, in the same units";
    EXPECT_DOUBLE_EQ(two.second.top, one.second.top);
}

} // namespace
