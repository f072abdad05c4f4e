#include "app/calc/3DViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/ViewControllerLayout.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"

#include <boost/make_shared.hpp>

namespace {

// The picture of the model the IPC panel starts with.
const wchar_t* const kDefaultCameraPicture =
#include "DefaultCameraPicture.inc"
    ;

} // namespace

C3DViewEventImp::C3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
    , m_modelPicture(kDefaultCameraPicture)
{
}

C3DViewEventImp::~C3DViewEventImp()
{
    m_pScene = nullptr;
}

boost::shared_ptr<C3DViewEventImp> C3DViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<C3DViewEventImp>(owner);
}

const wchar_t* C3DViewEventImp::TitleText() const
{
    return translate(L"3D View");
}

int C3DViewEventImp::OnCreate()
{
    CreateTitle();
    m_pScene = CreateKW3DView(this);
    if (m_pScene == nullptr) {
        return 1;
    }
    AttachScene(m_pScene);
    Image3DViewBtnStyle style = MarkerButtonStyle3D();
    m_pScene->SetSkin(&style);
    m_pScene->SetBgImage(m_modelPicture.c_str(), L"");
    return 1;
}

void C3DViewEventImp::OnDestroy() {}

void C3DViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, false);
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->MoveWindow(scene);
    m_pScene->SetVirtulXaxisMax(22.9133858);
    m_pScene->SetObjectPos(10.0);
    m_pScene->SetBgImage(m_modelPicture.c_str(), L"");
}

void C3DViewEventImp::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric != 0);
    }
}

void C3DViewEventImp::AddInstallHeight()
{
    if (m_pScene != nullptr) {
        m_pScene->AddInstallHeight();
    }
}

// The scene's resolution marker shows fixed texts; the value is not passed.
void C3DViewEventImp::AddResolution(double /*value*/)
{
    if (m_pScene != nullptr) {
        m_pScene->AddResolution();
    }
}

void C3DViewEventImp::AddInstAngle()
{
    if (m_pScene != nullptr) {
        m_pScene->AddInstAngle();
    }
}

void C3DViewEventImp::AddHDistance()
{
    if (m_pScene != nullptr) {
        m_pScene->AddHDistance();
    }
}

void C3DViewEventImp::SetObjectPos(double pos)
{
    if (m_pScene != nullptr) {
        m_pScene->SetObjectPos(pos);
    }
}

void C3DViewEventImp::SetVirtulXaxisMax(double max)
{
    if (m_pScene != nullptr) {
        m_pScene->SetVirtulXaxisMax(max);
    }
}

void C3DViewEventImp::SetBgImageByName(const wchar_t* name)
{
    if (name == nullptr) {
        return;
    }
    m_modelPicture = ModelPictureName(name);
    if (m_pScene != nullptr) {
        m_pScene->SetBgImage(m_modelPicture.c_str(), L"");
    }
}
