#include "ui/qt/KWQTRadioBox.h"

#include "base/KWQtText.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QEasingCurve>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPropertyAnimation>
#include <QStyleOptionButton>

#include <cmath>
#include <new>
#include <string>
#include <utility>

namespace {

} // namespace

CKWRadioBox* CreateKWRadioBox(IKWRadioBoxEvent* listener)
{
    return new (std::nothrow) CKWQTRadioBox(listener);
}

CKWQTRadioBox::CKWQTRadioBox(IKWRadioBoxEvent* listener)
    : QRadioButton(nullptr)
    , CKWRadioBox(listener)
    , m_font(font())
{
    setFocusPolicy(Qt::NoFocus);
}

CKWQTRadioBox::~CKWQTRadioBox()
{
    // Gone before the widget's children are deleted, so no finished()
    // reaches this half-destroyed box.
    for (QPropertyAnimation* animation : { m_fade, m_move }) {
        if (animation != nullptr) {
            animation->disconnect(this);
            delete animation;
        }
    }
}

int CKWQTRadioBox::Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    setText(KWToQString(text));
    m_id = static_cast<int>(id);
    // Groups are enforced by the application, which unchecks the others.
    setAutoExclusive(false);
    setCheckable(true);
    KWShowByStyle(this, style);
    return 1;
}

int CKWQTRadioBox::SetSkin(ImageRadioBox* style)
{
    if (style == nullptr) {
        return 0;
    }
    const std::pair<int, const std::wstring*> fields[] = {
        { PIC_CHECKED_DISABLED, &style->strCheckedDisabled },
        { PIC_UNCHECKED_DISABLED, &style->strUncheckedDisabled },
        { PIC_CHECKED_NORMAL, &style->strCheckedNormal },
        { PIC_CHECKED_PRESSED, &style->strCheckedPressed },
        { PIC_CHECKED_HOVER, &style->strCheckedHover },
        { PIC_UNCHECKED_NORMAL, &style->strUncheckedNormal },
        { PIC_UNCHECKED_PRESSED, &style->strUncheckedPressed },
        { PIC_UNCHECKED_HOVER, &style->strUncheckedHover },
        { PIC_OVERLAY, &style->strOverlay },
    };
    for (const auto& field : fields) {
        KWLoadSkinPixmap(*field.second, m_pictures[static_cast<size_t>(field.first)]);
    }
    update();
    return 1;
}

void CKWQTRadioBox::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTRadioBox::MoveWindow(RECT* rect, int animate)
{
    if (rect == nullptr) {
        return;
    }
    const QRect target = KWInclusiveRect(*rect);
    if (animate == 0) {
        // A slide still running would carry the box away again.
        DropAnimation(m_move);
        setGeometry(target);
        return;
    }
    QPropertyAnimation* move
        = RestartAnimation(m_move, "geometry", &CKWQTRadioBox::OnAnimationMoveFinished, MOVE_MS);
    if (move == nullptr) {
        return;
    }
    move->setStartValue(geometry());
    move->setEndValue(target);
    move->setEasingCurve(QEasingCurve::OutBounce);
    move->start();
}

void CKWQTRadioBox::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTRadioBox::SetCheck(int check)
{
    m_state = STATE_NORMAL;
    m_checked = check != 0;
    update();
}

int CKWQTRadioBox::GetCheck() const
{
    return m_checked ? 1 : 0;
}

int CKWQTRadioBox::GetWindowTextW(WCHAR* buffer, int count) const
{
    return KWCopyWideTextUnterminated(text(), buffer, count);
}

void CKWQTRadioBox::SetWindowTextW(LPCWSTR text)
{
    setText(KWToQString(text));
    update();
}

void CKWQTRadioBox::SetBoldHeavy(int bold)
{
    m_font = font();
    m_font.setWeight(bold != 0 ? QFont::Bold : QFont::Normal);
    setFont(m_font);
    update();
}

void CKWQTRadioBox::SetTextColor(DWORD normal, DWORD active)
{
    m_textColour[0] = ColorFromColorRef(normal);
    m_textColour[1] = active != 0 ? ColorFromColorRef(active) : m_textColour[0];
    update();
}

void CKWQTRadioBox::SetTextSize(int pixels)
{
    m_textSize = pixels;
    update();
}

void CKWQTRadioBox::SetTextOffset(int offset)
{
    m_textOffset = offset;
    update();
}

void CKWQTRadioBox::SetTextAlign(DWORD format)
{
    int flags = Qt::TextSingleLine | Qt::AlignVCenter;
    if (format & 0x1) {
        flags |= Qt::AlignHCenter;
    }
    if (format & 0x2) {
        flags |= Qt::AlignRight;
    }
    m_textFlags = flags;
}

void CKWQTRadioBox::SetIconOffsetLeft(int x)
{
    m_iconLeft = x;
}

void CKWQTRadioBox::GetRadioClientRect(RECT* rect)
{
    KWClientRectOf(this, rect);
}

void CKWQTRadioBox::GetRadioWindowRect(RECT* rect)
{
    KWScreenRectOf(this, rect);
}

void CKWQTRadioBox::SetBkColor(DWORD checkedColour, DWORD uncheckedColour)
{
    m_bkColour[0] = ColorFromColorRef(checkedColour);
    m_bkColour[1] = ColorFromColorRef(uncheckedColour);
    update();
}

void CKWQTRadioBox::SetBkRect(bool whole)
{
    m_bkWhole = whole;
}

void CKWQTRadioBox::SetToolTipText(LPCWSTR text)
{
    setToolTip(KWToQString(text));
}

int CKWQTRadioBox::IsWindowVisible()
{
    return isVisible() ? 1 : 0;
}

int CKWQTRadioBox::IsWindow()
{
    return 1;
}

void CKWQTRadioBox::SetEnabled(int enable)
{
    setEnabled(enable != 0);
    SetTextColor(enable != 0 ? 0x000000 : 0xBCBCBC, 0);
    if (enable != 0 && m_state == STATE_DISABLED) {
        m_state = STATE_NORMAL;
    }
}

void CKWQTRadioBox::EnableAnimation(int enable)
{
    m_animation = enable;
}

void CKWQTRadioBox::SetExpendBGImge(int expand)
{
    m_expandBackground = expand;
}

void CKWQTRadioBox::SetIconAlign(DWORD align)
{
    m_iconAlign = align;
}

void CKWQTRadioBox::Geometry(RECT* rect)
{
    if (rect != nullptr) {
        *rect = KWToRECT(geometry());
    }
}

int CKWQTRadioBox::GetRadioId()
{
    return m_id;
}

void CKWQTRadioBox::GetBTNWindowRect(RECT* rect)
{
    KWScreenRectOf(this, rect);
}

int CKWQTRadioBox::GetToolTipText(WCHAR* buffer, int count) const
{
    return KWCopyWideTextUnterminated(toolTip(), buffer, count);
}

void CKWQTRadioBox::SetPicTransparence(float opacity)
{
    m_picTransparence = opacity;
    repaint();
}

void CKWQTRadioBox::OnClicked(bool checked, QPoint point)
{
    if (m_pListener != nullptr) {
        m_pListener->RADIO_OnClicked(checked ? 1 : 0, m_id, POINT { point.x(), point.y() });
    }
    KWSendToParent(this, WM_COMMAND, 0, 0, static_cast<UINT>(m_id));
}

void CKWQTRadioBox::OnAnimationPicTransFinished()
{
    DropAnimation(m_fade);
}

void CKWQTRadioBox::OnAnimationMoveFinished()
{
    DropAnimation(m_move);
}

void CKWQTRadioBox::DropAnimation(QPropertyAnimation*& held)
{
    if (held == nullptr) {
        return;
    }
    QPropertyAnimation* old = std::exchange(held, nullptr);
    old->disconnect(this);
    old->stop();
    // Later, not now: this may run inside the animation's own finished().
    old->deleteLater();
}

QPropertyAnimation* CKWQTRadioBox::RestartAnimation(
    QPropertyAnimation*& held, const char* property, void (CKWQTRadioBox::*finished)(), int milliseconds)
{
    if (held != nullptr && held->state() == QAbstractAnimation::Running && !isEnabled()) {
        return nullptr;
    }
    DropAnimation(held);
    held = new QPropertyAnimation(this, property, this);
    connect(held, &QAbstractAnimation::finished, this, finished);
    held->setDuration(milliseconds);
    return held;
}

void CKWQTRadioBox::StartFade()
{
    if (m_animation == 0) {
        return;
    }
    QPropertyAnimation* fade
        = RestartAnimation(m_fade, "picTransparence", &CKWQTRadioBox::OnAnimationPicTransFinished, FADE_MS);
    if (fade == nullptr) {
        return;
    }
    // Dims to half and back.
    fade->setKeyValueAt(0.0, 1.0f);
    fade->setKeyValueAt(0.5, 0.5f);
    fade->setKeyValueAt(1.0, 1.0f);
    fade->setEasingCurve(QEasingCurve::OutInBack);
    fade->start();
}

const QPixmap& CKWQTRadioBox::PictureForState() const
{
    int index = m_checked ? PIC_CHECKED_NORMAL : PIC_UNCHECKED_NORMAL;
    switch (m_state) {
    case STATE_HOVER:
        index = m_checked ? PIC_CHECKED_HOVER : PIC_UNCHECKED_HOVER;
        break;
    case STATE_PRESSED:
        index = m_checked ? PIC_CHECKED_PRESSED : PIC_UNCHECKED_PRESSED;
        break;
    case STATE_DISABLED:
        index = m_checked ? PIC_CHECKED_DISABLED : PIC_UNCHECKED_DISABLED;
        break;
    default:
        break;
    }
    return m_pictures[static_cast<size_t>(index)];
}

QFont CKWQTRadioBox::TextFont() const
{
    QFont font = m_font;
    if (m_textSize != 0) {
        font.setPixelSize(m_textSize);
    }
    return font;
}

QRect CKWQTRadioBox::IconRect(const QPixmap& picture) const
{
    const int pw = picture.width();
    const int ph = picture.height();
    QRect icon(0, static_cast<int>(std::floor((height() - ph) / 2.0)), pw, ph);
    if (m_expandBackground == 1) {
        // Tiled across the width; a copy that would reach the right edge is
        // left out, and the text then starts after the last place tried.
        do {
            icon.translate(pw, 0);
        } while (pw > 0 && icon.right() < rect().right());
    } else if (m_iconAlign == 1) {
        // Icon, gap and text centred together.
        const int textWidth = QFontMetrics(TextFont()).boundingRect(rect(), m_textFlags, text()).width();
        icon.moveLeft((width() - m_textOffset - pw - textWidth - 2) / 2);
    } else {
        icon.moveLeft(m_iconLeft);
    }
    return icon;
}

QRect CKWQTRadioBox::TextRect() const
{
    const QPixmap& picture = PictureForState();
    QRect textRect = rect();
    textRect.setLeft(m_textOffset + IconRect(picture).right() + 2);
    return textRect;
}

void CKWQTRadioBox::paintEvent(QPaintEvent* event)
{
    if (!isEnabled()) {
        m_state = STATE_DISABLED;
    }
    const QPixmap& picture = PictureForState();
    if (picture.isNull()) {
        QRadioButton::paintEvent(event);
        return;
    }

    QPainter painter(this);
    painter.setOpacity(static_cast<qreal>(m_picTransparence));
    const int pw = picture.width();

    const QColor& background = m_bkColour[m_checked ? 0 : 1];
    if (background.isValid()) {
        // The strip starts at the icon's right edge as if the icon sat at 0.
        const QRect strip(QPoint(pw - 1, 2), QPoint(width() - 2, height() - 3));
        painter.fillRect(m_bkWhole ? rect() : strip, background);
    }

    QColor pen = m_checked || m_state == STATE_HOVER ? m_textColour[1] : m_textColour[0];
    if (!pen.isValid()) {
        pen = palette().color(QPalette::WindowText);
    }
    painter.setPen(pen);
    m_font = TextFont();
    painter.setFont(m_font);

    const QRect icon = IconRect(picture);
    if (m_expandBackground == 1) {
        for (QRect tile = icon.translated(-icon.left(), 0); tile.left() < icon.left(); tile.translate(pw, 0)) {
            painter.drawPixmap(tile.topLeft(), picture);
        }
    } else {
        painter.drawPixmap(icon.topLeft(), picture);
    }

    const QPixmap& overlay = m_pictures[PIC_OVERLAY];
    if (!overlay.isNull()) {
        painter.drawPixmap(icon, overlay);
    }

    QRect textRect = rect();
    textRect.setLeft(m_textOffset + icon.right() + 2);
    painter.drawText(textRect, m_textFlags, text());
}

void CKWQTRadioBox::enterEvent(QEnterEvent* event)
{
    m_state = STATE_HOVER;
    StartFade();
    QRadioButton::enterEvent(event);
    update();
}

void CKWQTRadioBox::leaveEvent(QEvent* event)
{
    m_state = STATE_NORMAL;
    QRadioButton::leaveEvent(event);
    update();
}

void CKWQTRadioBox::mousePressEvent(QMouseEvent* event)
{
    m_state = STATE_PRESSED;
    update();
    QRadioButton::mousePressEvent(event);
}

void CKWQTRadioBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_state = STATE_NORMAL;
    const QPoint point = event->position().toPoint();
    if (rect().contains(point)) {
        m_checked = !m_checked;
        // The listener may close the window that holds this box.
        QPointer<CKWQTRadioBox> alive(this);
        OnClicked(m_checked, point);
        if (alive.isNull()) {
            return;
        }
    }
    QRadioButton::mouseReleaseEvent(event);
    update();
    StartFade();
}

void CKWQTRadioBox::mouseDoubleClickEvent(QMouseEvent* /*event*/) { }

void CKWQTRadioBox::initStyleOption(QStyleOptionButton* option) const
{
    QRadioButton::initStyleOption(option);
    if (option != nullptr) {
        option->state &= ~(QStyle::State_On | QStyle::State_Off);
        option->state |= m_checked ? QStyle::State_On : QStyle::State_Off;
    }
}
