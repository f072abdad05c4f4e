#include "ui/qt/KWQTScrollArea.h"

#include "base/KWDiagnostics.h"
#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QPalette>
#include <QPixmap>
#include <QPropertyAnimation>
#include <QScrollBar>

#include <algorithm>

CKWQTScrollArea::CKWQTScrollArea(IKWScrollAreaEvent* listener)
    : QScrollArea(nullptr)
    , CKWScrollArea(listener)
    , m_content(new QWidget(this))
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background-color:transparent;"));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CKWQTScrollArea::OnVerPosBarChanged,
        Qt::DirectConnection);
}

CKWQTScrollArea::~CKWQTScrollArea() = default;

int CKWQTScrollArea::Create(DWORD style, const RECT& rect, UINT contentWidth, UINT contentHeight, void* parent, UINT id)
{
    setGeometry(KWExclusiveRect(rect));
    FitContent(contentWidth, contentHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(m_content);
    m_id = static_cast<int>(id);
    setParent(KWWidgetFromHandle(parent));
    KWShowByStyle(this, style);
    setAttribute(Qt::WA_TranslucentBackground);
    return 1;
}

void CKWQTScrollArea::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTScrollArea::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left + 1, rect->bottom - rect->top + 1);
    }
}

void CKWQTScrollArea::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTScrollArea::SetTooltipEnable(int /*enable*/) { }

void CKWQTScrollArea::SetToolTipText(LPCWSTR text)
{
    setToolTip(KWToQString(text));
}

int CKWQTScrollArea::IsWindowVisible()
{
    return isVisible() ? 1 : 0;
}

int CKWQTScrollArea::IsWindow()
{
    return 1;
}

void CKWQTScrollArea::SetEnabled(int enable)
{
    setEnabled(enable != 0);
}

void* CKWQTScrollArea::GetUIWnd()
{
    return KWHandleFromWidget(m_content);
}

void CKWQTScrollArea::SetSkin(ScrollAreaStyle* style)
{
    if (style == nullptr || style->strBackground.empty()) {
        return;
    }
    m_bgImagePath = KWSkinImagePath(style->strBackground);
    QPalette background = palette();
    QPixmap picture;
    KWLoadPicture(m_bgImagePath, picture);
    background.setBrush(QPalette::All, backgroundRole(), QBrush(picture));
    m_content->setPalette(background);
    // A plain widget paints no background of its own: without this the
    // picture would be set and never seen.
    m_content->setAutoFillBackground(true);
}

void CKWQTScrollArea::SetEnableScrollBar(int enable)
{
    setVerticalScrollBarPolicy(enable != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void CKWQTScrollArea::ResizeScrollArea(UINT width, UINT height)
{
    FitContent(width, height);
}

void CKWQTScrollArea::SetRange(int minimum, int maximum, int step)
{
    verticalScrollBar()->setRange(minimum, maximum);
    verticalScrollBar()->setSingleStep(step);
    m_step = step;
}

void CKWQTScrollArea::SetUPNextValue()
{
    QScrollBar* bar = verticalScrollBar();
    if (bar->sliderPosition() > 0) {
        bar->setSliderPosition(bar->sliderPosition() - m_step);
    }
}

void CKWQTScrollArea::SetDownNextValue()
{
    QScrollBar* bar = verticalScrollBar();
    if (bar->sliderPosition() < bar->maximum()) {
        bar->setSliderPosition(bar->sliderPosition() + m_step);
    }
}

void CKWQTScrollArea::SrollToTop(int /*unused*/)
{
    verticalScrollBar()->setSliderPosition(0);
}

void CKWQTScrollArea::SetValue(int value, bool animate)
{
    if (!animate) {
        verticalScrollBar()->setSliderPosition(value);
        return;
    }
    if (m_animation != nullptr && m_animation->state() == QAbstractAnimation::Running && !isEnabled()) {
        return;
    }
    // Two moves driving one position would fight: the old one stops. It is
    // freed later, as this may run from within its own step.
    if (m_animation != nullptr) {
        m_animation->stop();
        m_animation->deleteLater();
    }

    const int start = GetCurValue();
    const int target = std::min(value, verticalScrollBar()->maximum());
    const int middle = start + (target - start) / 2;
    auto* animation = new QPropertyAnimation(this, "CurValue", this);
    animation->setDuration(kAnimationMs);
    animation->setKeyValueAt(0.0, start);
    animation->setKeyValueAt(0.5, middle);
    animation->setKeyValueAt(1.0, target);
    animation->setEasingCurve(QEasingCurve::OutBounce);
    m_animation = animation;
    animation->start();
}

int CKWQTScrollArea::GetCurValue() const
{
    return verticalScrollBar()->sliderPosition();
}

void CKWQTScrollArea::SetCurValue(int value)
{
    verticalScrollBar()->setSliderPosition(value);
}

void CKWQTScrollArea::OnVerPosBarChanged(int position)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(kBarSingleStep);
    const int maximum = bar->maximum();
    if (m_pListener != nullptr) {
        m_pListener->OnChange(m_id, static_cast<UINT>(position), static_cast<UINT>(maximum));
    }
    qCDebug(KWDiagnostics, "OnVerPosBarChanged %d %d\n", position, maximum);
}

void CKWQTScrollArea::FitContent(UINT width, UINT height)
{
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    // The minimum first: the old one would stop the widget from shrinking.
    m_content->setMinimumHeight(h);
    m_content->setMinimumWidth(w);
    m_content->setGeometry(0, 0, w, h);
}
