#include "ui/scenes/KWQTSideSceneFish.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/scenes/KWHandleHold.h"
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

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <tuple>
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

// What shows of a camera picture is measured in so many bands of rows: a
// label or a handle may then come as near to the round of a dome as to its
// pixels.
constexpr int kShownBands = 8;

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
    , m_hold(new CKWHandleHold(m_scene, [this] { Arrange(); }))
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
    m_wallShown = KWShownBands(m_wallPicture->pixmap(), kShownBands);
    m_ceilingShown = KWShownBands(m_ceilingPicture->pixmap(), kShownBands);
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
    m_hold->Step({ m_cameraHandle, m_distanceHandle, m_objectHandle }, m_values.rectTimes);
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

    KWSetLabelText(m_cameraLabel, LengthText(m_values.installHeight));
    m_cameraHandle->SetMoveRange(l.cameraRange.min, l.cameraRange.max);
    m_ceilingPicture->setPos(KWToQPointF(l.cameraPicture));
    m_wallPicture->setPos(KWToQPointF(l.cameraPicture));

    KWSetLabelText(m_heightLabel, LengthText(m_values.objectHeight));
    PlacePerson(l.person);
    m_distanceHandle->SetMoveRange(l.distanceRange.min, l.distanceRange.max);
    m_objectHandle->SetMoveRange(l.objectRange.min, l.objectRange.max);

    KWSetLabelText(m_distanceLabel, LengthText(m_values.objectDistance));
    Arrange();

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
    KWSetLabelText(m_heightLabel, LengthText(height));

    const double objectPx = m_layout.originY - y;
    m_layout.person = KWFishPersonAt(m_values, m_layout, objectPx);
    PlacePerson(m_layout.person);
    m_layout.objectHandle = { m_layout.objectX - 13.0 * t, y - 13.0 * t };
    m_layout.cameraRange = KWFishCameraRange(m_values, m_layout, objectPx);
    m_cameraHandle->SetMoveRange(m_layout.cameraRange.min, m_layout.cameraRange.max);
    m_layout.heightLabel = { KWFishHeightLabelX(m_values, m_layout.objectX), y - 13.0 * t };
    Arrange();
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

namespace {

// Two handles dragged up and down that stand this near to one row keep room
// between them for a label above the left one, the more the nearer: as much
// as the label stands out beside its handle, and for the person's label the
// room to keep its distance from the camera to the left of it too.
constexpr double kSameRow = 12.0;
// The room fades out over the last units of that.
constexpr double kRowFade = 4.0;
constexpr double kCameraLabelRoom = 13.0;
constexpr double kPersonLabelRoom = 22.0;
// Between a label and the handle under it.
constexpr double kAboveHandle = 2.0;
// A place nearer its own handle by only half the margin counts as so many
// units farther.
constexpr double kLesserLeadCost = 10.0;

struct Placed {
    CKWQTVSliderItem* handle;
    KWScenePoint home; // the offset its value gives it, scene pixels
    KWScenePoint centre; // units
};

// The handle at `other` seen as something `placing`, of the object handle
// `person`, keeps clear of to `side` of it.
KWKeepOff KeepOffHandle(
    const Placed& placing, const Placed& other, KWSide side, const CKWQTVSliderItem* person)
{
    const KWScenePoint& c = other.centre;
    const bool sideBySide = placing.handle->IsVertical() && other.handle->IsVertical();
    const CKWQTVSliderItem* left = side == KWSide::Higher ? other.handle : placing.handle;
    const double row = std::clamp((kSameRow - std::abs(c.y - placing.centre.y)) / kRowFade, 0.0, 1.0);
    const double room = sideBySide ? (left == person ? kPersonLabelRoom : kCameraLabelRoom) * row : 0.0;
    return KWHandleKeepOff(c, room, side);
}

// Where a handle's centre may stand across within two handles' widths of the
// camera's pixels (the whole of `sideways` without a camera).
KWSceneRange NearCamera(const KWSceneBox& camera, const KWSceneRange& sideways)
{
    if (camera.IsEmpty()) {
        return sideways;
    }
    const double reach = 4.0 * KW_HANDLE_HALF + KW_HANDLE_HALF - 1.0;
    return { std::max(sideways.min, camera.left - reach), std::min(sideways.max, camera.right + reach) };
}

// Where the camera's handle, none being held, stands across: beside the
// camera, clear of the handles placed before it. Of its places, the first
// that is clear without being squeezed into its room: past the person's
// handle, away from the camera; between the two; on the camera's far side.
// Failing that, the one least under another handle, then least squeezed.
double CameraHandleAtRest(const Placed& p, const std::vector<Placed>& before, const KWSceneBox& camera,
    const KWSceneRange& sideways, const CKWQTVSliderItem* person, const KWSceneBox& personLabel)
{
    struct Choice {
        double across = 0.0;
        double under = 0.0;
        double squeeze = 0.0;
    };
    const auto tryAt = [&](double nominal, KWSide side, const KWSceneRange& range) {
        std::vector<KWKeepOff> off;
        for (const Placed& other : before) {
            off.push_back(KeepOffHandle(p, other, side, person));
        }
        if (!personLabel.IsEmpty()) {
            off.push_back({ personLabel, KW_HANDLE_HALF, side });
        }
        const KWScenePoint centre { nominal, p.centre.y };
        Choice c { KWAcrossClearOf(centre, true, off, range) };
        c.squeeze = std::abs(c.across - KWAcrossClearOf(centre, true, off, { -1e9, 1e9 }));
        for (const Placed& other : before) {
            // How far it reaches into the other as it keeps off it.
            const double dx = std::max(0.0, std::abs(c.across - other.centre.x) - KW_HANDLE_HALF);
            const double dy = std::max(0.0, std::abs(p.centre.y - other.centre.y) - KW_HANDLE_HALF);
            c.under = std::max(c.under, KW_HANDLE_HALF - std::hypot(dx, dy));
        }
        return c;
    };
    const KWSceneRange near = NearCamera(camera, sideways);
    // Off the camera's pixels but for a rim.
    const double rim = KW_HANDLE_HALF - 5.0;
    const KWSceneRange right { std::max(near.min, camera.right + rim), near.max };
    const KWSceneRange left { near.min, std::min(near.max, camera.left - rim) };
    // On the far side, its place mirrored about the camera, where the view
    // has room for it and its label (a wall has none behind it).
    const double mirrored = camera.left + camera.right - p.centre.x;
    const bool farSide = mirrored - 2.0 * KW_HANDLE_STEP - kPersonLabelRoom >= sideways.min;
    const Choice away = tryAt(p.centre.x, KWSide::Higher, right);
    const Choice toward = tryAt(p.centre.x, KWSide::Lower, right);
    const Choice far = farSide ? tryAt(mirrored, KWSide::Lower, left) : Choice { 0.0, 1e9, 1e9 };
    // A person whose head stands in the camera's row has the camera's near
    // side to itself where the far side is free.
    const bool headInRow = std::any_of(before.begin(), before.end(), [&](const Placed& other) {
        return other.handle == person && std::abs(other.centre.y - p.centre.y) < kSameRow;
    });
    const Choice inRow[] = { far, away, toward };
    const Choice apart[] = { away, toward, far };
    const Choice(&choices)[3] = headInRow ? inRow : apart;
    // Less than this reads as clear: the distances are worked out in floating
    // point from the same keep-offs.
    constexpr double kClear = 0.01;
    const Choice* best = &choices[0];
    for (const Choice& c : choices) {
        if (c.under < kClear && c.squeeze < kClear) {
            return c.across;
        }
        if (c.under < best->under || (c.under == best->under && c.squeeze < best->squeeze)) {
            best = &c;
        }
    }
    return best->across;
}

// Where the camera shows, whole: the rivals of the room, which are the
// camera's.
KWSceneBox CameraExtent(const KWLabelRoom& room)
{
    KWSceneBox extent;
    for (const KWPlacedHandle& part : room.rivals) {
        extent = KWBoxUnion(extent, part.box);
    }
    return extent;
}

// A person too short for its height label to stand under its handle has it
// beside, on its far side from the camera: where it stands there, with the
// ink `ink` (units), for the camera's handle to keep off. Empty for a taller
// one; `floor` is the floor line's height.
KWSceneBox ShortPersonsLabel(const std::vector<Placed>& before, const CKWQTVSliderItem* person, KWSide side,
    const QRectF& ink, double floor)
{
    const auto placed = std::find_if(
        before.begin(), before.end(), [person](const Placed& p) { return p.handle == person; });
    if (placed == before.end() || placed->centre.y + KW_HANDLE_HALF + ink.height() < floor) {
        return {};
    }
    const KWScenePoint& c = placed->centre;
    const double near = KW_HANDLE_HALF + 2.0;
    return side == KWSide::Higher
        ? KWSceneBox { c.x + near, c.y - ink.height(), c.x + near + ink.width(), c.y }
        : KWSceneBox { c.x - near - ink.width(), c.y - ink.height(), c.x - near, c.y };
}

// Where a label stands centred above the handle whose offset is `handle`.
QPointF AboveHandle(const QGraphicsItem* label, const KWScenePoint& handle, double scale)
{
    const auto* sceneLabel = dynamic_cast<const CKWQTSceneLabel*>(label);
    const QRectF ink = sceneLabel != nullptr ? sceneLabel->UnitInkRect(scale) : QRectF();
    return { handle.x + (KW_HANDLE_HALF - ink.center().x()) * scale,
        handle.y - (kAboveHandle + ink.bottom()) * scale };
}

} // namespace

void CKWQTSideSceneFish::Arrange()
{
    KWLabelRoom room = KWLabelRoomIn(m_view, m_values.rectTimes);
    // Where the person's head meets the camera's row a label may find no
    // place so clearly its handle's: it takes one less clearly so, rather
    // than one nearer another handle or far off.
    room.ownerLeads
        = { { KW_LABEL_OWNER_MARGIN, 0.0 }, { KW_LABEL_OWNER_MARGIN * 2.0 / 3.0, kLesserLeadCost } };
    // A number beside the camera reads as the camera's.
    if (m_values.ceiling) {
        KWRival(m_ceilingPicture, m_ceilingShown, m_cameraHandle, room);
    } else {
        KWRival(m_wallPicture, m_wallShown, m_cameraHandle, room);
    }
    ArrangeHandles(room);
    for (const QGraphicsItem* picture : { m_ceilingPicture, m_wallPicture, m_personPicture }) {
        KWAvoid(picture, room);
    }
    // A number on the camera's pole reads as the camera's, and one the floor
    // runs through as a distance on it.
    const KWFishSideLayout& l = m_layout;
    const double k = room.scale;
    const double floorLeft = l.lines[KW_FISH_LINE_LEFT_FLOOR].from.x / k;
    const double floorRight = l.lines[KW_FISH_LINE_BEYOND_PERSON].to.x / k;
    room.taken.push_back({ l.originX / k - 0.5, room.bounds.top, l.originX / k + 0.5, l.originY / k });
    room.taken.push_back({ floorLeft, l.originY / k - 0.5, floorRight, l.originY / k + 0.5 });

    QPointF cameraHome = KWToQPointF(CameraLabelHome(room));
    QPointF heightHome = KWToQPointF(HeightLabelHome(room));
    // The camera's handle and the person's side by side in one row leave room
    // for a label above the left one; its label stands there, the other's
    // beside its own.
    const QPointF camera = m_cameraHandle->sceneBoundingRect().center() / k;
    const QPointF person = m_objectHandle->sceneBoundingRect().center() / k;
    if (std::abs(camera.y() - person.y()) < kSameRow
        && std::abs(camera.x() - person.x()) < 2.0 * KW_HANDLE_HALF + kPersonLabelRoom + 1.0) {
        if (camera.x() < person.x()) {
            cameraHome = AboveHandle(m_cameraLabel, l.cameraHandle, k);
        } else {
            heightHome = AboveHandle(m_heightLabel, l.objectHandle, k);
        }
    }
    const std::tuple<QGraphicsTextItem*, QPointF, CKWQTVSliderItem*, KWScenePoint> labels[] = {
        { m_cameraLabel, cameraHome, m_cameraHandle, l.cameraHandle },
        { m_heightLabel, heightHome, m_objectHandle, l.objectHandle },
        { m_distanceLabel, KWToQPointF(l.distanceLabel), m_distanceHandle, l.distanceHandle },
    };
    const KWSceneBox view = room.bounds;
    for (const auto& [label, home, own, ownHome] : labels) {
        if (own != m_cameraHandle) {
            // The person's numbers stand on the person's side of the camera's
            // pole, where they are read with the person; its height above the
            // floor, its distance under it.
            room.bounds = view;
            (m_values.ceiling && !m_values.rightSide ? room.bounds.right : room.bounds.left) = l.originX / k;
            (own == m_objectHandle ? room.bounds.bottom : room.bounds.top) = l.originY / k;
        }
        KWPlaceLabel(label, m_hold->LabelHome(label, home, KWToQPointF(ownHome)), own, room);
        m_hold->NoteLabel(label, own);
    }
}

KWScenePoint CKWQTSideSceneFish::CameraLabelHome(const KWLabelRoom& room) const
{
    // The drawing puts the label right of the handle; a handle that moved to
    // the camera's far side has it on its own far side, or above it where
    // the view ends there.
    const KWFishSideLayout& l = m_layout;
    const double k = room.scale;
    const QPointF handle = m_cameraHandle->sceneBoundingRect().center() / k;
    const KWSceneBox camera = CameraExtent(room);
    if (camera.IsEmpty() || handle.x() >= camera.left) {
        return l.cameraLabel;
    }
    const QRectF ink = dynamic_cast<const CKWQTSceneLabel*>(m_cameraLabel)->UnitInkRect(k);
    // Mirrored about the handle as it would stand where its value puts it.
    const double centre = l.cameraHandle.x / k + KW_HANDLE_HALF;
    const KWScenePoint far { (2.0 * centre - ink.right() - (l.cameraLabel.x / k + ink.left() - centre)) * k,
        l.cameraLabel.y };
    const double step = handle.x() - centre;
    if (far.x / k + step + ink.left() >= room.bounds.left) {
        return far;
    }
    // Above the camera's pixels too, which it would rather not hide.
    const QPointF above = AboveHandle(m_cameraLabel, l.cameraHandle, k);
    const double lift = std::max(0.0, (l.cameraHandle.y / k) - (camera.top - kAboveHandle));
    return { above.x(), above.y() - lift * k };
}

QRectF CKWQTSideSceneFish::HeightLabelInk(const KWLabelRoom& room) const
{
    return dynamic_cast<const CKWQTSceneLabel*>(m_heightLabel)->UnitInkRect(room.scale);
}

KWScenePoint CKWQTSideSceneFish::HeightLabelHome(const KWLabelRoom& room) const
{
    // On a ceiling mount the drawing puts the label between the person and
    // the camera's pole; it stands on the person's far side instead where it
    // fits there, clear of the pole and of the camera's handle.
    const KWFishSideLayout& l = m_layout;
    if (!m_values.ceiling) {
        return l.heightLabel;
    }
    const QRectF ink = HeightLabelInk(room);
    const KWScenePoint far { KWFishHeightLabelAcrossX(m_values, l.objectX), l.heightLabel.y };
    const double left = far.x / room.scale + ink.left();
    const double right = far.x / room.scale + ink.right();
    return left >= room.bounds.left && right <= room.bounds.right ? far : l.heightLabel;
}

void CKWQTSideSceneFish::ArrangeHandles(KWLabelRoom& room)
{
    const double k = room.scale;
    const KWSceneBox& b = room.bounds;
    const KWSceneBox camera = CameraExtent(room);
    const auto at = [k](CKWQTVSliderItem* handle, const KWScenePoint& home) {
        return Placed { handle, home, { home.x / k + KW_HANDLE_HALF, home.y / k + KW_HANDLE_HALF } };
    };
    // Who yields, when none is held: the camera's handle to the person's,
    // and the person's height handle to the one on the floor, each sideways.
    std::vector<Placed> order = { at(m_distanceHandle, m_layout.distanceHandle),
        at(m_objectHandle, m_layout.objectHandle), at(m_cameraHandle, m_layout.cameraHandle) };
    const CKWQTVSliderItem* held = m_hold->Held();
    const auto heldOne
        = std::find_if(order.begin(), order.end(), [held](const Placed& p) { return p.handle == held; });
    if (heldOne != order.end()) {
        // The held one goes first and keeps its place across its travel; the
        // others make room for it.
        std::rotate(order.begin(), heldOne, heldOne + 1);
        (held->IsVertical() ? order.front().centre.x : order.front().centre.y) = m_hold->HeldAcross();
    }
    // The person's height handle steps away from the camera, to the person's
    // side of it.
    const KWSide personSide = m_values.ceiling && !m_values.rightSide ? KWSide::Lower : KWSide::Higher;
    const KWSceneRange sideways { b.left + KW_HANDLE_HALF, b.right - KW_HANDLE_HALF };
    const auto within = [](const KWSceneRange& a, const KWSceneRange& b) {
        return KWSceneRange { std::max(a.min, b.min), std::min(a.max, b.max) };
    };
    // In a drag a handle that meets the end of its range lets the other pass
    // over it rather than leap back once it has passed.
    const KWPastRange pastRange = held != nullptr ? KWPastRange::StepsBack : KWPastRange::HoldsAtTheEnd;
    for (size_t i = heldOne != order.end() ? 1 : 0; i < order.size(); ++i) {
        Placed& p = order[i];
        // The handles before it, each on the side the drag found it, or else
        // on `restSide`; and how far into them it would stand at `across`.
        const auto keepOff = [&](KWSide restSide) {
            std::vector<KWKeepOff> off;
            for (size_t j = 0; j < i; ++j) {
                const KWSide side
                    = held != nullptr ? m_hold->SideOf(p.handle, order[j].handle, restSide) : restSide;
                off.push_back(KeepOffHandle(p, order[j], side, m_objectHandle));
            }
            return off;
        };
        if (p.handle == m_distanceHandle) {
            // It marks a place on the floor: it rises at most its own height.
            p.centre.y = KWAcrossClearOf(p.centre, false, keepOff(KWSide::Higher),
                { p.centre.y - 2.0 * KW_HANDLE_HALF,
                    std::min(p.centre.y + KW_HANDLE_STEP, b.bottom - KW_HANDLE_HALF) },
                pastRange);
        } else if (p.handle == m_objectHandle) {
            std::vector<KWKeepOff> offCamera;
            for (const KWPlacedHandle& part : room.rivals) {
                offCamera.push_back({ part.box, KW_HANDLE_OFF_PICTURE, personSide });
            }
            p.centre.x = KWAcrossClearOf(p.centre, true, offCamera, sideways);
            // It makes room for the handles before it, by little more than a
            // handle's width: one that passes it then passes over it rather
            // than carrying it along.
            const double reach = KW_HANDLE_STEP + kPersonLabelRoom;
            p.centre.x = KWAcrossClearOf(p.centre, true, keepOff(personSide),
                within({ p.centre.x - reach, p.centre.x + reach }, sideways), pastRange);
        } else {
            const std::vector<Placed> before(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(i));
            if (held != nullptr) {
                // Where the drag found it, on the sides it found it.
                const double start = m_hold->StartOf(p.handle).x;
                p.centre.x = KWAcrossClearOf(p.centre, true, keepOff(KWSide::Higher),
                    within(within({ start - KW_HANDLE_STEP - kPersonLabelRoom,
                                      start + KW_HANDLE_STEP + kPersonLabelRoom },
                               sideways),
                        NearCamera(camera, sideways)),
                    pastRange);
            } else {
                p.centre.x = CameraHandleAtRest(p, before, camera, sideways, m_objectHandle,
                    ShortPersonsLabel(
                        before, m_objectHandle, personSide, HeightLabelInk(room), m_layout.originY / k));
            }
        }
    }
    for (const Placed& p : order) {
        KWTakeHandleAt(p.handle, KWToQPointF(p.home), p.centre, room);
    }
}

QString CKWQTSideSceneFish::LengthText(double value) const
{
    // asprintf formats in the C locale whatever the process locale is.
    return m_metric ? QString::asprintf("%0.2fm", value) : QString::asprintf("%0.2fft", value);
}
