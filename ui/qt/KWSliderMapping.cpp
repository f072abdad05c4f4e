#include "ui/qt/KWSliderMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

int KWSliderValueFromPos(int p, int length, int handleLength, int minimum, int maximum)
{
    if (maximum <= minimum) {
        return maximum;
    }
    const int half = handleLength / 2;
    const int64_t travel = static_cast<int64_t>(length) - handleLength;
    if (travel <= 0) {
        // The handle fills the slider: wherever the pointer is, the clamped
        // position is the start.
        return minimum;
    }
    const int64_t clamped = std::clamp<int64_t>(p, half, static_cast<int64_t>(length) - half);
    const double span = static_cast<double>(maximum) - static_cast<double>(minimum);
    const double v = static_cast<double>(clamped - half) * span / static_cast<double>(travel) + minimum;
    // Half up with floor, not trunc: trunc(v + 0.5) would lift every exact
    // negative value by one (-5 -> -4), and a range below zero could never
    // reach its minimum. For v >= 0 the two agree. An odd handle leaves one
    // pixel past the end of the travel: cap before converting so the double
    // always fits the int.
    const double rounded = std::min(std::floor(v + 0.5), static_cast<double>(maximum));
    return static_cast<int>(rounded);
}

float KWSliderFraction(int p, int length)
{
    if (length <= 1) {
        return 0.0f;
    }
    const double f = static_cast<double>(p) / (static_cast<double>(length) - 1.0);
    return static_cast<float>(std::clamp(f, 0.0, 1.0));
}

int KWSliderHandleCentre(int value, int minimum, int maximum, int length, int handleLength)
{
    if (maximum <= minimum) {
        return length - handleLength;
    }
    const double span = static_cast<double>(maximum) - static_cast<double>(minimum);
    const double centre
        = (static_cast<double>(value) - minimum) * (static_cast<double>(length) - handleLength) / span
        + handleLength / 2;
    return static_cast<int>(std::trunc(centre));
}

QString KWSliderTooltipText(
    int mode, bool reversed, int value, int minimum, int maximum, int startTime, int endTime, float fraction)
{
    switch (mode) {
    case KW_SLIDER_TIP_PERCENT: {
        if (maximum <= minimum) {
            return QString();
        }
        const double span = static_cast<double>(maximum) - static_cast<double>(minimum);
        const double q = std::trunc(std::trunc(value * 1000.0 / span) / 10.0);
        return QStringLiteral("%1%").arg(reversed ? maximum - q : q);
    }
    case KW_SLIDER_TIP_HUNDREDTHS:
        return QStringLiteral("%1").arg(value / 100.0);
    case KW_SLIDER_TIP_TIME: {
        const double at = static_cast<double>(startTime)
            + (static_cast<double>(endTime) - static_cast<double>(startTime)) * static_cast<double>(fraction);
        const int64_t s = static_cast<int64_t>(std::trunc(at));
        const QChar zero(u'0');
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600, 2, 10, zero)
            .arg((s % 3600) / 60, 2, 10, zero)
            .arg(s % 60, 2, 10, zero);
    }
    default:
        return QString();
    }
}
