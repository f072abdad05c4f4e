#pragma once
// Holds the fisheye tool's side view in a container view with a title line,
// forwards the panel's values to it and passes what the user drags in it on
// to the fisheye panel.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSideSceneFish.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWSideSceneFish;
class CKWStatic;
class CMainFrameEventImp;

class CFishSideViewEventImp : public IKWViewEvent, public IKWSideSceneFishEvent {
public:
    explicit CFishSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFishSideViewEventImp() override;

    CFishSideViewEventImp(const CFishSideViewEventImp&) = delete;
    CFishSideViewEventImp& operator=(const CFishSideViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFishSideViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);
    // The container, a visible child of the main window; its creation runs OnCreate.
    void CreateContainerView();
    CKWView* GetView() const { return m_pContainer; }

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

    void RetranslateTitle();
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

    KW_BEGIN_MSGMAP(CFishSideViewEventImp)
    KW_END_MSGMAP()

private:
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKWSideSceneFish* m_pScene = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
