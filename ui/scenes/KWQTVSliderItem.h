#pragma once
// A handle drawn as a picture that the user drags along one axis of its
// scene, between two scene coordinates the scene sets. Each drag step moves
// the handle's centre to the pointer (clamped) and reports it to the scene.
// The handle is placed through its pixmap offset; the item itself stays at
// the origin, so item and scene coordinates are the same.

#include "ui/scenes/KWSliderEvent.h"

#include <QGraphicsPixmapItem>
#include <QPixmap>
#include <QString>

class CKWQTVSliderItem : public QGraphicsPixmapItem {
public:
    // Pictures given to LoadImage.
    enum ImageState { HoverImage = 0, PressedImage = 1, NormalImage = 4 };

    CKWQTVSliderItem(int sliderId, bool vertical);
    ~CKWQTVSliderItem() override;

    // Not owned; null silences the handle.
    void SetSliderEvent(IKWSliderEvent* listener);
    // Bounds of the handle's centre; not checked for order (a lower bound
    // above the upper one is tested first).
    void SetMoveRange(double minimum, double maximum);
    // Loads skin directory + name as the picture of the state (HoverImage,
    // PressedImage, NormalImage; other states load nothing, and an empty name
    // keeps the picture), then shows the normal picture.
    void LoadImage(int state, QString name);

    int GetSliderId() const { return m_sliderId; }
    bool IsVertical() const { return m_vertical; }

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QPixmap m_hoverImage;
    QPixmap m_pressedImage;
    QPixmap m_normalImage;
    int m_sliderId;
    bool m_vertical;
    double m_moveMin = 0.0;
    double m_moveMax = 0.0;
    IKWSliderEvent* m_listener = nullptr; // not owned
};
