#include "ui/video/KWQTVideoWindowSubWnd.h"

#include "base/KWQtText.h"
#include "base/platform/KWPlatform.h"
#include "ui/video/KWQTVideoWindow.h"
#include "ui/video/KWQTVideoWindowPlayWnd.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QWheelEvent>

#include <new>

CKWQTVideoWindowSubWnd::CKWQTVideoWindowSubWnd()
{
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    connect(this, &CKWQTVideoWindowSubWnd::sigSubWinFocus, this, &CKWQTVideoWindowSubWnd::LaunchSubWinFocusAni, Qt::QueuedConnection);
    connect(this, &CKWQTVideoWindowSubWnd::sigSubWinGeometryChange, this, &CKWQTVideoWindowSubWnd::LaunchSubWinGeometryChangeAni,
            Qt::QueuedConnection);
}

CKWQTVideoWindowSubWnd::~CKWQTVideoWindowSubWnd()
{
    delete m_playWnd;
    m_playWnd = nullptr;
}

CKWQTVideoWindow* CKWQTVideoWindowSubWnd::VideoWindow() const
{
    return qobject_cast<CKWQTVideoWindow*>(parentWidget());
}

int CKWQTVideoWindowSubWnd::Create(LPCWSTR title, const RECT& rect, QWidget* parent, int id, int pw, int ph)
{
    setParent(parent);
    setGeometry(QRect(QPoint(rect.left + 1, rect.top + 1), QPoint(rect.right - 1, rect.bottom - 1)));
    setWindowTitle(KWToQString(title));
    m_id = id;
    const QRect own = geometry();
    m_playWnd = new CKWQTVideoWindowPlayWnd(0, 0, own.right() - own.left(), own.bottom() - own.top(), pw, ph);
    m_playWnd->Create(L"VideoWindow_PlayWnd", this, this);
    m_playWnd->show();
    return 1;
}

void CKWQTVideoWindowSubWnd::SetProportion(int width, int height)
{
    if (m_playWnd != nullptr) {
        m_playWnd->SetProportion(width, height);
    }
}

void CKWQTVideoWindowSubWnd::SetBkColor(const QColor& colour)
{
    m_bkColor = colour;
    if (m_playWnd != nullptr) {
        m_playWnd->SetBkColor(colour);
    }
}

void CKWQTVideoWindowSubWnd::SetRecordState(int state)
{
    if (m_playWnd != nullptr) {
        m_playWnd->SetRecordState(state);
    }
    update();
}

void CKWQTVideoWindowSubWnd::SetOpacity(double opacity)
{
    if (opacity < 0.0 || opacity > 1.0) {
        return;
    }
    m_opacity = opacity;
    if (m_playWnd != nullptr) {
        m_playWnd->SetOpacity(opacity);
    }
    update();
}

void CKWQTVideoWindowSubWnd::SetVideo(int video)
{
    m_video = video;
    if (m_playWnd != nullptr) {
        m_playWnd->SetVideoState(video);
    }
    if (video == 0) {
        FreeRGBBuffer();
        FreeSecondRGBBuffer();
    }
    update();
}

bool CKWQTVideoWindowSubWnd::IsAnimating() const
{
    return m_animation != nullptr && m_animation->state() == QAbstractAnimation::Running;
}

BYTE* CKWQTVideoWindowSubWnd::Buffer(std::unique_ptr<BYTE[]>& buffer, std::size_t& recorded, int width, int height)
{
    const long long wanted = static_cast<long long>(width) * height * 4;
    if (wanted <= 0) {
        return nullptr;
    }
    const std::size_t size = static_cast<std::size_t>(wanted);
    if (!buffer || recorded < size || recorded > 2 * size) {
        buffer.reset(new (std::nothrow) BYTE[size]());
        if (!buffer) {
            recorded = 0;
            KwOutputDebugString("allocate RGB buffer failed\n");
            return nullptr;
        }
    }
    // Never above the buffer's true size, so a kept buffer is always long
    // enough for the request that kept it.
    recorded = size;
    return buffer.get();
}

BYTE* CKWQTVideoWindowSubWnd::GetRGBBuffer(int width, int height)
{
    return Buffer(m_rgb, m_rgbSize, width, height);
}

BYTE* CKWQTVideoWindowSubWnd::GetSecondRGBBuffer(int width, int height)
{
    return Buffer(m_secondRgb, m_secondSize, width, height);
}

void CKWQTVideoWindowSubWnd::FreeRGBBuffer()
{
    m_rgb.reset();
    m_rgbSize = 0;
}

void CKWQTVideoWindowSubWnd::FreeSecondRGBBuffer()
{
    m_secondRgb.reset();
    m_secondSize = 0;
}

void CKWQTVideoWindowSubWnd::resizeEvent(QResizeEvent* event)
{
    if (m_playWnd != nullptr) {
        m_playWnd->SetGeometryFit(RECT {3, 3, width() - 3, height() - 3});
    }
    QWidget::resizeEvent(event);
}

void CKWQTVideoWindowSubWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    QRect r = rect();
    const CKWQTVideoWindow* window = VideoWindow();
    if (window != nullptr && window->GetMode() == VIDEOWINDOW_MODE_VIDEO &&
        (hasFocus() || window->GetCurrentSubWnd() == this)) {
        painter.setPen(QPen(window->GetColor(6), 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        r.adjust(3, 3, -2, -2);
    }
    painter.fillRect(r, m_video != 0 ? QColor(0, 0, 0) : m_bkColor);
}

void CKWQTVideoWindowSubWnd::TakeCurrent(bool launchFocus)
{
    CKWQTVideoWindow* window = VideoWindow();
    if (window != nullptr) {
        CKWQTVideoWindowSubWnd* previous = window->GetCurrentSubWnd();
        if (previous != this) {
            if (previous != nullptr && window->GetListener() != nullptr) {
                window->GetListener()->OnFocusWndChanged(m_id, previous->GetId());
            }
            if (previous != nullptr) {
                previous->update();
            }
            if (launchFocus) {
                LaunchSubWinFocusAni();
            }
        }
        window->SetCurrentSubWnd(this);
    }
    update();
}

void CKWQTVideoWindowSubWnd::focusInEvent(QFocusEvent* event)
{
    TakeCurrent(true);
    QWidget::focusInEvent(event);
}

void CKWQTVideoWindowSubWnd::focusOutEvent(QFocusEvent* event)
{
    m_dragArmed = 0;
    update();
    QWidget::focusOutEvent(event);
}

void CKWQTVideoWindowSubWnd::LaunchSubWinFocusAni()
{
    if (IsAnimating()) {
        emit sigSubWinFocus();
        return;
    }
    raise();
    setFocus(Qt::OtherFocusReason);
}

QPropertyAnimation* CKWQTVideoWindowSubWnd::LaunchSubWinGeometryChangeAni(QRect end, QRect start, int duration, QEasingCurve curve,
                                                                         bool startNow)
{
    const CKWQTVideoWindow* window = VideoWindow();
    if (window == nullptr || window->GetSubWinAnimationEnabled() == 0) {
        setGeometry(end);
        return nullptr;
    }
    if (IsAnimating()) {
        if (startNow) {
            emit sigSubWinGeometryChange(end, start, duration, curve, startNow);
            return nullptr;
        }
        m_animation->setCurrentTime(m_animation->duration());
    }
    raise();
    auto* animation = new QPropertyAnimation(this, "geometry", this);
    connect(animation, &QPropertyAnimation::finished, this, &CKWQTVideoWindowSubWnd::OnAnimationSubWinFinished);
    m_animation = animation;
    animation->setDuration(duration);
    const bool startValid = start.left() <= start.right() && start.top() <= start.bottom();
    animation->setStartValue(startValid ? start : geometry());
    animation->setEndValue(end);
    animation->setEasingCurve(curve);
    if (startNow) {
        animation->start();
    }
    return animation;
}

void CKWQTVideoWindowSubWnd::OnAnimationSubWinFinished()
{
    auto* finished = qobject_cast<QPropertyAnimation*>(sender());
    if (finished != nullptr) {
        finished->deleteLater();
    }
    if (finished == m_animation || finished == nullptr) {
        m_animation = nullptr;
    }
    const CKWQTVideoWindow* window = VideoWindow();
    if (window != nullptr && window->GetListener() != nullptr) {
        window->GetListener()->VideoWidow_OnAnimationFinished(m_id);
    }
}

void CKWQTVideoWindowSubWnd::mousePressEvent(QMouseEvent* event)
{
    CKWQTVideoWindow* window = VideoWindow();
    const int index = window != nullptr ? window->IndexOf(this) : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const QPoint global = event->globalPosition().toPoint();
        if (m_playWnd == nullptr || m_playWnd->HitCtrlButton(global) == 0) {
            m_dragArmed = 1;
        }
        m_pressOffset = global - frameGeometry().topLeft();
        window->OnSubWinPressed(index, this, global);
    }
    QWidget::mousePressEvent(event);
}

void CKWQTVideoWindowSubWnd::mouseMoveEvent(QMouseEvent* event)
{
    CKWQTVideoWindow* window = VideoWindow();
    const int index = window != nullptr ? window->IndexOf(this) : -1;
    if (index < 0) {
        return;
    }
    if (IsAnimating()) {
        m_animation->setCurrentTime(m_animation->duration());
    }
    const QPoint global = event->globalPosition().toPoint();
    if (m_dragArmed != 0 && window->GetFrameZoomMode() == 0 && window->GetActiveCheckMode() == 0 && window->GetDragMode() == 0 &&
        m_zoomed == 0 && window->GetCurrentSubWinCount() > 1 && m_playWnd != nullptr && m_playWnd->HitCtrlButton(global) == 0 &&
        m_playWnd->GetFishEyeMode() == 0 && m_playWnd->GetInnerSplitMode() == 0) {
        // The press offset is the global press position less the frame's
        // top-left in the parent, so this is already in the parent's
        // coordinates.
        move(global - m_pressOffset);
    }
    if (window->GetListener() != nullptr) {
        POINT point = {global.x(), global.y()};
        window->GetListener()->VideoWidow_OnMouseMove(index, m_id, point);
    }
    QWidget::mouseMoveEvent(event);
}

void CKWQTVideoWindowSubWnd::mouseReleaseEvent(QMouseEvent* event)
{
    CKWQTVideoWindow* window = VideoWindow();
    const int index = window != nullptr ? window->IndexOf(this) : -1;
    if (index < 0) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_dragArmed = 0;
        window->OnSubWinReleased(index, this, event->globalPosition().toPoint());
    }
    QWidget::mouseReleaseEvent(event);
}

void CKWQTVideoWindowSubWnd::mouseDoubleClickEvent(QMouseEvent* event)
{
    CKWQTVideoWindow* window = VideoWindow();
    const int index = window != nullptr ? window->IndexOf(this) : -1;
    if (index >= 0 && (m_playWnd == nullptr || m_playWnd->HitCtrlButton(event->globalPosition().toPoint()) == 0)) {
        window->SubWinDblClickZoom(index, this);
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CKWQTVideoWindowSubWnd::wheelEvent(QWheelEvent* event)
{
    CKWQTVideoWindow* window = VideoWindow();
    const int index = window != nullptr ? window->IndexOf(this) : -1;
    if (index < 0) {
        return;
    }
    if (window->GetListener() != nullptr) {
        window->GetListener()->VideoWidow_OnMouseWheel(index, m_id, event->angleDelta().y());
    }
    QWidget::wheelEvent(event);
}
