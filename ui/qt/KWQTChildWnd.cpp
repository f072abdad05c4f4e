#include "ui/qt/KWQTChildWnd.h"

#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <new>

CKWChildWnd* CreateKWChildWnd(IKWChildWndEvent* listener)
{
    return new (std::nothrow) CKWQTChildWnd(listener);
}

CKWQTChildWnd::CKWQTChildWnd(IKWChildWndEvent* listener)
    : QWidget(nullptr)
    , CKWChildWnd(listener)
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(KWHandleFromWidget(this));
    }
}

CKWQTChildWnd::~CKWQTChildWnd()
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(nullptr);
    }
}

int CKWQTChildWnd::Create(UINT /*id*/, const char* title, int show)
{
    setWindowTitle(QStringFromUtf8(title));
    setVisible(show != 0);
    return 1;
}

void CKWQTChildWnd::ShowWindow(int show)
{
    setVisible(show != 0);
}
