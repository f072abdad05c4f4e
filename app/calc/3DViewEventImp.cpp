#include "app/calc/3DViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

C3DViewEventImp::C3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, title and scene belong to their Qt parent and went with the
// main window before this handler is released.
C3DViewEventImp::~C3DViewEventImp()
{
    DestroyKWView(m_pContainer);
    m_pContainer = nullptr;
}

boost::shared_ptr<C3DViewEventImp> C3DViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    boost::shared_ptr<C3DViewEventImp> controller = boost::make_shared<C3DViewEventImp>(owner);
    controller->CreateContainerView();
    return controller;
}

void C3DViewEventImp::CreateContainerView()
{
    const boost::shared_ptr<CMainFrameEventImp> owner = m_owner.lock();
    if (!owner) {
        return;
    }
    m_pContainer = CreateKWView(this);
    if (m_pContainer == nullptr) {
        return;
    }
    m_pContainer->SetBGClr(0xE2D7D0u);
    m_pContainer->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), owner->GetUIWnd(), static_cast<UINT>(-2));
}

int C3DViewEventImp::OnCreate()
{
    return 1;
}

void C3DViewEventImp::OnDestroy() {}

void C3DViewEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void C3DViewEventImp::RetranslateTitle() {}

void C3DViewEventImp::OnView_ChangeUnit(int /*metric*/) {}

void C3DViewEventImp::AddInstallHeight() {}

void C3DViewEventImp::AddResolution(double /*value*/) {}

void C3DViewEventImp::AddInstAngle() {}

void C3DViewEventImp::AddHDistance() {}

void C3DViewEventImp::SetObjectPos(double /*pos*/) {}

void C3DViewEventImp::SetVirtulXaxisMax(double /*max*/) {}

void C3DViewEventImp::SetBgImageByName(const wchar_t* /*name*/) {}
