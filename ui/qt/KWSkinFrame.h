#pragma once
// The skinned frame both frameless windows draw around themselves: the
// background composed from a skin, the drop shadow, the rounded mask, four
// title buttons with hover and press states, dragging by the caption with
// clamps to the work area, resize bands, centring and the title label.
//
// A window holds one frame by value and forwards its Qt events to it. The
// frame works on the window it was given; what differs between the dialog and
// the main window is chosen by the variant.

#include "base/platform/KWWinTypes.h"
#include "ui/qt/KWFrameShadow.h"
#include "ui/qt/KWSkinFrameFunctions.h"

#include <QBitmap>
#include <QColor>
#include <QLabel>
#include <QMetaObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <array>

struct DialogStyle;
class QMouseEvent;
class QPainter;
class QWidget;

class CKWSkinFrame {
public:
    enum class Variant { Dialog, MainWindow };

    static constexpr int BTN_STATE_OVER = 1;
    static constexpr int BTN_STATE_DOWN = 2;

    CKWSkinFrame(Variant variant, QWidget* window);
    CKWSkinFrame(const CKWSkinFrame&) = delete;
    CKWSkinFrame& operator=(const CKWSkinFrame&) = delete;
    ~CKWSkinFrame();

    // Reads the skin record: size (which resizes and centres the window),
    // corner radii, interior colour and image, skin image, frame pieces, title
    // buttons, caption and, for the dialog, button images and title alignment.
    // A later skin replaces every image of the earlier one. Null does nothing.
    void SetSkin(const DialogStyle* style);

    // Window geometry as the windows' operations give it.
    // The geometry, whose size is also kept as the window's stored size.
    void MoveWindow(const QRect& geometry);
    int SetWindowPos(int x, int y, int cx, int cy, UINT flags);
    void CenterWindow();
    void Screen2Client(POINT* point) const;
    void Screen2Client(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    // "a,b"; used from the next resize on.
    void SetRoundCorner(LPCWSTR radii);
    // Resize bands keep their strips of the window in its mask.
    void SetResizeBands(bool on);
    void SetFrameShadow(bool on);
    void EnableNcButtons(int enable) { m_ncButtons = enable != 0; }

    // Title label: created by the first text, laid out again at every resize.
    void SetTitle(const QString& text);
    void SetTitleToTopDistance(int distance) { m_titleToTop = distance; }

    // Qt events forwarded by the window.
    // Paints the frame for a repaint of the region.
    void Paint(QPainter& painter, const QRegion& region);
    // Returns false (and does nothing) while there is no skin image; the
    // window then skips its own size callback.
    bool Resize(const QSize& size, const QSize& oldSize);
    // Returns true when the press started a resize through a band, which
    // then owns the mouse.
    bool MousePress(QMouseEvent* event, bool maximized);
    void MouseMove(QMouseEvent* event, bool maximized);
    // Returns the title button whose action ran (0 for none).
    int MouseRelease(QMouseEvent* event);
    void MouseLeave();
    // The native hit test (message 0x84 with the cursor's screen position in
    // lParam). Answers only while the resize bands are on.
    bool NativeHitTest(UINT message, LPARAM lParam, LRESULT* result) const;

    // State, read by the windows and by tests.
    Variant GetVariant() const { return m_variant; }
    QSize StoredSize() const { return m_storedSize; }
    QSize BaseSize() const { return m_baseSize; }
    QPoint CentrePosition() const { return m_centre; }
    int HotButton() const { return m_hotButton; }
    int ButtonState() const { return m_dlgBtnState; }
    bool Dragging() const { return m_dragging; }
    bool ResizeBands() const { return m_resizeBands; }
    bool FrameShadow() const { return m_frameShadow; }
    // What the window system lets the shadow be, decided at the last
    // SetFrameShadow, resize or start or stop of a compositing manager.
    KWShadowPlan ShadowPlan() const { return m_shadowPlan; }
    int ShadowWidth() const { return m_shadowWidth; }
    bool NcButtonsEnabled() const { return m_ncButtons; }
    int TitleAlignment() const { return m_titleAlign; }
    // Button 1..4; an invalid rectangle for other numbers.
    QRect HitRect(int button) const;
    QRect CaptionRect() const { return m_caption; }
    QSize Radii() const { return QSize(m_radiusA, m_radiusB); }
    const QPixmap& SkinImage() const { return m_skin; }
    const QPixmap& Background() const { return m_background; }
    QLabel* TitleLabel() const { return m_title; }

private:
    bool IsDialog() const { return m_variant == Variant::Dialog; }
    static QPixmap LoadImage(const std::wstring& name);
    void LayoutTitle();
    void PaintButtons();
    // The first title button containing the point, 0 for none.
    int ButtonAt(const QPoint& pos) const;
    void RepaintButton(int button);
    void RunButtonAction(int button);
    QPoint DragTarget(const QPoint& globalPos) const;
    // Asks the window system whether the shadow can be shown.
    void DecideShadow();
    // Decides again, and masks and repaints the window to match.
    void ApplyShadowPlan();
    // The rounded mask of the window, without the shadow margin when the
    // window system cannot show it, with the resize bands when they are on.
    void ApplyMask(const QSize& size);

    Variant m_variant;
    QWidget* m_window; // the window that owns this frame

    // Images are held by value: a new skin simply replaces them.
    QPixmap m_skin;
    QPixmap m_interior;
    QColor m_interiorColor;
    QSize m_storedSize;
    QSize m_baseSize;
    int m_radiusA = 0;
    int m_radiusB = 0;
    KWFramePieces m_pieces;
    // Per button 1..4 at index 0..3: normal, over and down.
    std::array<std::array<QRect, 3>, 4> m_btnSource;
    std::array<std::array<QPixmap, 3>, 4> m_btnImages; // dialog only
    std::array<QRect, 4> m_hit;
    QRect m_caption;
    int m_titleAlign = 0; // dialog only: 0 left, 1 centre, 2 right
    int m_titleToTop = 10; // dialog only
    QPixmap m_background;
    QPointer<QLabel> m_title; // a child of the window

    bool m_dragging = false;
    QPoint m_dragOffset;
    QPoint m_centre;
    int m_hotButton = 0;
    int m_dlgBtnState = 0;

    bool m_resizeBands = false;
    bool m_frameShadow = false;
    int m_shadowWidth = kKWFrameShadowMargin;
    KWShadowPlan m_shadowPlan;
    // Where the shadow is shown the mask keeps the margin and the frame's
    // rounded corners are cut from its painting instead: the pixels of the
    // frame's rectangle outside them.
    QRegion m_shadowCorners;
    QMetaObject::Connection m_compositorLink;
    bool m_ncButtons = true;
};
