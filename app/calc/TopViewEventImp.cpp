#include "app/calc/TopViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/ViewRoutes.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"

#include <boost/make_shared.hpp>

namespace {

// Horizontal angle of view (degrees) and visible width before any camera is known.
constexpr double kDefaultVisualAngle = 101.9289749;
constexpr double kDefaultVisibleWidth = 10.0;

} // namespace

CTopViewEventImp::CTopViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : CViewControllerBase(owner)
{
}

CTopViewEventImp::~CTopViewEventImp()
{
    m_pScene = nullptr;
}

boost::shared_ptr<CTopViewEventImp> CTopViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<CTopViewEventImp>(owner);
}

const wchar_t* CTopViewEventImp::TitleText() const
{
    return translate(L"Top View");
}

int CTopViewEventImp::OnCreate()
{
    CreateTitle();
    m_pScene = CreateKWTopView(this);
    if (m_pScene == nullptr) {
        return 1;
    }
    AttachScene(m_pScene);
    m_pScene->SetImage(L"besidevideoup_nor.png", L"topviewpeople_nor.png", L"top_radian_nor.png");
    return 1;
}

void CTopViewEventImp::OnDestroy() {}

void CTopViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    CKWRect scene = LayoutTitle(cx, cy, false);
    if (m_pScene == nullptr) {
        return;
    }
    m_pScene->MoveWindow(scene);
    SetDefaultParam();
    // The defaults must not outlive a computed angle: the main frame lays the
    // side view out first, and its recalculation would otherwise be undone
    // here. The panel pushes its angle and distance to both views.
    if (const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner()) {
        KWViewRoutes::RecalcViewAngles(*owner);
    }
}

void CTopViewEventImp::OnView_ChangeUnit(int metric)
{
    if (m_pScene != nullptr) {
        m_pScene->OnView_ChangeUnit(metric);
    }
}

void CTopViewEventImp::UpdateVisualAngle(double angle)
{
    if (m_pScene != nullptr) {
        m_pScene->UpdateVisualAngle(angle);
    }
}

void CTopViewEventImp::UpdateVisibleWidth(double distance)
{
    if (m_pScene != nullptr) {
        m_pScene->UpdateVisibleWidth(distance);
    }
}

void CTopViewEventImp::SetVirtulXaxisMax(double blindDistance, double lengthMaximum)
{
    if (m_pScene != nullptr) {
        m_pScene->SetVirtulXaxisMax(blindDistance, lengthMaximum);
    }
}

// The top view scales itself from the blind distance and the width alone.
void CTopViewEventImp::SetLengthAxisMax(double /*lengthMaximum*/) {}

void CTopViewEventImp::SetDefaultParam()
{
    if (m_pScene != nullptr) {
        m_pScene->SetParam(kDefaultVisualAngle, kDefaultVisibleWidth);
    }
}
