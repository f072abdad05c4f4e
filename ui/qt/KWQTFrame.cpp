#include "ui/qt/KWQTFrame.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"

#include <new>

CKWFrameWnd* CreateKWFrameWnd(IKWFrameEvent* listener)
{
    return new (std::nothrow) CKWQTFrame(listener);
}

// The handle is the widget's own address, as every parent handle is: the
// controls' Create turns it back into a QWidget.
CKWQTFrame::CKWQTFrame(IKWFrameEvent* listener)
    : QFrame(nullptr)
    , CKWFrameWnd(listener)
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(KWHandleFromWidget(this));
    }
}

CKWQTFrame::~CKWQTFrame()
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(nullptr);
    }
}

int CKWQTFrame::Create(LPCWSTR /*className*/, LPCWSTR windowName, DWORD /*style*/, const RECT& rect, void* parent,
    LPCWSTR /*menuName*/, DWORD /*exStyle*/, void* /*createParam*/)
{
    setWindowTitle(KWToQString(windowName));
    KWPlaceInParent(this, parent, rect);
    return 1;
}

CKWChildWnd* CKWQTFrame::CreateChildWnd()
{
    return nullptr;
}

void CKWQTFrame::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTFrame::DockControlBar(void* /*bar*/, UINT /*side*/, const RECT* /*rect*/) { }

void CKWQTFrame::UIEnableDocking(DWORD /*sides*/) { }

void CKWQTFrame::SetSkin(DialogStyle* /*style*/) { }
