#include "app/DatabaseManager.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

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

TEST_F(LensTableTest, ParsesQuotesExtraFieldsHeaderAndDuplicates)
{
    Write("-FL13",
        "angle,height\n"
        "\"20\",\"1.25\"\n"
        "5,0.5,ignored,too\r\n"
        "10,1.0\n"
        "NaN,2\n" // numbers that are not finite: skipped
        "30,1e309\n"
        "-inf,1\n"
        "10,1.5\n"); // the later line for the same angle wins
    EXPECT_EQ(Get(1), (Table { { 0.0f, 0.0f }, { 5.0f, 0.5f }, { 10.0f, 1.5f }, { 20.0f, 1.25f } }));
}

TEST_F(LensTableTest, EachLensTypeReadsItsOwnFile)
{
    const char* suffixes[] = { "-FL13-B", "-FL13", "-FL12", "-FL09" };
    for (int type = 0; type < 4; ++type) {
        Write(suffixes[type], QByteArray::number(type + 1) + ",1\n");
    }
    for (int type = 0; type < 4; ++type) {
        EXPECT_EQ(Get(type), (Table { { float(type + 1), 1.0f } })) << type;
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
    Write("-FL09", "1,2\n");
    ASSERT_EQ(Get(3).size(), 1u);
    ASSERT_TRUE(QFile::remove(PathOf("-FL09")));
    EXPECT_EQ(Get(3), (Table { { 1.0f, 2.0f } }));
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
    Write("-FL13-B", "30,3\n");
    EXPECT_EQ(Get(0), (Table { { 30.0f, 3.0f } }));

    Write("-FL12", "nan,1\n1,inf\n");
    EXPECT_TRUE(Get(2).empty());
    ASSERT_EQ(catcher.Warnings().size(), 2);
    EXPECT_TRUE(catcher.Warnings().back().contains(PathOf("-FL12")))
        << catcher.Warnings().back().toStdString();
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
