#include "app/DatabaseManager.h"
#include "app/LensTableNames.h"
#include "app/calc/FishCalc.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

using Table = std::map<float, float>;

class LensTableTest : public ::testing::Test {
protected:
    void SetUp() override { m_db.SetDataDir(m_dir.path().toStdWString()); }

    QString PathOf(const char* suffix) const { return m_dir.path() + "/disdate" + suffix + ".csv"; }

    void Write(const char* suffix, const QByteArray& content) const
    {
        QFile file(PathOf(suffix));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    Table Get(int lensType)
    {
        Table table;
        m_db.GetDistortionTable(lensType, &table);
        return table;
    }

    QTemporaryDir m_dir;
    CDatabaseManager m_db;
};

} // namespace

TEST_F(LensTableTest, ParsesQuotesExtraFieldsDuplicatesAndMinusSignsAndSkipsLinesThatAreNotTwoNumbers)
{
    Write("-FL13",
        "angle,height\n" // a header is no point
        "\n"
        "\"20\",\"1.25\"\n"
        "5,0.5,ignored,too\r\n"
        "10,1.0\n"
        "7,\n"
        "8\n"
        "12,1.1mm\n"
        "NaN,2\n" // numbers that are not finite: skipped
        "30,1e309\n"
        "-inf,1\n"
        "10,1.2\n" // the later line for the same angle wins
        "\u22123,\u22120.25\n"); // the typographic minus, U+2212, is a minus
    EXPECT_EQ(Get(1), (Table { { -3.0f, -0.25f }, { 5.0f, 0.5f }, { 10.0f, 1.2f }, { 20.0f, 1.25f } }));
}

TEST_F(LensTableTest, EachLensTypeReadsItsOwnFile)
{
    const char* suffixes[] = { "-FL13-B", "-FL13", "-FL12", "-FL09" };
    for (int type = 0; type < 4; ++type) {
        Write(suffixes[type], QByteArray::number(type + 1) + ",1\n90,2\n");
    }
    for (int type = 0; type < 4; ++type) {
        EXPECT_EQ(Get(type), (Table { { float(type + 1), 1.0f }, { 90.0f, 2.0f } })) << type;
    }
}

TEST_F(LensTableTest, MergesIntoTheCallersMapAndHandsOutACopyForKnownTypesOnly)
{
    Write("-FL12", "10,1\n20,2\n");
    Table out { { 10.0f, 9.0f }, { 90.0f, 7.0f } };
    m_db.GetDistortionTable(2, &out);
    EXPECT_EQ(out, (Table { { 10.0f, 1.0f }, { 20.0f, 2.0f }, { 90.0f, 7.0f } }));
    out.clear();
    EXPECT_EQ(Get(2), (Table { { 10.0f, 1.0f }, { 20.0f, 2.0f } }));
    for (int unknownType : { -1, 4 }) {
        m_db.GetDistortionTable(unknownType, &out);
        EXPECT_TRUE(out.empty()) << unknownType;
    }
}

TEST_F(LensTableTest, LoadedTableIsNotReadAgain)
{
    Write("-FL09", "1,2\n2,3\n");
    ASSERT_EQ(Get(3).size(), 2u);
    ASSERT_TRUE(QFile::remove(PathOf("-FL09")));
    EXPECT_EQ(Get(3), (Table { { 1.0f, 2.0f }, { 2.0f, 3.0f } }));
}

TEST_F(LensTableTest, MissingOrEmptyFileIsRetriedUntilItHasLinesAndNamedOnce)
{
    KWWarningCatcher catcher;
    EXPECT_TRUE(Get(0).empty());
    Write("-FL13-B", "");
    EXPECT_TRUE(Get(0).empty());
    ASSERT_EQ(catcher.Warnings().size(), 1) << catcher.Warnings().join("; ").toStdString();
    EXPECT_TRUE(catcher.Warnings().front().contains(PathOf("-FL13-B")))
        << catcher.Warnings().front().toStdString();
    Write("-FL13-B", "30,3\n60,5\n");
    EXPECT_EQ(Get(0), (Table { { 30.0f, 3.0f }, { 60.0f, 5.0f } }));

    Write("-FL12", "nan,1\n1,inf\n");
    EXPECT_TRUE(Get(2).empty());
    ASSERT_EQ(catcher.Warnings().size(), 2);
    EXPECT_TRUE(catcher.Warnings().back().contains(PathOf("-FL12")))
        << catcher.Warnings().back().toStdString();
}

// Every calculation asks for the table: a file is read once, usable or not,
// and again whenever it is replaced, even by a file of the same size and
// modification time: copied over it in place as cp -p does, or renamed over it.
TEST_F(LensTableTest, TableIsReadOnceUntilItsFileIsReplaced)
{
    const QByteArray usable = "10,1\n20,2\n";
    const QDateTime written = QDateTime::currentDateTimeUtc().addSecs(-100);
    const auto write = [&written, &usable](const QString& path, const QByteArray& content) {
        // The kernel's file times tick a few milliseconds apart.
        QThread::msleep(10);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(content), usable.size());
        file.flush();
        ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    };
    const struct {
        const char* name;
        QByteArray first;
    } rows[] = { { "usable", usable }, { "unusable", QByteArray(usable.size() - 1, '#') + '\n' } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CDatabaseManager db;
        db.SetDataDir(m_dir.path().toStdWString());
        write(PathOf("-FL12"), row.first);
        for (int calculation = 0; calculation < 3; ++calculation) {
            db.DistortionTable(2);
        }
        EXPECT_EQ(db.LensTableReads(2), 1) << "read again unchanged";
        write(PathOf("-FL12"), "10,3\n20,4\n");
        EXPECT_EQ(*db.DistortionTable(2), (Table { { 10.0f, 3.0f }, { 20.0f, 4.0f } })) << "copied over";
        const QString beside = m_dir.filePath("replacement");
        write(beside, "10,5\n20,6\n");
        ASSERT_EQ(
            ::rename(QFile::encodeName(beside).constData(), QFile::encodeName(PathOf("-FL12")).constData()),
            0);
        EXPECT_EQ(*db.DistortionTable(2), (Table { { 10.0f, 5.0f }, { 20.0f, 6.0f } })) << "renamed over";
        EXPECT_EQ(db.LensTableReads(2), 3);
    }
}

TEST(ShippedLensTables, EveryLensTypeReachesNinetyDegrees)
{
    CDatabaseManager db;
    db.SetDataDir(QCoreApplication::applicationDirPath().toStdWString());
    for (int type = 0; type < CDatabaseManager::kLensTypeCount; ++type) {
        Table table;
        db.GetDistortionTable(type, &table);
        ASSERT_FALSE(table.empty()) << type;
        EXPECT_GE(table.rbegin()->first, 90.0f) << type;
    }
}

namespace {

QByteArray ShippedTable(int lensType)
{
    QFile file(QCoreApplication::applicationDirPath() + QLatin1Char('/')
        + QString::fromStdString(KWLensTables::LensTableFileName(lensType)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray FirstHalf(const QByteArray& table)
{
    const QList<QByteArray> lines = table.split('\n');
    return lines.mid(0, lines.size() / 2).join('\n') + '\n';
}

// The angles with the image heights in reverse order: a column that falls.
QByteArray Decreasing(const QByteArray& table)
{
    QList<QByteArray> angles;
    QList<QByteArray> heights;
    for (const QByteArray& line : table.split('\n')) {
        if (!line.isEmpty()) {
            angles.append(line.split(',').value(0));
            heights.prepend(line.split(',').value(1));
        }
    }
    QByteArray out;
    for (int i = 0; i < angles.size(); ++i) {
        out += angles[i] + ',' + heights[i] + '\n';
    }
    return out;
}

// Everything the fisheye tool shows from a lens table at the panel's
// defaults (2.0 m up, target 1.7 m high at 2.0 m): the density on the target
// and the rings' labels, ceiling and wall mount.
QString Shown(const FishLensTable& table, int model)
{
    QStringList shown;
    for (const bool ceiling : { true, false }) {
        FishInputs inputs;
        inputs.ceiling = ceiling;
        inputs.modelIndex = model;
        shown << QString::number(FishTargetPPM(inputs, table));
        for (const auto& ring : FishRingPPM(inputs, table, L"Area", L"distance")) {
            shown << QString::fromStdWString(ring.second);
        }
    }
    return shown.join(QStringLiteral(" | "));
}

} // namespace

// A damaged table is no lens: no density and no ring, and one warning that
// names the file and why. A table that ends early gives what lies within it
// and "N/A" beyond. The shipped tables give exactly the numbers listed here.
TEST(LensTableDensities, DamagedTablesShowNothingShippedTablesKeepTheirNumbers)
{
    const QByteArray lensB = ShippedTable(0);
    ASSERT_FALSE(lensB.isEmpty());
    const struct {
        const char* name;
        int lensType;
        QByteArray content;
        const char* warning; // the reason named, or null for none
        const char* shown;
    } rows[] = {
        { "header only", 0, "angle,height\n", "no entries", "-1 | -1" },
        { "garbage", 0, "lorem ipsum\n#%&,@@\n,,,\nzz,qq\n", "no entries", "-1 | -1" },
        { "one point", 0, "45,1.0\n", "fewer than two points", "-1 | -1" },
        { "decreasing column", 0, Decreasing(lensB), "does not grow with the angle at 0.5 degrees",
            "-1 | -1" },
        // The ceiling target's far edge lies beyond 49.5 degrees, and the
        // rings' search runs past the table before any level is left; the
        // wall's angles all lie within it.
        { "cut to half", 0, FirstHalf(lensB), nullptr,
            "-1 | 249 | distance: 2.0m, PPM:267 | distance: 4.0m, PPM:167 | distance: 6.0m, PPM:117 | "
            "distance: 8.0m, PPM:89 | distance: 10.0m, PPM:72" },
        { "shipped, lens 0", 0, lensB, nullptr,
            "164 | Area #1: 1.50m, PPM:250 | Area #2: 2.58m, PPM:125 | Area #3: 4.13m, PPM:63 | "
            "Area #4: 7.76m, PPM:25 | 249 | distance: 2.0m, PPM:267 | distance: 4.0m, PPM:167 | "
            "distance: 6.0m, PPM:117 | distance: 8.0m, PPM:89 | distance: 10.0m, PPM:72" },
        { "shipped, lens 1", 1, ShippedTable(1), nullptr,
            "198 | Area #1: 1.66m, PPM:250 | Area #2: 2.79m, PPM:125 | Area #3: 4.44m, PPM:63 | "
            "Area #4: 8.34m, PPM:25 | 304 | distance: 2.0m, PPM:304 | distance: 4.0m, PPM:190 | "
            "distance: 6.0m, PPM:134 | distance: 8.0m, PPM:102 | distance: 10.0m, PPM:83" },
        { "shipped, lens 2", 2, ShippedTable(2), nullptr,
            "177 | Area #1: 1.47m, PPM:250 | Area #2: 2.65m, PPM:125 | Area #3: 4.37m, PPM:63 | "
            "Area #4: 8.50m, PPM:25 | 242 | distance: 2.0m, PPM:243 | distance: 4.0m, PPM:148 | "
            "distance: 6.0m, PPM:104 | distance: 8.0m, PPM:79 | distance: 10.0m, PPM:64" },
        { "shipped, lens 3", 3, ShippedTable(3), nullptr,
            "175 | Area #1: 1.32m, PPM:250 | Area #2: 2.78m, PPM:125 | Area #3: 4.97m, PPM:63 | 189 | "
            "distance: 2.0m, PPM:190 | distance: 4.0m, PPM:111 | distance: 6.0m, PPM:77 | "
            "distance: 8.0m, PPM:58 | distance: 10.0m, PPM:47" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path
            = dir.filePath(QString::fromStdString(KWLensTables::LensTableFileName(row.lensType)));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.content);
        file.close();
        CDatabaseManager db;
        db.SetDataDir(dir.path().toStdWString());
        KWWarningCatcher catcher;
        FishLensTable table;
        db.GetDistortionTable(row.lensType, &table);
        db.GetDistortionTable(row.lensType, &table); // asked again at every calculation
        EXPECT_EQ(Shown(table, row.lensType).toStdString(), row.shown);
        const QStringList& warnings = catcher.Warnings();
        EXPECT_EQ(warnings.size(), row.warning != nullptr ? 1 : 0) << warnings.join("; ").toStdString();
        if (row.warning != nullptr && !warnings.isEmpty()) {
            EXPECT_TRUE(warnings.front().contains(path) && warnings.front().contains(row.warning))
                << warnings.front().toStdString();
        }
    }
}
