#include "app/AboutDlgEventImp.h"

#include "app/MainFrameEventImp.h"

#include <boost/make_shared.hpp>

CAboutDlgEventImp::CAboutDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame) : m_mainFrame(mainFrame) {}

// The dialog belongs to the main window and went with it before the handler
// is released.
CAboutDlgEventImp::~CAboutDlgEventImp()
{
    m_pDlg = nullptr;
}

boost::shared_ptr<CAboutDlgEventImp> CreateAboutDlg(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CAboutDlgEventImp> about = boost::make_shared<CAboutDlgEventImp>(mainFrame);
    about->Init();
    return about;
}

int CAboutDlgEventImp::Init()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return 0;
    }
    m_pDlg = CreateKWDialog(this, mainFrame->GetUIWnd(), Qt::WindowFlags());
    if (m_pDlg == nullptr) {
        return 0;
    }
    m_pDlg->Create(L"AboutDlg", nullptr);
    m_pDlg->ShowWindow(0);
    return 0;
}

void CAboutDlgEventImp::RetranslateTexts() {}

void CAboutDlgEventImp::OnDlgCreate(bool /*create*/) {}

void CAboutDlgEventImp::OnDlgSize(UINT /*type*/, int& /*cx*/, int& /*cy*/) {}

void CAboutDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}

void CAboutDlgEventImp::BTN_OnLButtonDown(int /*id*/, UINT /*flags*/, POINT /*point*/) {}

void CAboutDlgEventImp::BTN_OnLButtonUp(int /*id*/, UINT /*flags*/, POINT /*point*/) {}

void CAboutDlgEventImp::BTN_OnMouseMove(int /*id*/, UINT /*flags*/, POINT /*point*/) {}

void CAboutDlgEventImp::BTN_OnMouseLeave(int /*id*/, UINT /*flags*/, LONG /*value*/) {}

void CAboutDlgEventImp::OnWebSiteClicked() {}

void CAboutDlgEventImp::OnCloseClicked()
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}
