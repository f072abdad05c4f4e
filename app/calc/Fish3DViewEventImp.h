#pragma once
// Holds the fisheye tool's 3D picture in a container view with a title line
// and forwards the panel's marker commands and mount type to it.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KW3DView.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKW3DView;
class CKWStatic;
class CMainFrameEventImp;

class CFish3DViewEventImp : public IKWViewEvent, public IKW3DViewEvent {
public:
    explicit CFish3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFish3DViewEventImp() override;

    CFish3DViewEventImp(const CFish3DViewEventImp&) = delete;
    CFish3DViewEventImp& operator=(const CFish3DViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFish3DViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);
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
    void AddInstallHeight();
    void AddObjHeight();
    void AddObjDistance();
    void AddHDistance();
    void SetObjectPos(double pos);
    void SetVirtulXaxisMax(double max);
    // Also swaps the background picture for the mount type.
    void SetInstWay(bool ceiling);

    KW_BEGIN_MSGMAP(CFish3DViewEventImp)
    KW_END_MSGMAP()

private:
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKW3DView* m_pScene = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
