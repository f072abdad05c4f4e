#pragma once
// Holds the fisheye tool's top view in a container view with a title line
// and forwards the rings of equal pixel density and the mount type to it.

#include "app/calc/ViewControllerBase.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWTopViewFish.h"

#include <boost/shared_ptr.hpp>

#include <map>
#include <string>

class CMainFrameEventImp;

class CFishTopViewEventImp : public CViewControllerBase, public IKWTopViewFishEvent {
public:
    explicit CFishTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFishTopViewEventImp() override;

    CFishTopViewEventImp(const CFishTopViewEventImp&) = delete;
    CFishTopViewEventImp& operator=(const CFishTopViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFishTopViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    // Lays out, then has the fisheye panel compute the rings again.
    void OnSize(UINT type, int cx, int cy) override;

    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene. rings: radius in metres -> label.
    void SetRadiusPPM(std::map<double, std::wstring> rings);
    void SetInstWay(bool ceiling);
    // The fisheye panel's CalcRingPPM, while the fisheye tool is shown.
    void RecalcRingPPM();

    CKWTopViewFish* GetScene() const { return m_pScene; }

    KW_BEGIN_MSGMAP(CFishTopViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;

private:
    CKWTopViewFish* m_pScene = nullptr;
};
