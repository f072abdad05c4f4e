#pragma once
// Holds the fisheye tool's 3D picture in a container view with a title line
// and forwards the panel's marker commands and mount type to it.

#include "app/calc/ViewControllerBase.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KW3DView.h"

#include <boost/shared_ptr.hpp>

class CMainFrameEventImp;

class CFish3DViewEventImp : public CViewControllerBase, public IKW3DViewEvent {
public:
    explicit CFish3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFish3DViewEventImp() override;

    CFish3DViewEventImp(const CFish3DViewEventImp&) = delete;
    CFish3DViewEventImp& operator=(const CFish3DViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFish3DViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene
    void AddInstallHeight();
    void AddObjHeight();
    void AddObjDistance();
    void AddHDistance();
    void SetObjectPos(double pos);
    void SetVirtulXaxisMax(double max);
    // Also swaps the background picture for the mount type.
    void SetInstWay(bool ceiling);

    CKW3DView* GetScene() const { return m_pScene; }

    KW_BEGIN_MSGMAP(CFish3DViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;

private:
    CKW3DView* m_pScene = nullptr;
};
