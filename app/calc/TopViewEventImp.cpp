#include "app/calc/TopViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CTopViewEventImp::CTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, title and scene belong to their Qt parent and went with the
// main window before this handler is released.
CTopViewEventImp::~CTopViewEventImp()
{
    DestroyKWView(m_pContainer);
    m_pContainer = nullptr;
}

boost::shared_ptr<CTopViewEventImp> CTopViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    boost::shared_ptr<CTopViewEventImp> controller = boost::make_shared<CTopViewEventImp>(owner);
    controller->CreateContainerView();
    return controller;
}

void CTopViewEventImp::CreateContainerView()
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

int CTopViewEventImp::OnCreate()
{
    return 1;
}

void CTopViewEventImp::OnDestroy() {}

void CTopViewEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CTopViewEventImp::RetranslateTitle() {}

void CTopViewEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CTopViewEventImp::UpdateVisualAngle(double /*angle*/) {}

void CTopViewEventImp::UpdateVisibleWidth(double /*distance*/) {}

void CTopViewEventImp::SetVirtulXaxisMax(double /*blindDistance*/, double /*lengthMaximum*/) {}

void CTopViewEventImp::SetLengthAxisMax(double /*lengthMaximum*/) {}

void CTopViewEventImp::SetDefaultParam() {}
