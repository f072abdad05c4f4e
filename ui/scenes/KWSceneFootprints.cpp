#include "ui/scenes/KWSceneFootprints.h"

#include "ui/scenes/KWHandleClearance.h"
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

std::vector<QRectF> KWShownBands(const QPixmap& picture, int bands)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    // Each row's opaque span, then the rows that show any.
    std::vector<QRect> rows;
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
            rows.emplace_back(left, y, right - left + 1, 1);
        }
    }
    std::vector<QRectF> shown;
    if (rows.empty() || bands < 1) {
        return shown;
    }
    const int top = rows.front().top();
    const int height = rows.back().bottom() - top + 1;
    std::vector<QRect> merged(static_cast<size_t>(bands));
    for (const QRect& row : rows) {
        merged[static_cast<size_t>((row.top() - top) * bands / height)] |= row;
    }
    for (const QRect& band : merged) {
        if (!band.isEmpty()) {
            shown.emplace_back(band);
        }
    }
    return shown;
}

void KWRival(const QGraphicsPixmapItem* picture, const std::vector<QRectF>& shown,
    const QGraphicsItem* itsHandle, KWLabelRoom& room)
{
    if (picture == nullptr || !picture->isVisible()) {
        return;
    }
    for (const QRectF& part : shown) {
        // The pixmap is drawn at its offset in the item's own coordinates.
        const QRectF drawn = part.translated(picture->offset());
        room.rivals.push_back(
            { itsHandle, KWInRoomUnits(KWToSceneBox(picture->mapRectToScene(drawn)), room) });
    }
}

void KWSetOffsetExactly(QGraphicsPixmapItem* item, const QPointF& offset)
{
    const QPointF now = item->offset();
    if (now.x() == offset.x() && now.y() == offset.y()) {
        return;
    }
    // QPointF's == is fuzzy: setOffset would keep the offset it has.
    if (now == offset) {
        item->setOffset(offset + QPointF(1.0, 1.0));
    }
    item->setOffset(offset);
}

namespace {

double Length(const KWScenePoint& shift)
{
    return std::hypot(shift.x, shift.y);
}

// The handle, which covers `box` standing at `home`, put `moved` (scene
// pixels) from there and taken.
void TakeMovedHandle(CKWQTVSliderItem* handle, const QPointF& home, const KWSceneBox& box,
    const QPointF& moved, KWLabelRoom& room)
{
    KWSetOffsetExactly(handle, home + moved);
    const KWScenePoint step { moved.x() / room.scale, moved.y() / room.scale };
    const KWSceneBox placed = box.Shifted(step);
    room.taken.push_back(placed);
    room.handles.push_back({ handle, placed });
    if (step.x != 0.0 || step.y != 0.0) {
        room.stepped.emplace_back(handle, step);
    }
}

} // namespace

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
    TakeMovedHandle(handle, handle->offset(), box,
        QPointF(std::round(shift.x * room.scale), std::round(shift.y * room.scale)), room);
}

void KWTakeHandleAt(
    CKWQTVSliderItem* handle, const QPointF& home, const KWScenePoint& centre, KWLabelRoom& room)
{
    const double k = room.scale;
    // On whole pixels, from where its value puts it.
    const QPointF step(std::round((centre.x - (home.x() / k + KW_HANDLE_HALF)) * k),
        std::round((centre.y - (home.y() / k + KW_HANDLE_HALF)) * k));
    // Worked out from the offsets given, not from the one the item holds now.
    const QRectF atHome(home, handle->pixmap().deviceIndependentSize());
    if (handle->pixmap().isNull() || !handle->isVisible()) {
        KWSetOffsetExactly(handle, home + step);
        return;
    }
    TakeMovedHandle(
        handle, home, KWInRoomUnits(KWToSceneBox(handle->mapRectToScene(atHome)), room), step, room);
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

LabelPlace BestPlace(const KWSceneBox& box, LabelSearch& search, const KWLabelRoom& room)
{
    const bool owned = search.owned.nearer != nullptr;
    int rank = 0;
    if (owned) {
        const std::pair<const KWSceneBox*, KWShiftRules*> tries[] = {
            { &search.near, &search.clear },
            { &search.near, &search.owned },
            { &room.bounds, &search.owned },
        };
        for (const auto& [bounds, rules] : tries) {
            // Of the leads the room asks for, the place that costs least:
            // a lesser lead counts as so much farther.
            std::optional<LabelPlace> best;
            double bestCost = std::numeric_limits<double>::infinity();
            for (size_t i = 0; i < room.ownerLeads.size(); ++i) {
                rules->lead = room.ownerLeads[i].lead;
                const auto shift = KWFindClearShift(box, *bounds, room.taken, *rules);
                const double cost = shift ? Length(*shift) + room.ownerLeads[i].cost : bestCost;
                if (cost < bestCost) {
                    best = LabelPlace { rank + static_cast<int>(i), *shift };
                    bestCost = cost;
                }
            }
            if (best) {
                return *best;
            }
            rank += static_cast<int>(room.ownerLeads.size());
        }
    } else {
        // Without a handle of its own the two ranks that ask it to stand
        // nearer one count as tried.
        if (const auto shift = KWFindClearShift(box, search.near, room.taken, search.clear)) {
            return { rank, *shift };
        }
        rank += 3;
    }
    for (const KWSceneBox* bounds : { static_cast<const KWSceneBox*>(&search.near), &room.bounds }) {
        if (const auto shift = KWFindClearShift(box, *bounds, room.taken, search.free)) {
            return { rank, *shift };
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
    // The handles as the room holds them, then the rivals: the ownership rule
    // skips the label's own among them.
    std::vector<KWSceneBox> others;
    others.reserve(room.handles.size() + room.rivals.size());
    for (const KWPlacedHandle& placed : room.handles) {
        others.push_back(placed.box);
    }
    for (const KWPlacedHandle& rival : room.rivals) {
        if (own == nullptr || rival.handle != own) {
            others.push_back(rival.box);
        }
    }
    const auto handle = std::find_if(room.handles.begin(), room.handles.end(),
        [own](const KWPlacedHandle& placed) { return own != nullptr && placed.handle == own; });
    const KWSceneBox* ownHandle
        = handle != room.handles.end() ? &others[handle - room.handles.begin()] : nullptr;
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
