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
// How well a label stands, best first: within reach of what it labels, clear
// of the pictures and nearer its own handle; nearer its own handle, but over
// a picture or out of reach; not nearer its own handle. The sum over the
// labels of a drawing tells how well it reads as a whole.
constexpr int KW_LABEL_BESIDE = 0;
constexpr int KW_LABEL_NEARER_OWN = 1;
constexpr int KW_LABEL_ASTRAY = 3;
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
    // What shows of the pictures a number beside them would be read with:
    // a label beside a handle stands nearer its handle than these too, and
    // every handle but the picture's own keeps off them (the same order).
    std::vector<KWSceneBox> rivals;
    std::vector<const QGraphicsItem*> rivalHandles;
    // Where set, a handle that may step as far either way steps away from
    // the rivals.
    bool awayFromRivals = false;
    // Around each label placed nearer its own handle, where another handle
    // would stand as near to it: a handle placed after it keeps out.
    std::vector<KWSceneBox> claims;
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
// What of a picture shows: the box of its pixels that are at least half
// opaque, in its own pixels; empty where none is.
QRectF KWShownRect(const QPixmap& picture);
// The picture, where it stands and as far as `shown` (its own coordinates)
// goes, as one that a number beside it would be read with: a label beside a
// handle keeps clearly nearer its handle than it, and a handle other than
// `itsHandle` keeps off it. Nothing for a hidden one.
void KWRival(const QGraphicsItem* picture, const QRectF& shown, const QGraphicsItem* itsHandle, KWLabelRoom& room);

// Moves the handle across its travel only (sideways for one dragged up and
// down), by the shortest shift that keeps it inside the room's bounds and
// clear of what is taken, and takes it: its place along its travel is its
// value, and a handle under another could no longer be grabbed. A handle
// dragged sideways marks a place on the ground line: it rises at most its own
// height off that line (below the line is free). It keeps off the room's
// rivals and claims as well.
void KWClearHandle(CKWQTVSliderItem* handle, KWLabelRoom& room);
// The same, stepping with room beside it for its label, which stands at
// labelHome while the handle stands where it does.
void KWClearHandle(CKWQTVSliderItem* handle, const QGraphicsItem* label, const QPointF& labelHome, KWLabelRoom& room);

// Moves the label from home (moved with `own` where that stepped aside) by
// the shortest shift that takes it inside the room's bounds, clear of what is
// taken there and, where `own` is a handle, clearly nearer to it than to any
// other handle and to the room's rivals (KW_LABEL_OWNER_MARGIN). It stays
// within KW_LABEL_REACH of `own` (what it labels), or of home for a label
// without one (null), clear of the pictures too where such a place exists: a
// home over a picture counts as taken. Failing that, it may stand over a
// picture at a cost (KW_LABEL_PICTURE_COST), then anywhere in the view; it
// gives up being nearer its own handle only where no place in the view is.
// Where home is taken, the place mirrored to the other side of `own` counts
// as home too. Then takes it, with the gap every other label keeps from it,
// and, standing beside its own handle, claims the room around it that keeps
// it nearer that handle. How well it stands: one of the KW_LABEL_ values.
int KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QGraphicsItem* own, KWLabelRoom& room);
// The same for a label that its drawing gives a place on the other side of
// what it labels too: where home fails, that place is taken wherever it is
// clear as it stands, and stands for the mirrored one otherwise.
int KWPlaceLabel(QGraphicsItem* label, const QPointF& home, const QPointF& otherSide, const QGraphicsItem* own,
    KWLabelRoom& room);
