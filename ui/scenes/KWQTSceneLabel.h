#pragma once
// A text of a scene drawn over lines, fills and pictures: it stands on a
// mostly opaque backing of the view's background colour, just larger than its
// text, so that a line running through the digits or a dark picture under
// them leaves it legible while the picture still shows faintly. The backing reaches one pixel beyond the text
// for the 12-pixel font of scale 1 and grows with the font.

#include <QColor>
#include <QGraphicsTextItem>
#include <QRectF>
#include <QString>

class CKWQTSceneLabel : public QGraphicsTextItem {
public:
    explicit CKWQTSceneLabel(const QString& text = QString(), const QColor& backing = QColor(255, 255, 255));
    ~CKWQTSceneLabel() override;

    // The backing in item coordinates: the lines of text as wide as their
    // text, one pixel more on every side at scale 1. Empty for no text.
    QRectF BackingRect() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QColor m_backing;
};
