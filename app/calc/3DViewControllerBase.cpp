#include "app/calc/3DViewControllerBase.h"

#include "app/calc/ViewControllerLayout.h"
#include "ui/api/KWRect.h"

namespace {

// The length axis and the person's distance every resize starts from.
constexpr double kStartAxisMax = 22.9133858;
constexpr double kStartObjectPos = 10.0;

} // namespace

C3DViewControllerBase::C3DViewControllerBase(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
{
}

C3DViewControllerBase::~C3DViewControllerBase()
{
    m_pScene = nullptr;
}

void C3DViewControllerBase::OnDestroy() { }

CKW3DView* C3DViewControllerBase::CreateScene(bool fisheye)
{
    CreateTitle();
    m_pScene = CreateKW3DView(this);
    if (m_pScene == nullptr) {
        return nullptr;
    }
    AttachScene(m_pScene);
    if (fisheye) {
        m_pScene->SetFishEyeEnable(true);
    }
    Image3DViewBtnStyle style = MarkerButtonStyle3D();
    m_pScene->SetSkin(&style);
    return m_pScene;
}

CKW3DView* C3DViewControllerBase::LayoutScene(int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, false);
    if (m_pScene == nullptr) {
        return nullptr;
    }
    m_pScene->MoveWindow(scene);
    m_pScene->SetVirtulXaxisMax(kStartAxisMax);
    m_pScene->SetObjectPos(kStartObjectPos);
    return m_pScene;
}

void C3DViewControllerBase::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric != 0);
    }
}

void C3DViewControllerBase::AddInstallHeight()
{
    if (m_pScene != nullptr) {
        m_pScene->AddInstallHeight();
    }
}

void C3DViewControllerBase::AddHDistance()
{
    if (m_pScene != nullptr) {
        m_pScene->AddHDistance();
    }
}

void C3DViewControllerBase::SetObjectPos(double pos)
{
    if (m_pScene != nullptr) {
        m_pScene->SetObjectPos(pos);
    }
}

void C3DViewControllerBase::SetVirtulXaxisMax(double max)
{
    if (m_pScene != nullptr) {
        m_pScene->SetVirtulXaxisMax(max);
    }
}
