#include "ui/scenes/KWQT3DView.h"

#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/scenes/KWSceneViewSupport.h"

#include <QBrush>
#include <QColor>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPen>

#include <new>

CKW3DView* CreateKW3DView(IKW3DViewEvent* listener)
{
    return new (std::nothrow) CKWQT3DView(listener);
}

namespace {

QPen MarkerPen(KW3DRgb colour, double times)
{
    return QPen(QBrush(QColor(colour.r, colour.g, colour.b)), times, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
}

QLineF DesignLineToPixels(KWScenePoint origin, double rectTimes, const KWSceneLine& line)
{
    return QLineF(KWToQPointF(KW3DToPixels(origin, rectTimes, line.from)),
        KWToQPointF(KW3DToPixels(origin, rectTimes, line.to)));
}

} // namespace

CKWQT3DView::CKWQT3DView(IKW3DViewEvent* listener)
    : QGraphicsView(static_cast<QWidget*>(nullptr))
    , CKW3DView(listener)
    , m_scene(new QGraphicsScene(this))
{
    KWSetupSceneView(this, m_scene);
}

// The scene, and with it every item, goes with the view.
CKWQT3DView::~CKWQT3DView() = default;

int CKWQT3DView::Create(DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    return KWCreateSceneView(this, style, rect, parent);
}

int CKWQT3DView::SetSkin(Image3DViewBtnStyle* style)
{
    if (style == nullptr) {
        return 1;
    }
    m_pictures[KW3D_PICTURE_HEIGHT] = LoadPicture(style->strHeight.c_str());
    m_pictures[KW3D_PICTURE_DISTANCE] = LoadPicture(style->strDistance.c_str());
    m_pictures[KW3D_PICTURE_ANGLE] = LoadPicture(style->strAngle.c_str());
    m_pictures[KW3D_PICTURE_WIDTH] = LoadPicture(style->strWidth.c_str());
    m_pictures[KW3D_PICTURE_SECOND_HEIGHT] = LoadPicture(style->strHeight2.c_str());
    return 1;
}

void CKWQT3DView::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQT3DView::MoveWindow(RECT* rect)
{
    if (rect == nullptr) {
        return;
    }
    KWMoveSceneView(this, KWInclusiveRect(*rect));
    PlacePicture();
}

void CKWQT3DView::MoveWindow(int x, int y, int width, int height)
{
    KWMoveSceneView(this, QRect(x, y, width, height));
    PlacePicture();
}

int CKWQT3DView::SetBgImage(LPCWSTR background, LPCWSTR person)
{
    for (KW3DSlot slot : KW3DSlotsClearedByPicture()) {
        ClearSlot(slot);
    }

    ShowPicture(m_background, LoadBackground(background));
    PlaceBackground();

    ShowPicture(m_person, LoadPicture(person));
    m_person->setPos(KWToQPointF(KW3DToPixels(m_origin, m_rectTimes, KW3D_PERSON_FAR)));
    // The fisheye calculator shows no walking person.
    m_person->setVisible(!m_fisheye);
    return 1;
}

void CKWQT3DView::AddInstallHeight()
{
    ToggleMarker(KW3DMarker::InstallHeight);
}

void CKWQT3DView::AddResolution()
{
    ToggleMarker(KW3DMarker::Resolution);
}

void CKWQT3DView::AddHDistance()
{
    ToggleMarker(KW3DMarker::HDistance);
}

void CKWQT3DView::AddInstAngle()
{
    ToggleMarker(KW3DMarker::InstAngle);
}

void CKWQT3DView::AddObjDistance()
{
    ToggleMarker(KW3DMarker::ObjDistance);
}

void CKWQT3DView::AddObjHeight()
{
    ToggleMarker(KW3DMarker::ObjHeight);
}

void CKWQT3DView::SetObjectPos(double position)
{
    m_objectPos = position;
    if (m_person != nullptr) {
        m_person->setPos(KWToQPointF(KW3DPersonPos(m_origin, m_rectTimes, position, m_axisMax)));
    }
    // The fisheye pictures' distance marker is fixed; only the ground-line
    // distance follows the person.
    auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(m_markers[KW3D_SLOT_DISTANCE_LINE]);
    if (line != nullptr && !m_fisheye) {
        line->setLine(DesignLineToPixels(m_origin, m_rectTimes, KW3DHDistanceLine(position, m_axisMax)));
        line->setPen(MarkerPen(KW3D_DISTANCE_COLOUR, m_rectTimes));
    }
}

void CKWQT3DView::SetVirtulXaxisMax(double axisMax)
{
    m_axisMax = axisMax;
    if (m_objectPos > m_axisMax) {
        m_objectPos = m_axisMax;
    }
    SetObjectPos(m_objectPos);
}

void CKWQT3DView::SetFishEyeEnable(bool fisheye)
{
    m_fisheye = fisheye;
}

void CKWQT3DView::SetInstWay(bool ceiling)
{
    m_ceiling = ceiling;
}

void CKWQT3DView::OnView_ChangeUnit(bool metric)
{
    if (metric) {
        m_axisMax /= KW_FEET_PER_METRE;
        m_objectPos /= KW_FEET_PER_METRE;
    } else {
        m_axisMax *= KW_FEET_PER_METRE;
        m_objectPos *= KW_FEET_PER_METRE;
    }
    if (m_objectPos > m_axisMax) {
        m_objectPos = m_axisMax;
    }
    SetObjectPos(m_objectPos);
}

void CKWQT3DView::SetRectTimes(double times)
{
    m_rectTimes = times;
}

QGraphicsItem* CKWQT3DView::GetMarkerItem(KW3DSlot slot) const
{
    return slot < KW3D_SLOT_COUNT ? m_markers[slot] : nullptr;
}

KW3DMarkerMode CKWQT3DView::MarkerMode() const
{
    KW3DMarkerMode mode;
    mode.fisheye = m_fisheye;
    mode.ceiling = m_ceiling;
    mode.position = m_objectPos;
    mode.axisMax = m_axisMax;
    return mode;
}

void CKWQT3DView::ToggleMarker(KW3DMarker marker)
{
    for (const KW3DMarkerPart& part : KW3DMarkerParts(marker, MarkerMode())) {
        if (m_markers[part.slot] != nullptr) {
            ClearSlot(part.slot);
            continue;
        }
        QGraphicsItem* item = nullptr;
        if (part.isLine) {
            auto* line = new QGraphicsLineItem(DesignLineToPixels(m_origin, m_rectTimes, part.line));
            line->setPen(MarkerPen(part.colour, m_rectTimes));
            item = line;
        } else {
            item = new QGraphicsPixmapItem(m_pictures[part.picture]);
            item->setPos(KWToQPointF(KW3DToPixels(m_origin, m_rectTimes, part.topLeft)));
        }
        m_scene->addItem(item);
        m_markers[part.slot] = item;
    }
}

void CKWQT3DView::ClearSlot(KW3DSlot slot)
{
    // Deleting an item takes it out of its scene.
    delete m_markers[slot];
    m_markers[slot] = nullptr;
}

void CKWQT3DView::PlacePicture()
{
    m_origin = KW3DOrigin(width(), height(), m_rectTimes);
    PlaceBackground();
    if (m_person != nullptr) {
        m_person->setPos(KWToQPointF(KW3DToPixels(m_origin, m_rectTimes, KW3D_PERSON_NEAR)));
    }
}

void CKWQT3DView::PlaceBackground()
{
    if (m_background == nullptr) {
        return;
    }
    const QPixmap& picture = m_background->pixmap();
    m_background->setPos(KWToQPointF(
        KW3DBackgroundPos(width(), height(), m_rectTimes, m_ceiling, picture.width(), picture.height())));
}

void CKWQT3DView::ShowPicture(QGraphicsPixmapItem*& item, const QPixmap& picture)
{
    if (item == nullptr) {
        item = new QGraphicsPixmapItem(picture);
        m_scene->addItem(item);
    } else {
        item->setPixmap(picture);
    }
}

QPixmap CKWQT3DView::LoadBackground(LPCWSTR name)
{
    // Read past Qt's pixmap cache: each camera model has its own picture,
    // shown once per choice of model, and a few of them push the small skin
    // pictures of every other control out of the cache, to be decoded again
    // at their next use. The picture shown is kept instead: every resize
    // sets it again.
    if (name == nullptr || *name == L'\0') {
        m_backgroundPath.clear();
        return QPixmap();
    }
    const QString path = KWSkinImagePath(name);
    if (m_background != nullptr && path == m_backgroundPath) {
        return m_background->pixmap();
    }
    QPixmap picture;
    KWReadPicture(path, picture);
    m_backgroundPath = picture.isNull() ? QString() : path;
    return picture;
}

QPixmap CKWQT3DView::LoadPicture(LPCWSTR name) const
{
    // A fresh picture each time: an empty or unreadable name shows nothing
    // rather than the previous picture.
    QPixmap picture;
    KWLoadSkinPixmap(name, picture);
    return picture;
}
