#pragma once
// What the two tools' 3D view controllers share: the 3D scene inside the
// container with its marker pictures, its length axis and person at their
// start values after every resize, the unit switch, and the forwarders that
// both tools' panels use. Each controller adds its own pictures and markers.

#include "app/calc/ViewControllerBase.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KW3DView.h"

#include <boost/shared_ptr.hpp>

class CMainFrameEventImp;

class C3DViewControllerBase : public CViewControllerBase, public IKW3DViewEvent {
public:
    ~C3DViewControllerBase() override;

    // IKWViewEvent
    void OnDestroy() override;

    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene
    void AddInstallHeight();
    void AddHDistance();
    void SetObjectPos(double pos);
    void SetVirtulXaxisMax(double max);

    CKW3DView* GetScene() const { return m_pScene; }

protected:
    explicit C3DViewControllerBase(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // The first steps of OnCreate: the title, then the scene with the marker
    // pictures, drawn the fisheye way if asked. Null when the scene could not
    // be made.
    CKW3DView* CreateScene(bool fisheye);
    // The first steps of OnSize: title and scene placed, the length axis and
    // the person at their start values. Null without a scene.
    CKW3DView* LayoutScene(int cx, int cy);

private:
    // A child of the container: Qt deletes it.
    CKW3DView* m_pScene = nullptr;
};
