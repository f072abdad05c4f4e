#include "LensTables.h"

#include "app/LensTableNames.h"

#include <QDir>
#include <QSaveFile>

#include <cmath>

namespace MkAppData
{

namespace
{

constexpr double kPi = 3.14159265358979323846;

const LensModel kLenses[KWLensTables::kLensTypeCount] = {
    {0, LensProjection::EquisolidBarrel, 1.36, false},
    {1, LensProjection::Equisolid, 1.36, false},
    {2, LensProjection::Equidistant, 1.20, false},
    {3, LensProjection::Stereographic, 0.95, true},
};

}  // namespace

const LensModel& LensModelOf(int lensType)
{
    return kLenses[lensType];
}

double LensImageHeightMm(const LensModel& lens, double thetaDeg)
{
    const double theta = thetaDeg * kPi / 180.0;
    const double f = lens.focalMm;
    switch (lens.projection) {
    case LensProjection::Equidistant:
        return f * theta;
    case LensProjection::Stereographic:
        return 2.0 * f * std::tan(theta / 2.0);
    case LensProjection::EquisolidBarrel: {
        const double t = thetaDeg / 90.0;
        return 2.0 * f * std::sin(theta / 2.0) * (1.0 + 0.01 * t * t);
    }
    case LensProjection::Equisolid:
        break;
    }
    return 2.0 * f * std::sin(theta / 2.0);
}

bool WriteLensTables(const QString& directory, QString* error)
{
    if (!QDir().mkpath(directory)) {
        *error = QStringLiteral("cannot create %1").arg(directory);
        return false;
    }
    const int steps = static_cast<int>(std::lround(kLensTableLastDeg / kLensTableStepDeg));
    for (const LensModel& lens : kLenses) {
        QByteArray text;
        for (int i = 0; i <= steps; ++i) {
            const double angle = i * kLensTableStepDeg;
            const QByteArray a = QByteArray::number(angle, 'f', 1);
            const QByteArray h = QByteArray::number(LensImageHeightMm(lens, angle), 'f', 4);
            text += lens.quotedFields ? "\"" + a + "\",\"" + h + "\"\n" : a + "," + h + "\n";
        }
        const QString path = directory + QLatin1Char('/')
                             + QString::fromStdString(KWLensTables::LensTableFileName(lens.lensType));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    return true;
}

}  // namespace MkAppData
