#include "app/ToolBarEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CToolBarEventImp::CToolBarEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame) : m_mainFrame(mainFrame) {}

// The controls belong to the tool bar's view and went with the main window
// before the tool bar is released.
CToolBarEventImp::~CToolBarEventImp()
{
    DestroyKWView(m_pView);
    m_pView = nullptr;
}

boost::shared_ptr<CToolBarEventImp> CreateToolBar(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CToolBarEventImp> toolBar = boost::make_shared<CToolBarEventImp>(mainFrame);
    toolBar->Create();
    return toolBar;
}

int CToolBarEventImp::Create()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return 0;
    }
    m_pView = CreateKWView(this);
    if (m_pView == nullptr) {
        return 0;
    }
    m_pView->SetBGClr(0x00A335u);
    m_pView->Create(nullptr, L"ToolBar", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 1, 1), mainFrame->GetUIWnd(), static_cast<UINT>(-2));
    return 0;
}

void CToolBarEventImp::ShowChangeButton(bool /*show*/) {}

void CToolBarEventImp::SetChangeTooltip(bool /*ipcMode*/) {}

void CToolBarEventImp::RetranslateTexts() {}

int CToolBarEventImp::OnCreate()
{
    return 1;
}

void CToolBarEventImp::OnDestroy() {}

void CToolBarEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CToolBarEventImp::OnLButtonDblClk(UINT /*flags*/, POINT /*point*/) {}

void CToolBarEventImp::RADIO_OnClicked(int /*checked*/, int /*id*/, POINT /*point*/) {}

void CToolBarEventImp::Menu_OnAction(int /*id*/) {}

void CToolBarEventImp::OnSettingClicked() {}

void CToolBarEventImp::OnChangeClicked() {}

void CToolBarEventImp::OnMinClicked() {}

void CToolBarEventImp::OnCloseClicked() {}
