#pragma once
// Holds the fisheye tool's top view in a container view with a title line
// and forwards the rings of equal pixel density and the mount type to it.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWTopViewFish.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <map>
#include <string>

class CKWStatic;
class CKWTopViewFish;
class CMainFrameEventImp;

class CFishTopViewEventImp : public IKWViewEvent, public IKWTopViewFishEvent {
public:
    explicit CFishTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CFishTopViewEventImp() override;

    CFishTopViewEventImp(const CFishTopViewEventImp&) = delete;
    CFishTopViewEventImp& operator=(const CFishTopViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CFishTopViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);
    // The container, a visible child of the main window; its creation runs OnCreate.
    void CreateContainerView();
    CKWView* GetView() const { return m_pContainer; }

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

    void RetranslateTitle();
    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene. rings: radius in metres -> label.
    void SetRadiusPPM(std::map<double, std::wstring> rings);
    void SetInstWay(bool ceiling);
    // The fisheye panel's CalcRingPPM.
    void RecalcRingPPM();

    KW_BEGIN_MSGMAP(CFishTopViewEventImp)
    KW_END_MSGMAP()

private:
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKWTopViewFish* m_pScene = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
