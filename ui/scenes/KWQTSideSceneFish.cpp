#include "ui/scenes/KWQTSideSceneFish.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWSceneFootprints.h"
#include "ui/scenes/KWSceneViewSupport.h"

#include <QBrush>
#include <QColor>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainterPath>
#include <QPen>
#include <QResizeEvent>
#include <QTransform>

#include <initializer_list>
#include <new>
#include <utility>
#include <vector>

CKWSideSceneFish* CreateKWSideSceneFish(IKWSideSceneFishEvent* listener)
{
    return new (std::nothrow) CKWQTSideSceneFish(listener);
}

namespace {

void LoadHandleImages(CKWQTVSliderItem* handle, const std::wstring& normal, const std::wstring& hover,
    const std::wstring& pressed)
{
    if (!normal.empty()) {
        handle->LoadImage(CKWQTVSliderItem::NormalImage, KWToQString(normal));
    }
    if (!hover.empty()) {
        handle->LoadImage(CKWQTVSliderItem::HoverImage, KWToQString(hover));
    }
    if (!pressed.empty()) {
        handle->LoadImage(CKWQTVSliderItem::PressedImage, KWToQString(pressed));
    }
}

void LoadPicture(QGraphicsPixmapItem* item, const std::wstring& name)
{
    if (name.empty()) {
        return;
    }
    // A picture that does not load leaves the item empty rather than
    // showing the previous one.
    QPixmap picture;
    KWLoadSkinPixmap(name, picture);
    item->setPixmap(picture);
}

} // namespace

CKWQTSideSceneFish::CKWQTSideSceneFish(IKWSideSceneFishEvent* listener)
    : QWidget(nullptr)
    , CKWSideSceneFish(listener)
    , m_scene(new QGraphicsScene(this))
    , m_view(new QGraphicsView(this))
    , m_backdrop(new QGraphicsPathItem())
    , m_cameraLabel(new CKWQTSceneLabel())
    , m_heightLabel(new CKWQTSceneLabel())
    , m_distanceLabel(new CKWQTSceneLabel())
    , m_cameraHandle(new CKWQTVSliderItem(CameraHandleId, true))
    , m_distanceHandle(new CKWQTVSliderItem(DistanceHandleId, false))
    , m_objectHandle(new CKWQTVSliderItem(ObjectHandleId, true))
    , m_ceilingPicture(new QGraphicsPixmapItem())
    , m_wallPicture(new QGraphicsPixmapItem())
    , m_personPicture(new QGraphicsPixmapItem())
{
    m_scene->setBackgroundBrush(QBrush(QColor(255, 255, 255, 255)));

    m_scene->addItem(m_backdrop);
    const QPen linePen(QBrush(QColor(0, 0, 0, 255)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    for (CKWQTGraphicsLineItem*& line : m_lines) {
        line = new CKWQTGraphicsLineItem();
        line->setPen(linePen);
        m_scene->addItem(line);
    }
    for (CKWQTVSliderItem* handle : { m_cameraHandle, m_distanceHandle, m_objectHandle }) {
        handle->setZValue(1.0);
        handle->SetSliderEvent(this);
        m_scene->addItem(handle);
    }
    m_scene->addItem(m_ceilingPicture);
    m_scene->addItem(m_wallPicture);
    m_scene->addItem(m_personPicture);
    for (QGraphicsTextItem* label : { m_cameraLabel, m_heightLabel, m_distanceLabel }) {
        KWSetLabelScale(label, 1.0);
        label->setZValue(KW_SCENE_LABEL_Z);
        m_scene->addItem(label);
    }

    KWSetupDrawingView(m_view, m_scene);
}

// The scene, its items and the view are the widget's children.
CKWQTSideSceneFish::~CKWQTSideSceneFish() = default;

int CKWQTSideSceneFish::Create(LPCWSTR name, DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    return KWCreateSceneWidget(this, name, style, rect, parent);
}

void CKWQTSideSceneFish::ShowWindow(int /*show*/) { }

void CKWQTSideSceneFish::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTSideSceneFish::MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) { }

void CKWQTSideSceneFish::SetObjectHeight(double height)
{
    m_values.objectHeight = height;
    Redraw();
}

void CKWQTSideSceneFish::SetVirtualHeight(double height)
{
    m_values.installHeight = height;
    Redraw();
}

void CKWQTSideSceneFish::SetImage(ImageVericalStyle* style)
{
    if (style == nullptr) {
        return;
    }
    LoadHandleImages(m_cameraHandle, style->strVDragNormal, style->strVDragHover, style->strVDragPressed);
    LoadHandleImages(m_objectHandle, style->strVDragNormal, style->strVDragHover, style->strVDragPressed);
    LoadHandleImages(m_distanceHandle, style->strHDragNormal, style->strHDragHover, style->strHDragPressed);
    LoadPicture(m_personPicture, style->strPerson);
    LoadPicture(m_wallPicture, style->strWallMountImage);
    LoadPicture(m_ceilingPicture, style->strCameraImage);
    m_wallShown = KWShownRect(m_wallPicture->pixmap());
    m_ceilingShown = KWShownRect(m_ceilingPicture->pixmap());
}

void CKWQTSideSceneFish::SetObjectDistance(double distance)
{
    m_values.rightSide = KWFishSideForDistance(m_values, distance);
    m_values.objectDistance = distance;
    Redraw();
}

void CKWQTSideSceneFish::SetInstWay(bool ceiling)
{
    m_values.ceiling = ceiling;
    m_values.rightSide = KWFishSideForMount(m_values);
    Redraw();
}

void CKWQTSideSceneFish::OnView_ChangeUnit(int metric)
{
    m_metric = metric != 0;
    for (double* length :
        { &m_values.installHeight, &m_values.objectHeight, &m_values.objectDistance, &m_values.lengthMax,
            &m_values.heightMax, &m_values.minInstallHeight, &m_values.minObjectHeight }) {
        // Dividing, not multiplying by the reciprocal: a trip to feet and back
        // then gives the metres that were entered far more often.
        *length = m_metric ? *length / KW_FEET_PER_METRE : *length * KW_FEET_PER_METRE;
    }
    Redraw();
}

void CKWQTSideSceneFish::SetRectTimes(double times)
{
    m_values.rectTimes = times;
    for (QGraphicsTextItem* label : { m_cameraLabel, m_heightLabel, m_distanceLabel }) {
        KWSetLabelScale(label, times);
    }
    for (CKWQTGraphicsLineItem* line : m_lines) {
        KWScalePen(line, times);
    }
}

void CKWQTSideSceneFish::OnSliderPos(int sliderId, double pos)
{
    switch (sliderId) {
    case CameraHandleId:
        DragCamera(pos);
        break;
    case DistanceHandleId:
        DragDistance(pos);
        break;
    case ObjectHandleId:
        DragObjectHeight(pos);
        break;
    default:
        break;
    }
}

CKWQTVSliderItem* CKWQTSideSceneFish::GetHandle(int sliderId) const
{
    switch (sliderId) {
    case CameraHandleId:
        return m_cameraHandle;
    case DistanceHandleId:
        return m_distanceHandle;
    case ObjectHandleId:
        return m_objectHandle;
    default:
        return nullptr;
    }
}

void CKWQTSideSceneFish::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double t = m_values.rectTimes;
    const double w = width();
    const double h = height();
    m_view->setGeometry(rect());
    m_sceneWidth = static_cast<int>(w - 10.0 * t);
    m_sceneHeight = static_cast<int>(h - 10.0 * t);
    m_scene->setSceneRect(0, 0, m_sceneWidth, m_sceneHeight);
    m_scene->update();
    m_view->update();

    // Measured on the widget, not the scene, as the frame it stands for.
    QPainterPath backdrop;
    backdrop.addRect(20.0 * t, 20.0 * t, w - 50.0 * t, h - 50.0 * t);
    m_backdrop->setPath(backdrop);
    const QColor tint(222, 233, 239, 60);
    m_backdrop->setPen(KWScenePen(tint, t));
    m_backdrop->setBrush(QBrush(tint));
    Redraw();
}

void CKWQTSideSceneFish::Redraw()
{
    m_layout = KWFishSideLayoutFor(m_values, m_sceneWidth, m_sceneHeight);
    const KWFishSideLayout& l = m_layout;

    m_ceilingPicture->setVisible(m_values.ceiling);
    m_wallPicture->setVisible(!m_values.ceiling);
    for (int i = 0; i < KW_FISH_LINE_COUNT; ++i) {
        m_lines[i]->setLine(KWToQLineF(l.lines[i]));
    }

    m_cameraLabel->setPlainText(LengthText(m_values.installHeight));
    m_cameraHandle->SetMoveRange(l.cameraRange.min, l.cameraRange.max);
    m_ceilingPicture->setPos(KWToQPointF(l.cameraPicture));
    m_wallPicture->setPos(KWToQPointF(l.cameraPicture));

    m_heightLabel->setPlainText(LengthText(m_values.objectHeight));
    PlacePerson(l.person);
    m_distanceHandle->SetMoveRange(l.distanceRange.min, l.distanceRange.max);
    m_objectHandle->SetMoveRange(l.objectRange.min, l.objectRange.max);

    m_distanceLabel->setPlainText(LengthText(m_values.objectDistance));
    ArrangeLabels();

    m_scene->update();
    m_view->viewport()->update();
}

void CKWQTSideSceneFish::DragCamera(double y)
{
    double height = 0.0;
    if (!KWFishHeightAtY(m_values, m_layout, y, height)) {
        return;
    }
    m_values.installHeight = height;
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnVirtualHeightChanged(height);
    }
}

void CKWQTSideSceneFish::DragDistance(double x)
{
    double distance = 0.0;
    bool rightSide = m_values.rightSide;
    if (!KWFishDistanceAtX(m_values, m_layout, x, distance, rightSide)) {
        return;
    }
    m_values.objectDistance = distance;
    m_values.rightSide = rightSide;
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnObjectDistanceChanged(distance);
    }
}

void CKWQTSideSceneFish::DragObjectHeight(double y)
{
    double height = 0.0;
    if (!KWFishHeightAtY(m_values, m_layout, y, height)) {
        return;
    }
    // The person stands at the height taken, which the pointer only nears.
    y = KWFishYAtHeight(m_values, m_layout, height);
    // Only what depends on the person's height moves.
    const double t = m_values.rectTimes;
    m_values.objectHeight = height;
    m_heightLabel->setPlainText(LengthText(height));

    const double objectPx = m_layout.originY - y;
    m_layout.person = KWFishPersonAt(m_values, m_layout, objectPx);
    PlacePerson(m_layout.person);
    m_layout.objectHandle = { m_layout.objectX - 13.0 * t, y - 13.0 * t };
    m_layout.cameraRange = KWFishCameraRange(m_values, m_layout, objectPx);
    m_cameraHandle->SetMoveRange(m_layout.cameraRange.min, m_layout.cameraRange.max);
    m_layout.heightLabel = { KWFishHeightLabelX(m_values, m_layout.objectX), y - 13.0 * t };
    m_layout.heightLabelAcross = { KWFishHeightLabelAcrossX(m_values, m_layout.objectX), y - 13.0 * t };
    ArrangeLabels();
    m_layout.objectPx = objectPx;

    if (m_pListener != nullptr) {
        m_pListener->OnObjectHeightChanged(height);
    }
}

void CKWQTSideSceneFish::PlacePerson(const KWFishPerson& person)
{
    m_personPicture->setTransform(QTransform::fromScale(person.scaleX, person.scaleY));
    m_personPicture->setPos(KWToQPointF(person.pos));
}

void CKWQTSideSceneFish::ArrangeLabels()
{
    const int astray = ArrangeLabels(false);
    if (astray > KW_LABEL_BESIDE && ArrangeLabels(true) >= astray) {
        ArrangeLabels(false);
    }
}

int CKWQTSideSceneFish::ArrangeLabels(bool cameraMakesRoom)
{
    KWLabelRoom room = KWLabelRoomIn(m_view, m_values.rectTimes);
    // A number beside the camera reads as the camera's, whichever handle it
    // belongs to; so does a handle on it, but the camera's own.
    KWRival(m_ceilingPicture, m_ceilingShown, m_cameraHandle, room);
    KWRival(m_wallPicture, m_wallShown, m_cameraHandle, room);
    room.awayFromRivals = cameraMakesRoom;
    // The person's handles stay on the person, off the camera.
    const std::pair<CKWQTVSliderItem*, KWScenePoint> personHandles[] = {
        { m_distanceHandle, m_layout.distanceHandle },
        { m_objectHandle, m_layout.objectHandle },
    };
    for (const auto& [handle, offset] : personHandles) {
        handle->setOffset(KWToQPointF(offset));
        KWClearHandle(handle, room);
    }
    m_cameraHandle->setOffset(KWToQPointF(m_layout.cameraHandle));
    for (const QGraphicsItem* picture : { m_ceilingPicture, m_wallPicture, m_personPicture }) {
        KWAvoid(picture, room);
    }
    const auto placePersonLabels = [this, &room] {
        return KWPlaceLabel(m_heightLabel, KWToQPointF(m_layout.heightLabel),
                   KWToQPointF(m_layout.heightLabelAcross), m_objectHandle, room)
            + KWPlaceLabel(m_distanceLabel, KWToQPointF(m_layout.distanceLabel), m_distanceHandle, room);
    };
    // The camera's handle steps aside from the person's, as when the camera
    // comes down to the person's height. Where that leaves a label worse off
    // than it need be, the camera makes room: the person's handles step away
    // from it, the person's labels are placed first, and the camera's handle
    // steps past them with room beside it for its own.
    int astray = 0;
    if (cameraMakesRoom) {
        astray += placePersonLabels();
        KWClearHandle(m_cameraHandle, m_cameraLabel, KWToQPointF(m_layout.cameraLabel), room);
    } else {
        KWClearHandle(m_cameraHandle, room);
    }
    astray += KWPlaceLabel(m_cameraLabel, KWToQPointF(m_layout.cameraLabel), m_cameraHandle, room);
    if (!cameraMakesRoom) {
        astray += placePersonLabels();
    }
    return astray;
}

QString CKWQTSideSceneFish::LengthText(double value) const
{
    // asprintf formats in the C locale whatever the process locale is.
    return m_metric ? QString::asprintf("%0.2fm", value) : QString::asprintf("%0.2fft", value);
}
