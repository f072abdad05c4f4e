#include "ui/qt/KWQTEditCtrl.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QPixmap>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <new>
#include <string>

namespace {

// 1 to 999999: up to six digits, no leading zero.
const char* const kNumberPattern = "^[1-9]\\d{0,5}$";

} // namespace

CKWEditCtrl* CreateKWEditCtrl(IKWEditCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTEditCtrl(listener);
}

CKWQTEditCtrl::CKWQTEditCtrl(IKWEditCtrlEvent* listener)
    : QLineEdit(nullptr)
    , CKWEditCtrl(listener)
{
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setStyleSheet(QStringLiteral("background-color:rgb(255, 255, 255);"));
    connect(this, &QLineEdit::textChanged, this, &CKWQTEditCtrl::OnTextChange);
    connect(this, &QLineEdit::editingFinished, this, &CKWQTEditCtrl::OnEditingFinished);
    connect(this, &CKWQTEditCtrl::clicked, this, &CKWQTEditCtrl::OnEditclicked);
}

CKWQTEditCtrl::~CKWQTEditCtrl() = default;

int CKWQTEditCtrl::Create(DWORD style, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTEditCtrl::SetCursor() { }

int CKWQTEditCtrl::SetSkin(LPCWSTR name)
{
    if (name == nullptr) {
        return 0;
    }
    // A picture that does not load still replaces the brush: the call says
    // which picture the field shows, and it shows none.
    QPixmap picture;
    KWLoadSkinPixmap(name, picture);
    QPalette palette = QApplication::palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(picture));
    setPalette(palette);
    return 1;
}

void CKWQTEditCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTEditCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTEditCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTEditCtrl::GetWindowTextW(WCHAR* buffer, int size) const
{
    return KWCopyWideText(text(), buffer, size);
}

void CKWQTEditCtrl::SetWindowTextW(LPCWSTR text)
{
    setText(KWToQString(text));
}

void CKWQTEditCtrl::SetPlaceholderText(LPCWSTR text)
{
    setPlaceholderText(KWToQString(text));
}

void CKWQTEditCtrl::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTEditCtrl::InputNumberOnly()
{
    QValidator* previous = m_numberValidator;
    m_numberValidator
        = new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kNumberPattern)), this);
    setValidator(m_numberValidator);
    delete previous;
}

void CKWQTEditCtrl::GetmapToGlobal(int& x, int& y)
{
    x = pos().x();
    y = pos().y();
}

void CKWQTEditCtrl::SetMaxLenth(int length)
{
    setMaxLength(length);
}

void CKWQTEditCtrl::SetReadOnly(int readOnly)
{
    setEnabled(true);
    setReadOnly(readOnly != 0);
}

void CKWQTEditCtrl::OnTextChange(const QString& text)
{
    if (m_pListener == nullptr) {
        return;
    }
    std::wstring copy = KWFromQString(text);
    m_pListener->EDIT_OnTextChange(m_id, copy.data());
}

void CKWQTEditCtrl::OnEditingFinished()
{
    if (m_pListener == nullptr) {
        return;
    }
    std::wstring copy = KWFromQString(text());
    m_pListener->EDIT_OnEditingFinished(m_id, copy.data());
}

void CKWQTEditCtrl::OnEditclicked()
{
    if (m_pListener != nullptr) {
        m_pListener->EDIT_OnEditclicked(m_id);
    }
}

void CKWQTEditCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_pListener != nullptr) {
        // Return confirms the field as leaving it would; keypad Enter only
        // reaches the dialog.
        if (key == Qt::Key_Return) {
            std::wstring copy = KWFromQString(text());
            m_pListener->edit_FocusOutEvent(m_id, copy.data());
        }
        m_pListener->OnDlgKeyDown(static_cast<UINT>(event->modifiers().toInt()), static_cast<UINT>(key));
        clearFocus();
    }
    QLineEdit::keyPressEvent(event);
}

void CKWQTEditCtrl::focusOutEvent(QFocusEvent* event)
{
    if (m_pListener != nullptr) {
        std::wstring copy = KWFromQString(text());
        m_pListener->edit_FocusOutEvent(m_id, copy.data());
        clearFocus();
    }
    QLineEdit::focusOutEvent(event);
}

void CKWQTEditCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
    QLineEdit::mousePressEvent(event);
}
