#include "ui/qt/KWQTListBox.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"

#include <QMouseEvent>

#include <limits>
#include <memory>
#include <new>

CKWListBox* CreateKWListBox(IKWListBoxEvent* listener)
{
    return new (std::nothrow) CKWQTListBox(listener);
}

CKWQTListBox::CKWQTListBox(IKWListBoxEvent* listener)
    : QListWidget(nullptr)
    , CKWListBox(listener)
{
}

CKWQTListBox::~CKWQTListBox() = default;

int CKWQTListBox::Create(DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    KWPlaceInParent(this, parent, rect);
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTListBox::SetCursor() { }

int CKWQTListBox::SetSkin()
{
    return 0;
}

void CKWQTListBox::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTListBox::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left + 1, rect->bottom - rect->top + 1);
    }
}

void CKWQTListBox::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTListBox::GetCount() const
{
    return count();
}

int CKWQTListBox::GetText(int index, WCHAR* buffer) const
{
    if (index < 0 || index >= count()) {
        return -1;
    }
    const QString text = item(index)->text();
    if (buffer == nullptr) {
        return static_cast<int>(KWFromQString(text).size());
    }
    // No capacity is given: the caller's buffer holds the whole text.
    return KWCopyWideTextUnterminated(text, buffer, std::numeric_limits<int>::max());
}

int CKWQTListBox::GetCurSel() const
{
    return currentRow();
}

int CKWQTListBox::SetCurSel(int index)
{
    if (index < 0 || index >= count()) {
        return -1;
    }
    setCurrentRow(index);
    return currentRow();
}

int CKWQTListBox::AddString(LPCWSTR text)
{
    addItem(KWToQString(text));
    return GetCount() - 1;
}

int CKWQTListBox::DeleteString(UINT index)
{
    if (index < static_cast<UINT>(count())) {
        // takeItem hands the item over; nobody else holds it.
        std::unique_ptr<QListWidgetItem> taken(takeItem(static_cast<int>(index)));
    }
    return GetCount();
}

void CKWQTListBox::mousePressEvent(QMouseEvent* /*event*/)
{
    if (m_pListener != nullptr) {
        m_pListener->LISTBOX_OnLButtonDown();
    }
}

void CKWQTListBox::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    if (m_pListener != nullptr) {
        m_pListener->LISTBOX_OnLButtonUp();
    }
}

void CKWQTListBox::mouseMoveEvent(QMouseEvent* /*event*/)
{
    if (m_pListener != nullptr) {
        m_pListener->LISTBOX_OnMouseMove();
    }
}
