#include "app/calc/FishTopViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/ViewRoutes.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"

#include <boost/make_shared.hpp>

#include <utility>

CFishTopViewEventImp::CFishTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
{
}

CFishTopViewEventImp::~CFishTopViewEventImp()
{
    m_pScene = nullptr;
}

boost::shared_ptr<CFishTopViewEventImp> CFishTopViewEventImp::CreateInstance(
    const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<CFishTopViewEventImp>(owner);
}

const wchar_t* CFishTopViewEventImp::TitleText() const
{
    return translate(L"Top View");
}

int CFishTopViewEventImp::OnCreate()
{
    CreateTitle();
    m_pScene = CreateKWTopViewFish(this);
    if (m_pScene == nullptr) {
        return 1;
    }
    AttachScene(m_pScene);
    m_pScene->SetImage(L"besidevideoup_nor.png", L"topviewpeople_nor.png", L"top_radian_nor.png");
    return 1;
}

void CFishTopViewEventImp::OnDestroy() {}

void CFishTopViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, false);
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->MoveWindow(scene);
    RecalcRingPPM();
}

void CFishTopViewEventImp::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric);
    }
}

void CFishTopViewEventImp::SetRadiusPPM(std::map<double, std::wstring> rings)
{
    if (m_pScene != nullptr) {
        m_pScene->SetRadiusPPM(std::move(rings), false);
    }
}

void CFishTopViewEventImp::SetInstWay(bool ceiling)
{
    if (m_pScene != nullptr) {
        m_pScene->SetInstWay(ceiling);
    }
}

void CFishTopViewEventImp::RecalcRingPPM()
{
    const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner();
    if (owner) {
        KWViewRoutes::RecalcRingPPM(*owner);
    }
}
