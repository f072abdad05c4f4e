#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/ViewControllerLayout.h"

#include "app/MainFrameEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"

#include <boost/make_shared.hpp>

namespace {

const wchar_t* const kCeilingPicture = L"3d_dingzhuang_nor.png";
const wchar_t* const kWallPicture = L"3d_bizhuang_nor.png";
const wchar_t* const kPersonPicture = L"3dpicpeople_nor.png";

} // namespace

CFish3DViewEventImp::CFish3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
{
}

CFish3DViewEventImp::~CFish3DViewEventImp()
{
    m_pScene = nullptr;
}

boost::shared_ptr<CFish3DViewEventImp> CFish3DViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<CFish3DViewEventImp>(owner);
}

const wchar_t* CFish3DViewEventImp::TitleText() const
{
    return translate(L"3D View");
}

int CFish3DViewEventImp::OnCreate()
{
    CreateTitle();
    m_pScene = CreateKW3DView(this);
    if (m_pScene == nullptr) {
        return 1;
    }
    AttachScene(m_pScene);
    m_pScene->SetFishEyeEnable(true);
    Image3DViewBtnStyle style = MarkerButtonStyle3D();
    m_pScene->SetSkin(&style);
    // The panel starts on the ceiling mount.
    m_pScene->SetBgImage(kCeilingPicture, kPersonPicture);
    return 1;
}

void CFish3DViewEventImp::OnDestroy() {}

void CFish3DViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, false);
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->MoveWindow(scene);
    m_pScene->SetVirtulXaxisMax(22.9133858);
    m_pScene->SetObjectPos(10.0);
}

void CFish3DViewEventImp::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric != 0);
    }
}

void CFish3DViewEventImp::AddInstallHeight()
{
    if (m_pScene != nullptr) {
        m_pScene->AddInstallHeight();
    }
}

void CFish3DViewEventImp::AddObjHeight()
{
    if (m_pScene != nullptr) {
        m_pScene->AddObjHeight();
    }
}

void CFish3DViewEventImp::AddObjDistance()
{
    if (m_pScene != nullptr) {
        m_pScene->AddObjDistance();
    }
}

void CFish3DViewEventImp::AddHDistance()
{
    if (m_pScene != nullptr) {
        m_pScene->AddHDistance();
    }
}

void CFish3DViewEventImp::SetObjectPos(double pos)
{
    if (m_pScene != nullptr) {
        m_pScene->SetObjectPos(pos);
    }
}

void CFish3DViewEventImp::SetVirtulXaxisMax(double max)
{
    if (m_pScene != nullptr) {
        m_pScene->SetVirtulXaxisMax(max);
    }
}

void CFish3DViewEventImp::SetInstWay(bool ceiling)
{
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->SetInstWay(ceiling);
    m_pScene->SetBgImage(ceiling ? kCeilingPicture : kWallPicture, kPersonPicture);
}
