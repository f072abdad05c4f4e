// The generated Product.db read the way the application reads it: keyed
// with the passphrase, three tables, newdata3 taken by "select *".

#include "AppDataPaths.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{

using Row = std::vector<std::string>;

constexpr double kPi = 3.14159265358979323846;

const std::set<std::string> kCameraModes = {"12.0MP", "8.0MP", "6.0MP", "5.0MP", "4.0MP",
                                            "3.0MP",  "2.0MP", "1.3MP", "1.0MP"};

struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

// A read-only connection, keyed with `key` unless it is null.
std::unique_ptr<sqlite3, DbCloser> OpenDatabase(const char* key)
{
    sqlite3* db = nullptr;
    const QByteArray path = QFile::encodeName(BinPath(QStringLiteral("Product.db")));
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    if (key != nullptr) {
        sqlite3_key(db, key, static_cast<int>(std::strlen(key)));
    }
    return std::unique_ptr<sqlite3, DbCloser>(db);
}

// Every cell as text, NULL as "", parameters bound; an error fails the test.
std::vector<Row> Query(sqlite3* db, const char* sql, const std::vector<std::string>& params = {})
{
    std::vector<Row> rows;
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    EXPECT_EQ(rc, SQLITE_OK) << sql << ": " << sqlite3_errmsg(db);
    if (rc != SQLITE_OK) {
        return rows;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        sqlite3_bind_text(stmt, static_cast<int>(i) + 1, params[i].c_str(), -1, SQLITE_TRANSIENT);
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const unsigned char* text = sqlite3_column_text(stmt, c);
            row.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    return rows;
}

double Number(const std::string& text)
{
    return QString::fromStdString(text).toDouble();
}

std::string Utf8(const wchar_t* name)
{
    return QString::fromWCharArray(name).toStdString();
}

class ProductDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_db = OpenDatabase("604281957");
        ASSERT_NE(m_db, nullptr);
    }
    sqlite3* Db() { return m_db.get(); }

private:
    std::unique_ptr<sqlite3, DbCloser> m_db;
};

TEST_F(ProductDatabase, EveryBuiltInModelGivesACompleteRecord)
{
    for (const BuiltInModel& m : kBuiltInModels) {
        const std::string name = Utf8(m.name);
        SCOPED_TRACE(name);
        const auto models = Query(Db(), "select id, strBM, strFBx, strFBy, FLtype, FLnum from newdata1 where name = ?",
                                  {name});
        ASSERT_EQ(models.size(), 1u);
        const Row& r = models.front();
        // No "1" (no lens data): a model that cannot be calculated does not ship.
        EXPECT_TRUE(r[4] == "2" || r[4] == "3" || r[4] == "4") << r[4];
        EXPECT_FALSE(r[1].empty());
        EXPECT_EQ(r[1].find('"'), std::string::npos) << "sensor formats carry no inch mark";
        EXPECT_GT(std::atoi(r[2].c_str()), 0);
        EXPECT_GT(std::atoi(r[3].c_str()), 0);

        const auto focals = Query(Db(), "select serial, value, ViewH, ViewV from newdata2 where name = ?", {name});
        ASSERT_EQ(focals.size(), static_cast<size_t>(std::atoi(r[5].c_str())));
        std::set<int> serials;
        for (const Row& f : focals) {
            serials.insert(std::atoi(f[0].c_str()));
            EXPECT_GT(Number(f[1]), 0.0);
            EXPECT_GT(Number(f[2]), 0.0);
            EXPECT_LT(Number(f[2]), 180.0);
            EXPECT_GT(Number(f[3]), 0.0);
            EXPECT_LT(Number(f[3]), Number(f[2])) << "sensors are wider than high";
        }
        EXPECT_EQ(serials.size(), focals.size());
        EXPECT_EQ(*serials.begin(), 1);
        EXPECT_EQ(*serials.rbegin(), static_cast<int>(focals.size()));
        if (r[4] == "4") {
            EXPECT_EQ(focals.size(), 1u);
        }

        const auto sensor = Query(Db(),
                                  "select Pixel, PixelSize  from newdata3 where Target = ? and Horizontal = ? and "
                                  "Vertical = ?",
                                  {r[1], r[2], r[3]});
        ASSERT_EQ(sensor.size(), 1u);
        EXPECT_EQ(kCameraModes.count(sensor.front()[0]), 1u) << sensor.front()[0];
        EXPECT_GT(Number(sensor.front()[1]), 0.0);
    }
}

TEST_F(ProductDatabase, VarifocalModelsHaveExactlyTwoSerials)
{
    const auto varifocal = Query(Db(), "select name from newdata1 where FLtype = '3'");
    ASSERT_FALSE(varifocal.empty());
    for (const Row& v : varifocal) {
        const auto serials = Query(Db(), "select serial, value from newdata2 where name = ? order by serial", {v[0]});
        ASSERT_EQ(serials.size(), 2u) << v[0];
        EXPECT_LT(Number(serials[0][1]), Number(serials[1][1])) << v[0];
    }
}

TEST_F(ProductDatabase, SensorTableReadsInTheApplicationsColumnOrder)
{
    // "select *" gives six cells: an id, then camera mode, sensor format,
    // width, height and pixel size.
    const auto rows = Query(Db(), "select * from newdata3 ");
    ASSERT_FALSE(rows.empty());
    std::set<std::string> modes;
    for (const Row& r : rows) {
        ASSERT_EQ(r.size(), 6u);
        EXPECT_EQ(kCameraModes.count(r[1]), 1u) << r[1];
        modes.insert(r[1]);
        EXPECT_EQ(r[2].rfind("1/", 0), 0u) << r[2];
        EXPECT_GT(std::atoi(r[3].c_str()), std::atoi(r[4].c_str()));
        EXPECT_GT(std::atof(r[5].c_str()), 1.0);
        EXPECT_LT(std::atof(r[5].c_str()), 4.0);
    }
    EXPECT_EQ(modes, kCameraModes) << "every camera-mode class has sensor formats to list";
}

TEST_F(ProductDatabase, AnglesOfViewFollowFromSensorAndFocalLength)
{
    const auto rows = Query(Db(),
                            "select n2.value, n2.ViewH, n2.ViewV, n1.strFBx, n1.strFBy, n3.PixelSize "
                            "from newdata2 n2 join newdata1 n1 on n1.name = n2.name "
                            "join newdata3 n3 on n3.Target = n1.strBM and n3.Horizontal = n1.strFBx "
                            "and n3.Vertical = n1.strFBy");
    ASSERT_GT(rows.size(), 132u);
    for (const Row& r : rows) {
        const double f = Number(r[0]);
        const double pitch = Number(r[5]);
        const double h = 2.0 * std::atan(Number(r[3]) * pitch / 1000.0 / (2.0 * f)) * 180.0 / kPi;
        const double v = 2.0 * std::atan(Number(r[4]) * pitch / 1000.0 / (2.0 * f)) * 180.0 / kPi;
        EXPECT_NEAR(Number(r[1]), h, 0.006) << r[0] << " mm";
        EXPECT_NEAR(Number(r[2]), v, 0.006) << r[0] << " mm";
    }
}

TEST(ProductDatabaseFile, CannotBeReadWithoutThePassphrase)
{
    QFile raw(BinPath(QStringLiteral("Product.db")));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_FALSE(raw.read(16).startsWith("SQLite format 3")) << "the file is stored in clear";

    for (const char* key : {static_cast<const char*>(nullptr), "000000000", "60428195"}) {
        auto db = OpenDatabase(key);
        ASSERT_NE(db, nullptr);
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v2(db.get(), "select count(*) from newdata1", -1, &stmt, nullptr);
        sqlite3_finalize(stmt);
        EXPECT_EQ(rc, SQLITE_NOTADB) << (key != nullptr ? key : "no key");
    }
}

}  // namespace
