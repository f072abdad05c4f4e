#include "ui/qt/KWSliderExStyle.h"

#include "ui/qt/KWQTSliderCtrl.h"
#include "ui/qt/KWSliderMapping.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <QWidget>

#include <algorithm>

namespace {

const CKWQTSliderCtrl* SkinnedSlider(const QWidget* widget)
{
    return qobject_cast<const CKWQTSliderCtrl*>(widget);
}

// Copies the source band of picture to the same place in the widget,
// unscaled; a band outside the picture draws nothing.
void DrawBand(QPainter* painter, const QPixmap& picture, const QRect& band)
{
    const QRect source = band.intersected(picture.rect());
    if (!source.isEmpty()) {
        painter->drawPixmap(source.topLeft(), picture, source);
    }
}

} // namespace

void QSliderExStyle::polish(QWidget* widget)
{
    QCommonStyle::polish(widget);
    if (widget != nullptr) {
        widget->setAttribute(Qt::WA_Hover, true);
    }
}

void QSliderExStyle::unpolish(QWidget* widget)
{
    QCommonStyle::unpolish(widget);
    if (widget != nullptr) {
        widget->setAttribute(Qt::WA_Hover, false);
    }
}

int QSliderExStyle::styleHint(
    StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const
{
    if (hint == SH_Slider_AbsoluteSetButtons) {
        return Qt::LeftButton;
    }
    return QCommonStyle::styleHint(hint, option, widget, returnData);
}

int QSliderExStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (const CKWQTSliderCtrl* slider = SkinnedSlider(widget)) {
        const bool horizontal = slider->IsHorizontal();
        const QPixmap& groove = slider->Image(CKWQTSliderCtrl::IMG_GROOVE_EMPTY);
        const QPixmap& handle = slider->Image(CKWQTSliderCtrl::IMG_HANDLE_NORMAL);
        switch (metric) {
        case PM_SliderThickness:
            if (!groove.isNull()) {
                return horizontal ? groove.height() : groove.width();
            }
            break;
        case PM_SliderControlThickness:
            if (!handle.isNull()) {
                return horizontal ? handle.width() : handle.height();
            }
            break;
        case PM_SliderLength:
        case PM_ScrollBarSliderMin:
            if (!groove.isNull()) {
                return horizontal ? groove.width() : groove.height();
            }
            break;
        default:
            break;
        }
    }
    return QCommonStyle::pixelMetric(metric, option, widget);
}

void QSliderExStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const CKWQTSliderCtrl* slider = SkinnedSlider(widget);
    const auto* sliderOption = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || slider == nullptr || sliderOption == nullptr || painter == nullptr) {
        return;
    }
    painter->save();

    int minimum = 0;
    int maximum = 0;
    slider->GetRange(minimum, maximum);
    const bool horizontal = slider->IsHorizontal();
    const QPixmap& filled = slider->Image(CKWQTSliderCtrl::IMG_GROOVE_FILLED);
    const QPixmap& empty = slider->Image(CKWQTSliderCtrl::IMG_GROOVE_EMPTY);
    const QPixmap& normal = slider->Image(CKWQTSliderCtrl::IMG_HANDLE_NORMAL);
    const int width = widget->width();
    const int height = widget->height();
    const int centre = horizontal
        ? KWSliderHandleCentre(sliderOption->sliderPosition, minimum, maximum, width, normal.width())
        : KWSliderHandleCentre(sliderOption->sliderPosition, minimum, maximum, height, normal.height());

    const QRect grooveRect = subControlRect(CC_Slider, sliderOption, SC_SliderGroove, widget);
    const QRect handleRect = subControlRect(CC_Slider, sliderOption, SC_SliderHandle, widget);
    if ((sliderOption->subControls & SC_SliderGroove) && grooveRect.isValid() && handleRect.isValid()
        && !filled.isNull() && !empty.isNull()) {
        // Filled up to the handle's centre, empty after it, both unscaled.
        if (horizontal) {
            DrawBand(painter, filled, QRect(0, 0, centre, filled.height()));
            DrawBand(painter, empty, QRect(centre, 0, empty.width() - centre, empty.height()));
        } else {
            DrawBand(painter, empty, QRect(0, 0, empty.width(), centre));
            DrawBand(painter, filled, QRect(0, centre, filled.width(), filled.height() - centre));
        }
    }

    bool allHandles = true;
    for (int i = CKWQTSliderCtrl::IMG_HANDLE_NORMAL; i <= CKWQTSliderCtrl::IMG_HANDLE_DISABLED; ++i) {
        allHandles = allHandles && !slider->Image(i).isNull();
    }
    if ((sliderOption->subControls & SC_SliderHandle) && allHandles) {
        const bool hover = (sliderOption->state & State_MouseOver) != 0;
        const bool sunken = (sliderOption->state & State_Sunken) != 0;
        const bool enabled = (sliderOption->state & State_Enabled) != 0;
        int image = CKWQTSliderCtrl::IMG_HANDLE_DISABLED;
        if (hover && sunken) {
            image = CKWQTSliderCtrl::IMG_HANDLE_PRESSED;
        } else if (hover && enabled) {
            image = CKWQTSliderCtrl::IMG_HANDLE_HOVER;
        } else if (!hover && enabled) {
            image = CKWQTSliderCtrl::IMG_HANDLE_NORMAL;
        }
        const QPixmap& picture = slider->Image(image);
        if (horizontal) {
            painter->drawPixmap(centre - picture.width() / 2, (height - normal.height()) / 2, picture);
        } else {
            painter->drawPixmap((width - normal.width()) / 2, centre - picture.height() / 2, picture);
        }
    }

    painter->restore();
}
