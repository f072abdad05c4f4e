#pragma once
// Transparent, vertically scrolling container. Controls go into its content
// widget (GetUIWnd), whose fixed size sets how far it scrolls. Scrolling is by
// steps or animated; every change of position is reported to the listener.
// It has no factory: construct it with its listener.

#include "ui/api/KWScrollArea.h"

#include <QPointer>
#include <QPropertyAnimation>
#include <QScrollArea>
#include <QString>


class CKWQTScrollArea : public QScrollArea, public CKWScrollArea {
    Q_OBJECT
    // The vertical position, for the animation to drive.
    Q_PROPERTY(int CurValue READ GetCurValue WRITE SetCurValue)

public:
    // Every change of position resets the bar's own single step to this, so
    // that the wheel and the arrows scroll by one row of content.
    static constexpr int kBarSingleStep = 88;
    static constexpr int kAnimationMs = 1000;

    explicit CKWQTScrollArea(IKWScrollAreaEvent* listener = nullptr);
    ~CKWQTScrollArea() override;

    // Exclusive rectangle; the content widget is contentWidth x contentHeight
    // at least. No horizontal scrolling.
    int Create(DWORD style, const RECT& rect, UINT contentWidth, UINT contentHeight, void* parent, UINT id) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Tool tips always show.
    void SetTooltipEnable(int enable) override;
    void SetToolTipText(LPCWSTR text) override;
    int IsWindowVisible() override;
    int IsWindow() override;
    void SetEnabled(int enable) override;
    // The content widget, the parent of the controls inside.
    void* GetUIWnd() override;
    // The background picture (skin directory + name) becomes the content
    // widget's background; a null record or an empty name changes nothing.
    void SetSkin(ScrollAreaStyle* style) override;
    void SetEnableScrollBar(int enable) override;
    void ResizeScrollArea(UINT width, UINT height) override;
    // Range of the vertical position and the step SetUPNextValue and
    // SetDownNextValue move by.
    void SetRange(int minimum, int maximum, int step) override;
    void SetUPNextValue() override;
    void SetDownNextValue() override;
    void SrollToTop(int unused) override;
    // Animated: a bouncing move to value (at most the maximum) over a second.
    // While a move runs on a disabled area, a new one is refused.
    void SetValue(int value, bool animate) override;

    int GetCurValue() const;
    void SetCurValue(int value);
    QWidget* ContentWidget() const { return m_content; }
    QString BackgroundImagePath() const { return m_bgImagePath; }
    // The running or last animation; null before the first.
    QPropertyAnimation* CurrentAnimation() const { return m_animation; }

public slots:
    void OnVerPosBarChanged(int position);

private:
    void FitContent(UINT width, UINT height);

    int m_id = 0;
    QWidget* m_content; // owned by the scroll area
    int m_step = 0;
    QString m_bgImagePath;
    QPointer<QPropertyAnimation> m_animation;
};
