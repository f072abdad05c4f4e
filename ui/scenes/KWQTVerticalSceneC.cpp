#include "ui/scenes/KWQTVerticalSceneC.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTDoubleSpiner.h"
#include "ui/scenes/KWHandleHold.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWSceneFootprints.h"
#include "ui/scenes/KWSceneViewSupport.h"

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QMetaObject>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <new>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Axis box ranges in metres; in feet they are the same lengths.
constexpr double kLengthBoxMin = 2.29;
constexpr double kLengthBoxMax = 999.0;
constexpr double kHeightBoxMin = 1.0;
constexpr double kHeightBoxMax = 435.99;

const QColor kAxisColour(0, 0, 0);
const QColor kEdgeColour(145, 234, 240);
const QColor kFieldOfViewColour(222, 233, 239);
const QColor kVerticalAngleColour(218, 75, 7);

// A tilt the view changed from the one it was given or had (held at a
// bound, or moved with the blind distance by a new axis) is taken as the tilt
// field shows it; a tilt left as given is the panel's own and is not touched.
void TakeChangedTilt(SideViewModel& model, double given)
{
    if (model.installAngle != given) {
        SideViewTakeTiltAtHundredths(model);
    }
}

// An axis that moved the blind distance onto it set the one a new mount
// height keeps.
void KeepMovedBlindDistance(SideViewModel& model, double before)
{
    if (model.blindDistance != before) {
        SideViewKeepBlindDistance(model);
    }
}

// Qt lays a text out again for every width it is given, and marks an item
// for repainting for every scale, rotation or pivot, the same or not: each
// would paint the whole drawing again when nothing changed.
void SetTextWidth(QGraphicsTextItem* label, double width)
{
    if (label->textWidth() != width) {
        label->setTextWidth(width);
    }
}

void SetScale(QGraphicsItem* item, double scale)
{
    if (item->scale() != scale) {
        item->setScale(scale);
    }
}

void SetRotation(QGraphicsItem* item, const QPointF& pivot, double degrees)
{
    if (item->transformOriginPoint() != pivot) {
        item->setTransformOriginPoint(pivot);
    }
    if (item->rotation() != degrees) {
        item->setRotation(degrees);
    }
}

QString AngleText(double degrees)
{
    return QString::asprintf("%0.2f", degrees) + QChar(0x00B0);
}

// What an axis box, its unit and its title cover at the places given, in
// the room's units.
KWSceneBox AxisControlsFootprint(const QGraphicsView* view, const QWidget* box, const QRect& boxPlace,
    const QGraphicsItem* unit, const SideViewPoint& unitPlace, const QGraphicsItem* title,
    const SideViewPoint& titlePlace, const KWLabelRoom& room)
{
    const KWSceneBox captions = KWBoxUnion(KWArrangedBoxAt(unit, KWToQPointF(unitPlace), room),
        KWArrangedBoxAt(title, KWToQPointF(titlePlace), room));
    return box != nullptr ? KWBoxUnion(captions, KWInRoomUnits(KWParentRectInScene(view, boxPlace), room))
                          : captions;
}

// A control moved by a fraction of a pixel less than its shift would still
// overlap what it steps aside from.
int WholePixelsAwayFromZero(double shift)
{
    return static_cast<int>(shift < 0.0 ? std::floor(shift) : std::ceil(shift));
}

} // namespace

CKWVerticalSceneC* CreateKWVerticalSceneC(IKWVerticalSceneCEvent* listener)
{
    return new (std::nothrow) CKWQTVerticalSceneC(listener);
}

CKWQTVerticalSceneC::CKWQTVerticalSceneC(IKWVerticalSceneCEvent* listener)
    : QWidget(nullptr)
    , CKWVerticalSceneC(listener)
{
    m_view = new QGraphicsView(this);
    m_scene = new QGraphicsScene(this);
    m_scene->setBackgroundBrush(QBrush(QColor(255, 255, 255)));
    KWSetupDrawingView(m_view, m_scene);
    // Any change paints the whole drawing, once, when the scene hands its
    // changes to the view: a whole viewport is cheaper to paint than the many
    // pieces the items mark, and a drawing that did not change is not painted.
    m_view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);

    const auto makeLine = [this](const QColor& colour) {
        auto* line = new CKWQTGraphicsLineItem();
        line->setPen(QPen(QBrush(colour), 1.0));
        m_scene->addItem(line);
        return line;
    };
    m_axisTop = makeLine(kAxisColour);
    m_pole = makeLine(kAxisColour);
    m_nearGround = makeLine(kAxisColour);
    m_coveredGround = makeLine(kAxisColour);
    m_farGround = makeLine(kAxisColour);
    m_upperEdge = makeLine(kEdgeColour);
    m_lowerEdge = makeLine(kEdgeColour);

    const auto makeHandle = [this](int id, bool vertical, qreal z) {
        auto* handle = new CKWQTVSliderItem(id, vertical);
        handle->SetSliderEvent(this);
        handle->setZValue(z);
        m_scene->addItem(handle);
        return handle;
    };
    m_heightHandle = makeHandle(HeightHandleId, true, 1.0);
    m_targetHeightHandle = makeHandle(TargetHeightHandleId, true, 1.0);
    m_camera = m_scene->addPixmap(QPixmap());
    m_person = m_scene->addPixmap(QPixmap());
    m_blindHandle = makeHandle(BlindDistanceHandleId, false, 1.0);
    m_targetDistanceHandle = makeHandle(TargetDistanceHandleId, false, 0.0);

    const auto makeLabel = [this](const QString& text) {
        auto* label = new CKWQTSceneLabel(text);
        KWSetLabelScale(label, 1.0);
        label->setZValue(KW_SCENE_LABEL_Z);
        m_scene->addItem(label);
        return label;
    };
    m_installAngleLabel = makeLabel(QString());
    m_installHeightLabel = makeLabel(QString());
    m_blindDistanceLabel = makeLabel(QString());
    m_verticalAngleLabel = makeLabel(QString());
    m_verticalAngleLabel->setDefaultTextColor(kVerticalAngleColour);
    m_heightUnitLabel = makeLabel(QStringLiteral("m"));
    m_lengthUnitLabel = makeLabel(QStringLiteral("m"));
    m_heightTitle = makeLabel(QStringLiteral("Height"));
    m_lengthTitle = makeLabel(QStringLiteral("Length"));
    m_targetDistanceLabel = makeLabel(QString());

    m_fieldOfView = new QGraphicsPathItem();
    m_fieldOfView->setZValue(-0.2);
    m_fieldOfView->setPen(QPen(kFieldOfViewColour));
    m_fieldOfView->setBrush(QBrush(kFieldOfViewColour));
    m_scene->addItem(m_fieldOfView);

    m_targetHeightLabel = makeLabel(QString());
    m_hold = new CKWHandleHold(m_scene, [this] { ArrangeAfterUse(); });
}

// The view, the scene with every item and the axis boxes are children of the
// widget and go with it.
CKWQTVerticalSceneC::~CKWQTVerticalSceneC() = default;

int CKWQTVerticalSceneC::Create(LPCWSTR name, DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    m_placedSize = QSize(rect.right - rect.left + 1, rect.bottom - rect.top + 1);
    return KWCreateSceneWidget(this, name, style, rect, parent);
}

void CKWQTVerticalSceneC::SetCursor() { }

QGraphicsTextItem* CKWQTVerticalSceneC::GetValueLabel(int handleId) const
{
    switch (handleId) {
    case HeightHandleId:
        return m_installHeightLabel;
    case BlindDistanceHandleId:
        return m_blindDistanceLabel;
    case TargetDistanceHandleId:
        return m_targetDistanceLabel;
    case TargetHeightHandleId:
        return m_targetHeightLabel;
    default:
        return nullptr;
    }
}

CKWQTDoubleSpiner* CKWQTVerticalSceneC::MakeAxisBox(UINT id)
{
    auto* box = new CKWQTDoubleSpiner(this);
    const RECT rect { 0, 0, 100, 18 };
    box->Create(L"", rect, KWHandleFromWidget(this), id);
    return box;
}

int CKWQTVerticalSceneC::SetSkin(ImageVericalStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    for (CKWQTVSliderItem* handle : { m_heightHandle, m_targetHeightHandle }) {
        handle->LoadImage(CKWQTVSliderItem::NormalImage, KWToQString(style->strVDragNormal));
        handle->LoadImage(CKWQTVSliderItem::HoverImage, KWToQString(style->strVDragHover));
        handle->LoadImage(CKWQTVSliderItem::PressedImage, KWToQString(style->strVDragPressed));
    }
    for (CKWQTVSliderItem* handle : { m_blindHandle, m_targetDistanceHandle }) {
        handle->LoadImage(CKWQTVSliderItem::NormalImage, KWToQString(style->strHDragNormal));
        handle->LoadImage(CKWQTVSliderItem::HoverImage, KWToQString(style->strHDragHover));
        handle->LoadImage(CKWQTVSliderItem::PressedImage, KWToQString(style->strHDragPressed));
    }
    if (!style->strPerson.empty()) {
        KWLoadSkinPixmap(style->strPerson, m_personPicture);
        m_person->setPixmap(m_personPicture);
    }
    if (!style->strCameraImage.empty()) {
        QPixmap camera;
        KWLoadSkinPixmap(style->strCameraImage, camera);
        m_camera->setPixmap(camera);
    }

    ImageNumSpinerStyle boxStyle;
    boxStyle.strFrame = L"kuang2_nor.png";
    boxStyle.strDownNormal = L"spiner_down_n.png";
    boxStyle.strDownHover = L"spiner_down_h.png";
    boxStyle.strDownPressed = L"spiner_down_p.png";
    boxStyle.strDownDisabled = L"spiner_down_d.png";
    boxStyle.strUpNormal = L"spiner_up_n.png";
    boxStyle.strUpHover = L"spiner_up_h.png";
    boxStyle.strUpPressed = L"spiner_up_p.png";
    boxStyle.strUpDisabled = L"spiner_up_d.png";

    // A later call gives the boxes the skin again; making new ones would
    // leave the first pair on the drawing, still reporting.
    const bool first = m_heightBox == nullptr;
    if (first) {
        m_heightBox = MakeAxisBox(HeightAxisBoxId);
        m_lengthBox = MakeAxisBox(LengthAxisBoxId);
    }
    for (CKWQTDoubleSpiner* box : { m_heightBox, m_lengthBox }) {
        box->SetRectTimes(static_cast<float>(m_model.scale));
        box->SetSkin(&boxStyle);
    }
    if (first) {
        m_heightBox->MoveWindow(70, 5, 100, 18);
        const QRect own = geometry();
        m_lengthBox->MoveWindow(own.right() - own.left() - 69, own.bottom() - own.top() - 24, 100, 18);
        const double factor = m_model.metric ? 1.0 : KW_FEET_PER_METRE;
        m_heightBox->SetRange(kHeightBoxMin * factor, kHeightBoxMax * factor);
        m_lengthBox->SetRange(kLengthBoxMin * factor, kLengthBoxMax * factor);
        ShowAxisMaxima();
        // Made while the view may already be on screen, where a new child
        // stays hidden until shown.
        m_heightBox->show();
        m_lengthBox->show();
        m_heightBox->installEventFilter(this);
        m_lengthBox->installEventFilter(this);
    }
    return 1;
}

bool CKWQTVerticalSceneC::eventFilter(QObject* watched, QEvent* event)
{
    // A box kept in place while in use steps aside once the pointer and the
    // focus have left it, when Qt has told every widget that they did.
    const QEvent::Type type = event->type();
    if ((watched == m_heightBox || watched == m_lengthBox)
        && (type == QEvent::Leave || type == QEvent::FocusOut)) {
        QMetaObject::invokeMethod(this, &CKWQTVerticalSceneC::ArrangeAfterUse, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void CKWQTVerticalSceneC::ArrangeAfterUse()
{
    if (IsLaidOut()) {
        ArrangeAroundDrawing(SideViewComputeLayout(m_model));
    }
}

void CKWQTVerticalSceneC::ShowWindow(int /*show*/) { }

void CKWQTVerticalSceneC::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        m_placedSize = QSize(rect->right - rect->left + 1, rect->bottom - rect->top + 1);
    }
    KWMoveInclusive(this, rect);
}

void CKWQTVerticalSceneC::MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) { }

void CKWQTVerticalSceneC::SetObjectDW(int /*distance*/, int /*width*/) { }

void CKWQTVerticalSceneC::SetRealXY(int x, int y)
{
    if (x != 0) {
        m_model.axisWidth = x;
    }
    if (y != 0) {
        m_model.axisHeight = y;
    }
}

void CKWQTVerticalSceneC::SetVirtualHeight(double height)
{
    SideViewSetInstallHeight(m_model, height);
    RedrawAndReportInstall();
}

void CKWQTVerticalSceneC::SetParam(
    double verticalAngle, double targetDistance, double installHeight, double installAngle, double /*unused*/)
{
    // The panel passes the tilt and the height it holds back after every
    // change, in the other unit too: the ones the view holds, with the same
    // angle of view, set no new blind distance, and the one kept for a new
    // mount height stays.
    const bool sameInstall = installAngle == m_model.installAngle && installHeight == m_model.installHeight
        && verticalAngle == m_model.verticalAngle;
    SideViewSetParam(m_model, verticalAngle, targetDistance, installHeight, installAngle);
    TakeChangedTilt(m_model, installAngle);
    if (!sameInstall) {
        SideViewKeepBlindDistance(m_model);
    }
    RedrawAndReportInstall();
}

void CKWQTVerticalSceneC::SetInstAngle(double angle)
{
    SideViewSetInstAngle(m_model, angle);
    TakeChangedTilt(m_model, angle);
    SideViewKeepBlindDistance(m_model);
    RedrawAndReportInstall();
}

void CKWQTVerticalSceneC::RedrawAndReportInstall()
{
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnInstallChanged(m_model.installAngle, m_model.installHeight);
    }
}

void CKWQTVerticalSceneC::SetTarHDistance(double distance)
{
    m_model.targetDistance = distance;
    Redraw();
}

void CKWQTVerticalSceneC::OnView_ChangeUnit(int metric)
{
    SideViewChangeUnit(m_model, metric != 0);
    const double factor = m_model.metric ? 1.0 : KW_FEET_PER_METRE;
    if (m_lengthBox != nullptr) {
        m_lengthBox->SetRange(kLengthBoxMin * factor, kLengthBoxMax * factor);
        m_heightBox->SetRange(kHeightBoxMin * factor, kHeightBoxMax * factor);
    }
    const QString unit = m_model.metric ? QStringLiteral("m") : QStringLiteral("ft");
    SetLabel(m_heightUnitLabel, unit);
    SetLabel(m_lengthUnitLabel, unit);
    ShowAxisMaxima();
    Redraw();
}

void CKWQTVerticalSceneC::SetRectTimes(double times)
{
    m_model.scale = times;
    // Every label, the tilt beside the camera and the axis titles included.
    for (QGraphicsTextItem* label : { m_installAngleLabel, m_installHeightLabel, m_blindDistanceLabel,
             m_verticalAngleLabel, m_targetDistanceLabel, m_targetHeightLabel, m_heightUnitLabel,
             m_lengthUnitLabel, m_heightTitle, m_lengthTitle }) {
        KWSetLabelScale(label, times);
    }
    for (CKWQTGraphicsLineItem* line :
        { m_axisTop, m_pole, m_nearGround, m_coveredGround, m_farGround, m_upperEdge, m_lowerEdge }) {
        KWScalePen(line, times);
    }
    KWScalePen(m_fieldOfView, times);
}

void CKWQTVerticalSceneC::ChangeXYLangage(LPCWSTR heightCaption, LPCWSTR lengthCaption)
{
    SetLabel(m_heightTitle, KWToQString(heightCaption));
    SetLabel(m_lengthTitle, KWToQString(lengthCaption));
    Redraw();
}

void CKWQTVerticalSceneC::OnSliderPos(int sliderId, double pos)
{
    // A handle has no place on a drawing that is not laid out yet.
    if (!IsLaidOut()) {
        return;
    }
    m_hold->Step(
        { m_heightHandle, m_targetDistanceHandle, m_blindHandle, m_targetHeightHandle }, m_model.scale);
    switch (sliderId) {
    case HeightHandleId:
        OnHeightSlider(pos);
        break;
    case BlindDistanceHandleId:
        OnBlindDistanceSlider(pos);
        break;
    case TargetDistanceHandleId:
        OnTargetDistanceSlider(pos);
        break;
    case TargetHeightHandleId:
        OnTargetHeightSlider(pos);
        break;
    default:
        break;
    }
}

void CKWQTVerticalSceneC::OnHeightSlider(double y)
{
    SideViewDragHeight(m_model, y);
    RedrawAndReportInstall();
}

void CKWQTVerticalSceneC::OnBlindDistanceSlider(double x)
{
    SideViewDragBlindDistance(m_model, x);
    RedrawAndReportInstall();
}

void CKWQTVerticalSceneC::OnTargetDistanceSlider(double x)
{
    SideViewDragTargetDistance(m_model, x);
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnTarHDistanceChanged(m_model.targetDistance);
    }
}

void CKWQTVerticalSceneC::OnTargetHeightSlider(double y)
{
    // Only the person and what hangs on it move: the rest of the drawing and
    // its reports do not depend on the target height.
    m_model.targetHeight = SideViewTargetHeightAt(m_model, y);
    if (m_pListener != nullptr) {
        m_pListener->OnTargetHeightChanged(m_model.targetHeight);
    }
    SideViewLayout layout = SideViewComputeLayout(m_model);
    layout.target = SideViewPlaceTarget(
        m_model, layout.targetPixels, layout.verticalAngleLabel, SideViewTargetHeightPixels(m_model));
    PlaceTarget(layout.target, m_model.targetHeight);
    ArrangeAroundDrawing(layout);
}

void CKWQTVerticalSceneC::OnCurrentNumChanged(UINT id, double value)
{
    if (id == LengthAxisBoxId || id == HeightAxisBoxId) {
        OnAxisBoxChanged(id, value);
    }
}

void CKWQTVerticalSceneC::OnAxisBoxChanged(UINT id, double value)
{
    if (!IsLaidOut()) {
        // Without axes there is no proportion to keep: the boxes go back to
        // the maxima the view holds.
        ShowAxisMaxima();
        return;
    }
    const double targetDistance = m_model.targetDistance;
    const double tilt = m_model.installAngle;
    const double blind = m_model.blindDistance;
    const bool raised = id == LengthAxisBoxId ? SideViewApplyLengthMaximum(m_model, value)
                                              : SideViewApplyHeightMaximum(m_model, value);
    SideViewTakeMovedDistance(m_model, targetDistance);
    TakeChangedTilt(m_model, tilt);
    KeepMovedBlindDistance(m_model, blind);
    // The box typed into already shows its value unless it had to be raised.
    if (m_heightBox != nullptr && (id == LengthAxisBoxId || raised)) {
        m_heightBox->SetCurrentNum(m_model.heightMaximum);
    }
    if (m_lengthBox != nullptr && (id == HeightAxisBoxId || raised)) {
        m_lengthBox->SetCurrentNum(m_model.lengthMaximum);
    }
    if (m_pListener != nullptr) {
        m_pListener->OnInstallChanged(m_model.installAngle, m_model.installHeight);
    }
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnLengthAxisRangeChanged(SideViewMinimumDistance(m_model), m_model.lengthMaximum);
        m_pListener->OnHeightAxisMaxChanged(m_model.heightMaximum);
    }
    ReportMovedTarget(targetDistance);
}

void CKWQTVerticalSceneC::ReportMovedTarget(double previousDistance)
{
    // The axis took the target along: everyone who heard of the old distance
    // hears of the new one, as after a drag of its handle. After the new
    // range, so that the distance lies inside it.
    if (m_pListener != nullptr && m_model.targetDistance != previousDistance) {
        m_pListener->OnTarHDistanceChanged(m_model.targetDistance);
    }
}

void CKWQTVerticalSceneC::OnClicked(int value)
{
    m_model.heightMaximum = value;
    if (value < m_model.installHeight) {
        m_model.installHeight = value;
    }
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnHeightAxisMaxChanged(m_model.heightMaximum);
    }
}

void CKWQTVerticalSceneC::OnClicked1(int value)
{
    const double targetDistance = m_model.targetDistance;
    const double blind = m_model.blindDistance;
    m_model.lengthMaximum = value;
    if (value < m_model.blindDistance) {
        m_model.blindDistance = value;
    }
    KeepMovedBlindDistance(m_model, blind);
    if (value < m_model.targetDistance) {
        m_model.targetDistance = value;
    }
    Redraw();
    if (m_pListener != nullptr) {
        m_pListener->OnLengthAxisRangeChanged(0.0, m_model.lengthMaximum);
    }
    ReportMovedTarget(targetDistance);
}

void CKWQTVerticalSceneC::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double k = m_model.scale;
    m_view->setGeometry(rect());
    const double sceneWidth = std::trunc(width() - 10.0 * k);
    const double sceneHeight = std::trunc(height() - 10.0 * k);
    m_scene->setSceneRect(0.0, 0.0, sceneWidth, sceneHeight);
    m_scene->update();
    m_view->viewport()->update();
    m_sceneSized = true;
    Redraw();
}

void CKWQTVerticalSceneC::mousePressEvent(QMouseEvent* /*event*/) { }

void CKWQTVerticalSceneC::mouseReleaseEvent(QMouseEvent* /*event*/) { }

void CKWQTVerticalSceneC::mouseMoveEvent(QMouseEvent* /*event*/) { }

bool CKWQTVerticalSceneC::IsLaidOut() const
{
    return m_sceneSized && SideViewCanLayOut(m_model);
}

QString CKWQTVerticalSceneC::LengthText(double value) const
{
    return QString::asprintf(m_model.metric ? "%0.2fm" : "%0.2fft", value);
}

void CKWQTVerticalSceneC::SetLabel(QGraphicsTextItem* label, const QString& text)
{
    KWSetLabelText(label, text);
}

void CKWQTVerticalSceneC::ShowAxisMaxima()
{
    if (m_heightBox != nullptr) {
        m_heightBox->SetCurrentNum(m_model.heightMaximum);
        m_lengthBox->SetCurrentNum(m_model.lengthMaximum);
    }
}

void CKWQTVerticalSceneC::PlaceTarget(const SideViewTargetPlace& place, double targetHeight)
{
    SetLabel(m_targetHeightLabel, LengthText(targetHeight));
    SetScale(m_person, place.personScale);
    m_person->setPos(KWToQPointF(place.personPos));
    m_targetHeightHandle->SetMoveRange(place.handleMin, place.handleMax);
}

void CKWQTVerticalSceneC::Redraw()
{
    // Hidden views get their first resize only when shown; until then the
    // scene has no size of its own and there is nothing to draw or report.
    if (!m_sceneSized) {
        return;
    }
    const double k = m_model.scale;
    const SideViewWidgetPlaces places = SideViewPlaceWidgets(width(), height(), k);
    SetTextWidth(m_heightTitle, places.titleWidth);
    SetTextWidth(m_lengthTitle, places.titleWidth);

    // The scene as the 1x look has it, margins as resizeEvent leaves them.
    const bool placed = size() == m_placedSize;
    SideViewSetAxes(m_model, SideViewOneTimesSize(width(), k, placed) - 10.0,
        SideViewOneTimesSize(height(), k, placed) - 10.0);
    if (!SideViewCanLayOut(m_model)) {
        PlaceAxisControls(places, {}, {});
        return;
    }
    const SideViewLayout l = SideViewComputeLayout(m_model);
    m_model.blindMinimum = l.blindMinimum;

    m_axisTop->setLine(KWToQLineF(l.axisTop));
    m_pole->setLine(KWToQLineF(l.pole));
    SetLabel(m_installAngleLabel, AngleText(m_model.installAngle));
    SetTextWidth(m_installAngleLabel, 80.0 * k);
    SetLabel(m_installHeightLabel, LengthText(m_model.installHeight));
    SetTextWidth(m_installHeightLabel, 80.0 * k);
    m_heightHandle->SetMoveRange(l.heightHandleMin, l.heightHandleMax);
    m_camera->setPos(KWToQPointF(l.cameraPos));
    SetRotation(m_camera, KWToQPointF(l.cameraPivot), -m_model.installAngle);

    m_nearGround->setLine(KWToQLineF(l.nearGround));
    m_blindHandle->SetMoveRange(l.blindHandleMin, l.blindHandleMax);
    SetLabel(m_blindDistanceLabel, LengthText(m_model.blindDistance));
    SetLabel(m_verticalAngleLabel, AngleText(m_model.verticalAngle));
    m_lowerEdge->setLine(KWToQLineF(l.lowerEdge));

    m_upperEdge->setLine(KWToQLineF(l.upperEdge));
    QPolygonF polygon;
    for (int i = 0; i < l.polygonSize; ++i) {
        polygon << KWToQPointF(l.polygon[static_cast<size_t>(i)]);
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    m_fieldOfView->setPath(path);
    m_coveredGround->setLine(KWToQLineF(l.coveredGround));
    m_farGround->setLine(KWToQLineF(l.farGround));

    PlaceTarget(l.target, l.targetHeight);
    SetLabel(m_targetDistanceLabel, LengthText(m_model.targetDistance));
    m_targetDistanceHandle->SetMoveRange(l.targetDistanceHandleMin, l.targetDistanceHandleMax);
    // Every handle's place is set by the arrangement, which starts each from
    // the place its value gives it.
    ArrangeAroundDrawing(l);
    // What the items mark is all that is updated: an update of the scene or
    // the view on top got the drawing painted twice whenever another scene
    // painted the window in between.

    // Reported once the drawing stands, so that a listener that calls back
    // into the view finds it consistent. A listener may redraw from inside a
    // report; that redraw has then reported the newer values, and reports of
    // this one must not follow them.
    if (m_pListener == nullptr) {
        return;
    }
    const unsigned generation = ++m_redrawGeneration;
    m_pListener->OnBlindDistanceChanged(m_model.blindDistance, m_model.lengthMaximum);
    if (generation != m_redrawGeneration) {
        return;
    }
    m_pListener->OnTargetHeightChanged(l.targetHeight);
    if (generation != m_redrawGeneration) {
        return;
    }
    m_pListener->OnTargetViewHeightsChanged(l.viewTop, l.viewBottom);
}

bool CKWQTVerticalSceneC::IsInUse(const QWidget* box)
{
    if (box == nullptr) {
        return false;
    }
    const QWidget* focus = box->window()->focusWidget();
    return box->underMouse() || (focus != nullptr && (focus == box || box->isAncestorOf(focus)));
}

QPoint CKWQTVerticalSceneC::AxisControlsShift(const QWidget* box, const QPoint& home,
    const KWSceneBox& controls, const std::vector<KWSceneBox>& drawn, const KWLabelRoom& room)
{
    // A box under the pointer or typed into stays where it is: moved, the
    // next click would land on the drawing, or the text typed on leave.
    if (IsInUse(box)) {
        return box->pos() - home;
    }
    const KWSceneBox row { room.bounds.left, controls.top, room.bounds.right, controls.bottom };
    const KWScenePoint shift = KWClearShift(controls, row, drawn);
    const double k = room.scale;
    return QPoint(WholePixelsAwayFromZero(shift.x * k), WholePixelsAwayFromZero(shift.y * k));
}

void CKWQTVerticalSceneC::PlaceAxisControls(
    const SideViewWidgetPlaces& places, const QPoint& height, const QPoint& length)
{
    if (m_heightBox != nullptr) {
        m_heightBox->MoveWindow(places.heightBoxX + height.x(), places.heightBoxY + height.y(),
            places.heightBoxWidth, places.heightBoxHeight);
        m_lengthBox->MoveWindow(places.lengthBoxX + length.x(), places.lengthBoxY + length.y(),
            places.lengthBoxWidth, places.lengthBoxHeight);
    }
    m_heightUnitLabel->setPos(KWToQPointF(places.heightUnitLabel) + height);
    m_heightTitle->setPos(KWToQPointF(places.heightTitle) + height);
    m_lengthUnitLabel->setPos(KWToQPointF(places.lengthUnitLabel) + length);
    m_lengthTitle->setPos(KWToQPointF(places.lengthTitle) + length);
}

void CKWQTVerticalSceneC::ArrangeAroundDrawing(const SideViewLayout& l)
{
    const SideViewWidgetPlaces places = SideViewPlaceWidgets(width(), height(), m_model.scale);
    KWLabelRoom room = KWLabelRoomIn(m_view, m_model.scale);
    // Each handle from the place its value gives it, stepping aside from
    // those before it. The two on the ground come first, since they may only
    // rise a handle's height off it: the blind-distance handle onto the
    // target-distance one; then the target-height handle of a person
    // standing there steps sideways off both.
    const std::pair<CKWQTVSliderItem*, SideViewPoint> handles[] = {
        { m_heightHandle, l.heightHandleOffset },
        { m_targetDistanceHandle, l.targetDistanceHandleOffset },
        { m_blindHandle, l.blindHandleOffset },
        { m_targetHeightHandle, l.target.handleOffset },
    };
    if (m_hold->Held() != nullptr) {
        ArrangeAroundHeld(handles, room);
    } else {
        for (const auto& [handle, offset] : handles) {
            KWSetOffsetExactly(handle, KWToQPointF(offset));
            KWClearHandle(handle, room);
        }
    }
    KWAvoid(m_camera, room);
    KWAvoid(m_person, room);

    // A box laid over the drawing would hide the camera, the person or a
    // handle under it: the box, its unit and its title step aside together,
    // along the edge of the drawing they stand at.
    std::vector<KWSceneBox> drawn = room.taken;
    drawn.insert(drawn.end(), room.pictures.begin(), room.pictures.end());
    const QRect heightHome(
        places.heightBoxX, places.heightBoxY, places.heightBoxWidth, places.heightBoxHeight);
    const QRect lengthHome(
        places.lengthBoxX, places.lengthBoxY, places.lengthBoxWidth, places.lengthBoxHeight);
    const KWSceneBox heightControls = AxisControlsFootprint(m_view, m_heightBox, heightHome,
        m_heightUnitLabel, places.heightUnitLabel, m_heightTitle, places.heightTitle, room);
    const KWSceneBox lengthControls = AxisControlsFootprint(m_view, m_lengthBox, lengthHome,
        m_lengthUnitLabel, places.lengthUnitLabel, m_lengthTitle, places.lengthTitle, room);
    PlaceAxisControls(places,
        AxisControlsShift(m_heightBox, heightHome.topLeft(), heightControls, drawn, room),
        AxisControlsShift(m_lengthBox, lengthHome.topLeft(), lengthControls, drawn, room));
    for (const QGraphicsItem* fixed :
        { m_heightUnitLabel, m_heightTitle, m_lengthUnitLabel, m_lengthTitle }) {
        KWTake(fixed, room);
    }
    for (const CKWQTDoubleSpiner* box : { m_heightBox, m_lengthBox }) {
        if (box != nullptr) {
            room.taken.push_back(KWInRoomUnits(KWParentRectInScene(m_view, box->geometry()), room));
        }
    }

    // In this order each keeps its place before those after it: the tilt
    // stays above the camera height, and the blind distance steps aside from
    // the target it passes. Each stays beside what it labels.
    const std::tuple<QGraphicsTextItem*, SideViewPoint, const QGraphicsItem*> labels[] = {
        { m_installAngleLabel, l.installAngleLabel, m_camera },
        { m_installHeightLabel, l.installHeightLabel, m_heightHandle },
        { m_verticalAngleLabel, l.verticalAngleLabel, nullptr },
        { m_targetHeightLabel, l.target.labelPos, m_targetHeightHandle },
        { m_targetDistanceLabel, l.targetDistanceLabel, m_targetDistanceHandle },
        { m_blindDistanceLabel, l.blindLabel, m_blindHandle },
    };
    for (const auto& [label, home, own] : labels) {
        const auto handle = std::find_if(std::begin(handles), std::end(handles),
            [own = own](const std::pair<CKWQTVSliderItem*, SideViewPoint>& h) { return h.first == own; });
        const QPointF start = handle == std::end(handles)
            ? KWToQPointF(home)
            : m_hold->LabelHome(label, KWToQPointF(home), KWToQPointF(handle->second));
        KWPlaceLabel(label, start, own, room);
    }
    for (const auto& [handle, offset] : handles) {
        if (QGraphicsTextItem* label = GetValueLabel(handle->GetSliderId())) {
            m_hold->NoteLabel(label, handle);
        }
    }
}

void CKWQTVerticalSceneC::ArrangeAroundHeld(
    const std::pair<CKWQTVSliderItem*, SideViewPoint> (&handles)[4], KWLabelRoom& room)
{
    const double k = room.scale;
    const KWSceneBox& b = room.bounds;
    const CKWQTVSliderItem* held = m_hold->Held();
    std::vector<std::pair<CKWQTVSliderItem*, SideViewPoint>> order(std::begin(handles), std::end(handles));
    const auto heldOne = std::find_if(order.begin(), order.end(),
        [held](const std::pair<CKWQTVSliderItem*, SideViewPoint>& h) { return h.first == held; });
    std::rotate(order.begin(), heldOne, heldOne + 1);
    std::vector<KWScenePoint> centres;
    for (const auto& [handle, offset] : order) {
        KWScenePoint centre { offset.x / k + KW_HANDLE_HALF, offset.y / k + KW_HANDLE_HALF };
        if (handle == held) {
            (handle->IsVertical() ? centre.x : centre.y) = m_hold->HeldAcross();
        } else {
            // A handle on the ground rises off it, one of the person's steps
            // sideways, unless the drag began with it on the other side.
            const KWSide level = handle->IsVertical() ? KWSide::Higher : KWSide::Lower;
            std::vector<KWKeepOff> keepOff;
            for (size_t j = 0; j < centres.size(); ++j) {
                keepOff.push_back(
                    KWHandleKeepOff(centres[j], 0.0, m_hold->SideOf(handle, order[j].first, level)));
            }
            // Room by a handle's width at most: one that passes it then
            // passes over it, rather than carry it along or make it leap back.
            const double across = handle->IsVertical() ? centre.x : centre.y;
            const KWSceneRange range = handle->IsVertical()
                ? KWSceneRange { std::max(across - KW_HANDLE_STEP, b.left + KW_HANDLE_HALF),
                      std::min(across + KW_HANDLE_STEP, b.right - KW_HANDLE_HALF) }
                : KWSceneRange { across - 2.0 * KW_HANDLE_HALF,
                      std::min(across + KW_HANDLE_STEP, b.bottom - KW_HANDLE_HALF) };
            (handle->IsVertical() ? centre.x : centre.y)
                = KWAcrossClearOf(centre, handle->IsVertical(), keepOff, range, KWPastRange::StepsBack);
        }
        centres.push_back(centre);
    }
    for (size_t i = 0; i < order.size(); ++i) {
        KWTakeHandleAt(order[i].first, KWToQPointF(order[i].second), centres[i], room);
    }
}
