#include "ui/scenes/KWSceneFootprints.h"

#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWQTVSliderItem.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QImage>
#include <QPixmap>
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

QRectF KWShownRect(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QRect shown;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int left = 0;
        while (left < image.width() && qAlpha(row[left]) < 128) {
            ++left;
        }
        int right = image.width() - 1;
        while (right > left && qAlpha(row[right]) < 128) {
            --right;
        }
        if (left < image.width()) {
            shown |= QRect(left, y, right - left + 1, 1);
        }
    }
    return shown;
}

void KWRival(const QGraphicsItem* picture, const QRectF& shown, const QGraphicsItem* itsHandle, KWLabelRoom& room)
{
    if (picture != nullptr && picture->isVisible() && !shown.isEmpty()) {
        room.rivals.push_back(KWInRoomUnits(KWToSceneBox(picture->mapRectToScene(shown)), room));
        room.rivalHandles.push_back(itsHandle);
    }
}

namespace {

double Length(const KWScenePoint& shift)
{
    return std::hypot(shift.x, shift.y);
}

double ApartFrom(const KWSceneBox& box, const std::vector<KWSceneBox>& others)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const KWSceneBox& other : others) {
        nearest = std::min(nearest, KWBoxesApart(box, other));
    }
    return nearest;
}

// The handle stepped as KWClearHandle says, with `beside` (units) stepping
// along as room kept for its label.
void ClearHandle(CKWQTVSliderItem* handle, const KWSceneBox& beside, KWLabelRoom& room)
{
    const KWSceneBox own = KWArrangedBoxAt(handle, handle->pos(), room);
    if (own.IsEmpty()) {
        return;
    }
    const KWSceneBox box = KWBoxUnion(own, beside);
    const KWSceneBox& b = room.bounds;
    KWShiftRules rules;
    KWSceneBox across;
    if (handle->IsVertical()) {
        rules.keepY = true;
        across = { b.left, box.top, b.right, box.bottom };
    } else {
        rules.keepX = true;
        across = { box.left, std::max(b.top, box.top - (own.bottom - own.top)), box.right, b.bottom };
    }
    // On a rival another handle would be read as the rival's, and so would
    // a label beside any; in a label's claim it would take the label from its
    // own handle.
    std::vector<KWSceneBox> rivals;
    for (size_t i = 0; i < room.rivals.size(); ++i) {
        if (room.rivalHandles[i] != handle || !beside.IsEmpty()) {
            rivals.push_back(room.rivals[i]);
        }
    }
    std::vector<KWSceneBox> kept;
    if (!rivals.empty() || !room.claims.empty()) {
        kept = room.taken;
        kept.insert(kept.end(), rivals.begin(), rivals.end());
        kept.insert(kept.end(), room.claims.begin(), room.claims.end());
    }
    const std::vector<KWSceneBox>& obstacles = kept.empty() ? room.taken : kept;
    KWScenePoint shift = KWFindClearShift(box, across, obstacles, rules).value_or(KWInsideShift(box, across));
    // Of two places as near, the one away from the rivals, where the room
    // asks: beside one, the handle's label would have to stand by it too.
    if (room.awayFromRivals && !rivals.empty() && (shift.x != 0.0 || shift.y != 0.0)) {
        // Only the places the other way along from where it stands.
        KWSceneBox otherWay = across;
        if (shift.x != 0.0) {
            (shift.x < 0.0 ? otherWay.left : otherWay.right) = shift.x < 0.0 ? box.left : box.right;
        }
        if (shift.y != 0.0) {
            (shift.y < 0.0 ? otherWay.top : otherWay.bottom) = shift.y < 0.0 ? box.top : box.bottom;
        }
        const auto other = KWFindClearShift(box, otherWay, obstacles, rules);
        if (other && std::abs(Length(*other) - Length(shift)) < 0.5
            && ApartFrom(box.Shifted(*other), rivals) > ApartFrom(box.Shifted(shift), rivals)) {
            shift = *other;
        }
    }
    // Whole pixels keep the picture on the pixel grid.
    const QPointF moved(std::round(shift.x * room.scale), std::round(shift.y * room.scale));
    handle->setOffset(handle->offset() + moved);
    const KWSceneBox placed = own.Shifted({ moved.x() / room.scale, moved.y() / room.scale });
    room.taken.push_back(placed);
    room.handles.push_back(handle);
    room.handleBoxes.push_back(placed);
    if (!moved.isNull()) {
        room.stepped.emplace_back(handle, KWScenePoint { moved.x() / room.scale, moved.y() / room.scale });
    }
}

} // namespace

void KWClearHandle(CKWQTVSliderItem* handle, KWLabelRoom& room)
{
    ClearHandle(handle, {}, room);
}

void KWClearHandle(CKWQTVSliderItem* handle, const QGraphicsItem* label, const QPointF& labelHome, KWLabelRoom& room)
{
    ClearHandle(handle, label != nullptr ? KWArrangedBoxAt(label, labelHome, room) : KWSceneBox {}, room);
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

// From this rank of BestPlace's on, a place no longer stands nearer the
// label's own handle.
constexpr int kFirstWithoutOwner = 3;

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

namespace {

int PlaceLabel(QGraphicsItem* label, const QPointF& home, const QPointF* otherSide, const QGraphicsItem* own,
    KWLabelRoom& room)
{
    if (label == nullptr) {
        return KW_LABEL_BESIDE;
    }
    const auto step = std::find_if(room.stepped.begin(), room.stepped.end(),
        [own](const std::pair<const QGraphicsItem*, KWScenePoint>& s) {
            return own != nullptr && s.first == own;
        });
    const QPointF start
        = step == room.stepped.end() ? home : home + QPointF(step->second.x, step->second.y) * room.scale;
    const KWSceneBox box = KWArrangedBoxAt(label, start, room);
    // The handles as the room holds them, then the rivals: the ownership rule
    // skips the label's own among them.
    std::vector<KWSceneBox> withRivals;
    if (!room.rivals.empty()) {
        withRivals = room.handleBoxes;
        withRivals.insert(withRivals.end(), room.rivals.begin(), room.rivals.end());
    }
    const std::vector<KWSceneBox>& others = room.rivals.empty() ? room.handleBoxes : withRivals;
    const auto handle = std::find(room.handles.begin(), room.handles.end(), own);
    const KWSceneBox* ownHandle
        = own != nullptr && handle != room.handles.end() ? &others[handle - room.handles.begin()] : nullptr;
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
            rules->farther = &others;
            rules->lead = KW_LABEL_OWNER_MARGIN;
        }
    }

    LabelPlace place = BestPlace(box, search, room);
    // A label beside a handle reads as well on the handle's other side: where
    // home is taken, the mirrored place may need a far shorter step. A label
    // that only steps a little stays on its side rather than jump across.
    // The drawing's own other side reads as well as home: where home fails,
    // it is taken wherever it needs no step at all, and stands for the
    // mirrored place otherwise.
    if ((place.rank > 0 || Length(place.shift) > kMirrorCost) && (otherSide != nullptr || !ownBox.IsEmpty())) {
        const KWScenePoint across = otherSide != nullptr
            ? KWScenePoint { (otherSide->x() - home.x()) / room.scale, (otherSide->y() - home.y()) / room.scale }
            : KWScenePoint { ownBox.left + ownBox.right - box.left - box.right, 0.0 };
        const LabelPlace there = BestPlace(box.Shifted(across), search, room);
        const bool clearThere = otherSide != nullptr && there.rank == 0 && Length(there.shift) == 0.0;
        if (clearThere || there.rank < place.rank
            || (there.rank == place.rank && Length(there.shift) + kMirrorCost < Length(place.shift))) {
            place = { there.rank, { across.x + there.shift.x, across.y + there.shift.y } };
        }
    }
    label->setPos(start + QPointF(place.shift.x, place.shift.y) * room.scale);
    const KWSceneBox placed = box.Shifted(place.shift);
    room.taken.push_back(Grown(placed, KW_LABEL_GAP, KW_LABEL_GAP));
    if (search.owned.nearer == nullptr) {
        return place.rank == 0 ? KW_LABEL_BESIDE : KW_LABEL_NEARER_OWN;
    }
    if (place.rank >= kFirstWithoutOwner) {
        return KW_LABEL_ASTRAY;
    }
    const double claim = KWBoxesApart(placed, ownBox) + KW_LABEL_OWNER_MARGIN;
    room.claims.push_back(Grown(placed, claim, claim));
    return place.rank == 0 ? KW_LABEL_BESIDE : KW_LABEL_NEARER_OWN;
}

} // namespace

int KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QGraphicsItem* own, KWLabelRoom& room)
{
    return PlaceLabel(label, home, nullptr, own, room);
}

int KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QPointF& otherSide, const QGraphicsItem* own,
    KWLabelRoom& room)
{
    return PlaceLabel(label, home, &otherSide, own, room);
}
