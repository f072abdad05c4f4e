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

class QAbstractSpinBox;

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

// The boxes show and read numbers as the program prints every other number:
// '.' as the decimal point and no thousands separators, whatever the system
// locale. The interface language does not set the number locale, so a box
// left to the system's would read "3.5" as 35 under a Portuguese one, or show
// "12,75" beside a drawing that prints "12.75m".
void KWUseProgramNumberFormat(QAbstractSpinBox* box);

// A ',' typed into a box is meant as the decimal point (the boxes have no
// thousands separators): it becomes '.', in place, so that the box shows
// what it takes.
void KWTakeCommaAsDecimalPoint(QString& text);

// Qt's verdict on a typed text, with a number beyond the range let stand
// (Intermediate) instead of refused.
QValidator::State KWAcceptNumberBeyondRangeWhileTyping(QValidator::State state, const std::optional<double>& bound);
