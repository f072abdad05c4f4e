#include "ui/qt/KWQTPictureCtrl.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"

#include <QPainter>

#include <new>

CKWPictureCtrl* CreateKWPictureCtrl(IKWPictureCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTPictureCtrl(listener);
}

CKWQTPictureCtrl::CKWQTPictureCtrl(IKWPictureCtrlEvent* listener)
    : QLabel(nullptr)
    , CKWPictureCtrl(listener)
{
}

CKWQTPictureCtrl::~CKWQTPictureCtrl() = default;

int CKWQTPictureCtrl::Create(LPCWSTR text, DWORD /*style*/, const RECT& rect, void* parent, UINT id)
{
    m_caption = KWToQString(text);
    setText(m_caption);
    setAlignment(Qt::AlignCenter);
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    return 1;
}

void CKWQTPictureCtrl::SetCursor() { }

int CKWQTPictureCtrl::SetSkin()
{
    return 1;
}

void CKWQTPictureCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTPictureCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTPictureCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTPictureCtrl::SetImage(LPCWSTR name)
{
    // An empty name is a picture that does not load, not "keep the old one".
    m_picture = QPixmap();
    KWLoadSkinPixmap(name, m_picture);
    update();
}

void CKWQTPictureCtrl::SetDrawPicture(int /*draw*/) { }

void* CKWQTPictureCtrl::GetHWnd()
{
    return KWHandleFromWidget(this);
}

void CKWQTPictureCtrl::SetPictureCtrlText(LPCWSTR text)
{
    m_caption = KWToQString(text);
    setText(m_caption);
}

void CKWQTPictureCtrl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.drawPixmap(rect(), m_picture);
    }
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}
