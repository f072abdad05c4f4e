#include "ui/qt/KWQTCheckBox.h"

#include "base/KWQtText.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextOption>

#include <new>

namespace {

// Text of a disabled box.
constexpr QRgb kDisabledTextColour = 0xFF6B6B6B;

void LoadPicture(const std::wstring& path, QPixmap& picture)
{
    if (!path.empty()) {
        // The format is read from the file's contents, not its name.
        KWLoadPicture(KWToQString(path), picture);
    }
}

} // namespace

CKWCheckBox* CreateKWCheckBox(IKWCheckBoxEvent* listener)
{
    return new (std::nothrow) CKWQTCheckBox(listener);
}

CKWQTCheckBox::CKWQTCheckBox(IKWCheckBoxEvent* listener)
    : QPushButton(nullptr)
    , CKWCheckBox(listener)
{
    connect(this, &QPushButton::clicked, this, &CKWQTCheckBox::OnCheckStateChanged);
}

CKWQTCheckBox::~CKWQTCheckBox() = default;

int CKWQTCheckBox::Create(const char* text, DWORD /*style*/, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    setText(QStringFromUtf8(text));
    m_id = static_cast<int>(id);
    return 1;
}

void CKWQTCheckBox::SetCursor() { }

void CKWQTCheckBox::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTCheckBox::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTCheckBox::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTCheckBox::SetCheck(int check)
{
    const bool checked = check != 0;
    if (m_checked != checked) {
        m_checked = checked;
        update();
    }
}

int CKWQTCheckBox::GetCheck(int* check) const
{
    if (check != nullptr) {
        *check = m_checked ? 1 : 0;
    }
    return 0;
}

int CKWQTCheckBox::GetWindowTextW(WCHAR* buffer, int size) const
{
    return KWCopyWideText(text(), buffer, size);
}

void CKWQTCheckBox::SetWindowTextW(LPCWSTR text)
{
    setText(KWToQString(text));
}

int CKWQTCheckBox::SetSkin(ImageCheckBox* style)
{
    if (style == nullptr) {
        return 0;
    }
    const std::wstring* fields[PIC_COUNT] = { &style->strCheckedNormal, &style->strCheckedHover,
        &style->strCheckedPressed, &style->strUncheckedNormal, &style->strUncheckedHover, &style->strUncheckedPressed,
        &style->strCheckedDisabled, &style->strUncheckedDisabled };
    for (size_t i = 0; i < m_pictures.size(); ++i) {
        LoadPicture(*fields[i], m_pictures[i]);
    }
    return 1;
}

void CKWQTCheckBox::OnCheckStateChanged()
{
    KWSendToParent(this, WM_COMMAND, 0, 0, static_cast<UINT>(m_id));
}

QPixmap CKWQTCheckBox::StretchByCorners(const QPixmap& picture, const QSize& size)
{
    if (picture.isNull()) {
        return picture;
    }
    const int w = size.width();
    const int h = size.height();
    const int cw = picture.width() / 2;
    const int ch = picture.height() / 2;
    const int rw = picture.width() - cw;
    const int bh = picture.height() - ch;

    QPixmap result(size);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    // The edge strips overlap the corners by a column; copying rather than
    // blending keeps translucent pixels as they were.
    painter.setCompositionMode(QPainter::CompositionMode_Source);

    painter.drawPixmap(0, 0, picture, 0, 0, cw, ch);
    painter.drawPixmap(w - rw, 0, picture, cw, 0, rw, ch);
    painter.drawPixmap(0, h - bh, picture, 0, ch, cw, bh);
    painter.drawPixmap(w - rw, h - bh, picture, cw, ch, rw, bh);

    for (int x = cw; x <= w - rw; ++x) {
        painter.drawPixmap(x, 0, picture, cw, 0, 1, ch);
    }
    for (int x = cw; x <= w - rw - 1; ++x) {
        painter.drawPixmap(x, h - bh, picture, cw, ch, 1, bh);
    }
    for (int y = ch; y <= h - bh - 1; ++y) {
        painter.drawPixmap(0, y, picture, 0, ch, cw, 1);
        painter.drawPixmap(w - rw, y, picture, cw, ch, rw, 1);
    }
    if (w - rw > cw && h - bh > ch) {
        painter.fillRect(QRect(QPoint(cw, ch), QPoint(w - rw - 1, h - bh - 1)), QBrush(picture.copy(cw, ch, 1, 1)));
    }
    painter.end();
    return result;
}

void CKWQTCheckBox::SetState(int state)
{
    if (m_state != state) {
        m_state = state;
        repaint();
    }
}

const QPixmap& CKWQTCheckBox::CurrentPicture() const
{
    if (!isEnabled()) {
        return m_pictures[m_checked ? PIC_CHECKED_DISABLED : PIC_UNCHECKED_DISABLED];
    }
    const size_t base = m_checked ? PIC_CHECKED_NORMAL : PIC_UNCHECKED_NORMAL;
    switch (m_state) {
    case STATE_HOVER:
        return m_pictures[base + 1];
    case STATE_PRESSED:
        return m_pictures[base + 2];
    default:
        return m_pictures[base];
    }
}

void CKWQTCheckBox::paintEvent(QPaintEvent* event)
{
    const QPixmap& picture = CurrentPicture();
    if (picture.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), picture);

    const QString label = text();
    if (label.isEmpty()) {
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(label) + 1;
    const int textHeight = metrics.height() + 1;
    const QRect textRect((width() - textWidth) / 2, (height() - textHeight) / 2, textWidth, textHeight);
    if (!isEnabled()) {
        painter.setPen(QColor::fromRgba(kDisabledTextColour));
    }
    painter.drawText(QRectF(textRect), label, QTextOption());
}

void CKWQTCheckBox::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    const QSize reference = m_pictures[PIC_CHECKED_HOVER].size();
    if (size.width() <= reference.width() && size.height() <= reference.height()) {
        if (size != reference) {
            for (QPixmap& picture : m_pictures) {
                if (!picture.isNull()) {
                    picture = picture.copy(0, 0, size.width(), size.height());
                }
            }
        }
    } else {
        for (QPixmap& picture : m_pictures) {
            picture = StretchByCorners(picture, size);
        }
    }
    QPushButton::resizeEvent(event);
}

void CKWQTCheckBox::enterEvent(QEnterEvent* event)
{
    SetState(STATE_HOVER);
    QPushButton::enterEvent(event);
}

void CKWQTCheckBox::leaveEvent(QEvent* event)
{
    SetState(STATE_NORMAL);
    QPushButton::leaveEvent(event);
}

void CKWQTCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->BTN_OnLButtonDown();
    }
    SetState(STATE_PRESSED);
    QPushButton::mousePressEvent(event);
}

void CKWQTCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    SetState(STATE_HOVER);
    if (m_pListener != nullptr) {
        m_pListener->BTN_OnLButtonUp();
    }
    // Every release toggles, inside the box or not; Qt's own handling then
    // sends the command only for a release inside.
    m_checked = !m_checked;
    update();
    QPushButton::mouseReleaseEvent(event);
}

void CKWQTCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) != 0 && m_pListener != nullptr) {
        m_pListener->BTN_OnMouseMove();
    }
    QPushButton::mouseMoveEvent(event);
}
