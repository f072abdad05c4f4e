#pragma once
// Holds the fisheye tool's 3D picture in a container view with a title line
// and forwards the panel's marker commands and mount type to it.

#include "app/calc/3DViewControllerBase.h"
#include "base/platform/KWWinTypes.h"

#include <boost/shared_ptr.hpp>

class CMainFrameEventImp;

class CFish3DViewEventImp : public C3DViewControllerBase {
public:
    explicit CFish3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFish3DViewEventImp() override;

    CFish3DViewEventImp(const CFish3DViewEventImp&) = delete;
    CFish3DViewEventImp& operator=(const CFish3DViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFish3DViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnSize(UINT type, int cx, int cy) override;

    // Forwarders to the scene, besides the shared ones
    void AddObjHeight();
    void AddObjDistance();
    // Also swaps the background picture for the mount type.
    void SetInstWay(bool ceiling);

    KW_BEGIN_MSGMAP(CFish3DViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;
};
