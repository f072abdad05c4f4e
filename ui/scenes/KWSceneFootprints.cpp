#include "ui/scenes/KWSceneFootprints.h"

#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWQTVSliderItem.h"

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

KWLabelRoom KWLabelRoomIn(const QGraphicsView* view, double scale)
{
    KWLabelRoom room;
    room.scale = scale > 0.0 ? scale : 1.0;
    room.bounds = KWInRoomUnits(KWVisibleSceneBox(view), room);
    return room;
}

KWSceneBox KWInRoomUnits(const KWSceneBox& box, const KWLabelRoom& room)
{
    const double k = room.scale;
    return box.IsEmpty() ? KWSceneBox {}
                         : KWSceneBox { box.left / k, box.top / k, box.right / k, box.bottom / k };
}

namespace {

KWSceneBox Grown(const KWSceneBox& box, double dx, double dy)
{
    return { box.left - dx, box.top - dy, box.right + dx, box.bottom + dy };
}

KWSceneBox Intersected(const KWSceneBox& a, const KWSceneBox& b)
{
    return { std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
        std::min(a.bottom, b.bottom) };
}

bool IsClear(const KWSceneBox& box, const std::vector<KWSceneBox>& taken)
{
    return std::none_of(
        taken.begin(), taken.end(), [&box](const KWSceneBox& other) { return KWBoxesOverlap(box, other); });
}

} // namespace

KWSceneBox KWArrangedBoxAt(const QGraphicsItem* item, const QPointF& pos, const KWLabelRoom& room)
{
    const auto* label = dynamic_cast<const CKWQTSceneLabel*>(item);
    if (label == nullptr || !label->isVisible()) {
        return KWInRoomUnits(KWItemFootprintAt(item, pos), room);
    }
    const QRectF ink = label->UnitInkRect(room.scale);
    return ink.isEmpty() ? KWSceneBox {}
                         : KWToSceneBox(ink).Shifted({ pos.x() / room.scale, pos.y() / room.scale });
}

void KWTake(const QGraphicsItem* item, KWLabelRoom& room)
{
    if (item != nullptr) {
        room.taken.push_back(KWArrangedBoxAt(item, item->pos(), room));
    }
}

void KWAvoid(const QGraphicsItem* picture, KWLabelRoom& room)
{
    if (picture != nullptr) {
        room.pictures.push_back(KWArrangedBoxAt(picture, picture->pos(), room));
    }
}

void KWClearHandle(CKWQTVSliderItem* handle, KWLabelRoom& room)
{
    const KWSceneBox box = KWArrangedBoxAt(handle, handle->pos(), room);
    if (box.IsEmpty()) {
        return;
    }
    const KWSceneBox& b = room.bounds;
    const KWSceneBox across = handle->IsVertical() ? KWSceneBox { b.left, box.top, b.right, box.bottom }
                                                   : KWSceneBox { box.left, b.top, box.right, b.bottom };
    const KWScenePoint shift = KWClearShift(box, across, room.taken);
    // Whole pixels keep the picture on the pixel grid.
    const QPointF moved(std::round(shift.x * room.scale), std::round(shift.y * room.scale));
    handle->setOffset(handle->offset() + moved);
    room.taken.push_back(box.Shifted(shift));
    if (!moved.isNull()) {
        room.stepped.emplace_back(handle, KWScenePoint { moved.x() / room.scale, moved.y() / room.scale });
    }
}

namespace {

// The shortest shift of box within reach of what it labels, or anywhere in
// the room where nothing so near is clear.
KWScenePoint ClearShiftNear(const KWSceneBox& box, const KWSceneBox& labelled, const KWLabelRoom& room)
{
    const KWSceneBox near = Intersected(room.bounds,
        Grown(labelled, KW_LABEL_REACH + box.right - box.left, KW_LABEL_REACH + box.bottom - box.top));
    const KWScenePoint shift = KWClearShift(box, near, room.taken, room.pictures, KW_LABEL_PICTURE_COST);
    return IsClear(box.Shifted(shift), room.taken)
        ? shift
        : KWClearShift(box, room.bounds, room.taken, room.pictures, KW_LABEL_PICTURE_COST);
}

// How much farther than its own side a label's other side counts.
constexpr double kMirrorCost = 8.0;

double Length(const KWScenePoint& shift)
{
    return std::hypot(shift.x, shift.y);
}

} // namespace

void KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QGraphicsItem* own, KWLabelRoom& room)
{
    if (label == nullptr) {
        return;
    }
    const auto step = std::find_if(room.stepped.begin(), room.stepped.end(),
        [own](const std::pair<const QGraphicsItem*, KWScenePoint>& s) {
            return own != nullptr && s.first == own;
        });
    const QPointF start
        = step == room.stepped.end() ? home : home + QPointF(step->second.x, step->second.y) * room.scale;
    const KWSceneBox box = KWArrangedBoxAt(label, start, room);
    const KWSceneBox ownBox = own != nullptr ? KWArrangedBoxAt(own, own->pos(), room) : KWSceneBox {};
    const KWSceneBox labelled = ownBox.IsEmpty() ? box : ownBox;
    KWScenePoint shift = ClearShiftNear(box, labelled, room);
    // A label beside a handle reads as well on the handle's other side: where
    // home is taken, the mirrored place may need a far shorter step. A label
    // that only steps a little stays on its side rather than jump across.
    if (Length(shift) > kMirrorCost && !ownBox.IsEmpty()) {
        const KWScenePoint across { ownBox.left + ownBox.right - box.left - box.right, 0.0 };
        const KWScenePoint mirrored = ClearShiftNear(box.Shifted(across), labelled, room);
        if (Length(mirrored) + kMirrorCost < Length(shift)) {
            shift = { across.x + mirrored.x, across.y + mirrored.y };
        }
    }
    label->setPos(start + QPointF(shift.x, shift.y) * room.scale);
    room.taken.push_back(Grown(box.Shifted(shift), KW_LABEL_GAP, KW_LABEL_GAP));
}
