#include "ui/scenes/KWSceneFootprints.h"

#include "ui/scenes/KWQTSceneLabel.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QWidget>

#include <algorithm>
#include <cmath>

KWSceneBox KWToSceneBox(const QRectF& rect)
{
    return { rect.left(), rect.top(), rect.right(), rect.bottom() };
}

namespace {

// How far in from the view's contents the scene's top-left corner is shown.
// Qt centres a scene smaller than its view, as every scene here is: half the
// view's length in whole pixels less the middle of the scene, scrolled by
// whole pixels. Worked out from the sizes rather than asked of the view: a
// hidden view learns its size only when shown, after its holder has laid
// the drawing out.
QPointF SceneIndent(const QGraphicsView* view)
{
    const QRect port = view->contentsRect();
    const QRectF scene = view->sceneRect();
    const auto indent = [](int portLength, double low, double high) {
        return std::max(0.0, std::trunc(portLength / 2 - (low + high) / 2.0));
    };
    return { indent(port.width(), scene.left(), scene.right()),
        indent(port.height(), scene.top(), scene.bottom()) };
}

// The scene point shown at a point of the view's own coordinates.
QPointF ViewToScene(const QGraphicsView* view, const QPointF& point)
{
    return point - QPointF(view->contentsRect().topLeft()) - SceneIndent(view) + view->sceneRect().topLeft();
}

} // namespace

KWSceneBox KWVisibleSceneBox(const QGraphicsView* view)
{
    const QRect port = view->contentsRect();
    const QPointF topLeft = ViewToScene(view, port.topLeft());
    return { topLeft.x(), topLeft.y(), topLeft.x() + port.width(), topLeft.y() + port.height() };
}

namespace {

// What the item covers in its own coordinates.
QRectF OwnFootprint(const QGraphicsItem* item)
{
    if (const auto* label = dynamic_cast<const CKWQTSceneLabel*>(item)) {
        return label->InkRect();
    }
    if (const auto* picture = dynamic_cast<const QGraphicsPixmapItem*>(item)) {
        if (picture->pixmap().isNull()) {
            return QRectF();
        }
    }
    return item->boundingRect();
}

} // namespace

KWSceneBox KWItemFootprint(const QGraphicsItem* item)
{
    if (item == nullptr || !item->isVisible()) {
        return {};
    }
    const QRectF own = OwnFootprint(item);
    return own.isEmpty() ? KWSceneBox {} : KWToSceneBox(item->mapRectToScene(own));
}

KWSceneBox KWItemFootprintAt(const QGraphicsItem* item, const QPointF& pos)
{
    const QPointF shift = item != nullptr ? pos - item->pos() : QPointF();
    return KWItemFootprint(item).Shifted({ shift.x(), shift.y() });
}

KWSceneBox KWParentRectInScene(const QGraphicsView* view, const QRect& rect)
{
    const QPointF topLeft = ViewToScene(view, rect.topLeft() - view->pos());
    return { topLeft.x(), topLeft.y(), topLeft.x() + rect.width(), topLeft.y() + rect.height() };
}

void KWPlaceClear(QGraphicsItem* item, const QPointF& pos, KWLabelRoom& room)
{
    if (item == nullptr) {
        return;
    }
    const KWSceneBox footprint = KWItemFootprintAt(item, pos);
    const KWScenePoint shift
        = KWClearShift(footprint, room.bounds, room.taken, room.pictures, room.pictureCost);
    item->setPos(pos + QPointF(shift.x, shift.y));
    room.taken.push_back(footprint.Shifted(shift));
}
