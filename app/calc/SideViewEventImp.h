#pragma once
// Holds the IPC tool's side view in a container view with a title line,
// forwards the panel's values to it and passes what the user drags in it on
// to the IPC panel and the top view.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWVerticalSceneC.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWStatic;
class CKWVerticalSceneC;
class CMainFrameEventImp;

class CSideViewEventImp : public IKWViewEvent, public IKWVerticalSceneCEvent {
public:
    explicit CSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CSideViewEventImp() override;

    CSideViewEventImp(const CSideViewEventImp&) = delete;
    CSideViewEventImp& operator=(const CSideViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CSideViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);
    // The container, a visible child of the main window; its creation runs OnCreate.
    void CreateContainerView();
    CKWView* GetView() const { return m_pContainer; }

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

    // Also renames the scene's axes.
    void RetranslateTitle();
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

    KW_BEGIN_MSGMAP(CSideViewEventImp)
    KW_END_MSGMAP()

private:
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKWVerticalSceneC* m_pScene = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
