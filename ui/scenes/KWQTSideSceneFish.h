#pragma once
// The fisheye calculator's side elevation: a camera on the ceiling or on a
// wall, the floor and a standing person, with the camera height, person
// height and distance as labels and as three draggable handles. Drags are
// reported to the listener; values set from outside are not.

#include "ui/api/KWSideSceneFish.h"
#include "ui/scenes/KWSideSceneFishGeometry.h"
#include "ui/scenes/KWSliderEvent.h"

#include <QRectF>
#include <QWidget>

#include <array>
#include <vector>

class CKWHandleHold;
class CKWQTGraphicsLineItem;
class CKWQTVSliderItem;
class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QGraphicsView;
struct KWLabelRoom;

class CKWQTSideSceneFish : public QWidget, public CKWSideSceneFish, public IKWSliderEvent {
    Q_OBJECT

public:
    // Handle ids reported through OnSliderPos.
    enum { CameraHandleId = 1, DistanceHandleId = 2, ObjectHandleId = 4 };

    explicit CKWQTSideSceneFish(IKWSideSceneFishEvent* listener = nullptr);
    ~CKWQTSideSceneFish() override;

    // Right and bottom inclusive; the text becomes the window title and the
    // id is not kept.
    int Create(LPCWSTR name, DWORD style, const RECT& rect, void* parent, UINT id) override;
    // The view is shown and hidden with its container only.
    void ShowWindow(int show) override;
    // Right and bottom inclusive.
    void MoveWindow(RECT* rect) override;
    // Not used: the view follows its container by the rectangle form only.
    void MoveWindow(int x, int y, int width, int height) override;
    void SetObjectHeight(double height) override;
    void SetVirtualHeight(double height) override;
    // Empty names keep what is shown; no redraw.
    void SetImage(ImageVericalStyle* style) override;
    void SetObjectDistance(double distance) override;
    void SetInstWay(bool ceiling) override;
    // Converts every stored length on each call.
    void OnView_ChangeUnit(int metric) override;
    // Label font only; the next redraw uses the new scale.
    void SetRectTimes(double times) override;

    void OnSliderPos(int sliderId, double pos) override;

    // What is shown, for whoever must check it.
    QGraphicsScene* GetScene() const { return m_scene; }
    QGraphicsView* GetView() const { return m_view; }
    const KWFishSideValues& GetValues() const { return m_values; }
    const KWFishSideLayout& GetLayout() const { return m_layout; }
    bool IsMetric() const { return m_metric; }
    CKWQTVSliderItem* GetHandle(int sliderId) const;
    CKWQTGraphicsLineItem* GetLine(KWFishLineIndex index) const { return m_lines[index]; }
    QGraphicsTextItem* GetCameraLabel() const { return m_cameraLabel; }
    QGraphicsTextItem* GetHeightLabel() const { return m_heightLabel; }
    QGraphicsTextItem* GetDistanceLabel() const { return m_distanceLabel; }
    QGraphicsPixmapItem* GetCeilingPicture() const { return m_ceilingPicture; }
    QGraphicsPixmapItem* GetWallPicture() const { return m_wallPicture; }
    QGraphicsPixmapItem* GetPersonPicture() const { return m_personPicture; }
    QGraphicsPathItem* GetBackdrop() const { return m_backdrop; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();
    void DragCamera(double y);
    void DragDistance(double x);
    void DragObjectHeight(double y);
    void PlacePerson(const KWFishPerson& person);
    // The handles, then the three labels, each moved only as far as it must
    // to stand whole inside the view, beside its handle, off the camera's
    // pole and the floor line, clear of the handles and of the labels placed
    // before it; the person's on the person's side of the pole, its height
    // above the floor and its distance under it.
    void Arrange();
    // Each handle where its value puts it, stepped aside across its travel
    // from those before it by a clamp that follows the values: the one held
    // by the pointer first, where the drag found it, then the one on the
    // floor, the person's height (off the camera, to the person's side), the
    // camera's (within two handles' widths of its camera). While a handle is
    // held each keeps to the sides the drag found it on.
    void ArrangeHandles(KWLabelRoom& room);
    // The ink of the person's height label at scale 1, from where it stands.
    QRectF HeightLabelInk(const KWLabelRoom& room) const;
    // Where the camera's and the person's height labels start from.
    KWScenePoint CameraLabelHome(const KWLabelRoom& room) const;
    KWScenePoint HeightLabelHome(const KWLabelRoom& room) const;
    QString LengthText(double value) const;

    QGraphicsScene* m_scene; // owned by the widget
    QGraphicsView* m_view; // owned by the widget
    // Items are owned by the scene.
    QGraphicsPathItem* m_backdrop;
    std::array<CKWQTGraphicsLineItem*, KW_FISH_LINE_COUNT> m_lines {};
    QGraphicsTextItem* m_cameraLabel;
    QGraphicsTextItem* m_heightLabel;
    QGraphicsTextItem* m_distanceLabel;
    CKWQTVSliderItem* m_cameraHandle;
    CKWQTVSliderItem* m_distanceHandle;
    CKWQTVSliderItem* m_objectHandle;
    QGraphicsPixmapItem* m_ceilingPicture;
    QGraphicsPixmapItem* m_wallPicture;
    QGraphicsPixmapItem* m_personPicture;
    // Owned by the scene.
    CKWHandleHold* m_hold;
    // What shows of the camera pictures, in their own pixels.
    std::vector<QRectF> m_ceilingShown;
    std::vector<QRectF> m_wallShown;

    KWFishSideValues m_values;
    // As last drawn; the object-height drag updates the parts it moves.
    KWFishSideLayout m_layout;
    // The scene's size, set on resize; nothing is drawn at a sensible place
    // before the first one.
    int m_sceneWidth = 0;
    int m_sceneHeight = 0;
    bool m_metric = true;
};
