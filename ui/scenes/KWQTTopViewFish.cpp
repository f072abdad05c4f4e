#include "ui/scenes/KWQTTopViewFish.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWSceneViewSupport.h"

#include <QBrush>
#include <QColor>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <new>

namespace {

const QColor kAxisColour(43, 71, 72);
// Rings 1 (outermost) to 4; dot d takes the colour of the ring it stands for.
const QColor kRingColours[KW_FISH_RING_COUNT] = { QColor(222, 233, 239, 63), QColor(190, 220, 188, 125),
    QColor(109, 193, 128, 190), QColor(0, 163, 53) };

// What the legend says before the calculator has said anything; the fifth
// label repeats the fourth.
const char* const kDefaultLabels[KW_FISH_LABEL_COUNT] = { "Area #1: 0.5m, PPM: 225",
    "Area #2: 1.5m, PPM: 125", "Area #3: 2.0m, PPM: 63", "Area #4: 2.5m, PPM: 25", "Area #4: 2.5m, PPM: 25" };

QPainterPath Circle(const QPointF& centre, double radius)
{
    QPainterPath path;
    path.addEllipse(QRectF(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius));
    return path;
}

void Paint(QGraphicsPathItem* item, const QColor& colour, double times)
{
    item->setPen(KWScenePen(colour, times));
    item->setBrush(QBrush(colour));
}

QBrush RadialFill(
    const QPointF& centre, double radius, const QColor& inner, const QColor& middle, const QColor& outer)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, inner);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1.0, outer);
    return QBrush(gradient);
}

} // namespace

CKWTopViewFish* CreateKWTopViewFish(IKWTopViewFishEvent* listener)
{
    return new (std::nothrow) CKWQTTopViewFish(listener);
}

CKWQTTopViewFish::CKWQTTopViewFish(IKWTopViewFishEvent* listener)
    : QGraphicsView()
    , CKWTopViewFish(listener)
    , m_scene(new QGraphicsScene(this))
{
    KWSetupSceneView(this, m_scene);
    // All at one z value, so the order of adding stacks them: rings over the
    // axes, the innermost ring on top.
    m_horizontalAxis = KWAddSceneLine(m_scene, QLineF(20, 150, 280, 150), QPen(kAxisColour));
    m_verticalAxis = KWAddSceneLine(m_scene, QLineF(150, 20, 150, 280), QPen(kAxisColour));
    for (int i = 0; i < KW_FISH_LABEL_COUNT; ++i) {
        // The legend stands on plain background, right of the rings: a halo
        // there would show nothing.
        m_labels[i] = new CKWQTSceneLabel(QString::fromUtf8(kDefaultLabels[i]), Qt::transparent);
        m_scene->addItem(m_labels[i]);
        m_labels[i]->setZValue(KW_SCENE_LABEL_Z);
        m_labels[i]->setPos(345, 28 + 30 * std::min(i, KW_FISH_RING_COUNT - 1));
    }
    m_labels[KW_FISH_LABEL_COUNT - 1]->hide();
    for (QGraphicsPathItem*& ring : m_rings) {
        ring = m_scene->addPath(QPainterPath());
    }
    for (int i = KW_FISH_RING_COUNT - 1; i >= 0; --i) {
        m_dots[i] = m_scene->addPath(QPainterPath());
    }
    m_fifthPath = m_scene->addPath(QPainterPath());
    m_fifthPath->hide();
    RebuildShapes();
}

CKWQTTopViewFish::~CKWQTTopViewFish() = default;

int CKWQTTopViewFish::Create(DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    return KWCreateSceneView(this, style, rect, parent);
}

void CKWQTTopViewFish::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTTopViewFish::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        KWMoveSceneView(this, KWInclusiveRect(*rect));
    }
}

void CKWQTTopViewFish::MoveWindow(int x, int y, int width, int height)
{
    KWMoveSceneView(this, QRect(x, y, width, height));
}

int CKWQTTopViewFish::SetImage(LPCWSTR /*camera*/, LPCWSTR /*target*/, LPCWSTR /*angleIcon*/)
{
    return 1;
}

void CKWQTTopViewFish::SetParam(double /*angle*/, double /*width*/) { }

void CKWQTTopViewFish::SetRadiusPPM(std::map<double, std::wstring> rings, bool gradient)
{
    m_keys.clear();
    m_texts.clear();
    m_count = static_cast<int>(rings.size());
    if (m_count < 1) {
        for (QGraphicsTextItem* label : m_labels) {
            label->setPlainText(QString());
        }
        // No density is known (no lens table): rings and dots without labels
        // would still suggest some.
        for (int i = 0; i < KW_FISH_RING_COUNT; ++i) {
            m_rings[i]->hide();
            m_dots[i]->hide();
        }
        return;
    }
    m_gradient = gradient;
    for (const auto& [key, text] : rings) {
        m_keys.push_back(key);
        m_texts.push_back(text);
    }

    if (m_ceiling) {
        LayOutCeiling();
    } else {
        for (int i = 0; i < KW_FISH_LABEL_COUNT; ++i) {
            m_labels[i]->setPos(KWToQPointF(KWFishWallLabelPos(i + 1, m_rectTimes)));
        }
        // The wall list has exactly five rows; any other map leaves their
        // texts as they were.
        if (m_count == KW_FISH_LABEL_COUNT) {
            for (int i = 0; i < KW_FISH_LABEL_COUNT; ++i) {
                m_labels[i]->setPlainText(KWToQString(m_texts[i]));
            }
        }
    }
    RebuildShapes();
    viewport()->update();
}

void CKWQTTopViewFish::LayOutCeiling()
{
    const KWFishCeilingRings layout = KWFishCeilingLayout(m_keys, m_rectTimes);
    m_radius = layout.radius;
    for (int label = 1; label <= KW_FISH_RING_COUNT; ++label) {
        QGraphicsTextItem* text = m_labels[label - 1];
        const int key = layout.labelKey[label - 1];
        const bool shown = key >= 0;
        if (shown) {
            text->setPlainText(KWToQString(m_texts[key]));
            text->setPos(KWToQPointF(KWFishCeilingLabelPos(label, m_rectTimes)));
        }
        // Any entry gives the outermost ring, so label 4 is always shown here
        // (and comes back after an empty map).
        text->setVisible(shown);
        m_dots[label - 1]->setVisible(shown);
        m_rings[KWFishRingOfLabel(label) - 1]->setVisible(shown);
    }
}

void CKWQTTopViewFish::SetInstWay(bool ceiling)
{
    m_ceiling = ceiling;
    m_horizontalAxis->setVisible(ceiling);
    m_verticalAxis->setVisible(ceiling);
    for (int i = 0; i < KW_FISH_RING_COUNT; ++i) {
        m_rings[i]->setVisible(ceiling);
        m_dots[i]->setVisible(ceiling);
    }
    m_fifthPath->hide();
    if (ceiling) {
        m_labels[KW_FISH_LABEL_COUNT - 1]->hide();
    } else {
        for (QGraphicsTextItem* label : m_labels) {
            label->show();
        }
    }
    RebuildShapes();
    viewport()->update();
}

void CKWQTTopViewFish::OnView_ChangeUnit(int metric)
{
    m_metric = metric != 0;
}

void CKWQTTopViewFish::SetRectTimes(double times)
{
    m_rectTimes = times;
    for (QGraphicsTextItem* label : m_labels) {
        KWSetLabelScale(label, times);
    }
    m_dotRadius = 10.0 * times;
    const KWFishAxes axes = KWFishAxesAt(times);
    m_horizontalAxis->setLine(QLineF(KWToQPointF(axes.horizontalFrom), KWToQPointF(axes.horizontalTo)));
    m_verticalAxis->setLine(QLineF(KWToQPointF(axes.verticalFrom), KWToQPointF(axes.verticalTo)));
    KWScalePen(m_horizontalAxis, times);
    KWScalePen(m_verticalAxis, times);
    RebuildShapes();
}

void CKWQTTopViewFish::paintEvent(QPaintEvent* event)
{
    RebuildShapes();
    QGraphicsView::paintEvent(event);
}

void CKWQTTopViewFish::RebuildShapes()
{
    // A wall mount hides every shape; there is nothing to rebuild.
    if (!m_ceiling) {
        return;
    }
    for (int dot = 1; dot <= KW_FISH_RING_COUNT; ++dot) {
        QGraphicsPathItem* item = m_dots[dot - 1];
        item->setPath(Circle(KWToQPointF(KWFishDotCentre(dot, m_rectTimes)), m_dotRadius));
        Paint(item, kRingColours[KWFishRingOfLabel(dot) - 1], m_rectTimes);
    }
    const QPointF centre = KWToQPointF(KWFishRingCentre(m_rectTimes));
    for (int ring = 0; ring < 2; ++ring) {
        m_rings[ring]->setPath(Circle(centre, m_radius[ring]));
        Paint(m_rings[ring], kRingColours[ring], m_rectTimes);
    }
    // The inner rings are redrawn only for the counts they stand for; a map
    // of more than four draws its four largest keys, as its labels do.
    if (m_count >= KW_FISH_RING_COUNT) {
        m_rings[2]->setPath(Circle(centre, m_radius[2]));
        Paint(m_rings[2], kRingColours[2], m_rectTimes);
        QGraphicsPathItem* inner = m_rings[3];
        inner->setPath(Circle(centre, m_radius[3]));
        inner->setPen(KWScenePen(kRingColours[3], m_rectTimes));
        inner->setBrush(m_gradient ? RadialFill(centre, m_radius[3], QColor(164, 191, 255),
                            QColor(121, 162, 255), QColor(79, 130, 255))
                                   : QBrush(kRingColours[3]));
    } else if (m_count == 3) {
        QGraphicsPathItem* inner = m_rings[2];
        inner->setPath(Circle(centre, m_radius[2]));
        inner->setPen(KWScenePen(kRingColours[2], m_rectTimes));
        inner->setBrush(m_gradient ? RadialFill(centre, m_radius[2], QColor(79, 130, 255, 5),
                            QColor(79, 130, 255, 97), QColor(79, 130, 255, 190))
                                   : QBrush(kRingColours[2]));
    }
}
