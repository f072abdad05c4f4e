#include "ui/qt/KWSpinBoxTyping.h"

#include <QAbstractSpinBox>

void KWUseProgramNumberFormat(QAbstractSpinBox* box)
{
    QLocale format = QLocale::c();
    format.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    box->setLocale(format);
}

void KWTakeCommaAsDecimalPoint(QString& text)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
}

std::optional<double> KWTypedBound(const QString& text, const QLocale& locale, const KWSpinBoxLimits& limits)
{
    const QString number = text.trimmed();
    bool parsed = false;
    const double value = locale.toDouble(number, &parsed);
    if (!parsed) {
        return std::nullopt;
    }
    const qsizetype point = number.indexOf(locale.decimalPoint());
    if (point >= 0 && number.size() - point - 1 > limits.decimals) {
        return std::nullopt;
    }
    if (value > limits.maximum) {
        return limits.maximum;
    }
    if (value < limits.minimum) {
        return limits.minimum;
    }
    return std::nullopt;
}

QValidator::State KWAcceptNumberBeyondRangeWhileTyping(QValidator::State state, const std::optional<double>& bound)
{
    return state == QValidator::Invalid && bound.has_value() ? QValidator::Intermediate : state;
}
