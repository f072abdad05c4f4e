#include "app/calc/SideViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CSideViewEventImp::CSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, title and scene belong to their Qt parent and went with the
// main window before this handler is released.
CSideViewEventImp::~CSideViewEventImp()
{
    DestroyKWView(m_pContainer);
    m_pContainer = nullptr;
}

boost::shared_ptr<CSideViewEventImp> CSideViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    boost::shared_ptr<CSideViewEventImp> controller = boost::make_shared<CSideViewEventImp>(owner);
    controller->CreateContainerView();
    return controller;
}

void CSideViewEventImp::CreateContainerView()
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

int CSideViewEventImp::OnCreate()
{
    return 1;
}

void CSideViewEventImp::OnDestroy() {}

void CSideViewEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CSideViewEventImp::RetranslateTitle() {}

void CSideViewEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CSideViewEventImp::SetVirtualHeight(double /*height*/) {}

void CSideViewEventImp::SetInstAngle(double /*angle*/) {}

void CSideViewEventImp::SetTarHDistance(double /*distance*/) {}

void CSideViewEventImp::SetParam(double /*verticalAngle*/, double /*targetDistance*/, double /*installHeight*/,
                                 double /*installAngle*/, double /*unused*/)
{
}

void CSideViewEventImp::RecalcViewAngles() {}

void CSideViewEventImp::OnBlindDistanceChanged(double /*blindDistance*/, double /*lengthMaximum*/) {}

void CSideViewEventImp::OnInstallChanged(double /*installAngle*/, double /*installHeight*/) {}

void CSideViewEventImp::OnHeightAxisMaxChanged(double /*heightMaximum*/) {}

void CSideViewEventImp::OnLengthAxisRangeChanged(double /*minimumDistance*/, double /*lengthMaximum*/) {}

void CSideViewEventImp::OnTarHDistanceChanged(double /*targetDistance*/) {}

void CSideViewEventImp::OnTargetViewHeightsChanged(double /*top*/, double /*bottom*/) {}

void CSideViewEventImp::OnTargetHeightChanged(double /*targetHeight*/) {}
