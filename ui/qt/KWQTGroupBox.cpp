#include "ui/qt/KWQTGroupBox.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <new>

CKWGroupBox* CreateKWGroupBox(IKWGroupBoxEvent* listener)
{
    return new (std::nothrow) CKWQTGroupBox(listener);
}

// The content widget is the box's child so that the controls placed in it
// are shown, moved and deleted with the box; a widget of its own, it would
// never appear. It paints nothing itself, so the box's frame and title show
// through.
CKWQTGroupBox::CKWQTGroupBox(IKWGroupBoxEvent* listener)
    : QGroupBox(nullptr)
    , CKWGroupBox(listener)
    , m_content(new QWidget(this))
{
}

CKWQTGroupBox::~CKWQTGroupBox() = default;

int CKWQTGroupBox::Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    KWPlaceInParent(this, parent, rect);
    FitContent(width(), height());
    setTitle(KWToQString(text));
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTGroupBox::SetCursor() { }

int CKWQTGroupBox::SetSkin()
{
    return 0;
}

void CKWQTGroupBox::ShowWindow(int /*show*/) { }

void CKWQTGroupBox::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        KWMoveExclusive(this, rect);
        FitContent(width(), height());
    }
}

void CKWQTGroupBox::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
    FitContent(width, height);
}

void CKWQTGroupBox::SetWindowTextW(LPCWSTR text)
{
    setTitle(KWToQString(text));
}

int CKWQTGroupBox::GetWindowTextW(WCHAR* /*buffer*/, int /*size*/) const
{
    return -1;
}

void CKWQTGroupBox::SetBorderColor(UINT colour)
{
    const QColor color = ColorFromColorRef(colour);
    setStyleSheet(QStringLiteral("QGroupBox{border: 1px solid rgb(%1,%2,%3)}")
                      .arg(color.red())
                      .arg(color.green())
                      .arg(color.blue()));
}

void* CKWQTGroupBox::GetUIWnd()
{
    return KWHandleFromWidget(m_content);
}

void CKWQTGroupBox::FitContent(int width, int height)
{
    // The minimum first: the old one would stop the widget from shrinking.
    m_content->setMinimumSize(width, height);
    m_content->setGeometry(0, 0, width, height);
}
