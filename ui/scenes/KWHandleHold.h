#pragma once
// The handle the pointer drags, from its first drag step until the pointer
// lets go. While it is held it keeps its place across its travel, under the
// pointer, and every other handle keeps to the side of it, and of the others,
// that it stood on when the drag began: what the values alone would choose
// may lie on the other side, and a handle must not leap there in mid-drag.
// GUI thread only.

#include "ui/scenes/KWHandleClearance.h"

#include <QObject>
#include <QPointF>

#include <functional>
#include <utility>
#include <vector>

class CKWQTVSliderItem;
class QGraphicsItem;
class QGraphicsScene;

class CKWHandleHold : public QObject {
public:
    // Watches the scene for the pointer letting go, and then calls `released`
    // once nothing is held any more.
    CKWHandleHold(QGraphicsScene* scene, std::function<void()> released);

    // A drag step of one of `handles`, the one the scene gives the mouse to:
    // the first of a drag notes where each of them stands (centres in units
    // of `scale`). Nothing where the pointer holds none of them.
    void Step(const std::vector<const CKWQTVSliderItem*>& handles, double scale);
    // The handle held now; null when none is, or when the scene no longer
    // gives it the mouse (a drag that ended without a release reaching us).
    const CKWQTVSliderItem* Held() const;
    // The held handle's centre across its travel as the drag found it.
    double HeldAcross() const;
    // Where the handle's centre stood when the drag began.
    KWScenePoint StartOf(const CKWQTVSliderItem* handle) const;
    // The side of `other` that `handle` stood on across its own travel when
    // the drag began; `level` where the two stood level.
    KWSide SideOf(const CKWQTVSliderItem* handle, const CKWQTVSliderItem* other, KWSide level) const;

    // Notes where `label` stands from its handle, as drawn.
    void NoteLabel(const QGraphicsItem* label, const CKWQTVSliderItem* handle);
    // Where a label whose home is `home` starts from, its handle's home being
    // `handleHome`: while a handle is held, from where it stood beside its
    // handle in the drawing before, so that it moves only as far as the drag
    // makes it; else from home.
    QPointF LabelHome(const QGraphicsItem* label, const QPointF& home, const QPointF& handleHome) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGraphicsScene* m_scene;
    std::function<void()> m_released;
    const CKWQTVSliderItem* m_held = nullptr;
    // Where each handle's centre stood when the drag began.
    std::vector<std::pair<const CKWQTVSliderItem*, KWScenePoint>> m_start;
    // Where each label stood from its handle's offset, as last drawn.
    std::vector<std::pair<const QGraphicsItem*, QPointF>> m_labels;
};
