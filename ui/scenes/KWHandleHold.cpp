#include "ui/scenes/KWHandleHold.h"

#include "ui/scenes/KWQTVSliderItem.h"

#include <QEvent>
#include <QGraphicsItem>
#include <QGraphicsScene>

#include <algorithm>
#include <cmath>

CKWHandleHold::CKWHandleHold(QGraphicsScene* scene, std::function<void()> released)
    : QObject(scene)
    , m_scene(scene)
    , m_released(std::move(released))
{
    scene->installEventFilter(this);
}

void CKWHandleHold::Step(const std::vector<const CKWQTVSliderItem*>& handles, double scale)
{
    const QGraphicsItem* grabber = m_scene->mouseGrabberItem();
    const auto handle = std::find_if(handles.begin(), handles.end(),
        [grabber](const CKWQTVSliderItem* each) { return each != nullptr && each == grabber; });
    if (handle == handles.end() || *handle == m_held) {
        return;
    }
    m_held = *handle;
    m_start.clear();
    for (const CKWQTVSliderItem* each : handles) {
        const QPointF centre = each->sceneBoundingRect().center() / scale;
        m_start.emplace_back(each, KWScenePoint { centre.x(), centre.y() });
    }
}

const CKWQTVSliderItem* CKWHandleHold::Held() const
{
    return m_held != nullptr && m_scene->mouseGrabberItem() == m_held ? m_held : nullptr;
}

double CKWHandleHold::HeldAcross() const
{
    const KWScenePoint start = StartOf(m_held);
    return m_held != nullptr && m_held->IsVertical() ? start.x : start.y;
}

KWSide CKWHandleHold::SideOf(
    const CKWQTVSliderItem* handle, const CKWQTVSliderItem* other, KWSide level) const
{
    const KWScenePoint mine = StartOf(handle);
    const KWScenePoint theirs = StartOf(other);
    const double apart = handle->IsVertical() ? mine.x - theirs.x : mine.y - theirs.y;
    // Half a unit is what one pixel's rounding may part two places drawn at
    // the same value.
    if (std::abs(apart) < 0.5) {
        return level;
    }
    return apart > 0.0 ? KWSide::Higher : KWSide::Lower;
}

void CKWHandleHold::NoteLabel(const QGraphicsItem* label, const CKWQTVSliderItem* handle)
{
    const QPointF beside = label->pos() - handle->offset();
    const auto noted = std::find_if(m_labels.begin(), m_labels.end(),
        [label](const std::pair<const QGraphicsItem*, QPointF>& l) { return l.first == label; });
    if (noted != m_labels.end()) {
        noted->second = beside;
    } else {
        m_labels.emplace_back(label, beside);
    }
}

QPointF CKWHandleHold::LabelHome(
    const QGraphicsItem* label, const QPointF& home, const QPointF& handleHome) const
{
    const auto noted = std::find_if(m_labels.begin(), m_labels.end(),
        [label](const std::pair<const QGraphicsItem*, QPointF>& l) { return l.first == label; });
    return Held() != nullptr && noted != m_labels.end() ? handleHome + noted->second : home;
}

bool CKWHandleHold::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scene && event->type() == QEvent::GraphicsSceneMouseRelease && m_held != nullptr) {
        m_held = nullptr;
        m_start.clear();
        m_released();
    }
    return QObject::eventFilter(watched, event);
}

KWScenePoint CKWHandleHold::StartOf(const CKWQTVSliderItem* handle) const
{
    const auto found = std::find_if(m_start.begin(), m_start.end(),
        [handle](const std::pair<const CKWQTVSliderItem*, KWScenePoint>& s) { return s.first == handle; });
    return found != m_start.end() ? found->second : KWScenePoint {};
}
