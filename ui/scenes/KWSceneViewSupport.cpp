#include "ui/scenes/KWSceneViewSupport.h"

#include "ui/qt/KWControlKit.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainter>

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
    const QRect geometry = KWExclusiveRect(rect);
    view->setSceneRect(0, 0, geometry.width(), geometry.height());
    view->setBackgroundBrush(QBrush(QColor(255, 255, 255)));
    KWShowByStyle(view, style);
    return 1;
}

void KWMoveSceneView(QGraphicsView* view, const QRect& geometry)
{
    view->setGeometry(geometry);
    view->setSceneRect(0, 0, geometry.width(), geometry.height());
}

int KWScaledLabelPixelSize(double times)
{
    return static_cast<int>(12.0 * times);
}

void KWSetLabelScale(QGraphicsTextItem* label, double times)
{
    const int pixels = KWScaledLabelPixelSize(times);
    if (label == nullptr || pixels < 1) {
        return;
    }
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
}
