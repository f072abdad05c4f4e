#include "ui/qt/KWSkinFrame.h"

#include "base/KWDiagnostics.h"
#include "base/KWQtText.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWCompositorWatch.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// Skin strings of the title buttons 1..4: hit rectangle, first of the three
// source rectangles and first of the three images (normal, over, down).
struct ButtonFields {
    int hit;
    int source;
    int image;
};
constexpr ButtonFields kButtonFields[4] = { { 44, 37, 58 }, { 43, 34, 64 }, { 42, 31, 61 }, { 41, 28, 67 } };

// Skin strings of the frame pieces R0..R11.
constexpr int kPieceFields[12] = { 4, 6, 8, 10, 12, 14, 26, 24, 22, 16, 18, 20 };

} // namespace

CKWSkinFrame::CKWSkinFrame(Variant variant, QWidget* window)
    : m_variant(variant)
    , m_window(window)
    , m_storedSize(variant == Variant::Dialog ? QSize(-1, -1) : QSize(0, 0))
    , m_baseSize(m_storedSize)
{
    m_pieces.fill(QRect());
    for (auto& sources : m_btnSource) {
        sources.fill(QRect());
    }
    m_hit.fill(QRect());
    // A compositing manager that starts or stops changes what the shadow
    // margin shows: blended grey, or black where nothing blends it.
    if (CKWCompositorWatch* watch = CKWCompositorWatch::Instance()) {
        m_compositorLink
            = QObject::connect(watch, &CKWCompositorWatch::Changed, m_window, [this] { ApplyShadowPlan(); });
    }
}

CKWSkinFrame::~CKWSkinFrame()
{
    QObject::disconnect(m_compositorLink);
    // The label is the window's child; deleting it here keeps the window's
    // own teardown from seeing it half gone.
    delete m_title.data();
}

QPixmap CKWSkinFrame::LoadImage(const std::wstring& name)
{
    // Every image is loaded afresh: one that the new skin does not name, or
    // that does not load, is null rather than the earlier skin's.
    QPixmap image;
    KWLoadSkinPixmap(name, image);
    return image;
}

void CKWSkinFrame::SetSkin(const DialogStyle* style)
{
    if (style == nullptr) {
        return;
    }
    const std::wstring& sizeText = style->Str(57);
    if (!sizeText.empty()) {
        const std::pair<int, int> size = WStringToIntPair(sizeText);
        m_storedSize = QSize(size.first, size.second);
        SetWindowPos(0, 0, size.first, size.second, SWP_NOMOVE);
        CenterWindow();
    }

    const std::pair<int, int> radii = WStringToIntPair(style->Str(56));
    m_radiusA = radii.first;
    m_radiusB = radii.second;
    m_interiorColor = ColorFromHexString(style->Str(3));
    m_interior = LoadImage(style->Str(1));
    m_skin = LoadImage(style->Str(0));

    if (!sizeText.empty()) {
        m_baseSize = m_storedSize;
    } else {
        m_baseSize = m_skin.isNull() ? QSize(0, 0) : m_skin.size();
    }

    for (int i = 0; i < 12; ++i) {
        m_pieces[i] = KWSkinRect(style->Str(kPieceFields[i]));
    }
    for (int b = 0; b < 4; ++b) {
        for (int s = 0; s < 3; ++s) {
            m_btnSource[b][s] = KWSkinRect(style->Str(kButtonFields[b].source + s));
        }
    }
    if (IsDialog()) {
        for (int b = 0; b < 4; ++b) {
            for (int s = 0; s < 3; ++s) {
                m_btnImages[b][s] = LoadImage(style->Str(kButtonFields[b].image + s));
            }
        }
    }
    for (int b = 0; b < 4; ++b) {
        m_hit[b] = KWSkinRect(style->Str(kButtonFields[b].hit));
    }
    m_caption = KWSkinRect(style->Str(54));

    if (IsDialog()) {
        const std::wstring& align = style->Str(53);
        m_titleAlign = align == L"center" ? 1 : (align == L"right" ? 2 : 0);
    }
}

void CKWSkinFrame::MoveWindow(const QRect& geometry)
{
    m_window->setGeometry(geometry);
    m_storedSize = geometry.size();
}

int CKWSkinFrame::SetWindowPos(int x, int y, int cx, int cy, UINT flags)
{
    const QRect current = m_window->geometry();
    if ((flags & SWP_NOMOVE) != 0) {
        x = current.x();
        y = current.y();
    }
    if ((flags & SWP_NOSIZE) != 0) {
        cx = current.width();
        cy = current.height();
    }
    m_window->setGeometry(x, y, cx, cy);
    m_window->update();
    return 1;
}

void CKWSkinFrame::CenterWindow()
{
    QScreen* screen = m_window->screen();
    const QRect available
        = screen != nullptr ? screen->availableGeometry() : KWInclusiveRect(GetWorkAreaRect());
    QRect area = available;
    if (QWidget* parent = m_window->parentWidget()) {
        area = parent->rect();
        // A window is placed in screen coordinates, a child in its parent's.
        if ((static_cast<int>(m_window->windowFlags()) & 3) != 0) {
            area = QRect(parent->mapToGlobal(area.topLeft()), parent->mapToGlobal(area.bottomRight()));
        }
    }
    m_centre = KWCenterPosition(area, m_storedSize, available.size(), m_baseSize);
    m_window->move(m_centre);
}

void CKWSkinFrame::Screen2Client(POINT* point) const
{
    KWScreenToClient(m_window, point);
}

void CKWSkinFrame::Screen2Client(RECT* rect) const
{
    KWScreenToClient(m_window, rect);
}

void CKWSkinFrame::GetClientRect(RECT* rect) const
{
    KWClientRectOf(m_window, rect);
}

void CKWSkinFrame::GetWindowRect(RECT* rect) const
{
    KWScreenRectOf(m_window, rect);
}

void CKWSkinFrame::SetRoundCorner(LPCWSTR radii)
{
    const std::pair<int, int> pair = QStringToIntPair(KWToQString(radii));
    m_radiusA = pair.first;
    m_radiusB = pair.second;
}

void CKWSkinFrame::SetFrameShadow(bool on)
{
    m_frameShadow = on;
    if (on) {
        m_window->setAttribute(Qt::WA_TranslucentBackground);
    } else {
        m_shadowWidth = 0;
    }
    ApplyShadowPlan();
}

void CKWSkinFrame::SetResizeBands(bool on)
{
    m_resizeBands = on;
    if (!m_skin.isNull()) {
        ApplyMask(m_window->size());
    }
}

void CKWSkinFrame::DecideShadow()
{
    const CKWCompositorWatch* watch = CKWCompositorWatch::Instance();
    const bool composited = watch != nullptr ? watch->Composited() : KWWindowSystemComposites();
    m_shadowPlan = KWPlanFrameShadow(m_frameShadow, composited, m_shadowWidth);
}

void CKWSkinFrame::ApplyShadowPlan()
{
    DecideShadow();
    // Until the skin's first resize the window has no mask to change.
    if (!m_skin.isNull()) {
        ApplyMask(m_window->size());
    }
    m_window->update();
}

void CKWSkinFrame::ApplyMask(const QSize& size)
{
    m_window->setMask(KWFrameWindowMask(size, m_radiusA, m_radiusB, m_shadowPlan.maskInset, m_resizeBands));
    m_shadowCorners = m_shadowPlan.paintShadow
        ? KWFrameCornerRegion(size, m_radiusA, m_radiusB, m_shadowWidth)
        : QRegion();
}

void CKWSkinFrame::SetTitle(const QString& text)
{
    if (m_title.isNull()) {
        m_title = new QLabel(m_window);
        QPalette palette = m_title->palette();
        palette.setColor(QPalette::WindowText, IsDialog() ? QColor(Qt::white) : QColor(Qt::black));
        m_title->setPalette(palette);
        m_title->setAutoFillBackground(false);
        m_title->show();
    }
    m_title->setText(text);
    LayoutTitle();
}

void CKWSkinFrame::LayoutTitle()
{
    if (m_title.isNull()) {
        return;
    }
    const QFontMetrics metrics = m_window->fontMetrics();
    const int tw = metrics.horizontalAdvance(m_title->text()) + 1;
    if (IsDialog()) {
        const int th = metrics.height();
        const int left = KWTitleLeft(m_titleAlign, m_caption.left(), m_window->width(), tw);
        m_title->setGeometry(QRect(QPoint(left, m_titleToTop), QPoint(left + tw, m_titleToTop + th + 1)));
    } else {
        const int th = metrics.height() + 1;
        m_title->setGeometry(QRect(QPoint(25, 20), QPoint(25 + tw, 20 + th)));
    }
}

QRect CKWSkinFrame::HitRect(int button) const
{
    return button >= 1 && button <= 4 ? m_hit[button - 1] : QRect();
}

void CKWSkinFrame::PaintButtons()
{
    QPainter painter(&m_background);
    for (int button = 1; button <= 4; ++button) {
        const QRect& hit = m_hit[button - 1];
        const bool hasImage = IsDialog() && !m_btnImages[button - 1][0].isNull();
        if (!hit.isValid() && !hasImage) {
            continue;
        }
        int state = 0;
        if (m_hotButton == button && m_dlgBtnState == BTN_STATE_OVER) {
            state = 1;
        } else if (m_hotButton == button && m_dlgBtnState == BTN_STATE_DOWN) {
            state = 2;
        }
        if (IsDialog() && button == 1 && state == 1) {
            qCDebug(KWDiagnostics, "m_dlgBtnState == BTN_STATE_OVER");
        } else if (IsDialog() && button == 1 && state == 2) {
            qCDebug(KWDiagnostics, "m_dlgBtnState == BTN_STATE_DOWN");
        }
        if (hasImage) {
            painter.drawPixmap(hit, m_btnImages[button - 1][state]);
        } else if (m_btnSource[button - 1][state].isValid()) {
            // An empty source would make Qt draw the whole skin image.
            painter.drawPixmap(hit, m_skin, m_btnSource[button - 1][state]);
        }
    }
}

void CKWSkinFrame::Paint(QPainter& painter, const QRegion& region)
{
    const QSize size = m_window->size();
    const int s = m_shadowWidth;
    if (m_shadowPlan.paintShadow) {
        KWPaintFrameShadow(painter, size, s, region);
        KWPaintShadowCorners(painter, m_shadowCorners);
    } else if (m_resizeBands && m_shadowPlan.maskInset > 0) {
        // The bands are all the mask keeps of the margin: the shadow's grey
        // there rather than what an unblended clear pixel shows.
        KWPaintResizeBands(painter, size);
    }
    if (m_background.isNull()) {
        return;
    }
    PaintButtons();
    painter.save();
    if (!m_shadowCorners.isEmpty()) {
        painter.setClipRegion(QRegion(m_window->rect()).subtracted(m_shadowCorners));
    }
    painter.drawPixmap(
        QRect(QPoint(s, s), QPoint(size.width() - 1 - s, size.height() - 1 - s)), m_background);
    painter.restore();
}

bool CKWSkinFrame::Resize(const QSize& size, const QSize& oldSize)
{
    if (m_skin.isNull()) {
        return false;
    }
    const int W = size.width();
    const int H = size.height();
    if (IsDialog()) {
        m_caption.setRight(m_caption.left() + W - 1);
    } else {
        m_caption.moveTo(0, 0);
        m_caption.setRight(W - 1);
    }
    for (int button = 4; button >= 1; --button) {
        m_hit[button - 1] = KWRelocateHitRect(m_hit[button - 1], W, oldSize.width());
    }
    if (!IsDialog() && m_skin.width() >= W && m_skin.height() >= H) {
        m_background = m_skin.copy(0, 0, W, H);
    } else {
        m_background = KWComposeFrameBackground(m_skin, m_interior, m_interiorColor, m_pieces, size);
    }
    LayoutTitle();
    DecideShadow();
    ApplyMask(size);
    return true;
}

int CKWSkinFrame::ButtonAt(const QPoint& pos) const
{
    for (int button = 1; button <= 4; ++button) {
        if (m_hit[button - 1].contains(pos)) {
            return button;
        }
    }
    return 0;
}

void CKWSkinFrame::RepaintButton(int button)
{
    if (button >= 1 && button <= 4) {
        m_window->update(m_hit[button - 1]);
    }
}

QPoint CKWSkinFrame::DragTarget(const QPoint& globalPos) const
{
    return KWClampDragTarget(globalPos - m_dragOffset, KWInclusiveRect(GetWorkAreaRect()));
}

bool CKWSkinFrame::MousePress(QMouseEvent* event, bool maximized)
{
    if (event->button() != Qt::LeftButton) {
        return false;
    }
    const QPoint pos = event->position().toPoint();
    if (IsDialog()) {
        qCDebug(KWDiagnostics, "mousePressEvent  == 0x%llx",
            static_cast<unsigned long long>(reinterpret_cast<quintptr>(m_window)));
    }
    if (m_resizeBands) {
        // The bands that Windows answers through its hit test; here the
        // window manager is asked to run the resize.
        const KWFrameHit hit = KWFrameHitTest(
            pos.x(), pos.y(), m_window->width(), m_window->height(), m_window->childAt(pos) != nullptr);
        const Qt::Edges edges = hit.handled ? KWFrameHitEdges(hit.code) : Qt::Edges();
        if (edges && m_window->windowHandle() != nullptr
            && m_window->windowHandle()->startSystemResize(edges)) {
            return true;
        }
    }
    if (m_caption.contains(pos) && !maximized) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - m_window->pos();
        // Wayland compositors ignore a program's own moves; they move the
        // window themselves when asked.
        if (QGuiApplication::platformName() == QLatin1String("wayland") && m_window->windowHandle() != nullptr
            && m_window->windowHandle()->startSystemMove()) {
            m_dragging = false;
        }
    }
    const int button = ButtonAt(pos);
    if (button != 0) {
        m_hotButton = button;
        m_dlgBtnState = BTN_STATE_DOWN;
        m_dragging = false;
        RepaintButton(button);
        if (IsDialog() && button == 1) {
            qCDebug(KWDiagnostics, "mousePressEvent m_dlgBtnState == BTN_STATE_DOWN");
        }
    } else {
        m_hotButton = 0;
        m_dlgBtnState = 0;
    }
    return false;
}

void CKWSkinFrame::MouseMove(QMouseEvent* event, bool maximized)
{
    const QPoint pos = event->position().toPoint();
    if (event->buttons() == Qt::LeftButton) {
        if (m_dragging && !maximized) {
            m_window->move(DragTarget(event->globalPosition().toPoint()));
        }
        const int button = ButtonAt(pos);
        if (button != 0) {
            m_hotButton = button;
            m_dlgBtnState = BTN_STATE_OVER;
            RepaintButton(button);
        } else {
            m_hotButton = 0;
            m_dlgBtnState = 0;
        }
    } else if (IsDialog() && event->buttons() == Qt::NoButton) {
        const int button = ButtonAt(pos);
        if (button != 0) {
            m_hotButton = button;
            m_dlgBtnState = BTN_STATE_OVER;
            RepaintButton(button);
            if (button == 1) {
                qCDebug(KWDiagnostics, "mouseMoveEvent m_dlgBtnState == BTN_STATE_OVER");
            }
        } else {
            if (m_hotButton != 0) {
                m_dlgBtnState = 0;
                RepaintButton(m_hotButton);
            }
            m_hotButton = 0;
            m_dlgBtnState = 0;
        }
    }
}

int CKWSkinFrame::MouseRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return 0;
    }
    if (m_dragging) {
        QPoint target = DragTarget(event->globalPosition().toPoint());
        if (KWClampReleaseTarget(target, m_window->width(), KWInclusiveRect(GetWorkAreaRect()),
                KWInclusiveRect(GetScreenRect()))) {
            m_window->move(target);
        }
        m_dragging = false;
    }
    const int button = ButtonAt(event->position().toPoint());
    if (button == 0) {
        m_hotButton = 0;
        m_dlgBtnState = 0;
        return 0;
    }
    m_hotButton = button;
    m_dlgBtnState = BTN_STATE_OVER;
    RepaintButton(button);
    if (IsDialog() && button == 1) {
        qCDebug(KWDiagnostics, "mouseReleaseEvent m_dlgBtnState == BTN_STATE_OVER");
    }
    RunButtonAction(button);
    return button;
}

void CKWSkinFrame::RunButtonAction(int button)
{
    // The windows declare the same four signals, queued to close, maximise,
    // minimise and restore, so the request runs after this handler returns.
    auto emitSignal
        = [this](const char* name) { QMetaObject::invokeMethod(m_window, name, Qt::DirectConnection); };
    const Qt::WindowStates state = m_window->windowState();
    switch (button) {
    case 1:
        emitSignal("sgnClose");
        break;
    case 2:
        if (state == Qt::WindowNoState) {
            emitSignal("sgnMaximized");
        } else if (state == Qt::WindowMaximized) {
            emitSignal("sgnNormal");
        }
        break;
    case 3:
        if (state == Qt::WindowNoState) {
            emitSignal("sgnMinimized");
            m_window->setWindowState(Qt::WindowMinimized);
        } else if (state == Qt::WindowMaximized) {
            emitSignal("sgnNormal");
        }
        break;
    default:
        break;
    }
}

void CKWSkinFrame::MouseLeave()
{
    if (!IsDialog()) {
        return;
    }
    qCDebug(KWDiagnostics, "mouseMoveEvent m_dlgBtnState == BTN_STATE_OVER");
    for (int button = 1; button <= 4; ++button) {
        m_hotButton = button;
        m_dlgBtnState = 0;
        RepaintButton(button);
    }
    m_hotButton = 0;
    m_dlgBtnState = 0;
}

bool CKWSkinFrame::NativeHitTest(UINT message, LPARAM lParam, LRESULT* result) const
{
    if (message != WM_NCHITTEST || !m_resizeBands) {
        return false;
    }
    const QRect frame = m_window->frameGeometry();
    const int x = static_cast<int16_t>(LOWORD(lParam)) - frame.left();
    const int y = static_cast<int16_t>(HIWORD(lParam)) - frame.top();
    const KWFrameHit hit
        = KWFrameHitTest(x, y, m_window->width(), m_window->height(), m_window->childAt(x, y) != nullptr);
    if (hit.handled && result != nullptr) {
        *result = hit.code;
    }
    return hit.handled;
}
