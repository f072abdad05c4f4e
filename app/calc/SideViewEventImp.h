#pragma once
// Holds the IPC tool's side view in a container view with a title line,
// forwards the panel's values to it and passes what the user drags in it on
// to the IPC panel and the top view.

#include "app/calc/ViewControllerBase.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWVerticalSceneC.h"

#include <boost/shared_ptr.hpp>

class CMainFrameEventImp;

class CSideViewEventImp : public CViewControllerBase, public IKWVerticalSceneCEvent {
public:
    explicit CSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CSideViewEventImp() override;

    CSideViewEventImp(const CSideViewEventImp&) = delete;
    CSideViewEventImp& operator=(const CSideViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CSideViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

    // Also renames the scene's axes.
    void RetranslateTitle() override;
    void OnView_ChangeUnit(int metric);

    // Forwarders to the scene
    void SetVirtualHeight(double height);
    void SetInstAngle(double angle);
    void SetTarHDistance(double distance);
    void SetParam(double verticalAngle, double targetDistance, double installHeight, double installAngle, double unused);
    // The IPC panel's CalcViewAngles.
    void RecalcViewAngles();

    // IKWVerticalSceneCEvent: reports of the scene, passed on unchanged.
    void OnBlindDistanceChanged(double blindDistance, double lengthMaximum) override;
    void OnInstallChanged(double installAngle, double installHeight) override;
    void OnHeightAxisMaxChanged(double heightMaximum) override;
    void OnLengthAxisRangeChanged(double minimumDistance, double lengthMaximum) override;
    void OnTarHDistanceChanged(double targetDistance) override;
    void OnTargetViewHeightsChanged(double top, double bottom) override;
    void OnTargetHeightChanged(double targetHeight) override;

    CKWVerticalSceneC* GetScene() const { return m_pScene; }

    KW_BEGIN_MSGMAP(CSideViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;

private:
    void SetAxisCaptions();

    CKWVerticalSceneC* m_pScene = nullptr;
};
