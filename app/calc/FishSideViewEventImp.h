#pragma once
// Holds the fisheye tool's side view in a container view with a title line,
// forwards the panel's values to it and passes what the user drags in it on
// to the fisheye panel.

#include "app/calc/ViewControllerBase.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSideSceneFish.h"

#include <boost/shared_ptr.hpp>

class CMainFrameEventImp;

class CFishSideViewEventImp : public CViewControllerBase, public IKWSideSceneFishEvent {
public:
    explicit CFishSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFishSideViewEventImp() override;

    CFishSideViewEventImp(const CFishSideViewEventImp&) = delete;
    CFishSideViewEventImp& operator=(const CFishSideViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFishSideViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    // Lays out, then shows the mount and object heights the fisheye panel holds.
    void OnSize(UINT type, int cx, int cy) override;

    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene
    void SetVirtualHeight(double height);
    void SetObjectHeight(double height);
    void SetObjectDistance(double distance);
    void SetInstWay(bool ceiling);

    // IKWSideSceneFishEvent: drags in the scene, passed to the fisheye panel.
    void OnObjectHeightChanged(double objectHeight) override;
    void OnVirtualHeightChanged(double installHeight) override;
    void OnObjectDistanceChanged(double objectDistance) override;

    CKWSideSceneFish* GetScene() const { return m_pScene; }

    KW_BEGIN_MSGMAP(CFishSideViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;

private:
    CKWSideSceneFish* m_pScene = nullptr;
};
