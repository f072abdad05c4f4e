#pragma once
// What the six view controllers share: the container view that the main
// frame places, shows and hides, the title line at its top, the layout of
// title and scene on every resize, and the weak pointer back to the main
// frame. Each controller adds its scene, its skin and what it pushes into the
// scene after a resize.

#include "base/Globals.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWStatic;
class CMainFrameEventImp;

class CViewControllerBase : public IKWViewEvent {
public:
    ~CViewControllerBase() override;

    CViewControllerBase(const CViewControllerBase&) = delete;
    CViewControllerBase& operator=(const CViewControllerBase&) = delete;

    // The container, a visible child of the main window; its creation runs
    // OnCreate. Nothing happens when the main frame is gone.
    void CreateContainerView();
    // The same under any parent window. Done once; a second call does nothing.
    void CreateContainerView(void* parentWindow);

    CKWView* GetView() const { return m_pContainer; }
    CKWStatic* GetTitle() const { return m_pTitle; }

    // The title in the current language.
    virtual void RetranslateTitle();

protected:
    explicit CViewControllerBase(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // What every controller's CreateInstance does: the controller, then its
    // container (whose creation runs the controller's OnCreate).
    template <class Controller>
    static boost::shared_ptr<Controller> MakeWithContainer(const boost::shared_ptr<CMainFrameEventImp>& owner)
    {
        boost::shared_ptr<Controller> controller = boost::make_shared<Controller>(owner);
        controller->CreateContainerView();
        return controller;
    }

    // Makes a just-created scene a visible child of the container at the UI
    // scale; it takes its real place at the first resize.
    template <class Scene>
    void AttachScene(Scene* scene)
    {
        scene->Create(WS_VISIBLE, CKWRect(0, 0, 200, 20), GetUIWnd(), static_cast<UINT>(-2));
        scene->SetRectTimes(g_uiScale);
    }
    // The same for a side scene, whose Create takes a name and which starts
    // where the design drew it.
    template <class Scene>
    void AttachSideScene(Scene* scene)
    {
        scene->Create(L"", WS_VISIBLE, CKWRect(460, 10, 990, 363), GetUIWnd(), static_cast<UINT>(-2));
        scene->SetRectTimes(g_uiScale);
    }

    // The title in the current language: translate() of the controller's key.
    virtual const wchar_t* TitleText() const = 0;

    // First step of every OnCreate: the title line inside the container.
    void CreateTitle();
    // First step of every OnSize: moves the title and gives the scene's place.
    CKWRect LayoutTitle(int cx, int cy, bool keepBottomMargin);

    // Empty when the main frame is gone; every call through it is then skipped.
    boost::shared_ptr<CMainFrameEventImp> LockOwner() const { return m_owner.lock(); }

private:
    // Children of the main window and of the container: Qt deletes them.
    CKWView* m_pContainer = nullptr;
    CKWStatic* m_pTitle = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_owner;
};
