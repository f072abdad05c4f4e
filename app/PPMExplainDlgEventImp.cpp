#include "app/PPMExplainDlgEventImp.h"

#include "app/MainFrameEventImp.h"

#include <boost/make_shared.hpp>

CPPMExplainDlgEventImp::CPPMExplainDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
}

CPPMExplainDlgEventImp::~CPPMExplainDlgEventImp()
{
    m_pDlg = nullptr;
}

boost::shared_ptr<CPPMExplainDlgEventImp> CreatePPMExplainDlg(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CPPMExplainDlgEventImp> dialog = boost::make_shared<CPPMExplainDlgEventImp>(mainFrame);
    dialog->Init();
    return dialog;
}

int CPPMExplainDlgEventImp::Init()
{
    return 0;
}

void CPPMExplainDlgEventImp::FillDialogStyle(DialogStyle* /*style*/) {}

void CPPMExplainDlgEventImp::OnView_ChangeUnit(bool metric)
{
    m_metric = metric;
}

void CPPMExplainDlgEventImp::RetranslateTexts() {}

void CPPMExplainDlgEventImp::SetTitles() {}

void CPPMExplainDlgEventImp::OnDlgCreate(bool /*create*/) {}

void CPPMExplainDlgEventImp::OnDlgSize(UINT /*type*/, int& /*cx*/, int& /*cy*/) {}

void CPPMExplainDlgEventImp::Dlg_Destroy() {}

void CPPMExplainDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}

void CPPMExplainDlgEventImp::BTN_OnLButtonDown(int /*id*/, UINT /*flags*/, POINT /*point*/) {}

void CPPMExplainDlgEventImp::BTN_OnLButtonUp(int /*id*/, UINT /*flags*/, POINT /*point*/) {}

void CPPMExplainDlgEventImp::OnCloseClicked() {}

void CPPMExplainDlgEventImp::OnOKClicked() {}
