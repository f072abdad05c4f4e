#include "app/calc/FishParameterSettingEventImp.h"

#include "app/MainFrameEventImp.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

CFishParameterSettingEventImp::CFishParameterSettingEventImp(const boost::weak_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
}

// The controls belong to their Qt parent and went with the main window
// before the panel is released.
CFishParameterSettingEventImp::~CFishParameterSettingEventImp()
{
    m_view = nullptr;
}

boost::shared_ptr<CFishParameterSettingEventImp> CFishParameterSettingEventImp::CreateInstance(
    const boost::weak_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CFishParameterSettingEventImp> panel = boost::make_shared<CFishParameterSettingEventImp>(mainFrame);
    const boost::shared_ptr<CMainFrameEventImp> owner = mainFrame.lock();
    if (!owner) {
        return panel;
    }
    panel->m_view = CreateKWView(panel.get());
    if (panel->m_view == nullptr) {
        return panel;
    }
    panel->m_view->SetBGClr(0xFFFFFFu);
    panel->m_view->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), owner->GetUIWnd(), static_cast<UINT>(-2));
    return panel;
}

int CFishParameterSettingEventImp::OnCreate()
{
    return 1;
}

void CFishParameterSettingEventImp::OnDestroy() {}

void CFishParameterSettingEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}

void CFishParameterSettingEventImp::OnCurrentNumChanged(UINT /*id*/, double /*value*/) {}

void CFishParameterSettingEventImp::RADIO_OnClicked(int /*checked*/, int /*id*/, POINT /*point*/) {}

void CFishParameterSettingEventImp::SelectChanged(int /*id*/, int /*sel*/) {}

void CFishParameterSettingEventImp::KW_OnSliderPos(int /*id*/, int /*pos*/) {}

void CFishParameterSettingEventImp::OnInstallHeightMarker() {}

void CFishParameterSettingEventImp::OnObjectHeightMarker() {}

void CFishParameterSettingEventImp::OnObjectDistanceMarker() {}

void CFishParameterSettingEventImp::RetranslateTexts() {}

bool CFishParameterSettingEventImp::IsTopInstall() const
{
    // The panel starts on the ceiling mount.
    return true;
}

void CFishParameterSettingEventImp::SetInstallHeight(double /*height*/) {}

void CFishParameterSettingEventImp::SetObjectHeight(double /*height*/) {}

void CFishParameterSettingEventImp::SetObjectDistance(double /*distance*/) {}

// The panel's start values until it keeps the heights itself.
double CFishParameterSettingEventImp::GetInstallHeight() const
{
    return 2.0;
}

double CFishParameterSettingEventImp::GetObjectHeight() const
{
    return 1.7;
}

void CFishParameterSettingEventImp::OnView_ChangeUnit(int /*metric*/) {}

void CFishParameterSettingEventImp::SetHeightAxisMax(double /*max*/) {}

void CFishParameterSettingEventImp::CalcTargetPPM() {}

void CFishParameterSettingEventImp::CalcRingPPM() {}
