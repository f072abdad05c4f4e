#pragma once
// The style a skinned slider paints itself with: the groove from two
// pictures split at the handle's centre (filled before it, empty after it)
// and the handle from one picture per state, with metrics taken from the
// pictures. Widgets other than CKWQTSliderCtrl get QCommonStyle's metrics,
// and no complex control but such a slider is drawn at all.

#include <QCommonStyle>

class QSliderExStyle : public QCommonStyle {
    Q_OBJECT

public:
    QSliderExStyle() = default;
    ~QSliderExStyle() override = default;

    // The handle follows the pointer, so it must hear hover.
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QCommonStyle::polish;
    using QCommonStyle::unpolish;

    // A left click sets the slider where it lands.
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
        QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
