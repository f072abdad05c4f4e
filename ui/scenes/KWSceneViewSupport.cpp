#include "ui/scenes/KWSceneViewSupport.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTSceneLabel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QTextDocument>
#include <QVariant>

QPointF KWToQPointF(const KWScenePoint& point)
{
    return QPointF(point.x, point.y);
}

QLineF KWToQLineF(const KWSceneLine& line)
{
    return QLineF(KWToQPointF(line.from), KWToQPointF(line.to));
}

namespace {

// The scene is drawn in the view's own coordinates: its frame covers the
// scene's outermost pixels instead of pushing the whole scene one frame width
// to the right and down, where the frame's far side would cut what lies on
// the scene's bottom and right edges (the top view's camera picture).
void ShowSceneInPlace(QGraphicsView* view)
{
    view->setSceneRect(view->contentsRect());
}

} // namespace

void KWSetupSceneView(QGraphicsView* view, QGraphicsScene* scene)
{
    view->setScene(scene);
    view->setRenderHint(QPainter::Antialiasing, true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int KWCreateSceneView(QGraphicsView* view, DWORD style, const RECT& rect, void* parent)
{
    KWPlaceInParent(view, parent, rect);
    ShowSceneInPlace(view);
    view->setBackgroundBrush(QBrush(QColor(255, 255, 255)));
    KWShowByStyle(view, style);
    return 1;
}

void KWMoveSceneView(QGraphicsView* view, const QRect& geometry)
{
    view->setGeometry(geometry);
    ShowSceneInPlace(view);
}

void KWSetupDrawingView(QGraphicsView* view, QGraphicsScene* scene)
{
    view->setRenderHint(QPainter::Antialiasing, false);
    view->setDragMode(QGraphicsView::NoDrag);
    view->setOptimizationFlags(QGraphicsView::DontSavePainterState);
    view->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    view->setTransformationAnchor(QGraphicsView::NoAnchor);
    view->setScene(scene);
}

int KWCreateSceneWidget(QWidget* widget, LPCWSTR name, DWORD style, const RECT& rect, void* parent)
{
    widget->setParent(KWWidgetFromHandle(parent));
    widget->setWindowTitle(KWToQString(name));
    KWMoveInclusive(widget, &rect);
    KWShowByStyle(widget, style);
    return 1;
}

void KWSetLabelScale(QGraphicsTextItem* label, double times)
{
    const int pixels = KWScaledLabelPixelSize(times);
    if (label == nullptr || pixels < 1) {
        return;
    }
    QFont font = label->font();
    if (font.pixelSize() != pixels) {
        font.setPixelSize(pixels);
        label->setFont(font);
    }
    // The text stands this far inside the label's position, 4 pixels at 1.0.
    const double margin = 4.0 * times;
    if (label->document()->documentMargin() != margin) {
        label->document()->setDocumentMargin(margin);
    }
}

void KWSetLabelText(QGraphicsTextItem* label, const QString& text)
{
    // The text last set is kept beside the label, which is cheaper than
    // reading it back from the document.
    const QVariant shown = label->data(0);
    if (shown.isValid() && shown.toString() == text) {
        return;
    }
    label->setPlainText(text);
    label->setData(0, text);
}

CKWQTGraphicsLineItem* KWAddSceneLine(QGraphicsScene* scene, const QLineF& line, const QPen& pen)
{
    auto* item = new CKWQTGraphicsLineItem();
    item->setLine(line);
    item->setPen(pen);
    scene->addItem(item);
    return item;
}

CKWQTSceneLabel* KWAddSceneLabel(QGraphicsScene* scene, const QString& text)
{
    auto* label = new CKWQTSceneLabel(text);
    scene->addItem(label);
    return label;
}

QPen KWScenePen(const QColor& colour, double times)
{
    QPen pen(colour);
    pen.setWidthF(times);
    return pen;
}

namespace {

template <class Item> void ScaleItemPen(Item* item, double times)
{
    if (item != nullptr) {
        QPen pen = item->pen();
        pen.setWidthF(times);
        item->setPen(pen);
    }
}

} // namespace

void KWScalePen(QGraphicsLineItem* item, double times)
{
    ScaleItemPen(item, times);
}

void KWScalePen(QAbstractGraphicsShapeItem* item, double times)
{
    ScaleItemPen(item, times);
}
