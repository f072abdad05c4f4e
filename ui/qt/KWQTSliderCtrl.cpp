#include "ui/qt/KWQTSliderCtrl.h"

#include "base/KWDiagnostics.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/qt/KWSliderMapping.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>
#include <new>

CKWSliderCtrl* CreateKWSliderCtrl(IKWSliderCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTSliderCtrl(listener);
}

CKWQTSliderCtrl::CKWQTSliderCtrl(IKWSliderCtrlEvent* listener)
    : QSlider(nullptr)
    , CKWSliderCtrl(listener)
{
    setOrientation(Qt::Horizontal);
    setStyle(&m_style);
    setRange(0, 100);
    setAttribute(Qt::WA_MouseTracking, true);
}

// The style is a member and dies before the widget; Qt keeps styles behind
// guarded pointers, so the widget no longer reaches it afterwards.
CKWQTSliderCtrl::~CKWQTSliderCtrl() = default;

int CKWQTSliderCtrl::Create(DWORD style, const RECT& rect, void* parent, UINT id, SLIDER_RESPONSE_MODE mode)
{
    KWPlaceInParent(this, parent, rect);
    m_id = static_cast<int>(id);
    m_responseMode = static_cast<int>(mode);
    KWShowByStyle(this, style);
    return 1;
}

int CKWQTSliderCtrl::SetSkin(ImageSliderStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    QPixmap picture;
    KWLoadSkinPixmap(style->strImage, picture);
    for (int i = 0; i < IMG_COUNT; ++i) {
        const QRect part = KWExclusiveRect(WStringToRect(style->strRect[i]));
        // QPixmap::copy takes an empty rectangle for "everything": an empty
        // part means no picture instead.
        m_images[static_cast<size_t>(i)]
            = picture.isNull() || part.isEmpty() ? QPixmap() : picture.copy(part);
    }
    updateGeometry();
    update();
    return 1;
}

void CKWQTSliderCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTSliderCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTSliderCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTSliderCtrl::GetPos() const
{
    return sliderPosition();
}

void CKWQTSliderCtrl::GetRange(int& minimum, int& maximum) const
{
    minimum = this->minimum();
    maximum = this->maximum();
}

void CKWQTSliderCtrl::SetPos(int pos)
{
    setSliderPosition(pos);
}

void CKWQTSliderCtrl::SetRange(int minimum, int maximum, int /*redraw*/)
{
    setRange(minimum, maximum);
}

void CKWQTSliderCtrl::SetTooltipEnable(int enable, int mode, int reversed)
{
    m_tooltipEnabled = enable != 0;
    m_tooltipMode = mode;
    m_tooltipReversed = reversed != 0;
}

void CKWQTSliderCtrl::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTSliderCtrl::ResizeImg(int width, int height)
{
    for (int i : { IMG_GROOVE_FILLED, IMG_GROOVE_EMPTY }) {
        QPixmap& groove = m_images[static_cast<size_t>(i)];
        if (!groove.isNull()) {
            groove = groove.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
    }
}

void CKWQTSliderCtrl::SetSliderMode(int mode)
{
    m_sliderMode = mode;
    if (mode == MODE_CUT) {
        m_cutStart = 0.0f;
        m_cutEnd = 1.0f;
    }
    update();
}

int CKWQTSliderCtrl::GetSliderMode()
{
    return m_sliderMode;
}

void CKWQTSliderCtrl::SetCutPosByTime(
    int keepInside, float start, float startLimit, float end, float endLimit)
{
    if (keepInside == 0) {
        m_cutStart = start;
        m_cutEnd = end;
    } else {
        if (!(startLimit > m_cutStart && m_cutStart >= start)) {
            m_cutStart = start;
        }
        if (!(endLimit > m_cutEnd && m_cutEnd >= end)) {
            m_cutEnd = end;
        }
    }
    qCDebug(KWDiagnostics, "STEP2 = %f, %f", static_cast<double>(m_cutStart), static_cast<double>(m_cutEnd));
    update();
}

void CKWQTSliderCtrl::SetOrientation(int horizontal)
{
    m_horizontal = horizontal != 0;
    setOrientation(m_horizontal ? Qt::Horizontal : Qt::Vertical);
}

const QPixmap& CKWQTSliderCtrl::Image(int index) const
{
    static const QPixmap none;
    if (index < 0 || index >= IMG_COUNT) {
        return none;
    }
    return m_images[static_cast<size_t>(index)];
}

int CKWQTSliderCtrl::AlongSlider(const QPointF& point) const
{
    return static_cast<int>(m_horizontal ? point.x() : point.y());
}

int CKWQTSliderCtrl::SliderLength() const
{
    return m_horizontal ? width() : height();
}

int CKWQTSliderCtrl::HandleLength() const
{
    const QPixmap& handle = m_images[IMG_HANDLE_NORMAL];
    return m_horizontal ? handle.width() : handle.height();
}

void CKWQTSliderCtrl::ShowTooltip(const QMouseEvent* event, float fraction)
{
    const QString text = KWSliderTooltipText(
        m_tooltipMode, m_tooltipReversed, value(), minimum(), maximum(), m_nTimeBegin, m_nTimeEnd, fraction);
    if (text.isEmpty()) {
        return;
    }
    // 45 pixels above the slider's top edge, over the pointer.
    const QPoint global = event->globalPosition().toPoint();
    const int yInWidget = static_cast<int>(event->position().y());
    QToolTip::showText(QPoint(global.x() - 25, global.y() - yInWidget - 45), text);
}

void CKWQTSliderCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int p = AlongSlider(event->position());
    const float f = KWSliderFraction(p, SliderLength());
    if (m_sliderMode == MODE_CUT) {
        // The nearer marker follows the click; a tie goes to the end marker.
        const float toStart = std::fabs(f - m_cutStart);
        const float toEnd = std::fabs(f - m_cutEnd);
        if (toEnd <= toStart) {
            m_cutEnd = f;
            if (m_pListener != nullptr) {
                m_pListener->BTN_OnLButtonDownCutMode(1, m_cutStart, f);
            }
        } else {
            m_cutStart = f;
            if (m_pListener != nullptr) {
                m_pListener->BTN_OnLButtonDownCutMode(0, f, m_cutEnd);
            }
        }
        update();
        return;
    }
    const int v = KWSliderValueFromPos(p, SliderLength(), HandleLength(), minimum(), maximum());
    if (v != value()) {
        setValue(v);
        if (Reports()) {
            m_pListener->BTN_OnLButtonDown(m_id, f);
        }
    }
    m_pressed = 1;
    update();
}

void CKWQTSliderCtrl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const int p = AlongSlider(event->position());
    const float f = KWSliderFraction(p, SliderLength());
    if (m_sliderMode != MODE_CUT && m_pressed != 0) {
        const int v = KWSliderValueFromPos(p, SliderLength(), HandleLength(), minimum(), maximum());
        if (v != value()) {
            // A horizontal slider only moves while somebody listens; a
            // vertical one always follows the pointer.
            if (Reports()) {
                setValue(v);
                m_pListener->KW_OnSliderPos(m_id, value());
                m_pListener->KW_OnSliderPosF(m_id, f);
            } else if (!m_horizontal) {
                setValue(v);
            }
        }
    }
    if (m_tooltipEnabled) {
        ShowTooltip(event, f);
    }
}

void CKWQTSliderCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    const float f = KWSliderFraction(AlongSlider(event->position()), SliderLength());
    if (Reports()) {
        m_pListener->BTN_OnLButtonUp(m_id, f);
        m_pListener->KW_OnSliderPos(m_id, value());
    }
    m_pressed = 0;
    update();
    if (m_tooltipEnabled) {
        ShowTooltip(event, f);
    }
}

void CKWQTSliderCtrl::wheelEvent(QWheelEvent* event)
{
    if (m_responseMode != 0) {
        return;
    }
    QSlider::wheelEvent(event);
    if (m_pListener != nullptr) {
        m_pListener->KW_OnSliderPos(m_id, value());
    }
}

void CKWQTSliderCtrl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        event->ignore();
        return;
    default:
        QSlider::keyPressEvent(event);
    }
}

void CKWQTSliderCtrl::enterEvent(QEnterEvent* event)
{
    KWSetHandCursor(this);
    QSlider::enterEvent(event);
}

void CKWQTSliderCtrl::leaveEvent(QEvent* event)
{
    QSlider::leaveEvent(event);
}

void CKWQTSliderCtrl::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    if (m_sliderMode != MODE_CUT) {
        return;
    }
    QPainter painter(this);
    const int w = width();
    painter.fillRect(rect(), QColor(29, 29, 29));
    painter.fillRect(QRect(0, 5, w, 4), QColor(49, 49, 49));
    const int left = static_cast<int>(std::trunc(static_cast<double>(w) * static_cast<double>(m_cutStart)));
    const int span
        = static_cast<int>(std::trunc(static_cast<double>(m_cutEnd - m_cutStart) * static_cast<double>(w)));
    painter.fillRect(QRect(left, 5, span, 4), QColor(203, 2, 2, 235));
}

void CKWQTSliderCtrl::initStyleOption(QStyleOptionSlider* option) const
{
    QSlider::initStyleOption(option);
    if (option != nullptr && m_pressed != 0) {
        option->state |= QStyle::State_Sunken;
        option->activeSubControls = QStyle::SC_SliderHandle;
    }
}
