#pragma once
// What the graphics-view scenes share around their drawing: the view set-up,
// the creation convention, moving (the scene always spans the whole view),
// their scaled label fonts and pens, and their plain geometry in Qt's types.
// GUI thread only.

#include "base/platform/KWWinTypes.h"
#include "ui/scenes/KWSceneGeometry.h"

#include <QLineF>
#include <QPointF>
#include <QRect>

class CKWQTGraphicsLineItem;
class CKWQTSceneLabel;
class QAbstractGraphicsShapeItem;
class QColor;
class QGraphicsLineItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QGraphicsView;
class QPen;
class QString;
class QWidget;

// The geometry functions' points and lines as the scene items take them.
QPointF KWToQPointF(const KWScenePoint& point);
QLineF KWToQLineF(const KWSceneLine& line);

// Antialiased, both scroll bars off, showing scene.
void KWSetupSceneView(QGraphicsView* view, QGraphicsScene* scene);
// The creation convention (parent handle, exclusive rectangle, WS_VISIBLE)
// on a white background, scene coordinates being the view's own (the part
// inside its frame is the scene rectangle). Returns 1.
int KWCreateSceneView(QGraphicsView* view, DWORD style, const RECT& rect, void* parent);
// New geometry; the scene rectangle follows it. Nothing is redrawn.
void KWMoveSceneView(QGraphicsView* view, const QRect& geometry);

// The side views are widgets holding a view of their own: that view draws
// without antialiasing, never drags, saves no painter state, updates only
// what changed and keeps no transformation anchor, showing scene.
void KWSetupDrawingView(QGraphicsView* view, QGraphicsScene* scene);
// Their creation convention: the parent handle, the name as the window
// title, the rectangle inclusive, shown by WS_VISIBLE. Returns 1.
int KWCreateSceneWidget(QWidget* widget, LPCWSTR name, DWORD style, const RECT& rect, void* parent);
// Texts are stacked above every picture (z 0) and handle (z 1) of a scene,
// so that no label is hidden under what it describes.
constexpr double KW_SCENE_LABEL_Z = 2.0;

// Labels take the font size of their scale (KWScaledLabelPixelSize), their
// text set in by a margin of 4 pixels times the scale; a scale too small to
// give a pixel leaves the label as it is. A font, a margin or a text is set
// only when it changes: each lays the label out again, which costs more than
// the rest of an update.
void KWSetLabelScale(QGraphicsTextItem* label, double times);
void KWSetLabelText(QGraphicsTextItem* label, const QString& text);

// A line of the scene that lies on whole pixels when it is horizontal or
// vertical (CKWQTGraphicsLineItem), added with the pen; the scene owns it.
CKWQTGraphicsLineItem* KWAddSceneLine(QGraphicsScene* scene, const QLineF& line, const QPen& pen);

// A label of the scene on a backing of the views' white background
// (CKWQTSceneLabel), added to it; the scene owns it.
CKWQTSceneLabel* KWAddSceneLabel(QGraphicsScene* scene, const QString& text);

// Every line a scene draws is one pixel wide at scale 1: a solid pen of that
// colour, and an item's pen brought to the scale with its colour and style.
QPen KWScenePen(const QColor& colour, double times);
void KWScalePen(QGraphicsLineItem* item, double times);
void KWScalePen(QAbstractGraphicsShapeItem* item, double times);
