#pragma once
// The framework's generic child panel: a background colour or picture, an
// optional frame and rounded corners, rows of child controls, and the
// commands of those controls dispatched through the listener's message map.

#include "ui/api/KWView.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class CKWQTView : public QWidget, public CKWView {
    Q_OBJECT

public:
    explicit CKWQTView(IKWViewEvent* listener);
    ~CKWQTView() override;

    // Right and bottom of the rectangle inclusive.
    int Create(
        LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, void* parent, UINT id) override;
    void ShowWindow(int show) override;
    // A picture of the skin directory, drawn scaled instead of the colour.
    void SetBackground(LPCWSTR image) override;
    void MoveWindow(RECT* rect) override;
    // Hidden while it moves; shown again only if it was visible.
    void MoveWindow(int x, int y, int width, int height) override;
    void GetViewClientRect(RECT* rect) override;
    void GetViewWindowRect(RECT* rect) override;
    void GetViewGeometryRect(RECT* rect) override;
    void Screen2Client(POINT* point) override;
    void Screen2Client(RECT* rect) override;
    int isShow() override;
    int isWindow() override;
    int SubclassWindow() override;
    void* UnsubclassWindow() override;
    // Takes effect at the next resize.
    void SetRoundCornerRadius(UINT radius) override;
    void SetBGClr(UINT red, UINT green, UINT blue, UINT alpha) override;
    // 0xAABBGGRR where AA is transparency: 0 opaque, 0xFF clear.
    void SetBGClr(UINT color) override;
    void SetParentWindow(void* parent, WINDOW_TYPE type) override;
    void SetFrameClr(UINT color, UINT alpha, int enable) override;
    // Enter and leave are reported from now on.
    void SetFocusEnable() override;
    void SetBgtransparent(int transparent) override;
    // Whether a left press also goes on to the parent window.
    void SetBar(int bar) override;

    // Rows of child controls: each child is taken in at the row top, 10
    // pixels right of the previous child of its row.
    void AddRowChild1(QWidget* child);
    void AddRowChild2(QWidget* child);
    void AddRowChild3(QWidget* child);
    void SetRowTop(int top) { m_rowTop = top; }
    int RowTop() const { return m_rowTop; }
    QList<QWidget*> RowChildren(int row) const;

    UINT GetID() const { return m_id; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void customEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    using Row = QList<QPointer<QWidget>>;
    void AddRowChild(Row& row, QWidget* child);

    QColor m_bgColor { 92, 101, 118, 255 };
    QPixmap m_background;
    int m_frame = 0;
    QColor m_frameColor { 128, 128, 128, 255 };
    UINT m_radius = 0;
    UINT m_id = 0;
    int m_reportEnterLeave = 0;
    int m_transparent = 0;
    int m_passOn = 1;
    int m_rowTop = 0;
    Row m_rows[3];
};
