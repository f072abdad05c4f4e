// The generator's checks on the catalogue seeds: a seed that would break the
// application (a lost model, a combo that starts on the wrong model, a
// varifocal lens the panel cannot set up) stops the build instead.

#include "QtCatalogue.h"
#include "SeedData.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace
{

using MkAppData::SeedData;

SeedData ShippedSeeds()
{
    SeedData seeds;
    QString error;
    EXPECT_TRUE(MkAppData::LoadSeeds(QStringLiteral(KW_SOURCE_DIR "/resources/data/sensors.csv"),
                                     QStringLiteral(KW_SOURCE_DIR "/resources/data/models.csv"), &seeds, &error))
        << error.toStdString();
    return seeds;
}

TEST(SeedData, ShippedSeedsAreValid)
{
    const SeedData seeds = ShippedSeeds();
    EXPECT_EQ(seeds.models.size(), 133u);
    EXPECT_EQ(MkAppData::DistinctModels(seeds).size(), 132u);
}

struct BrokenSeed
{
    const char* what;
    std::function<void(SeedData&)> breakIt;
};

TEST(SeedData, SeedsTheApplicationCannotUseAreRejected)
{
    const BrokenSeed cases[] = {
        {"a name used twice", [](SeedData& s) { s.models[10].name = s.models[11].name; }},
        {"the last entry not repeating the 66th", [](SeedData& s) { s.models[132].name = s.models[64].name; }},
        {"an entry missing", [](SeedData& s) { s.models.pop_back(); }},
        {"ids out of order", [](SeedData& s) { std::swap(s.models[3].id, s.models[4].id); }},
        {"a name longer than 24 characters", [](SeedData& s) { s.models[7].name = std::string(25, 'X'); }},
        {"a quote in a name", [](SeedData& s) { s.models[7].name = "VX \"7\""; }},
        {"a model sorting before the start-up model", [](SeedData& s) { s.models[20].name = "AA-1"; }},
        {"a varifocal lens with three focal lengths",
         [](SeedData& s) {
             for (auto& m : s.models) {
                 if (m.flType == "3" && m.id != 133) {
                     m.focals.push_back(50.0);
                     break;
                 }
             }
         }},
        {"a fixed lens with two focal lengths",
         [](SeedData& s) {
             for (auto& m : s.models) {
                 if (m.flType == "4" && m.id < 66) {
                     m.focals.push_back(6.0);
                     break;
                 }
             }
         }},
        {"a lens type without lens data", [](SeedData& s) { s.models[5].flType = "1"; }},
        {"a sensor the sensor table lacks", [](SeedData& s) { s.models[30].hres += 1; }},
        {"an unknown camera form", [](SeedData& s) { s.models[30].form = "fisheye"; }},
        {"an unknown camera mode", [](SeedData& s) { s.sensors[0].mode = "13.0MP"; }},
        {"a sensor format with an inch mark", [](SeedData& s) { s.sensors[0].target = "1/1.7\""; }},
        {"two sensor rows with one key", [](SeedData& s) { s.sensors.push_back(s.sensors.front()); }},
        {"two models sharing a picture name",
         [](SeedData& s) {
             s.models[1].name = "VX_Compact_2B28";
         }},
    };
    for (const BrokenSeed& c : cases) {
        SeedData seeds = ShippedSeeds();
        c.breakIt(seeds);
        QString error;
        EXPECT_FALSE(MkAppData::ValidateSeeds(seeds, &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
}

TEST(SeedData, AngleOfViewAndTextsAreLocaleFree)
{
    // 1920 pixels of 2.9 um behind 4 mm: 69.68 degrees.
    EXPECT_EQ(MkAppData::FormatAngle(MkAppData::AngleOfViewDeg(1920, 2.9, 4.0)), "69.68");
    EXPECT_EQ(MkAppData::FormatFocal(2.8), "2.8");
    EXPECT_EQ(MkAppData::FormatFocal(4.0), "4");
    EXPECT_EQ(MkAppData::ModelPictureName("VX Dome 5D2812"), QStringLiteral("VX_Dome_5D2812.png"));
}

TEST(QtCatalogue, ReadsTheCataloguesAMetaCatalogueNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A catalogue header with one dependency block naming two catalogues,
    // each a length-prefixed UTF-16 text as QDataStream writes it.
    QByteArray deps;
    {
        QDataStream out(&deps, QIODevice::WriteOnly);
        out << QStringLiteral("qtbase_xx") << QStringLiteral("qtextra_xx");
    }
    QByteArray qm = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    {
        QDataStream out(&qm, QIODevice::Append);
        out << quint8(0x96) << quint32(deps.size());
    }
    qm += deps;
    const QString path = dir.filePath(QStringLiteral("meta.qm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(qm);
    file.close();
    EXPECT_EQ(MkAppData::QtCatalogueDependencies(path),
              QStringList({QStringLiteral("qtbase_xx"), QStringLiteral("qtextra_xx")}));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not a catalogue");
    file.close();
    EXPECT_TRUE(MkAppData::QtCatalogueDependencies(path).isEmpty());
}

}  // namespace
