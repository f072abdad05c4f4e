#include "app/calc/SideViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "app/calc/ViewControllerLayout.h"
#include "app/calc/ViewRoutes.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"

#include <boost/make_shared.hpp>

CSideViewEventImp::CSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
{
}

CSideViewEventImp::~CSideViewEventImp()
{
    m_pScene = nullptr;
}

boost::shared_ptr<CSideViewEventImp> CSideViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<CSideViewEventImp>(owner);
}

const wchar_t* CSideViewEventImp::TitleText() const
{
    return translate(L"Side View");
}

int CSideViewEventImp::OnCreate()
{
    CreateTitle();
    m_pScene = CreateKWVerticalSceneC(this);
    if (m_pScene == nullptr) {
        return 1;
    }
    AttachSideScene(m_pScene);
    ImageVericalStyle style = SideViewHandleStyle();
    style.strWallMountImage = L"kuang2_nor.png";
    style.strCameraImage = L"besidevideodown_nor.png";
    style.strLabel1 = translate(L"Y-axis Length:");
    style.strLabel2 = translate(L"X-axis Length:");
    style.strLabel3 = translate(L"Unit: m");
    m_pScene->SetSkin(&style);
    return 1;
}

void CSideViewEventImp::OnDestroy() {}

void CSideViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, true);
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->MoveWindow(scene);
    SetAxisCaptions();
    RecalcViewAngles();
}

void CSideViewEventImp::SetAxisCaptions()
{
    if (m_pScene != nullptr) {
        // translate keeps its last few results, so both texts stay valid for the call.
        m_pScene->ChangeXYLangage(translate(L"Height"), translate(L"Length"));
    }
}

void CSideViewEventImp::RetranslateTitle()
{
    CViewControllerBase::RetranslateTitle();
    SetAxisCaptions();
}

void CSideViewEventImp::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric);
    }
}

void CSideViewEventImp::SetVirtualHeight(double height)
{
    if (m_pScene != nullptr) {
        m_pScene->SetVirtualHeight(height);
    }
}

void CSideViewEventImp::SetInstAngle(double angle)
{
    if (m_pScene != nullptr) {
        m_pScene->SetInstAngle(angle);
    }
}

void CSideViewEventImp::SetTarHDistance(double distance)
{
    if (m_pScene != nullptr) {
        m_pScene->SetTarHDistance(distance);
    }
}

void CSideViewEventImp::SetParam(double verticalAngle, double targetDistance, double installHeight, double installAngle,
                                 double unused)
{
    if (m_pScene != nullptr) {
        m_pScene->SetParam(verticalAngle, targetDistance, installHeight, installAngle, unused);
    }
}

void CSideViewEventImp::RecalcViewAngles()
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::RecalcViewAngles(*owner);
    }
}

void CSideViewEventImp::OnBlindDistanceChanged(double blindDistance, double lengthMaximum)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::BlindDistanceChanged(*owner, blindDistance, lengthMaximum);
    }
}

void CSideViewEventImp::OnInstallChanged(double installAngle, double installHeight)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::InstallChanged(*owner, installAngle, installHeight);
    }
}

void CSideViewEventImp::OnHeightAxisMaxChanged(double heightMaximum)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::HeightAxisMaxChanged(*owner, heightMaximum);
    }
}

void CSideViewEventImp::OnLengthAxisRangeChanged(double minimumDistance, double lengthMaximum)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::LengthAxisRangeChanged(*owner, minimumDistance, lengthMaximum);
    }
}

void CSideViewEventImp::OnTarHDistanceChanged(double targetDistance)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::TarHDistanceChanged(*owner, targetDistance);
    }
}

void CSideViewEventImp::OnTargetViewHeightsChanged(double top, double bottom)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::TargetViewHeightsChanged(*owner, top, bottom);
    }
}

void CSideViewEventImp::OnTargetHeightChanged(double targetHeight)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::TargetHeightChanged(*owner, targetHeight);
    }
}
