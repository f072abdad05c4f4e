#pragma once
// What the skinned spin boxes make of a number the user types. Qt refuses, key
// by key, a number beyond the range: typing "30" into a box that ends at 22.91
// keeps the "3", drops the "0", and the box takes 3 when editing ends, a
// tenfold error the user may not notice. The boxes instead let such a number
// stand while it is typed and take the bound it passed once editing ends, so
// that the user sees the value was limited.

#include <QLocale>
#include <QString>
#include <QValidator>

#include <optional>

struct KWSpinBoxLimits {
    double minimum = 0.0;
    double maximum = 0.0;
    int decimals = 0;
};

// The bound a typed number lies beyond: the maximum for a number above the
// range, the minimum for one below it. Empty when the text lies in the range
// or is no number the box could show (no digits yet, more decimals than the
// box has). The boxes have neither prefix nor suffix, so the text is the bare
// number.
std::optional<double> KWTypedBound(const QString& text, const QLocale& locale, const KWSpinBoxLimits& limits);

// Qt's verdict on a typed text, with a number beyond the range let stand
// (Intermediate) instead of refused.
QValidator::State KWLetBeyondRangeStand(QValidator::State state, const std::optional<double>& bound);
