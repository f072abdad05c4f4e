#pragma once
// The IPC top view: the horizontal angle of view seen from above, as a filled
// sector whose apex is the camera at the bottom centre, with the angle written
// at its middle and a line across it at the target distance, labelled with
// the width the camera sees there. It only draws; it never calls back.

#include "ui/api/KWTopView.h"

#include <QGraphicsView>
#include <QPointF>

class QGraphicsLineItem;
class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QGraphicsTextItem;
struct KWTopViewFrame;

class CKWQTTopView : public QGraphicsView, public CKWTopView {
public:
    explicit CKWQTTopView(IKWTopViewEvent* listener);
    ~CKWQTTopView() override;

    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive; nothing is redrawn until the next update.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Camera picture, the picture standing on the width line, and the picture
    // beside the angle. A picture that does not load draws nothing and
    // counts as 0 x 0.
    int SetImage(LPCWSTR camera, LPCWSTR target, LPCWSTR angleIcon) override;
    void UpdateVisibleWidth(double distance) override;
    void UpdateVisualAngle(double angle) override;
    void SetVirtulXaxisMax(double nearDistance, double axisMax) override;
    void SetParam(double angle, double distance) override;
    // 0 switches to feet, anything else to metres; the lengths held are
    // converted on every call, so callers call it only on a real change.
    void OnView_ChangeUnit(int metric) override;
    void SetRectTimes(double times) override;

    // The items as drawn, for inspection. The camera and target icons are
    // null until the first SetImage.
    const QGraphicsPixmapItem* GetCameraIcon() const { return m_cameraIcon; }
    const QGraphicsPixmapItem* GetTargetIcon() const { return m_targetIcon; }
    const QGraphicsPixmapItem* GetAngleIcon() const { return m_angleIcon; }
    const QGraphicsLineItem* GetLeftEdge() const { return m_leftEdge; }
    const QGraphicsLineItem* GetRightEdge() const { return m_rightEdge; }
    const QGraphicsLineItem* GetWidthLine() const { return m_widthLine; }
    const QGraphicsTextItem* GetWidthLabel() const { return m_widthLabel; }
    const QGraphicsTextItem* GetAngleLabel() const { return m_angleLabel; }
    const QGraphicsPathItem* GetSector() const { return m_sector; }

private:
    KWTopViewFrame Frame() const;
    // Loads the picture into icon, creating and adding it the first time.
    QGraphicsPixmapItem* LoadIcon(QGraphicsPixmapItem* icon, LPCWSTR name, int& width, int& height);
    // Each label from the place the drawing gives it, as little aside as it
    // takes to leave the pictures whole and the other label clear.
    void ArrangeLabels();

    QGraphicsScene* m_scene; // child of the view
    QGraphicsPixmapItem* m_cameraIcon = nullptr; // items: owned by the scene
    QGraphicsPixmapItem* m_targetIcon = nullptr;
    QGraphicsPixmapItem* m_angleIcon = nullptr;
    QGraphicsLineItem* m_leftEdge = nullptr;
    QGraphicsLineItem* m_rightEdge = nullptr;
    QGraphicsLineItem* m_widthLine = nullptr;
    QGraphicsTextItem* m_widthLabel = nullptr;
    QGraphicsTextItem* m_angleLabel = nullptr;
    QGraphicsPathItem* m_sector = nullptr;
    QPointF m_widthLabelHome;
    QPointF m_angleLabelHome;

    double m_angle = 83.25;
    double m_distance = 10.0;
    // Kept as given; nothing is drawn from it.
    double m_nearDistance = 7.0;
    double m_axisMax = 10.0;
    int m_cameraWidth = 0;
    int m_cameraHeight = 0;
    int m_targetWidth = 0;
    int m_targetHeight = 0;
    bool m_metric = true;
    double m_rectTimes = 1.0;
};
