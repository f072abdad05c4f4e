#include "app/calc/ParameterSettingEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CParameterSettingEventImp::CParameterSettingEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
}

// The controls belong to their Qt parent and went with the main window
// before the panel is released.
CParameterSettingEventImp::~CParameterSettingEventImp()
{
    m_view = nullptr;
}

boost::shared_ptr<CParameterSettingEventImp> CParameterSettingEventImp::CreateInstance(
    const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CParameterSettingEventImp> panel = boost::make_shared<CParameterSettingEventImp>(mainFrame);
    panel->CreatePanelView();
    return panel;
}

void CParameterSettingEventImp::CreatePanelView()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    m_view = CreateKWView(this);
    if (m_view == nullptr) {
        return;
    }
    m_view->SetBGClr(0xFFFFFFu);
    m_view->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), mainFrame->GetUIWnd(), static_cast<UINT>(-2));
}

int CParameterSettingEventImp::OnCreate()
{
    return 1;
}

void CParameterSettingEventImp::OnDestroy() {}

void CParameterSettingEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CParameterSettingEventImp::OnCurrentNumChanged(UINT /*id*/, double /*value*/) {}

void CParameterSettingEventImp::RADIO_OnClicked(int /*selected*/, int /*id*/, POINT /*point*/) {}

void CParameterSettingEventImp::SelectChanged(int /*id*/, int /*index*/) {}

void CParameterSettingEventImp::KW_OnSliderPos(int /*id*/, int /*pos*/) {}

void CParameterSettingEventImp::OnInstallHeightMarker() {}

void CParameterSettingEventImp::OnResolutionMarker() {}

void CParameterSettingEventImp::OnInstallAngleMarker() {}

void CParameterSettingEventImp::OnHDistanceMarker() {}

void CParameterSettingEventImp::SetHeightAxisMax(double /*max*/) {}

void CParameterSettingEventImp::SetLengthAxisRange(double /*min*/, double /*max*/) {}

void CParameterSettingEventImp::SetInstallFromView(double /*angle*/, double /*height*/) {}

void CParameterSettingEventImp::SetTarHDistance(double /*distance*/) {}

void CParameterSettingEventImp::SetTargetViewHeights(double /*top*/, double /*bottom*/) {}

void CParameterSettingEventImp::SetTargetHeight(double /*height*/) {}

void CParameterSettingEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CParameterSettingEventImp::RetranslateTexts() {}

void CParameterSettingEventImp::CalcViewAngles() {}

void CParameterSettingEventImp::CalcPPM() {}

void CParameterSettingEventImp::ApplyModelName(const wchar_t* /*name*/) {}
