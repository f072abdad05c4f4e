#include "app/calc/ViewControllerBase.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/ViewControllerLayout.h"
#include "base/Globals.h"
#include "ui/api/KWStatic.h"

namespace {

constexpr UINT kContainerColour = 0xE2D7D0u;
constexpr UINT kContainerId = static_cast<UINT>(-2);
constexpr UINT kTitleId = static_cast<UINT>(-1);
// Vertically centred, left aligned.
constexpr UINT kTitleAlign = 4;

} // namespace

CViewControllerBase::CViewControllerBase(const boost::shared_ptr<CMainFrameEventImp>& owner) : m_owner(owner) {}

// The container, the title and the scene went with the main window, which the
// main frame deletes before it releases its controllers.
CViewControllerBase::~CViewControllerBase()
{
    m_pTitle = nullptr;
    m_pContainer = nullptr;
}

void CViewControllerBase::CreateContainerView()
{
    const boost::shared_ptr<CMainFrameEventImp> owner = LockOwner();
    if (!owner) {
        return;
    }
    CreateContainerView(owner->GetUIWnd());
}

void CViewControllerBase::CreateContainerView(void* parentWindow)
{
    if (m_pContainer != nullptr) {
        return;
    }
    m_pContainer = CreateKWView(this);
    if (m_pContainer == nullptr) {
        return;
    }
    m_pContainer->SetBGClr(kContainerColour);
    m_pContainer->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), parentWindow, kContainerId);
}

void CViewControllerBase::RetranslateTitle()
{
    if (m_pTitle != nullptr) {
        m_pTitle->SetStaticText(TitleText(), false);
    }
}

void CViewControllerBase::CreateTitle()
{
    m_pTitle = CreateKWStatic(nullptr);
    if (m_pTitle == nullptr) {
        return;
    }
    m_pTitle->Create(TitleText(), WS_VISIBLE, CKWRect(0, 0, 200, 20), GetUIWnd(), kTitleId);
    m_pTitle->SetTextAlignFlag(kTitleAlign);
    m_pTitle->SetTextSize(ViewTitleTextSize(g_uiScale));
}

CKWRect CViewControllerBase::LayoutTitle(int cx, int cy, bool keepBottomMargin)
{
    const double scale = g_uiScale;
    CKWRect title = ViewTitleRect(scale);
    if (m_pTitle != nullptr) {
        m_pTitle->MoveWindow(title);
    }
    return ViewSceneRect(title, cx, cy, scale, keepBottomMargin);
}
