#pragma once
// Picture check box: a push button whose whole face is one of eight pictures
// (checked or not, times normal, hover, pressed, disabled) with its text
// centred over it. Every mouse release toggles it; the mouse is reported to
// the listener and a click inside is sent to the parent as a command. The
// pictures follow the box's size: a larger box stretches them by their four
// corners, a smaller one crops them.

#include "ui/api/KWCheckBox.h"

#include <QPixmap>
#include <QPushButton>
#include <QSize>

#include <array>

class CKWQTCheckBox : public QPushButton, public CKWCheckBox {
    Q_OBJECT

public:
    // Visual states.
    enum { STATE_HOVER = 0, STATE_PRESSED = 1, STATE_NORMAL = 2 };
    // Pictures, in the order of the skin record's fields.
    enum {
        PIC_CHECKED_NORMAL = 0,
        PIC_CHECKED_HOVER,
        PIC_CHECKED_PRESSED,
        PIC_UNCHECKED_NORMAL,
        PIC_UNCHECKED_HOVER,
        PIC_UNCHECKED_PRESSED,
        PIC_CHECKED_DISABLED,
        PIC_UNCHECKED_DISABLED,
        PIC_COUNT
    };

    explicit CKWQTCheckBox(IKWCheckBoxEvent* listener = nullptr);
    ~CKWQTCheckBox() override;

    // text is UTF-8. The style's visible bit is not consulted.
    int Create(const char* text, DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Silent: neither the listener nor the parent hears it.
    void SetCheck(int check) override;
    // Writes 0 or 1 through the pointer (when there is one); returns 0.
    int GetCheck(int* check) const override;
    // size counts the terminator: at most size - 1 units are copied and the
    // text is always terminated. Returns the number copied.
    int GetWindowTextW(WCHAR* buffer, int size) const override;
    void SetWindowTextW(LPCWSTR text) override;
    // 0 for a null record. Each non-empty field is loaded from the path as
    // it stands (not from the skin directory); one that does not load leaves
    // its look to Qt's own push-button painting. No repaint.
    int SetSkin(ImageCheckBox* style) override;

    int VisualState() const { return m_state; }
    const QPixmap& Picture(int which) const { return m_pictures.at(static_cast<size_t>(which)); }

    // The picture rebuilt at size: its four corners kept as they are, the
    // middle column and row repeated along the edges and the centre filled
    // with the middle pixel. A null picture stays null.
    static QPixmap StretchByCorners(const QPixmap& picture, const QSize& size);

public slots:
    void OnCheckStateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void SetState(int state);
    const QPixmap& CurrentPicture() const;

    int m_id = 0;
    int m_state = STATE_NORMAL;
    bool m_checked = false;
    std::array<QPixmap, PIC_COUNT> m_pictures;
};
