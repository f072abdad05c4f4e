#pragma once
// A line item that always paints antialiased: the scenes' axes, arrows and
// field-of-view edges, which are seldom horizontal or vertical. A line that
// is horizontal or vertical is laid on whole device pixels, so that a one
// pixel pen gives one dark row rather than two grey ones.

#include <QGraphicsLineItem>
#include <QLineF>

class CKWQTGraphicsLineItem : public QGraphicsLineItem {
public:
    // The argument is not used: the item starts without a parent item, and
    // the scene that adds it owns it.
    explicit CKWQTGraphicsLineItem(QGraphicsItem* parent = nullptr);
    ~CKWQTGraphicsLineItem() override;

    // Half a pixel more on every side: room for the line laid on whole pixels.
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // A horizontal or vertical line in device pixels, moved by less than a
    // pixel so that a pen `width` pixels wide covers whole pixels, across it
    // and at its ends (which a flat cap leaves at the end points, and other
    // caps half a width beyond). A slanted line comes back as it was.
    static QLineF CrispLine(const QLineF& line, double width, Qt::PenCapStyle cap);
};
