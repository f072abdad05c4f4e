#include "ui/scenes/KWQTVSliderItem.h"

#include "ui/qt/KWControlKit.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

CKWQTVSliderItem::CKWQTVSliderItem(int sliderId, bool vertical)
    : QGraphicsPixmapItem(nullptr)
    , m_sliderId(sliderId)
    , m_vertical(vertical)
{
    // It moves itself along its axis; Qt's own moving and selecting would
    // let it leave the axis.
    setFlags(QGraphicsItem::ItemIsFocusable);
    setAcceptHoverEvents(true);
}

CKWQTVSliderItem::~CKWQTVSliderItem() = default;

void CKWQTVSliderItem::SetSliderEvent(IKWSliderEvent* listener)
{
    m_listener = listener;
}

void CKWQTVSliderItem::SetMoveRange(double minimum, double maximum)
{
    m_moveMin = minimum;
    m_moveMax = maximum;
}

void CKWQTVSliderItem::LoadImage(int state, QString name)
{
    switch (state) {
    case HoverImage:
        KWLoadSkinPixmap(name, m_hoverImage);
        break;
    case PressedImage:
        KWLoadSkinPixmap(name, m_pressedImage);
        break;
    case NormalImage:
        KWLoadSkinPixmap(name, m_normalImage);
        break;
    default:
        break;
    }
    setPixmap(m_normalImage);
    prepareGeometryChange();
    // A handle may get its pictures before its scene adds it.
    if (QGraphicsScene* owner = scene()) {
        owner->update();
    }
}

void CKWQTVSliderItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    setPixmap(m_hoverImage);
    QGraphicsPixmapItem::hoverEnterEvent(event);
}

void CKWQTVSliderItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    setPixmap(m_normalImage);
    QGraphicsPixmapItem::hoverLeaveEvent(event);
}

void CKWQTVSliderItem::mousePressEvent(QGraphicsSceneMouseEvent* /*event*/)
{
    // The base handler would ignore the press (the item is neither movable
    // nor selectable) and so lose the mouse grab the drag needs.
    setPixmap(m_pressedImage);
}

void CKWQTVSliderItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    const QPointF pointer = event->pos();
    const QPointF offset = this->offset();
    double v = m_vertical ? pointer.y() : pointer.x();
    if (m_moveMin > v) {
        v = m_moveMin;
    } else if (m_moveMax < v) {
        v = m_moveMax;
    }
    // Centred on the hover picture, the one shown while the pointer is on
    // the handle; whole-pixel halves keep the picture on the pixel grid.
    if (m_vertical) {
        setOffset(offset.x(), v - m_hoverImage.height() / 2);
    } else {
        setOffset(v - m_hoverImage.width() / 2, offset.y());
    }
    if (m_listener != nullptr) {
        m_listener->OnSliderPos(m_sliderId, v);
    }
    QGraphicsPixmapItem::mouseMoveEvent(event);
}

void CKWQTVSliderItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    setPixmap(m_normalImage);
    QGraphicsPixmapItem::mouseReleaseEvent(event);
}
