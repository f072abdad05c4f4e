#include "ui/scenes/KWQTGraphicsLineItem.h"

#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

CKWQTGraphicsLineItem::CKWQTGraphicsLineItem(QGraphicsItem* /*parent*/)
    : QGraphicsLineItem(nullptr)
{
}

CKWQTGraphicsLineItem::~CKWQTGraphicsLineItem() = default;

QRectF CKWQTGraphicsLineItem::boundingRect() const
{
    return QGraphicsLineItem::boundingRect().adjusted(-0.5, -0.5, 0.5, 0.5);
}

QLineF CKWQTGraphicsLineItem::CrispLine(const QLineF& line, double width, Qt::PenCapStyle cap)
{
    const bool horizontal = line.dy() == 0.0;
    const bool vertical = line.dx() == 0.0;
    if (!horizontal && !vertical) {
        return line;
    }
    // The pen's edge, half a width off the line, goes to the nearest pixel
    // boundary.
    const auto across = [width](double value) { return std::round(value - width / 2.0) + width / 2.0; };
    const double reach = cap == Qt::FlatCap ? 0.0 : width / 2.0;
    const auto along = [reach](double value) { return std::round(value - reach) + reach; };
    if (horizontal) {
        const double y = across(line.y1());
        return QLineF(along(line.x1()), y, along(line.x2()), y);
    }
    const double x = across(line.x1());
    return QLineF(x, along(line.y1()), x, along(line.y2()));
}

void CKWQTGraphicsLineItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    // The views paint without antialiasing for their pictures; lines alone
    // ask for it.
    painter->setRenderHint(QPainter::Antialiasing);
    const QTransform device = painter->deviceTransform();
    const double scale = device.m11();
    const QLineF drawn = line();
    if ((drawn.dx() != 0.0 && drawn.dy() != 0.0) || device.type() > QTransform::TxScale || scale <= 0.0
        || device.m22() != scale) {
        QGraphicsLineItem::paint(painter, option, widget);
        return;
    }
    const QPen& pen = this->pen();
    // A cosmetic pen is as wide on the device whatever the transformation.
    const double width = pen.isCosmetic() ? std::max(1.0, pen.widthF()) : pen.widthF() * scale;
    painter->setPen(pen);
    painter->drawLine(device.inverted().map(CrispLine(device.map(drawn), width, pen.capStyle())));
}
