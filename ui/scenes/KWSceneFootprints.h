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
class QGraphicsView;

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
// to any other handle, so that a reader pairs its number with that handle.
constexpr double KW_LABEL_OWNER_MARGIN = 6.0;
// Labels keep this many units between their halos, so that the glyphs of two
// labels stand at least two pixels apart at scale 1, four at scale 2,
// whatever the rounding of their edges.
constexpr double KW_LABEL_GAP = 1.5;
// How far a label may stand from what it labels (its handle, its picture or
// the place its drawing gives it) while a place so near is clear.
constexpr double KW_LABEL_REACH = 16.0;

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
    // Every handle placed, and where (the same order): a label stands
    // nearer its own.
    std::vector<const QGraphicsItem*> handles;
    std::vector<KWSceneBox> handleBoxes;
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

// Moves the handle across its travel only (sideways for one dragged up and
// down), by the shortest shift that keeps it inside the room's bounds and
// clear of what is taken, and takes it: its place along its travel is its
// value, and a handle under another could no longer be grabbed. A handle
// dragged sideways marks a place on the ground line: it rises at most its own
// height off that line (below the line is free).
void KWClearHandle(CKWQTVSliderItem* handle, KWLabelRoom& room);

// Moves the label from home (moved with `own` where that stepped aside) by
// the shortest shift that takes it inside the room's bounds, clear of what is
// taken there and, where `own` is a handle, clearly nearer to it than to any
// other handle (KW_LABEL_OWNER_MARGIN). It stays within KW_LABEL_REACH of
// `own` (what it labels), or of home for a label without one (null), clear of
// the pictures too where such a place exists: a home over a picture counts
// as taken. Failing that, it may stand over a picture at a cost
// (KW_LABEL_PICTURE_COST), then anywhere in the view; it gives up being
// nearer its own handle only where no place in the view is. Where home is
// taken, the place mirrored to the other side of `own` counts as home too.
// Then takes it, with the gap every other label keeps from it.
void KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QGraphicsItem* own, KWLabelRoom& room);
