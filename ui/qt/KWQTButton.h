#pragma once
// Picture push button. Each look (normal, hover, pressed, disabled, checked)
// is one skin picture stretched over the whole button, with one line of text
// painted on top. A click is reported twice: to the listener, then as the
// command (273, 0, id) to the parent window's message map.
//
// Public because components that own their own buttons (the playback
// timeline) construct it directly, without a listener, and connect to its
// clicked() signal.

#include "ui/api/KWButton.h"

#include <QColor>
#include <QPixmap>
#include <QPushButton>

#include <memory>

class QAbstractAnimation;

class CKWQTButton : public QPushButton, public CKWButton {
    Q_OBJECT
    // Opacity of the whole button: the hook by which a fade animation can
    // drive it.
    Q_PROPERTY(float picTransparence READ GetPicTransparence WRITE SetPicTransparence)

public:
    // Which picture the button shows while enabled.
    enum VisualState {
        StateHover = 0,
        StatePressed = 1,
        StateNormal = 2,
        StateChecked = 4,
    };

    explicit CKWQTButton(IKWButtonEvent* listener = nullptr);
    ~CKWQTButton() override;

    int Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id) override;
    // The cursor is set on every mouse entry instead.
    void SetCursor() override;
    // Null record: 0 and nothing changes. An empty name keeps that picture.
    int SetSkin(ImageButtonStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void EnableWindow(int enable) override;
    // 0x00BBGGRR; seen at the next paint.
    void SetTextColor(DWORD colour) override;
    // Kept, not applied to the painting.
    void SetTextOffset(int x, int y) override;
    // DT_CENTER (1), else DT_RIGHT (2), else left; always vertically centred
    // on a single line. DT_END_ELLIPSIS (0x8000) elides at the right from
    // then on.
    void SetTextAlign(UINT format) override;
    // Kept; tooltips show regardless.
    void SetTooltipEnable(int enable) override;
    void SetToolTipText(LPCWSTR text) override;
    // size counts the terminator: at most size - 1 units are copied. Returns
    // the number copied.
    int GetWindowTextW(WCHAR* buffer, int size) const override;
    void SetWindowTextW(LPCWSTR text) override;
    // Screen coordinates, right and bottom inclusive.
    void GetBTNWindowRect(RECT* rect) override;

    // The checked look, which leaving the button returns to.
    void SetChecked(bool checked);

    float GetPicTransparence() const { return m_picTransparence; }
    // Repaints at once, so that each animation step is seen.
    void SetPicTransparence(float transparence);

    int GetVisualState() const { return m_visualState; }

    // The band the text is drawn in: one line of the button's font tall
    // across the middle, clear of the picture's edges (2 pixels at scale 1.0).
    QRect TextRect() const;
    int TextFlags() const { return m_textFlags; }

public slots:
    void OnClicked();
    void OnAnimationPicTransFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetVisualState(int state);
    const QPixmap& CurrentPicture() const;

    int m_id = 0;
    int m_textFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    Qt::TextElideMode m_elideMode = Qt::ElideNone;
    int m_visualState = StateNormal;
    bool m_checked = false;
    bool m_keepCheckedOnHover = true;
    QColor m_textColor = QColor(Qt::black);
    int m_textOffsetX = 0;
    int m_textOffsetY = 0;
    int m_tooltipEnable = 1;
    QPixmap m_hoverPicture;
    QPixmap m_pressedPicture;
    QPixmap m_normalPicture;
    QPixmap m_disabledPicture;
    QPixmap m_checkedPicture;
    std::unique_ptr<QAbstractAnimation> m_animation;
    float m_picTransparence = 1.0F;
    int m_pressX = 0;
};
