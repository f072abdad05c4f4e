#include "app/calc/FishSideViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/ViewControllerLayout.h"
#include "app/calc/ViewRoutes.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"

#include <boost/make_shared.hpp>

namespace {

constexpr double kStartInstallHeight = 2.0;
constexpr double kStartObjectHeight = 1.7;

} // namespace

CFishSideViewEventImp::CFishSideViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
{
}

CFishSideViewEventImp::~CFishSideViewEventImp()
{
    m_pScene = nullptr;
}

boost::shared_ptr<CFishSideViewEventImp> CFishSideViewEventImp::CreateInstance(
    const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<CFishSideViewEventImp>(owner);
}

const wchar_t* CFishSideViewEventImp::TitleText() const
{
    return translate(L"Side View");
}

int CFishSideViewEventImp::OnCreate()
{
    CreateTitle();
    m_pScene = CreateKWSideSceneFish(this);
    if (m_pScene == nullptr) {
        return 1;
    }
    AttachSideScene(m_pScene);
    // The fisheye scene draws its own captions: the three label texts stay empty.
    ImageVericalStyle style = SideViewHandleStyle();
    style.strWallMountImage = L"ceshi_bizhuang_nor.png";
    style.strCameraImage = L"ceshi_dingzhuang_nor.png";
    m_pScene->SetImage(&style);
    return 1;
}

void CFishSideViewEventImp::OnDestroy() {}

void CFishSideViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, true);
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->MoveWindow(scene);
    // The panel's heights rather than the start values: a resize must not
    // draw heights that the panel and its densities no longer use. Without a
    // panel the start values stand; they are the panel's own first values.
    double installHeight = kStartInstallHeight;
    double objectHeight = kStartObjectHeight;
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::FishHeights(*owner, &installHeight, &objectHeight);
    }
    m_pScene->SetVirtualHeight(installHeight);
    m_pScene->SetObjectHeight(objectHeight);
}

void CFishSideViewEventImp::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric);
    }
}

void CFishSideViewEventImp::SetVirtualHeight(double height)
{
    if (m_pScene != nullptr) {
        m_pScene->SetVirtualHeight(height);
    }
}

void CFishSideViewEventImp::SetObjectHeight(double height)
{
    if (m_pScene != nullptr) {
        m_pScene->SetObjectHeight(height);
    }
}

void CFishSideViewEventImp::SetObjectDistance(double distance)
{
    if (m_pScene != nullptr) {
        m_pScene->SetObjectDistance(distance);
    }
}

void CFishSideViewEventImp::SetInstWay(bool ceiling)
{
    if (m_pScene != nullptr) {
        m_pScene->SetInstWay(ceiling);
    }
}

void CFishSideViewEventImp::OnObjectHeightChanged(double objectHeight)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::ObjectHeightChanged(*owner, objectHeight);
    }
}

void CFishSideViewEventImp::OnVirtualHeightChanged(double installHeight)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::VirtualHeightChanged(*owner, installHeight);
    }
}

void CFishSideViewEventImp::OnObjectDistanceChanged(double objectDistance)
{
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::ObjectDistanceChanged(*owner, objectDistance);
    }
}
