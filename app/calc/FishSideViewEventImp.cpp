#include "app/calc/FishSideViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CFishSideViewEventImp::CFishSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, title and scene belong to their Qt parent and went with the
// main window before this handler is released.
CFishSideViewEventImp::~CFishSideViewEventImp()
{
    DestroyKWView(m_pContainer);
    m_pContainer = nullptr;
}

boost::shared_ptr<CFishSideViewEventImp> CFishSideViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    boost::shared_ptr<CFishSideViewEventImp> controller = boost::make_shared<CFishSideViewEventImp>(owner);
    controller->CreateContainerView();
    return controller;
}

void CFishSideViewEventImp::CreateContainerView()
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

int CFishSideViewEventImp::OnCreate()
{
    return 1;
}

void CFishSideViewEventImp::OnDestroy() {}

void CFishSideViewEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CFishSideViewEventImp::RetranslateTitle() {}

void CFishSideViewEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CFishSideViewEventImp::SetVirtualHeight(double /*height*/) {}

void CFishSideViewEventImp::SetObjectHeight(double /*height*/) {}

void CFishSideViewEventImp::SetObjectDistance(double /*distance*/) {}

void CFishSideViewEventImp::SetInstWay(bool /*ceiling*/) {}

void CFishSideViewEventImp::OnObjectHeightChanged(double /*objectHeight*/) {}

void CFishSideViewEventImp::OnVirtualHeightChanged(double /*installHeight*/) {}

void CFishSideViewEventImp::OnObjectDistanceChanged(double /*objectDistance*/) {}
