#pragma once
// Holds the IPC tool's top view in a container view with a title line and
// forwards the angle of view and the distances to it.

#include "app/calc/ViewControllerBase.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWTopView.h"

#include <boost/shared_ptr.hpp>

class CMainFrameEventImp;

class CTopViewEventImp : public CViewControllerBase, public IKWTopViewEvent {
public:
    explicit CTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CTopViewEventImp() override;

    CTopViewEventImp(const CTopViewEventImp&) = delete;
    CTopViewEventImp& operator=(const CTopViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CTopViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    // Lays out, then shows the IPC panel's angle and distance (the start
    // values while there is no panel yet).
    void OnSize(UINT type, int cx, int cy) override;

    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene
    void UpdateVisualAngle(double angle);
    void UpdateVisibleWidth(double distance);
    void SetVirtulXaxisMax(double blindDistance, double lengthMaximum);
    // Takes the length-axis maximum and does nothing with it.
    void SetLengthAxisMax(double lengthMaximum);
    // The scene's start values.
    void SetDefaultParam();

    CKWTopView* GetScene() const { return m_pScene; }

    KW_BEGIN_MSGMAP(CTopViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;

private:
    CKWTopView* m_pScene = nullptr;
};
