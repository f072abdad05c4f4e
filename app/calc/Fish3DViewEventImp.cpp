#include "app/calc/Fish3DViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CFish3DViewEventImp::CFish3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, title and scene belong to their Qt parent and went with the
// main window before this handler is released.
CFish3DViewEventImp::~CFish3DViewEventImp()
{
    DestroyKWView(m_pContainer);
    m_pContainer = nullptr;
}

boost::shared_ptr<CFish3DViewEventImp> CFish3DViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    boost::shared_ptr<CFish3DViewEventImp> controller = boost::make_shared<CFish3DViewEventImp>(owner);
    controller->CreateContainerView();
    return controller;
}

void CFish3DViewEventImp::CreateContainerView()
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

int CFish3DViewEventImp::OnCreate()
{
    return 1;
}

void CFish3DViewEventImp::OnDestroy() {}

void CFish3DViewEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CFish3DViewEventImp::RetranslateTitle() {}

void CFish3DViewEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CFish3DViewEventImp::AddInstallHeight() {}

void CFish3DViewEventImp::AddObjHeight() {}

void CFish3DViewEventImp::AddObjDistance() {}

void CFish3DViewEventImp::AddHDistance() {}

void CFish3DViewEventImp::SetObjectPos(double /*pos*/) {}

void CFish3DViewEventImp::SetVirtulXaxisMax(double /*max*/) {}

void CFish3DViewEventImp::SetInstWay(bool /*ceiling*/) {}
