#pragma once
// The 3D picture of the installation: a pre-drawn background, a person moved
// along the ground as the target distance changes, and dimension markers
// shown and hidden on demand. It never calls its listener back.

#include "ui/api/KW3DView.h"
#include "ui/scenes/KW3DViewGeometry.h"

#include <QGraphicsView>
#include <QPixmap>
#include <QString>

#include <array>

class QGraphicsItem;
class QGraphicsPixmapItem;
class QGraphicsScene;

class CKWQT3DView : public QGraphicsView, public CKW3DView {
    Q_OBJECT

public:
    explicit CKWQT3DView(IKW3DViewEvent* listener = nullptr);
    ~CKWQT3DView() override;

    // Right and bottom exclusive; the id is not kept.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    int SetSkin(Image3DViewBtnStyle* style) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive. Both forms place the picture again.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    int SetBgImage(LPCWSTR background, LPCWSTR person) override;
    // Each toggles its items one by one: a shown item goes, a missing one
    // comes.
    void AddInstallHeight() override;
    void AddResolution() override;
    void AddHDistance() override;
    void AddInstAngle() override;
    void AddObjDistance() override;
    void AddObjHeight() override;
    void SetObjectPos(double position) override;
    void SetVirtulXaxisMax(double axisMax) override;
    void SetFishEyeEnable(bool fisheye) override;
    void SetInstWay(bool ceiling) override;
    void OnView_ChangeUnit(bool metric) override;
    void SetRectTimes(double times) override;

    // What is shown, for whoever must check it.
    QGraphicsItem* GetMarkerItem(KW3DSlot slot) const;
    QGraphicsPixmapItem* GetBackgroundItem() const { return m_background; }
    QGraphicsPixmapItem* GetPersonItem() const { return m_person; }
    KWScenePoint GetOrigin() const { return m_origin; }
    double GetObjectPos() const { return m_objectPos; }
    double GetAxisMax() const { return m_axisMax; }

private:
    KW3DMarkerMode MarkerMode() const;
    void ToggleMarker(KW3DMarker marker);
    void ClearSlot(KW3DSlot slot);
    // Origin, background and person for the widget's current size.
    void PlacePicture();
    void PlaceBackground();
    QPixmap LoadPicture(LPCWSTR name) const;
    // The picture into the item, which is made on the first call.
    void ShowPicture(QGraphicsPixmapItem*& item, const QPixmap& picture);
    QPixmap LoadBackground(LPCWSTR name);

    QGraphicsScene* m_scene; // owned by the view
    QGraphicsPixmapItem* m_background = nullptr; // owned by the scene
    QGraphicsPixmapItem* m_person = nullptr; // owned by the scene
    std::array<QGraphicsItem*, KW3D_SLOT_COUNT> m_markers {}; // owned by the scene
    std::array<QPixmap, KW3D_PICTURE_COUNT> m_pictures;
    QString m_backgroundPath; // of the picture the background shows, if it loaded
    KWScenePoint m_origin;
    double m_axisMax = KW3D_DEFAULT_AXIS_MAX;
    double m_objectPos = KW3D_DEFAULT_OBJECT_POS;
    double m_rectTimes = 1.0;
    bool m_fisheye = false;
    bool m_ceiling = true;
};
