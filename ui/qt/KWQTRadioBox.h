#pragma once
// Picture toggle: a radio button painted from eight skin pictures (checked or
// not, times normal, hover, pressed, disabled) with its text beside the
// icon, optional background colours, an optional fade on hover and click and
// an optional animated move. A click inside toggles it and is reported to
// the listener and, as a command, to the parent window. The box never
// unchecks a sibling: groups are the application's business.

#include "ui/api/KWRadioBox.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRadioButton>

#include <array>

class QPropertyAnimation;

class CKWQTRadioBox : public QRadioButton, public CKWRadioBox {
    Q_OBJECT
    Q_PROPERTY(float picTransparence READ PicTransparence WRITE SetPicTransparence)

public:
    // Visual states.
    enum { STATE_NORMAL = 0, STATE_HOVER = 1, STATE_PRESSED = 2, STATE_DISABLED = 3 };
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
        PIC_OVERLAY,
        PIC_COUNT
    };
    static constexpr int FADE_MS = 300;
    static constexpr int MOVE_MS = 1000;

    explicit CKWQTRadioBox(IKWRadioBoxEvent* listener = nullptr);
    ~CKWQTRadioBox() override;

    int Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id) override;
    // 0 for a null record. Empty fields keep their pictures.
    int SetSkin(ImageRadioBox* style) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive; animate slides the box there.
    void MoveWindow(RECT* rect, int animate) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Silent: neither the listener nor the parent hears it.
    void SetCheck(int check) override;
    int GetCheck() const override;
    // Copies at most count characters of the text and writes no NUL: the
    // caller terminates or clears its buffer. Returns the number copied.
    int GetWindowTextW(WCHAR* buffer, int count) const override;
    void SetWindowTextW(LPCWSTR text) override;
    void SetBoldHeavy(int bold) override;
    // active 0 means "as normal".
    void SetTextColor(DWORD normal, DWORD active) override;
    void SetTextSize(int pixels) override;
    void SetTextOffset(int offset) override;
    // Bit 0x1 centres, bit 0x2 right-aligns; always one line, centred
    // vertically.
    void SetTextAlign(DWORD format) override;
    void SetIconOffsetLeft(int x) override;
    void GetRadioClientRect(RECT* rect) override;
    void GetRadioWindowRect(RECT* rect) override;
    void SetBkColor(DWORD checkedColour, DWORD uncheckedColour) override;
    void SetBkRect(bool whole) override;
    void SetToolTipText(LPCWSTR text) override;
    int IsWindowVisible() override;
    int IsWindow() override;
    void SetEnabled(int enable) override;
    void EnableAnimation(int enable) override;
    void SetExpendBGImge(int expand) override;
    void SetIconAlign(DWORD align) override;
    void Geometry(RECT* rect) override;
    int GetRadioId() override;
    void GetBTNWindowRect(RECT* rect) override;
    int GetToolTipText(WCHAR* buffer, int count) const override;

    float PicTransparence() const { return m_picTransparence; }
    void SetPicTransparence(float opacity);

    // For inspection.
    int VisualState() const { return m_state; }
    int TextFlags() const { return m_textFlags; }
    // The font and the place the text is drawn with, beside the icon.
    QFont TextFont() const;
    QRect TextRect() const;
    QColor NormalTextColour() const { return m_textColour[0]; }
    QColor ActiveTextColour() const { return m_textColour[1]; }
    QPropertyAnimation* FadeAnimation() const { return m_fade; }
    QPropertyAnimation* MoveAnimation() const { return m_move; }

public slots:
    void OnClicked(bool checked, QPoint point);
    void OnAnimationPicTransFinished();
    void OnAnimationMoveFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click toggles once on each of its releases; the double
    // click itself does nothing more.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Qt's own painting (used when a picture is missing) shows our checked
    // flag, not QAbstractButton's.
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    void StartFade();
    // Stops a held animation and lets it go, so that a new one does not
    // fight it.
    void DropAnimation(QPropertyAnimation*& held);
    // A new animation of the property, held and reporting its end to
    // finished; null, and the held one left to finish, while that one still
    // runs on a disabled box.
    QPropertyAnimation* RestartAnimation(
        QPropertyAnimation*& held, const char* property, void (CKWQTRadioBox::*finished)(), int milliseconds);
    const QPixmap& PictureForState() const;
    // Where the icon of that picture is drawn (with a tiled background, the
    // place after the last tile).
    QRect IconRect(const QPixmap& picture) const;

    int m_id = -1;
    int m_state = STATE_NORMAL;
    bool m_checked = false;
    bool m_bkWhole = true;
    QFont m_font;
    int m_textSize = 0;
    std::array<QColor, 2> m_bkColour; // checked, unchecked; invalid until set
    std::array<QColor, 2> m_textColour; // normal, checked or hovered; invalid until set
    int m_textOffset = 0;
    int m_textFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    DWORD m_iconAlign = 0;
    int m_iconLeft = 0;
    std::array<QPixmap, PIC_COUNT> m_pictures;
    int m_animation = 0;
    int m_expandBackground = 0;
    QPropertyAnimation* m_fade = nullptr; // child of this box
    QPropertyAnimation* m_move = nullptr; // child of this box
    float m_picTransparence = 1.0f;
};
