#include "ui/qt/KWQTView.h"

#include "base/KWQtText.h"
#include "base/ScaledLength.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include <algorithm>
#include <new>

CKWQTView::CKWQTView(IKWViewEvent* listener)
    : QWidget(nullptr)
    , CKWView(listener)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(KWHandleFromWidget(this));
    }
}

CKWQTView::~CKWQTView()
{
    if (m_pListener != nullptr) {
        m_pListener->OnDestroy();
        m_pListener->SetUIWnd(nullptr);
    }
}

int CKWQTView::Create(LPCWSTR, LPCWSTR windowName, DWORD style, const RECT& rect, void* parent, UINT id)
{
    setParent(KWWidgetFromHandle(parent));
    setWindowTitle(KWToQString(windowName));
    setGeometry(KWInclusiveRect(rect));
    m_id = id;
    if (m_pListener != nullptr) {
        m_pListener->OnCreate();
    }
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTView::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTView::SetBackground(LPCWSTR image)
{
    // A picture that does not load leaves the one the view has.
    QPixmap picture;
    if (KWLoadSkinPixmap(image, picture)) {
        m_background = picture;
    }
    update();
    repaint();
}

void CKWQTView::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left + 1, rect->bottom - rect->top + 1);
    }
}

void CKWQTView::MoveWindow(int x, int y, int width, int height)
{
    const bool visible = isVisible();
    if (visible) {
        hide();
    }
    setGeometry(QRect(QPoint(x, y), QPoint(x + width - 1, y + height - 1)));
    if (visible) {
        show();
    }
}

void CKWQTView::GetViewClientRect(RECT* rect)
{
    KWClientRectOf(this, rect);
}

void CKWQTView::GetViewWindowRect(RECT* rect)
{
    KWScreenRectOf(this, rect);
}

void CKWQTView::GetViewGeometryRect(RECT* rect)
{
    if (rect != nullptr) {
        *rect = KWToRECT(geometry());
    }
}

void CKWQTView::Screen2Client(POINT* point)
{
    KWScreenToClient(this, point);
}

void CKWQTView::Screen2Client(RECT* rect)
{
    KWScreenToClient(this, rect);
}

int CKWQTView::isShow()
{
    return isVisible() ? 1 : 0;
}

int CKWQTView::isWindow()
{
    return QWidget::isWindow() ? 1 : 0;
}

int CKWQTView::SubclassWindow()
{
    return 1;
}

void* CKWQTView::UnsubclassWindow()
{
    return nullptr;
}

void CKWQTView::SetRoundCornerRadius(UINT radius)
{
    m_radius = radius;
}

void CKWQTView::SetBGClr(UINT red, UINT green, UINT blue, UINT alpha)
{
    m_bgColor = QColor(static_cast<int>(red & 0xFF), static_cast<int>(green & 0xFF),
        static_cast<int>(blue & 0xFF), static_cast<int>(alpha & 0xFF));
    m_transparent = 0;
    update();
}

void CKWQTView::SetBGClr(UINT color)
{
    SetBGClr(GetRValue(color), GetGValue(color), GetBValue(color), 255 - ((color >> 24) & 0xFF));
}

void CKWQTView::SetParentWindow(void*, WINDOW_TYPE) { }

void CKWQTView::SetFrameClr(UINT color, UINT alpha, int enable)
{
    m_frame = enable;
    m_frameColor
        = QColor(GetRValue(color), GetGValue(color), GetBValue(color), static_cast<int>(alpha & 0xFF));
    update();
}

void CKWQTView::SetFocusEnable()
{
    m_reportEnterLeave = 1;
}

void CKWQTView::SetBgtransparent(int transparent)
{
    m_transparent = transparent;
    repaint();
    update();
}

void CKWQTView::SetBar(int bar)
{
    m_passOn = bar;
}

void CKWQTView::AddRowChild(Row& row, QWidget* child)
{
    if (child == nullptr) {
        return;
    }
    int x = 10;
    for (int i = row.size() - 1; i >= 0; --i) {
        // A child deleted since it was added no longer holds a place.
        if (!row[i].isNull()) {
            x = row[i]->geometry().right() + 10;
            break;
        }
    }
    child->setParent(this);
    child->move(x, m_rowTop);
    row.append(child);
}

void CKWQTView::AddRowChild1(QWidget* child)
{
    AddRowChild(m_rows[0], child);
}

void CKWQTView::AddRowChild2(QWidget* child)
{
    AddRowChild(m_rows[1], child);
}

void CKWQTView::AddRowChild3(QWidget* child)
{
    AddRowChild(m_rows[2], child);
}

QList<QWidget*> CKWQTView::RowChildren(int row) const
{
    QList<QWidget*> children;
    if (row >= 1 && row <= 3) {
        for (const QPointer<QWidget>& child : m_rows[row - 1]) {
            if (!child.isNull()) {
                children.append(child.data());
            }
        }
    }
    return children;
}

void CKWQTView::resizeEvent(QResizeEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->OnSize(0, event->size().width(), event->size().height());
    }
    if (m_radius != 0) {
        QBitmap mask(size());
        mask.fill(Qt::color0);
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), m_radius, m_radius);
        painter.fillPath(path, QBrush(Qt::color1));
        painter.end();
        setMask(mask);
    }
}

void CKWQTView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (m_pListener != nullptr) {
        const QPoint inParent = mapToParent(event->position().toPoint());
        m_pListener->OnLButtonDown(0, POINT { inParent.x(), inParent.y() });
    }
    // Qt's handling lets the press go on to the parent, which is how a drag
    // on a panel moves the frameless main window.
    if (m_passOn != 0) {
        QWidget::mousePressEvent(event);
    }
}

void CKWQTView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (m_pListener != nullptr) {
        const QPoint pos = event->position().toPoint();
        m_pListener->OnLButtonDblClk(0, POINT { pos.x(), pos.y() });
    }
}

void CKWQTView::enterEvent(QEnterEvent* event)
{
    if (m_reportEnterLeave != 0 && m_pListener != nullptr) {
        m_pListener->OnEnter();
    }
    QWidget::enterEvent(event);
}

void CKWQTView::leaveEvent(QEvent* event)
{
    if (m_reportEnterLeave != 0 && m_pListener != nullptr) {
        m_pListener->OnLeave();
    }
    QWidget::leaveEvent(event);
}

void CKWQTView::customEvent(QEvent* event)
{
    if (event->type() == KWCustomEventType()) {
        KWDispatchCustomEvent(m_pListener, static_cast<CKWCustomEvent*>(event));
    }
}

void CKWQTView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_transparent == 0) {
        if (m_background.isNull()) {
            painter.fillRect(rect(), m_bgColor);
        } else {
            painter.drawPixmap(rect(), m_background);
        }
    } else {
        setAttribute(Qt::WA_TranslucentBackground);
    }
    if (m_frame != 0) {
        // The outline of (0, 0) to (width - 2, height - 2), one pixel thick
        // at scale 1.0, as four strips that keep their place at any scale.
        // The sides run between the top and bottom strips: a translucent
        // colour painted twice over a corner would darken it.
        const int t = std::max(1, Scaled(1));
        const int w = width() - t;
        const int h = height() - t;
        painter.fillRect(QRect(0, 0, w, t), m_frameColor);
        painter.fillRect(QRect(0, h - t, w, t), m_frameColor);
        painter.fillRect(QRect(0, t, t, h - 2 * t), m_frameColor);
        painter.fillRect(QRect(w - t, t, t, h - 2 * t), m_frameColor);
    }
    // The separator, one pixel wide from (183, 26) to (183, 45) at scale 1.0,
    // as a rectangle so that it keeps its place and thickness at any scale.
    painter.fillRect(
        QRect(Scaled(183), Scaled(26), std::max(1, Scaled(1)), Scaled(20)), QColor(255, 255, 255, 255));
    painter.end();
    QWidget::paintEvent(event);
}

CKWView* CreateKWView(IKWViewEvent* listener)
{
    return new (std::nothrow) CKWQTView(listener);
}
