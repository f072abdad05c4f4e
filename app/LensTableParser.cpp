#include "app/LensTableParser.h"

#include <cmath>
#include <optional>

namespace KWLensTables {

namespace {

    std::optional<float> FiniteNumber(const QString& field)
    {
        bool ok = false;
        const float value = field.toFloat(&ok);
        // "NaN" and numbers beyond a float are no point of a lens, and a NaN key
        // would break the order of the map.
        if (!ok || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    }

} // namespace

void ReadLensTableLines(const QStringList& lines, LensTable* table)
{
    for (QString line : lines) {
        line.remove(QLatin1Char('"'));
        const std::optional<float> angle = FiniteNumber(line.section(QLatin1Char(','), 0, 0));
        const std::optional<float> height = FiniteNumber(line.section(QLatin1Char(','), 1, 1));
        if (angle && height) {
            (*table)[*angle] = *height;
        }
    }
}

QString LensTableProblem(const LensTable& table)
{
    if (table.empty()) {
        return QStringLiteral("no entries");
    }
    // The lookup interpolates between neighbours: one point is no curve.
    if (table.size() < 2) {
        return QStringLiteral("fewer than two points");
    }
    // A ray further off the axis always lands further out on the sensor; a
    // table that says otherwise is damaged, and its densities would be nonsense.
    auto previous = table.begin();
    for (auto point = std::next(previous); point != table.end(); previous = point++) {
        if (!(point->second > previous->second)) {
            return QStringLiteral("the image height does not grow with the angle at %1 degrees")
                .arg(static_cast<double>(point->first));
        }
    }
    return QString();
}

} // namespace KWLensTables
