#include "ui/scenes/KWSceneFootprints.h"

#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWQTVSliderItem.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

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
    KWShiftRules rules;
    KWSceneBox across;
    if (handle->IsVertical()) {
        rules.keepY = true;
        across = { b.left, box.top, b.right, box.bottom };
    } else {
        rules.keepX = true;
        across = { box.left, std::max(b.top, 2.0 * box.top - box.bottom), box.right, b.bottom };
    }
    const KWScenePoint shift
        = KWFindClearShift(box, across, room.taken, rules).value_or(KWInsideShift(box, across));
    // Whole pixels keep the picture on the pixel grid.
    const QPointF moved(std::round(shift.x * room.scale), std::round(shift.y * room.scale));
    handle->setOffset(handle->offset() + moved);
    const KWSceneBox placed = box.Shifted({ moved.x() / room.scale, moved.y() / room.scale });
    room.taken.push_back(placed);
    room.handles.push_back(handle);
    room.handleBoxes.push_back(placed);
    if (!moved.isNull()) {
        room.stepped.emplace_back(handle, KWScenePoint { moved.x() / room.scale, moved.y() / room.scale });
    }
}

namespace {

// Where a label may stand, best first: within reach of what it labels and
// clear of the pictures; within reach over a picture; anywhere in the view.
// Each while nearer its own handle than any other where it has one, then
// without that.
struct LabelSearch {
    KWSceneBox near;
    KWShiftRules clear; // nearer its own handle, off the pictures
    KWShiftRules owned; // nearer its own handle, over a picture at a cost
    KWShiftRules free; // over a picture at a cost
};

// How good a place is: the lower the rank the better, then the shorter.
struct LabelPlace {
    int rank = 0;
    KWScenePoint shift;
};

double Length(const KWScenePoint& shift)
{
    return std::hypot(shift.x, shift.y);
}

LabelPlace BestPlace(const KWSceneBox& box, const LabelSearch& search, const KWLabelRoom& room)
{
    const bool owned = search.owned.nearer != nullptr;
    const std::pair<const KWSceneBox*, const KWShiftRules*> tries[] = {
        { &search.near, &search.clear },
        { &search.near, &search.owned },
        { &room.bounds, &search.owned },
        { &search.near, &search.free },
        { &room.bounds, &search.free },
    };
    int rank = 0;
    for (const auto& [bounds, rules] : tries) {
        // Without a handle of its own the rules are the same both ways.
        if (owned || rules != &search.owned) {
            if (const auto shift = KWFindClearShift(box, *bounds, room.taken, *rules)) {
                return { rank, *shift };
            }
        }
        ++rank;
    }
    return { rank, KWInsideShift(box, room.bounds) };
}

// Whether the place is better than the other: a place on the other side of
// its handle by more than this many units.
constexpr double kMirrorCost = 8.0;

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
    // A handle's box as the room holds it, which the ownership rule skips
    // among the others.
    const auto handle = std::find(room.handles.begin(), room.handles.end(), own);
    const KWSceneBox* ownHandle = own != nullptr && handle != room.handles.end()
        ? &room.handleBoxes[handle - room.handles.begin()]
        : nullptr;
    const KWSceneBox ownBox = ownHandle != nullptr ? *ownHandle
        : own != nullptr                           ? KWArrangedBoxAt(own, own->pos(), room)
                                                   : KWSceneBox {};
    const KWSceneBox labelled = ownBox.IsEmpty() ? box : ownBox;

    LabelSearch search;
    search.near = Intersected(room.bounds,
        Grown(labelled, KW_LABEL_REACH + box.right - box.left, KW_LABEL_REACH + box.bottom - box.top));
    for (KWShiftRules* rules : { &search.clear, &search.owned, &search.free }) {
        rules->avoided = &room.pictures;
        rules->avoidCost = KW_LABEL_PICTURE_COST;
    }
    search.clear.avoidCost = std::numeric_limits<double>::infinity();
    if (ownHandle != nullptr && !ownBox.IsEmpty()) {
        for (KWShiftRules* rules : { &search.clear, &search.owned }) {
            rules->nearer = ownHandle;
            rules->farther = &room.handleBoxes;
            rules->lead = KW_LABEL_OWNER_MARGIN;
        }
    }

    LabelPlace place = BestPlace(box, search, room);
    // A label beside a handle reads as well on the handle's other side: where
    // home is taken, the mirrored place may need a far shorter step. A label
    // that only steps a little stays on its side rather than jump across.
    if ((place.rank > 0 || Length(place.shift) > kMirrorCost) && !ownBox.IsEmpty()) {
        const KWScenePoint across { ownBox.left + ownBox.right - box.left - box.right, 0.0 };
        const LabelPlace mirrored = BestPlace(box.Shifted(across), search, room);
        if (mirrored.rank < place.rank
            || (mirrored.rank == place.rank && Length(mirrored.shift) + kMirrorCost < Length(place.shift))) {
            place = { mirrored.rank, { across.x + mirrored.shift.x, across.y + mirrored.shift.y } };
        }
    }
    label->setPos(start + QPointF(place.shift.x, place.shift.y) * room.scale);
    room.taken.push_back(Grown(box.Shifted(place.shift), KW_LABEL_GAP, KW_LABEL_GAP));
}
