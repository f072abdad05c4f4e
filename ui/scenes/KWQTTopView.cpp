#include "ui/scenes/KWQTTopView.h"

#include "ui/qt/KWControlKit.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWSceneFootprints.h"
#include "ui/scenes/KWSceneViewSupport.h"
#include "ui/scenes/KWTopViewGeometry.h"

#include <QBrush>
#include <QChar>
#include <QColor>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>

#include <new>

namespace {

const QColor kEdgeColour(43, 71, 72);
const QColor kWidthLineColour(124, 124, 124);
const QColor kSectorColour(222, 233, 239);
// The width label is written into a buffer of this many characters.
constexpr int kLabelLength = 200;

} // namespace

CKWTopView* CreateKWTopView(IKWTopViewEvent* listener)
{
    return new (std::nothrow) CKWQTTopView(listener);
}

CKWQTTopView::CKWQTTopView(IKWTopViewEvent* listener)
    : QGraphicsView()
    , CKWTopView(listener)
    , m_scene(new QGraphicsScene(this))
{
    KWSetupSceneView(this, m_scene);
    // Any change paints the whole view once; an update that changes nothing,
    // as most of the calculator's updates are here, paints nothing.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    m_angleIcon = m_scene->addPixmap(QPixmap());
    m_leftEdge = KWAddSceneLine(m_scene, QLineF(), QPen(kEdgeColour));
    m_rightEdge = KWAddSceneLine(m_scene, QLineF(), QPen(kEdgeColour));
    m_widthLine = KWAddSceneLine(m_scene, QLineF(), QPen(kWidthLineColour));
    for (QGraphicsTextItem** label : { &m_widthLabel, &m_angleLabel }) {
        *label = KWAddSceneLabel(m_scene, QString());
        (*label)->setDefaultTextColor(Qt::black);
        (*label)->setZValue(KW_SCENE_LABEL_Z);
        KWSetLabelScale(*label, 1.0);
    }
    m_sector = m_scene->addPath(QPainterPath());
    // The fill lies under the edges, the line, the labels and the pictures.
    m_sector->setZValue(-0.2);
}

CKWQTTopView::~CKWQTTopView() = default;

int CKWQTTopView::Create(DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    return KWCreateSceneView(this, style, rect, parent);
}

void CKWQTTopView::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTTopView::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        KWMoveSceneView(this, KWInclusiveRect(*rect));
    }
}

void CKWQTTopView::MoveWindow(int x, int y, int width, int height)
{
    KWMoveSceneView(this, QRect(x, y, width, height));
}

QGraphicsPixmapItem* CKWQTTopView::LoadIcon(QGraphicsPixmapItem* icon, LPCWSTR name, int& width, int& height)
{
    QPixmap picture;
    KWLoadSkinPixmap(name, picture);
    width = picture.width();
    height = picture.height();
    if (icon == nullptr) {
        return m_scene->addPixmap(picture);
    }
    icon->setPixmap(picture);
    return icon;
}

int CKWQTTopView::SetImage(LPCWSTR camera, LPCWSTR target, LPCWSTR angleIcon)
{
    m_cameraIcon = LoadIcon(m_cameraIcon, camera, m_cameraWidth, m_cameraHeight);
    int unusedWidth = 0;
    int unusedHeight = 0;
    LoadIcon(m_angleIcon, angleIcon, unusedWidth, unusedHeight);
    m_targetIcon = LoadIcon(m_targetIcon, target, m_targetWidth, m_targetHeight);
    return 1;
}

KWTopViewFrame CKWQTTopView::Frame() const
{
    return KWMakeTopViewFrame(width(), height(), m_cameraHeight, m_rectTimes);
}

void CKWQTTopView::UpdateVisibleWidth(double distance)
{
    m_distance = distance;
    const KWTopViewFrame frame = Frame();
    const KWTopViewWidthLine line = KWTopViewWidthLineAt(frame, m_angle, distance, m_axisMax);

    // Without a place for the line there is nothing to draw on it: hide it
    // rather than leave it where an earlier distance put it.
    m_widthLine->setVisible(line.placed);
    m_widthLabel->setVisible(line.placed);
    if (m_targetIcon != nullptr) {
        m_targetIcon->setVisible(line.placed);
    }
    if (line.placed) {
        m_widthLine->setLine(line.x1, line.y, line.x2, line.y);
        m_widthLabelHome = QPointF(frame.width - 70.0 * m_rectTimes, line.y - 10.0 * m_rectTimes);
        KWSetLabelScale(m_widthLabel, m_rectTimes);
        const double seen = KWTopViewVisibleWidth(m_angle, distance);
        KWSetLabelText(
            m_widthLabel, QString::asprintf(m_metric ? "%0.2fm" : "%0.2fft", seen).left(kLabelLength));
        if (m_targetIcon != nullptr) {
            m_targetIcon->setPos((width() - m_targetWidth) / 2, line.y - m_targetHeight / 2);
        }
    }
    if (m_cameraIcon != nullptr) {
        m_cameraIcon->setPos((width() - m_cameraWidth) / 2, height() - m_cameraHeight);
    }
    ArrangeLabels();
}

void CKWQTTopView::UpdateVisualAngle(double angle)
{
    m_angle = angle;
    const KWTopViewFrame frame = Frame();
    const KWTopViewSector sector = KWTopViewSectorFor(frame, angle);
    const QPointF apex(frame.ApexX(), frame.apexY);

    m_leftEdge->setLine(QLineF(KWToQPointF(sector.leftEnd), apex));
    m_rightEdge->setLine(QLineF(KWToQPointF(sector.rightEnd), apex));
    if (sector.throughSides) {
        // Edges lying on the fill's own border take its colour. The narrower
        // case leaves them as they are, so they keep this colour once given.
        m_leftEdge->setPen(KWScenePen(kSectorColour, m_rectTimes));
        m_rightEdge->setPen(KWScenePen(kSectorColour, m_rectTimes));
    }

    QPainterPath outline(KWToQPointF(sector.outline.front()));
    for (size_t i = 1; i < sector.outline.size(); ++i) {
        outline.lineTo(KWToQPointF(sector.outline[i]));
    }
    outline.closeSubpath();
    m_sector->setPath(outline);
    m_sector->setPen(KWScenePen(kSectorColour, m_rectTimes));
    m_sector->setBrush(QBrush(kSectorColour));

    KWSetLabelText(m_angleLabel, QString::asprintf("%0.2f", angle) + QChar(0x00B0));
    m_angleLabelHome = QPointF(frame.ApexX() - 20.0 * m_rectTimes, frame.apexY / 2.0);
    KWSetLabelScale(m_angleLabel, m_rectTimes);
    m_angleIcon->setPos(frame.ApexX() - 56.0 * m_rectTimes, frame.apexY / 2.0 + 25.0 * m_rectTimes);
    ArrangeLabels();
}

void CKWQTTopView::ArrangeLabels()
{
    // The pictures stay whole: the target and the camera are what the user
    // looks for first, and the angle's picture stands beside its label.
    KWLabelRoom room = KWLabelRoomIn(this, m_rectTimes);
    const QGraphicsItem* pictures[] = { m_targetIcon, m_cameraIcon, m_angleIcon };
    for (const QGraphicsItem* picture : pictures) {
        KWTake(picture, room);
    }
    KWPlaceLabel(m_widthLabel, m_widthLabelHome, nullptr, room);
    KWPlaceLabel(m_angleLabel, m_angleLabelHome, nullptr, room);
}

void CKWQTTopView::SetVirtulXaxisMax(double nearDistance, double axisMax)
{
    m_nearDistance = nearDistance;
    m_axisMax = axisMax;
    UpdateVisibleWidth(m_distance);
}

void CKWQTTopView::SetParam(double angle, double distance)
{
    UpdateVisualAngle(angle);
    UpdateVisibleWidth(distance);
}

void CKWQTTopView::OnView_ChangeUnit(int metric)
{
    m_metric = metric != 0;
    if (m_metric) {
        m_distance /= KW_FEET_PER_METRE;
        m_axisMax /= KW_FEET_PER_METRE;
    } else {
        m_distance *= KW_FEET_PER_METRE;
        m_axisMax *= KW_FEET_PER_METRE;
    }
    UpdateVisibleWidth(m_distance);
}

void CKWQTTopView::SetRectTimes(double times)
{
    m_rectTimes = times;
    for (QGraphicsLineItem* line : { m_leftEdge, m_rightEdge, m_widthLine }) {
        KWScalePen(line, times);
    }
}
