#pragma once
// Holds the IPC tool's top view in a container view with a title line and
// forwards the angle of view and the distances to it.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWTopView.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWStatic;
class CKWTopView;
class CMainFrameEventImp;

class CTopViewEventImp : public IKWViewEvent, public IKWTopViewEvent {
public:
    explicit CTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~CTopViewEventImp() override;

    CTopViewEventImp(const CTopViewEventImp&) = delete;
    CTopViewEventImp& operator=(const CTopViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<CTopViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);
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
    void UpdateVisualAngle(double angle);
    void UpdateVisibleWidth(double distance);
    void SetVirtulXaxisMax(double blindDistance, double lengthMaximum);
    // Takes the length-axis maximum and does nothing with it.
    void SetLengthAxisMax(double lengthMaximum);
    // The scene's start values.
    void SetDefaultParam();

    KW_BEGIN_MSGMAP(CTopViewEventImp)
    KW_END_MSGMAP()

private:
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKWTopView* m_pScene = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
