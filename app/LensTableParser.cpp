#include "app/LensTableParser.h"

#include <QStringView>

#include <cmath>
#include <optional>

namespace KWLensTables {

namespace {

    std::optional<float> FiniteNumber(QStringView field)
    {
        bool ok = false;
        // The same C-locale number as QString::toFloat reads, a few times
        // faster: a number is ASCII, and the text's own conversion first
        // looks at every character as a letter of the locale's.
        const float value = field.trimmed().toLatin1().toFloat(&ok);
        // "NaN" and numbers beyond a float are no point of a lens, and a NaN key
        // would break the order of the map.
        if (!ok || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    }

} // namespace

void ReadLensTableLine(QString line, LensTable* table)
{
    line.remove(QLatin1Char('"'));
    // Tables exported from spreadsheets write the typographic minus; the
    // text's own number reading took it for a minus, the ASCII one below
    // does not.
    line.replace(QChar(0x2212), QLatin1Char('-'));
    // The fields are looked at where they lie: a table may have millions of
    // lines, and splitting each into a list of copies is most of the work.
    const QStringView text(line);
    const qsizetype firstComma = text.indexOf(QLatin1Char(','));
    if (firstComma < 0) {
        return;
    }
    const qsizetype secondComma = text.indexOf(QLatin1Char(','), firstComma + 1);
    const qsizetype heightLength = secondComma < 0 ? -1 : secondComma - firstComma - 1;
    const std::optional<float> angle = FiniteNumber(text.left(firstComma));
    const std::optional<float> height = FiniteNumber(text.mid(firstComma + 1, heightLength));
    if (angle && height) {
        (*table)[*angle] = *height;
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
