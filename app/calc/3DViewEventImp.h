#pragma once
// Holds the IPC tool's 3D picture in a container view with a title line and
// forwards the panel's marker commands and model picture to it.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KW3DView.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKW3DView;
class CKWStatic;
class CMainFrameEventImp;

class C3DViewEventImp : public IKWViewEvent, public IKW3DViewEvent {
public:
    explicit C3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~C3DViewEventImp() override;

    C3DViewEventImp(const C3DViewEventImp&) = delete;
    C3DViewEventImp& operator=(const C3DViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<C3DViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);
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
    void AddResolution(double value);
    void AddInstAngle();
    void AddHDistance();
    void SetObjectPos(double pos);
    void SetVirtulXaxisMax(double max);
    // Shows the picture named after the model: blanks become '_', ".png" is appended.
    void SetBgImageByName(const wchar_t* name);

    KW_BEGIN_MSGMAP(C3DViewEventImp)
    KW_END_MSGMAP()

private:
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKW3DView* m_pScene = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
