#pragma once
// The handle of a scene view by the id it reports its drags with. Kept in
// the header: only the scene and application tests, which link the scenes,
// look handles up.

#include "ui/scenes/KWQTVSliderItem.h"

#include <QGraphicsScene>

inline CKWQTVSliderItem* KWSceneHandle(QGraphicsScene* scene, int id)
{
    for (QGraphicsItem* item : scene->items()) {
        if (auto* handle = dynamic_cast<CKWQTVSliderItem*>(item);
            handle != nullptr && handle->GetSliderId() == id) {
            return handle;
        }
    }
    return nullptr;
}
