#include "app/calc/FishTopViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CFishTopViewEventImp::CFishTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, title and scene belong to their Qt parent and went with the
// main window before this handler is released.
CFishTopViewEventImp::~CFishTopViewEventImp()
{
    DestroyKWView(m_pContainer);
    m_pContainer = nullptr;
}

boost::shared_ptr<CFishTopViewEventImp> CFishTopViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    boost::shared_ptr<CFishTopViewEventImp> controller = boost::make_shared<CFishTopViewEventImp>(owner);
    controller->CreateContainerView();
    return controller;
}

void CFishTopViewEventImp::CreateContainerView()
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

int CFishTopViewEventImp::OnCreate()
{
    return 1;
}

void CFishTopViewEventImp::OnDestroy() {}

void CFishTopViewEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CFishTopViewEventImp::RetranslateTitle() {}

void CFishTopViewEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CFishTopViewEventImp::SetRadiusPPM(std::map<double, std::wstring> /*rings*/) {}

void CFishTopViewEventImp::SetInstWay(bool /*ceiling*/) {}

void CFishTopViewEventImp::RecalcRingPPM() {}
