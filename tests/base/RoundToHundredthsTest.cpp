// A value rounded to hundredths is the one its field and its label show.

#include "base/KWRoundToHundredths.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QString>

#include <utility>
#include <vector>

namespace {

TEST(RoundToHundredths, RoundsThroughTextAndHalfwayAwayFromZero)
{
    // 2.675 is 2.67499999... in binary.
    for (auto [value, rounded] : std::vector<std::pair<double, double>> { { 2.72496, 2.72 },
             { 12.345678, 12.35 }, { -3.14159, -3.14 }, { 2.675, 2.67 }, { 999.999, 1000.0 } }) {
        EXPECT_EQ(KWRoundToHundredths(value), rounded) << value;
    }
    // Exactly halfway: away from zero, as a field holds it and a label shows it.
    QDoubleSpinBox field;
    field.setRange(-10.0, 10.0);
    for (auto [tie, rounded] : std::vector<std::pair<double, double>> {
             { 0.125, 0.13 }, { 1.125, 1.13 }, { 2.625, 2.63 }, { -2.625, -2.63 } }) {
        field.setValue(tie);
        EXPECT_EQ(field.value(), rounded) << tie;
        EXPECT_EQ(KWRoundToHundredths(tie), rounded) << tie;
        EXPECT_EQ(QString::asprintf("%0.2f", tie), QString::number(rounded, 'f', 2)) << tie;
    }
}

} // namespace
