#include "ui/scenes/KWQTGraphicsLineItem.h"

#include <QPainter>

CKWQTGraphicsLineItem::CKWQTGraphicsLineItem(QGraphicsItem* /*parent*/)
    : QGraphicsLineItem(nullptr)
{
}

CKWQTGraphicsLineItem::~CKWQTGraphicsLineItem() = default;

void CKWQTGraphicsLineItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    // The views paint without antialiasing for their pictures; lines alone
    // ask for it.
    painter->setRenderHint(QPainter::Antialiasing);
    QGraphicsLineItem::paint(painter, option, widget);
}
