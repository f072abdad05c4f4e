#pragma once
// Skinned slider. A press jumps the handle to the pointer and a drag follows
// it; both report to the listener (unless the response mode silences it),
// and an optional tooltip shows the position as a percentage, a number or a
// time of day. The cut mode shows a red span between two markers instead.
//
// Public: the video component constructs it directly, without a listener,
// and listens to valueChanged(int) itself.

#include "ui/api/KWSliderCtrl.h"
#include "ui/qt/KWSliderExStyle.h"

#include <QPixmap>
#include <QSlider>

#include <array>

class CKWQTSliderCtrl : public QSlider, public CKWSliderCtrl {
    Q_OBJECT

public:
    // The six skin pictures, in the order of the skin record's rectangles.
    enum {
        IMG_GROOVE_FILLED = 0,
        IMG_GROOVE_EMPTY = 1,
        IMG_HANDLE_NORMAL = 2,
        IMG_HANDLE_HOVER = 3,
        IMG_HANDLE_PRESSED = 4,
        IMG_HANDLE_DISABLED = 5,
        IMG_COUNT = 6
    };
    enum { MODE_NORMAL = 0, MODE_CUT = 1 };

    explicit CKWQTSliderCtrl(IKWSliderCtrlEvent* listener = nullptr);
    ~CKWQTSliderCtrl() override;

    int Create(DWORD style, const RECT& rect, void* parent, UINT id, SLIDER_RESPONSE_MODE mode) override;
    // 0 for a null record, else 1 (also when the picture does not load: the
    // slider then paints with no groove and no handle).
    int SetSkin(ImageSliderStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    int GetPos() const override;
    void GetRange(int& minimum, int& maximum) const override;
    // Never reported to the listener.
    void SetPos(int pos) override;
    // The third argument is not used.
    void SetRange(int minimum, int maximum, int redraw) override;
    // mode: KW_SLIDER_TIP_PERCENT, _HUNDREDTHS or _TIME (KWSliderMapping.h);
    // reversed counts the percentage down from the maximum.
    void SetTooltipEnable(int enable, int mode, int reversed) override;
    void EnableWindow(int enable) override;
    // Scales the two groove pictures, when present, to width x height.
    void ResizeImg(int width, int height) override;
    // MODE_CUT resets the markers to the whole width.
    void SetSliderMode(int mode) override;
    int GetSliderMode() override;
    // Moves the cut markers to start and end; with keepInside a marker that
    // already lies in [start, limit) stays where it is.
    void SetCutPosByTime(int keepInside, float start, float startLimit, float end, float endLimit) override;
    // Non-zero: horizontal.
    void SetOrientation(int horizontal) override;

    // For the style: a picture (null when the skin has none) and the axis.
    const QPixmap& Image(int index) const;
    bool IsHorizontal() const { return m_horizontal; }
    // The cut markers as fractions of the width.
    float CutStart() const { return m_cutStart; }
    float CutEnd() const { return m_cutEnd; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Our own press handling never tells QSlider, so the pressed look is
    // added here.
    void initStyleOption(QStyleOptionSlider* option) const override;

private:
    // Position along the slider, its length, and the handle's length.
    int AlongSlider(const QPointF& point) const;
    int SliderLength() const;
    int HandleLength() const;
    bool Reports() const { return m_responseMode == 0 && m_pListener != nullptr; }
    void ShowTooltip(const QMouseEvent* event, float fraction);

    std::array<QPixmap, IMG_COUNT> m_images;
    QSliderExStyle m_style;
    int m_sliderMode = MODE_NORMAL;
    float m_cutStart = 0.0f;
    float m_cutEnd = 1.0f;
    int m_pressed = 0;
    int m_id = -1;
    bool m_tooltipEnabled = true;
    int m_tooltipMode = 0;
    bool m_tooltipReversed = false;
    int m_responseMode = 0;
    bool m_horizontal = true;
};
