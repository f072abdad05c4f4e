#include "SeedData.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

namespace MkAppData
{

namespace
{

constexpr int kModelEntries = 133;
constexpr int kDuplicateOf = 66;
constexpr int kMaxNameLength = 24;
constexpr double kPi = 3.14159265358979323846;

// Splits a small comma-separated file into rows of trimmed cells. The seeds
// hold no quoted fields, so a plain split is the whole grammar.
bool ReadCsv(const QString& path, int columns, const QString& header,
             std::vector<QStringList>* rows, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    bool headerSeen = false;
    int lineNo = 0;
    for (const QString& raw : lines) {
        ++lineNo;
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (!headerSeen) {
            if (line != header) {
                *error = QStringLiteral("%1: expected the header \"%2\"").arg(path, header);
                return false;
            }
            headerSeen = true;
            continue;
        }
        QStringList cells = line.split(QLatin1Char(','));
        if (cells.size() != columns) {
            *error = QStringLiteral("%1:%2: %3 fields, expected %4")
                         .arg(path).arg(lineNo).arg(cells.size()).arg(columns);
            return false;
        }
        for (QString& cell : cells) {
            cell = cell.trimmed();
        }
        rows->push_back(cells);
    }
    if (!headerSeen) {
        *error = QStringLiteral("%1 is empty").arg(path);
        return false;
    }
    return true;
}

bool ToInt(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

// QString::toDouble parses with the C locale whatever the environment says.
bool ToPositive(const QString& text, double* value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value) && *value > 0.0;
}

bool IsPrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
}

std::wstring Widen(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace

const std::vector<std::string>& CameraModeClasses()
{
    static const std::vector<std::string> classes = {
        "12.0MP", "8.0MP", "6.0MP", "5.0MP", "4.0MP", "3.0MP", "2.0MP", "1.3MP", "1.0MP"};
    return classes;
}

bool LoadSeeds(const QString& sensorsCsv, const QString& modelsCsv, SeedData* seeds, QString* error)
{
    std::vector<QStringList> rows;
    if (!ReadCsv(sensorsCsv, 5, QStringLiteral("mp,target,hres,vres,pixel_um"), &rows, error)) {
        return false;
    }
    for (const QStringList& r : rows) {
        SensorSeed s;
        s.mode = r[0].toStdString();
        s.target = r[1].toStdString();
        s.pixelText = r[4].toStdString();
        if (!ToInt(r[2], &s.hres) || !ToInt(r[3], &s.vres) || s.hres <= 0 || s.vres <= 0
            || !ToPositive(r[4], &s.pixelUm)) {
            *error = QStringLiteral("sensor row \"%1\": bad number").arg(r.join(QLatin1Char(',')));
            return false;
        }
        seeds->sensors.push_back(s);
    }

    rows.clear();
    if (!ReadCsv(modelsCsv, 8, QStringLiteral("id,name,form,sensor,hres,vres,fltype,focals"),
                 &rows, error)) {
        return false;
    }
    for (const QStringList& r : rows) {
        ModelSeed m;
        m.name = r[1].toStdString();
        m.form = r[2].toStdString();
        m.sensor = r[3].toStdString();
        m.flType = r[6].toStdString();
        bool ok = ToInt(r[0], &m.id) && ToInt(r[4], &m.hres) && ToInt(r[5], &m.vres);
        for (const QString& f : r[7].split(QLatin1Char(';'))) {
            double mm = 0.0;
            ok = ok && ToPositive(f, &mm);
            m.focals.push_back(mm);
        }
        if (!ok) {
            *error = QStringLiteral("model row \"%1\": bad number").arg(r.join(QLatin1Char(',')));
            return false;
        }
        seeds->models.push_back(m);
    }
    return ValidateSeeds(*seeds, error);
}

bool ValidateSeeds(const SeedData& seeds, QString* error)
{
    const std::vector<std::string>& classes = CameraModeClasses();
    std::set<std::tuple<std::string, int, int>> sensorKeys;
    for (const SensorSeed& s : seeds.sensors) {
        if (std::find(classes.begin(), classes.end(), s.mode) == classes.end()) {
            *error = QStringLiteral("sensor %1: unknown camera mode %2")
                         .arg(QString::fromStdString(s.target), QString::fromStdString(s.mode));
            return false;
        }
        if (s.target.empty() || s.target.find('"') != std::string::npos) {
            *error = QStringLiteral("sensor format \"%1\" must be given without an inch mark")
                         .arg(QString::fromStdString(s.target));
            return false;
        }
        if (!sensorKeys.insert({s.target, s.hres, s.vres}).second) {
            *error = QStringLiteral("sensor %1 %2x%3 listed twice")
                         .arg(QString::fromStdString(s.target)).arg(s.hres).arg(s.vres);
            return false;
        }
    }

    if (static_cast<int>(seeds.models.size()) != kModelEntries) {
        *error = QStringLiteral("%1 models, expected %2").arg(seeds.models.size()).arg(kModelEntries);
        return false;
    }
    static const std::set<std::string> forms = {"bullet", "dome", "turret", "box", "ptz"};
    std::map<std::string, int> firstId;
    std::set<QString> pictures;
    for (size_t i = 0; i < seeds.models.size(); ++i) {
        const ModelSeed& m = seeds.models[i];
        const QString where = QStringLiteral("model %1 (%2)").arg(m.id).arg(QString::fromStdString(m.name));
        if (m.id != static_cast<int>(i) + 1) {
            *error = where + QStringLiteral(": ids must run 1..%1 in order").arg(kModelEntries);
            return false;
        }
        if (m.name.empty() || m.name.size() > kMaxNameLength || !IsPrintableAscii(m.name)
            || m.name.front() == ' ' || m.name.back() == ' ') {
            *error = where + QStringLiteral(": names are 1 to %1 printable ASCII characters").arg(kMaxNameLength);
            return false;
        }
        if (forms.count(m.form) == 0) {
            *error = where + QStringLiteral(": unknown form");
            return false;
        }
        const size_t n = m.focals.size();
        const bool lensOk = (m.flType == "4" && n == 1) || (m.flType == "2" && n >= 2)
                            || (m.flType == "3" && n == 2);
        if (!lensOk) {
            *error = where + QStringLiteral(": focal type %1 with %2 focal lengths")
                                 .arg(QString::fromStdString(m.flType)).arg(n);
            return false;
        }
        if (sensorKeys.count({m.sensor, m.hres, m.vres}) == 0) {
            *error = where + QStringLiteral(": no sensor row for %1 %2x%3")
                                 .arg(QString::fromStdString(m.sensor)).arg(m.hres).arg(m.vres);
            return false;
        }
        auto found = firstId.find(m.name);
        if (m.id == kModelEntries) {
            if (found == firstId.end() || found->second != kDuplicateOf) {
                *error = where + QStringLiteral(": the last entry must repeat entry %1").arg(kDuplicateOf);
                return false;
            }
            const ModelSeed& original = seeds.models[kDuplicateOf - 1];
            if (m.form != original.form || m.sensor != original.sensor || m.hres != original.hres
                || m.vres != original.vres || m.flType != original.flType || m.focals != original.focals) {
                *error = where + QStringLiteral(": differs from the entry it repeats");
                return false;
            }
            continue;
        }
        if (found != firstId.end()) {
            *error = where + QStringLiteral(": name already used by model %1").arg(found->second);
            return false;
        }
        firstId.emplace(m.name, m.id);
        if (!pictures.insert(ModelPictureName(m.name)).second) {
            *error = where + QStringLiteral(": its picture name collides with another model's");
            return false;
        }
    }

    // The IPC panel fills its combo in std::map<std::wstring, int> order and
    // loads the model with id 1 at start; both must show the same model.
    const std::wstring first = Widen(seeds.models.front().name);
    for (const ModelSeed& m : seeds.models) {
        if (Widen(m.name) < first) {
            *error = QStringLiteral("model %1 sorts before the id-1 model").arg(QString::fromStdString(m.name));
            return false;
        }
    }
    return true;
}

std::vector<const ModelSeed*> DistinctModels(const SeedData& seeds)
{
    std::vector<const ModelSeed*> out;
    std::set<std::string> seen;
    for (const ModelSeed& m : seeds.models) {
        if (seen.insert(m.name).second) {
            out.push_back(&m);
        }
    }
    return out;
}

const SensorSeed* FindSensor(const SeedData& seeds, const std::string& target, int hres, int vres)
{
    for (const SensorSeed& s : seeds.sensors) {
        if (s.target == target && s.hres == hres && s.vres == vres) {
            return &s;
        }
    }
    return nullptr;
}

QString ModelPictureName(const std::string& modelName)
{
    QString name = QString::fromStdString(modelName);
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    return name + QStringLiteral(".png");
}

double AngleOfViewDeg(int pixels, double pixelUm, double focalMm)
{
    const double sensorMm = pixels * pixelUm / 1000.0;
    return 2.0 * std::atan(sensorMm / (2.0 * focalMm)) * 180.0 / kPi;
}

std::string FormatAngle(double degrees)
{
    return QString::number(degrees, 'f', 2).toStdString();
}

std::string FormatFocal(double mm)
{
    return QString::number(mm, 'g', 6).toStdString();
}

}  // namespace MkAppData
