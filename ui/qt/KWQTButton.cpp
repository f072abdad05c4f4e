#include "ui/qt/KWQTButton.h"

#include "base/KWQtText.h"
#include "base/ScaledLength.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QAbstractAnimation>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <new>

namespace {

// Text of a disabled button, whatever colour was set.
constexpr QRgb kDisabledTextColour = 0xFF6B6B6B;
constexpr UINT kCenter = 0x1; // DT_CENTER
constexpr UINT kRight = 0x2; // DT_RIGHT
constexpr UINT kEndEllipsis = 0x8000; // DT_END_ELLIPSIS

} // namespace

CKWButton* CreateKWButton(IKWButtonEvent* listener)
{
    return new (std::nothrow) CKWQTButton(listener);
}

CKWQTButton::CKWQTButton(IKWButtonEvent* listener)
    : QPushButton(nullptr)
    , CKWButton(listener)
{
    connect(this, &QPushButton::clicked, this, &CKWQTButton::OnClicked);
}

CKWQTButton::~CKWQTButton() = default;

int CKWQTButton::Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    setText(KWToQString(text));
    m_id = static_cast<int>(id);
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTButton::SetCursor() { }

int CKWQTButton::SetSkin(ImageButtonStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    KWLoadSkinPixmap(style->strHover, m_hoverPicture);
    KWLoadSkinPixmap(style->strPressed, m_pressedPicture);
    KWLoadSkinPixmap(style->strNormal, m_normalPicture);
    KWLoadSkinPixmap(style->strDisabled, m_disabledPicture);
    // The checked look borrows the hover picture.
    KWLoadSkinPixmap(style->strHover, m_checkedPicture);
    update();
    return 1;
}

void CKWQTButton::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTButton::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTButton::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTButton::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTButton::SetTextColor(DWORD colour)
{
    m_textColor = ColorFromColorRef(colour);
}

void CKWQTButton::SetTextOffset(int x, int y)
{
    m_textOffsetX = x;
    m_textOffsetY = y;
}

void CKWQTButton::SetTextAlign(UINT format)
{
    int horizontal = Qt::AlignLeft;
    if ((format & kCenter) != 0) {
        horizontal = Qt::AlignHCenter;
    } else if ((format & kRight) != 0) {
        horizontal = Qt::AlignRight;
    }
    m_textFlags = horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
    if ((format & kEndEllipsis) != 0) {
        m_elideMode = Qt::ElideRight;
    }
    update();
}

void CKWQTButton::SetTooltipEnable(int enable)
{
    m_tooltipEnable = enable;
}

void CKWQTButton::SetToolTipText(LPCWSTR text)
{
    setToolTip(KWToQString(text));
}

int CKWQTButton::GetWindowTextW(WCHAR* buffer, int size) const
{
    return KWCopyWideText(text(), buffer, size);
}

void CKWQTButton::SetWindowTextW(LPCWSTR text)
{
    setText(KWToQString(text));
}

void CKWQTButton::GetBTNWindowRect(RECT* rect)
{
    KWScreenRectOf(this, rect);
}

void CKWQTButton::SetChecked(bool checked)
{
    m_checked = checked;
    SetVisualState(checked ? StateChecked : StateNormal);
}

void CKWQTButton::SetPicTransparence(float transparence)
{
    m_picTransparence = transparence;
    repaint();
}

void CKWQTButton::OnClicked()
{
    if (m_pListener != nullptr) {
        m_pListener->BTN_OnClicked(m_id);
    }
    KWSendToParent(this, WM_COMMAND, 0, 0, static_cast<UINT>(m_id));
}

void CKWQTButton::OnAnimationPicTransFinished()
{
    m_animation.reset();
}

void CKWQTButton::SetVisualState(int state)
{
    if (m_visualState != state) {
        m_visualState = state;
        update();
    }
}

const QPixmap& CKWQTButton::CurrentPicture() const
{
    if (!isEnabled()) {
        return m_disabledPicture;
    }
    switch (m_visualState) {
    case StateHover:
        return m_hoverPicture;
    case StatePressed:
        return m_pressedPicture;
    case StateChecked:
        return m_checkedPicture;
    default:
        return m_normalPicture;
    }
}

QRect CKWQTButton::TextRect() const
{
    const int lineHeight = fontMetrics().height() + 1;
    const int margin = (height() - lineHeight) / 2;
    const int edge = Scaled(2);
    return rect().adjusted(edge, margin, -edge, -margin);
}

void CKWQTButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setOpacity(static_cast<qreal>(m_picTransparence));
    const QPixmap& picture = CurrentPicture();
    if (!picture.isNull()) {
        painter.drawPixmap(rect(), picture);
    }

    const QString label = text();
    if (label.isEmpty()) {
        return;
    }
    // The eliding width is the band's.
    const QRect textRect = TextRect();
    const QString shown = m_elideMode == Qt::ElideRight
        ? painter.fontMetrics().elidedText(label, Qt::ElideRight, textRect.width())
        : label;
    painter.setPen(isEnabled() ? m_textColor : QColor::fromRgba(kDisabledTextColour));
    painter.drawText(textRect, m_textFlags, shown);
}

void CKWQTButton::enterEvent(QEnterEvent* event)
{
    // Read afresh on each entry: the skin directory may have changed.
    KWSetHandCursor(this);
    if (m_pListener != nullptr) {
        m_pListener->BTN_OnMouseMove(m_id, 0, POINT { 0, 0 });
    }
    if (!(m_keepCheckedOnHover && m_visualState == StateChecked)) {
        SetVisualState(StateHover);
    }
    QPushButton::enterEvent(event);
}

void CKWQTButton::leaveEvent(QEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->BTN_OnMouseLeave(m_id, 0, 0);
    }
    SetVisualState(m_checked ? StateChecked : StateNormal);
    QPushButton::leaveEvent(event);
}

void CKWQTButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        m_pressX = static_cast<int>(event->position().x());
        if (m_pListener != nullptr) {
            m_pListener->BTN_OnLButtonDown(m_id, 0, POINT { 0, 0 });
        }
    }
    SetVisualState(StatePressed);
    QPushButton::mousePressEvent(event);
}

void CKWQTButton::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) != 0 && m_pListener != nullptr) {
        m_pListener->BTN_OnMouseMoveX(m_id, 0, static_cast<int>(event->position().x()) - m_pressX);
        m_pListener->BTN_OnMouseMove(m_id, 0, POINT { 0, 0 });
    }
    QPushButton::mouseMoveEvent(event);
}

void CKWQTButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressX = 0;
    SetVisualState(StateNormal);
    if (m_pListener != nullptr) {
        m_pListener->BTN_OnLButtonUp(m_id, 0, POINT { 0, 0 });
    }
    // Qt's own release emits clicked(), and with it OnClicked.
    QPushButton::mouseReleaseEvent(event);
}
