#pragma once
// A tool's side view as the application tests look at it: the drawing's
// view and the widget holding it with the controls laid over it.

#include "app/MainFrameEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/SideViewEventImp.h"

#include <QGraphicsView>
#include <QWidget>

struct KWSideViewOf {
    QGraphicsView* view = nullptr;
    QWidget* holder = nullptr;

    static KWSideViewOf IPC(CMainFrameEventImp& frame) { return Held(frame.GetSideView()->GetScene()); }
    static KWSideViewOf Fisheye(CMainFrameEventImp& frame)
    {
        return Held(frame.GetFishSideView()->GetScene());
    }

private:
    template <class Scene> static KWSideViewOf Held(Scene* scene)
    {
        auto* holder = dynamic_cast<QWidget*>(scene);
        return { holder != nullptr ? holder->findChild<QGraphicsView*>() : nullptr, holder };
    }
};
