#pragma once
// A line item that always paints antialiased: the scenes' axes, arrows and
// field-of-view edges, which are seldom horizontal or vertical.

#include <QGraphicsLineItem>

class CKWQTGraphicsLineItem : public QGraphicsLineItem {
public:
    // The argument is not used: the item starts without a parent item, and
    // the scene that adds it owns it.
    explicit CKWQTGraphicsLineItem(QGraphicsItem* parent = nullptr);
    ~CKWQTGraphicsLineItem() override;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};
