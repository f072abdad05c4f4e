#pragma once
// What the items of a scene and the controls laid over its view cover, in
// scene coordinates, and the step that moves a label clear of them. GUI
// thread only.

#include "ui/scenes/KWLabelPlacement.h"

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <utility>
#include <vector>

class CKWQTVSliderItem;
class QGraphicsItem;
class QGraphicsPixmapItem;
class QGraphicsView;
class QPixmap;

KWSceneBox KWToSceneBox(const QRectF& rect);

// The part of the scene the view shows.
KWSceneBox KWVisibleSceneBox(const QGraphicsView* view);

// What an item covers: a scene label its glyphs and their halo, any other
// item its bounding rectangle. Empty for a hidden item or a picture without
// a picture.
KWSceneBox KWItemFootprint(const QGraphicsItem* item);
// The same for an item standing at pos instead of where it stands.
KWSceneBox KWItemFootprintAt(const QGraphicsItem* item, const QPointF& pos);

// A rectangle of the widget that holds the view (the view's parent), as a
// control laid over the view there covers the scene.
KWSceneBox KWParentRectInScene(const QGraphicsView* view, const QRect& rect);

// Once a label must move and no place within its reach is clear of the
// pictures, a place over one counts as this many units farther than it is:
// it would rather stand a little farther off than hide the camera or the
// person it describes.
constexpr double KW_LABEL_PICTURE_COST = 30.0;
// A label beside a handle stands at least this many units nearer to it than
// to any other handle, and than to any picture a number could be read with,
// so that a reader pairs its number with that handle.
constexpr double KW_LABEL_OWNER_MARGIN = 6.0;
// Labels keep this many units between their halos, so that the glyphs of two
// labels stand at least two pixels apart at scale 1, four at scale 2,
// whatever the rounding of their edges.
constexpr double KW_LABEL_GAP = 1.5;
// How far a label may stand from what it labels (its handle, its picture or
// the place its drawing gives it) while a place so near is clear.
constexpr double KW_LABEL_REACH = 16.0;

// A lead a label keeps over the handles and rivals that are not its own, and
// what a place costs that keeps no more (units).
struct KWOwnerLead {
    double lead = KW_LABEL_OWNER_MARGIN;
    double cost = 0.0;
};

// What a handle covers in a room, or what shows there of the picture a
// handle's number is read with.
struct KWPlacedHandle {
    const QGraphicsItem* handle = nullptr;
    KWSceneBox box;
};

// What the labels and handles of a drawing place themselves among. The
// arrangement is worked out in units of one pixel at scale 1 (scene pixels
// divided by the scale), and the boxes of labels are those of their texts at
// scale 1: a drawing at scale 2 is then the same arrangement drawn twice as
// large, whatever the rounding of the larger glyphs and pictures.
struct KWLabelRoom {
    double scale = 1.0; // scene pixels per unit
    KWSceneBox bounds; // what the view shows
    std::vector<KWSceneBox> taken; // what must be kept clear, growing by each item placed
    std::vector<KWSceneBox> pictures; // what a label would rather not hide
    // The handles that stepped aside, and by how much (units): their labels
    // step with them.
    std::vector<std::pair<const QGraphicsItem*, KWScenePoint>> stepped;
    // Every handle placed: a label stands nearer its own.
    std::vector<KWPlacedHandle> handles;
    // What shows of the pictures a number beside them would be read with: a
    // label beside a handle stands nearer its handle than these too, but for
    // the picture of its own handle.
    std::vector<KWPlacedHandle> rivals;
    // How much nearer a label beside a handle stands to it than to any other
    // handle and rival, and what a place that keeps only that lead costs, as
    // so many units farther.
    std::vector<KWOwnerLead> ownerLeads { { KW_LABEL_OWNER_MARGIN, 0.0 } };
};

// A room spanning what the view shows, at the scale.
KWLabelRoom KWLabelRoomIn(const QGraphicsView* view, double scale);
// What the item covers standing at pos, in the room's units: a scene label
// the ink of its text at scale 1, scaled to where it stands.
KWSceneBox KWArrangedBoxAt(const QGraphicsItem* item, const QPointF& pos, const KWLabelRoom& room);
// A box of scene pixels in the room's units.
KWSceneBox KWInRoomUnits(const KWSceneBox& box, const KWLabelRoom& room);
// The item, as it stands, kept clear of (taken) or not hidden if it can be
// helped (pictures).
void KWTake(const QGraphicsItem* item, KWLabelRoom& room);
void KWAvoid(const QGraphicsItem* picture, KWLabelRoom& room);
// What of a picture shows, as the boxes of its pixels that are at least half
// opaque in each of `bands` bands of rows of equal height, in its own pixels:
// a round picture is then not taken for its corners. Empty where none is.
std::vector<QRectF> KWShownBands(const QPixmap& picture, int bands);
// The picture, where it stands and as far as `shown` (boxes in its pixmap's
// own pixels) goes, as one that a number beside it would be read with as
// that of `itsHandle`: a label beside another handle keeps clearly nearer
// its handle than it. Nothing for a hidden one.
void KWRival(const QGraphicsPixmapItem* picture, const std::vector<QRectF>& shown,
    const QGraphicsItem* itsHandle, KWLabelRoom& room);

// Sets the picture's offset to exactly that: Qt keeps an offset it finds
// nearly equal, and a drawing worked out from the one kept would depend on
// the drawings before it.
void KWSetOffsetExactly(QGraphicsPixmapItem* item, const QPointF& offset);

// Moves the handle across its travel only (sideways for one dragged up and
// down), by the shortest shift that keeps it inside the room's bounds and
// clear of what is taken, and takes it: its place along its travel is its
// value, and a handle under another could no longer be grabbed. A handle
// dragged sideways marks a place on the ground line: it rises at most its own
// height off that line (below the line is free). Where no place is clear, it
// stands where it is, held inside the bounds.
void KWClearHandle(CKWQTVSliderItem* handle, KWLabelRoom& room);
// Puts the handle, whose value gives it the offset `home`, with its centre
// at `centre` (units), on whole pixels, and takes it as KWClearHandle takes
// the place it finds: its label steps with it.
void KWTakeHandleAt(
    CKWQTVSliderItem* handle, const QPointF& home, const KWScenePoint& centre, KWLabelRoom& room);

// Moves the label from home (moved with `own` where that stepped aside) by
// the shortest shift that takes it inside the room's bounds, clear of what is
// taken there and, where `own` is a handle, clearly nearer to it than to any
// other handle and to the room's rivals but its own (by the room's owner
// leads, the cheapest of them where the room has more than one). It stays
// within KW_LABEL_REACH of `own` (what it labels), or of home for a label
// without one (null), clear of the pictures too where such a place exists: a
// home over a picture counts as taken. Failing that, it may stand over a
// picture at a cost (KW_LABEL_PICTURE_COST), then anywhere in the view; it
// gives up being nearer its own handle only where no place in the view is.
// Where home is taken, the place mirrored to the other side of `own` counts
// as home too. Then takes it, with the gap every other label keeps from it.
void KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QGraphicsItem* own, KWLabelRoom& room);
