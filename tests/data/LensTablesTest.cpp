// The four lens-distortion tables as the application's loader reads them.

#include "AppDataPaths.h"

#include "LensTables.h"
#include "app/LensTableNames.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <map>
#include <string>

namespace
{

// The loader's reading: quotes removed, key before the first comma, value up
// to the second; a later line wins.
std::map<float, float> ReadTable(int lensType, bool* quoted)
{
    std::map<float, float> table;
    QFile file(BinPath(QString::fromStdString(KWLensTables::LensTableFileName(lensType))));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return table;
    }
    *quoted = false;
    for (QString line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        *quoted = *quoted || line.contains(QLatin1Char('"'));
        line.remove(QLatin1Char('"'));
        const QStringList fields = line.split(QLatin1Char(','));
        table[fields.value(0).toFloat()] = fields.value(1).toFloat();
    }
    return table;
}

TEST(LensTables, FileNamesFollowTheLensTypes)
{
    EXPECT_EQ(KWLensTables::LensTableFileName(0), "disdate-FL13-B.csv");
    EXPECT_EQ(KWLensTables::LensTableFileName(1), "disdate-FL13.csv");
    EXPECT_EQ(KWLensTables::LensTableFileName(2), "disdate-FL12.csv");
    EXPECT_EQ(KWLensTables::LensTableFileName(3), "disdate-FL09.csv");
    EXPECT_EQ(KWLensTables::LensTableFileName(4), "");
    EXPECT_EQ(KWLensTables::LensTableFileName(-1), "");
}

TEST(LensTables, EveryTableRisesSteadilyFromTheCentrePast95Degrees)
{
    for (int type = 0; type < KWLensTables::kLensTypeCount; ++type) {
        SCOPED_TRACE(type);
        bool quoted = false;
        const std::map<float, float> table = ReadTable(type, &quoted);
        ASSERT_GE(table.size(), 191u);
        EXPECT_EQ(table.begin()->first, 0.0f);
        EXPECT_EQ(table.begin()->second, 0.0f);
        EXPECT_GE(table.rbegin()->first, 95.0f);
        float lastAngle = -1.0f;
        float lastHeight = -1.0f;
        for (const auto& [angle, height] : table) {
            EXPECT_NEAR(angle - lastAngle, angle == 0.0f ? 1.0f : 0.5f, 1e-4) << angle;
            EXPECT_GT(height, lastHeight) << angle;
            lastAngle = angle;
            lastHeight = height;
        }
    }
}

TEST(LensTables, HeightsFollowTheStatedProjections)
{
    for (int type = 0; type < KWLensTables::kLensTypeCount; ++type) {
        bool quoted = false;
        const MkAppData::LensModel& lens = MkAppData::LensModelOf(type);
        for (const auto& [angle, height] : ReadTable(type, &quoted)) {
            EXPECT_NEAR(height, MkAppData::LensImageHeightMm(lens, angle), 6e-5) << type << " at " << angle;
        }
        EXPECT_EQ(quoted, lens.quotedFields) << type;
    }
}

TEST(LensTables, StandardLensFillsItsSensorAtNinetyDegrees)
{
    // Lens type 1 images a half-sphere onto a circle that just fits the
    // 1944-pixel side of a 1.98 um sensor; its B variant draws slightly wider.
    bool quoted = false;
    const auto standard = ReadTable(1, &quoted);
    const auto variant = ReadTable(0, &quoted);
    EXPECT_NEAR(2.0 * standard.at(90.0f), 1944 * 1.98e-3, 0.05);
    // Near the centre the difference is below the tables' 0.1 um resolution.
    for (const auto& [angle, height] : standard) {
        EXPECT_GE(variant.at(angle), height) << angle;
        if (angle >= 30.0f) {
            EXPECT_GT(variant.at(angle), height) << angle;
        }
    }
}

}  // namespace
