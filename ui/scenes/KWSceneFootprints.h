#pragma once
// What the items of a scene and the controls laid over its view cover, in
// scene coordinates, and the step that moves a label clear of them. GUI
// thread only.

#include "ui/scenes/KWLabelPlacement.h"

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <vector>

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

// Once a label must move, a place over a picture counts as this many pixels
// (at scale 1) farther than it is: it would rather stand a little farther
// off than hide the camera or the person it describes.
constexpr double KW_LABEL_PICTURE_COST = 30.0;

// What a label places itself among: the view's bounds, what it must keep
// clear of (growing by each label placed) and the pictures it would rather
// not hide once it must move at all.
struct KWLabelRoom {
    KWSceneBox bounds;
    std::vector<KWSceneBox> taken;
    std::vector<KWSceneBox> pictures;
    double pictureCost = 0.0;
};

// Moves the item from pos by the shortest shift that takes it inside the
// room's bounds and clear of what is taken there (KWClearShift), and adds
// what it then covers to what is taken.
void KWPlaceClear(QGraphicsItem* item, const QPointF& pos, KWLabelRoom& room);
