#include "ui/qt/KWQTProgressCtrl.h"

#include "ui/qt/KWControlKit.h"

#include <new>

const char* const CKWQTProgressCtrl::kStyleSheet
    = "QProgressBar {background-color: rgb(17,17,17);border-radius:2px } "
      "QProgressBar::chunk {border-radius:2px;background-color: rgb(203,2,2);}";

CKWProgressCtrl* CreateKWProgressCtrl(IKWProgressCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTProgressCtrl(listener);
}

CKWQTProgressCtrl::CKWQTProgressCtrl(IKWProgressCtrlEvent* listener)
    : QProgressBar(nullptr)
    , CKWProgressCtrl(listener)
{
    setAlignment(Qt::AlignCenter);
    setTextVisible(true);
    setAutoFillBackground(true);
}

CKWQTProgressCtrl::~CKWQTProgressCtrl() = default;

int CKWQTProgressCtrl::Create(DWORD style, const RECT& rect, void* parent, UINT id)
{
    m_id = id;
    KWPlaceInParent(this, parent, rect);
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTProgressCtrl::SetCursor() { }

int CKWQTProgressCtrl::SetSkin(ImageProgressCtrlStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    return 1;
}

void CKWQTProgressCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTProgressCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTProgressCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTProgressCtrl::ModifyStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/)
{
    return 1;
}

int CKWQTProgressCtrl::GetPos()
{
    return value();
}

void CKWQTProgressCtrl::GetRange(int& minimum, int& maximum)
{
    minimum = QProgressBar::minimum();
    maximum = QProgressBar::maximum();
}

void CKWQTProgressCtrl::SetPos(int pos)
{
    setValue(pos);
}

void CKWQTProgressCtrl::SetRange(int minimum, int maximum)
{
    setRange(minimum, maximum);
}

int CKWQTProgressCtrl::SetStep(int /*step*/)
{
    return 0;
}

int CKWQTProgressCtrl::StepIt()
{
    return 0;
}

void CKWQTProgressCtrl::SetTextVisible(int visible)
{
    setTextVisible(visible != 0);
}
