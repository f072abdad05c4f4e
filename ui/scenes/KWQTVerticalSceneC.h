#pragma once
// The IPC side view: the installation in vertical section (pole, tilted
// camera, field of view, blind zone, person at the target distance), with four
// handles to drag the camera height, the blind distance, the target distance
// and the target height, and two boxes for the axis maxima. Every change is
// redrawn at once and reported to the listener, synchronously.
//
// The numbers live in SideViewGeometry; this class keeps the model, turns
// calls and drags into model changes, and copies each layout into its items.

#include "ui/api/KWDoubleSpiner.h"
#include "ui/api/KWVerticalSceneC.h"
#include "ui/scenes/KWLabelPlacement.h"
#include "ui/scenes/KWSceneFootprints.h"
#include "ui/scenes/KWSliderEvent.h"
#include "ui/scenes/SideViewGeometry.h"

#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class CKWHandleHold;
class CKWQTDoubleSpiner;
class CKWQTGraphicsLineItem;
class CKWQTVSliderItem;
class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QGraphicsView;

class CKWQTVerticalSceneC : public QWidget,
                            public CKWVerticalSceneC,
                            public IKWSliderEvent,
                            public IKWDoubleSpinerEvent {
    Q_OBJECT

public:
    // Ids of the two axis boxes.
    enum { LengthAxisBoxId = 1100, HeightAxisBoxId = 1101 };
    // Ids of the handles.
    enum {
        HeightHandleId = 1,
        BlindDistanceHandleId = 2,
        TargetDistanceHandleId = 3,
        TargetHeightHandleId = 4
    };

    explicit CKWQTVerticalSceneC(IKWVerticalSceneCEvent* listener = nullptr);
    ~CKWQTVerticalSceneC() override;

    // Right and bottom inclusive; shown when the style holds WS_VISIBLE; the
    // id is not kept.
    int Create(LPCWSTR name, DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // Handle, person and camera pictures, then the two axis boxes (made by
    // the first call, reused by later ones). Null: 0, nothing changes.
    int SetSkin(ImageVericalStyle* style) override;
    // Visibility is Create's and the container's business.
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void SetObjectDW(int distance, int width) override;
    // Non-zero values replace the axis pixel lengths until the next redraw.
    void SetRealXY(int x, int y) override;
    void SetVirtualHeight(double height) override;
    void SetParam(double verticalAngle, double targetDistance, double installHeight, double installAngle,
        double unused) override;
    void SetInstAngle(double angle) override;
    void SetTarHDistance(double distance) override;
    void OnView_ChangeUnit(int metric) override;
    // Label fonts follow at once; the axis boxes take the scale when SetSkin
    // makes them. No redraw.
    void SetRectTimes(double times) override;
    void ChangeXYLangage(LPCWSTR heightCaption, LPCWSTR lengthCaption) override;

    void OnSliderPos(int sliderId, double pos) override;
    void OnCurrentNumChanged(UINT id, double value) override;

    // What the view holds now.
    const SideViewModel& GetModel() const { return m_model; }
    QGraphicsScene* GetScene() const { return m_scene; }
    // The label showing the value of the handle with that id; null for
    // another id.
    QGraphicsTextItem* GetValueLabel(int handleId) const;
    // The axis boxes; null until SetSkin.
    CKWQTDoubleSpiner* GetHeightBox() const { return m_heightBox; }
    CKWQTDoubleSpiner* GetLengthBox() const { return m_lengthBox; }

public slots:
    // Set the height or the length maximum to a whole value without keeping
    // the two axes in proportion.
    void OnClicked(int value);
    void OnClicked1(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The view and its items take the mouse; the widget itself does nothing.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Redraw();
    // What every change of the tilt or the height ends with.
    void RedrawAndReportInstall();
    bool IsLaidOut() const;
    void OnHeightSlider(double y);
    void OnBlindDistanceSlider(double x);
    void OnTargetDistanceSlider(double x);
    void OnTargetHeightSlider(double y);
    void OnAxisBoxChanged(UINT id, double value);
    void ReportMovedTarget(double previousDistance);
    void PlaceTarget(const SideViewTargetPlace& place, double targetHeight);
    // The handles clear of each other, the axis boxes with their unit and
    // title where the drawing leaves them room, then every value label where it stands whole inside the view,
    // clear of the boxes, the handles and the other labels: each as near to
    // the place the layout gives it as it can.
    void ArrangeAroundDrawing(const SideViewLayout& layout);
    // The handles while one is held by the pointer: that one keeps its place
    // across its travel and the others make room, each keeping to the side
    // of it it stood on when the drag began.
    void ArrangeAroundHeld(
        const std::pair<CKWQTVSliderItem*, SideViewPoint> (&handles)[4], KWLabelRoom& room);
    // Once an axis box is no longer in use, or the pointer lets go of a
    // handle.
    void ArrangeAfterUse();
    void PlaceAxisControls(
        const SideViewWidgetPlaces& places, const QPoint& heightShift, const QPoint& lengthShift);
    // Whether the pointer is over the box or the box has the focus.
    static bool IsInUse(const QWidget* box);
    // How far an axis box, with its unit and title (controls, in the room's
    // units), stands from its home: where it is while in use, else aside
    // from what is drawn, along its edge of the drawing.
    static QPoint AxisControlsShift(const QWidget* box, const QPoint& home, const KWSceneBox& controls,
        const std::vector<KWSceneBox>& drawn, const KWLabelRoom& room);
    void ShowAxisMaxima();
    QString LengthText(double value) const;
    void SetLabel(QGraphicsTextItem* label, const QString& text);
    CKWQTDoubleSpiner* MakeAxisBox(UINT id);

    SideViewModel m_model;
    // The size the last rectangle gave the widget: while it has that size,
    // its 1x size is taken from that rectangle's corners.
    QSize m_placedSize;
    // A resize has given the scene its size; until then there is nothing to
    // lay out and nothing to report.
    bool m_sceneSized = false;
    // Counts redraws that report, so that one begun inside another's report
    // silences the rest of the outer one.
    unsigned m_redrawGeneration = 0;

    QGraphicsView* m_view = nullptr; // children of the widget
    QGraphicsScene* m_scene = nullptr;
    // Items, owned by the scene.
    CKWQTGraphicsLineItem* m_axisTop = nullptr;
    CKWQTGraphicsLineItem* m_pole = nullptr;
    CKWQTGraphicsLineItem* m_nearGround = nullptr;
    CKWQTGraphicsLineItem* m_coveredGround = nullptr;
    CKWQTGraphicsLineItem* m_farGround = nullptr;
    CKWQTGraphicsLineItem* m_upperEdge = nullptr;
    CKWQTGraphicsLineItem* m_lowerEdge = nullptr;
    CKWQTVSliderItem* m_heightHandle = nullptr;
    CKWQTVSliderItem* m_targetHeightHandle = nullptr;
    QGraphicsPixmapItem* m_camera = nullptr;
    QGraphicsPixmapItem* m_person = nullptr;
    CKWQTVSliderItem* m_blindHandle = nullptr;
    CKWQTVSliderItem* m_targetDistanceHandle = nullptr;
    QGraphicsTextItem* m_installAngleLabel = nullptr;
    QGraphicsTextItem* m_installHeightLabel = nullptr;
    QGraphicsTextItem* m_blindDistanceLabel = nullptr;
    QGraphicsTextItem* m_verticalAngleLabel = nullptr;
    QGraphicsTextItem* m_heightUnitLabel = nullptr;
    QGraphicsTextItem* m_lengthUnitLabel = nullptr;
    QGraphicsTextItem* m_heightTitle = nullptr;
    QGraphicsTextItem* m_lengthTitle = nullptr;
    QGraphicsTextItem* m_targetDistanceLabel = nullptr;
    QGraphicsPathItem* m_fieldOfView = nullptr;
    QGraphicsTextItem* m_targetHeightLabel = nullptr;

    QPixmap m_personPicture;
    CKWQTDoubleSpiner* m_lengthBox = nullptr; // children of the widget, once SetSkin has run
    CKWQTDoubleSpiner* m_heightBox = nullptr;
    CKWHandleHold* m_hold = nullptr; // owned by the scene
};
