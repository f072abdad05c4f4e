#include "app/DatabaseManager.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QTemporaryDir>

#include <boost/make_shared.hpp>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kPassphrase = "604281957";

// The description of a three-lens dome, as the catalogue's editors write it:
// markup, escaped quotes, blanks and line breaks everywhere.
const char* const kDomeTechnical = "<h3>Camera</h3>&lt;p&gt;Image Sensor 1/2.8&quot; Progressive CMOS&lt;/p&gt;\n"
                                   "<p>Effective Pixels 1920(H) x 1080(V)</p>\n"
                                   "<p>Focal Length 2.8mm (4mm/6mm optional)</p><p>Max. Aperture F2.0</p>\n"
                                   "<p>Angle of View H: 103.5\xC2\xB0 V: 55.2\xC2\xB0</p>";
const char* const kBulletTechnical = "<h3>Camera</h3><p>Image Sensor 1/3\" CMOS</p><p>Effective Pixels 2592(H)x1944(V)</p>"
                                     "<p>Focal Length 4mm</p><p>Max Aperture F1.6</p>";

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = (m_dir.path() + "/Product.db").toStdString();
        ASSERT_EQ(sqlite3_open_v2(m_path.c_str(), &m_raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
            SQLITE_OK);
        sqlite3_key(m_raw, kPassphrase, static_cast<int>(std::strlen(kPassphrase)));
        Exec("CREATE TABLE newdata1 (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, strBM TEXT, strFBx TEXT,"
             " strFBy TEXT, FLtype TEXT, FLnum TEXT, ViewH TEXT, ViewV TEXT);"
             "CREATE TABLE newdata2 (name TEXT, serial TEXT, value TEXT, ViewH TEXT, ViewV TEXT);"
             "CREATE TABLE product_related (a TEXT);"
             "CREATE TABLE menu (id INTEGER PRIMARY KEY, lb TEXT, is_show INTEGER, language_id TEXT);"
             "CREATE TABLE product (id INTEGER PRIMARY KEY, name TEXT, description TEXT, technical TEXT,"
             " interface TEXT, pro_thumb TEXT, pro_img TEXT, text TEXT, update_date TEXT, subclass_id INTEGER,"
             " orderid INTEGER, is_show INTEGER, language_id TEXT);"
             // IPC -> 10 -> 20 -> 30 -> 40 (too deep) and IPC -> 13 -> 23; 11 hidden, 12 in another language.
             "INSERT INTO menu VALUES (10, 'IPC', 1, '0'), (11, 'IPC', 0, '0'), (12, 'IPC', 1, '1'),"
             " (13, 'IPC', 1, '0'), (20, '10', 1, '0'), (23, '13', 1, '0'), (30, '20', 1, '0'),"
             " (40, '30', 1, '0'), (50, 'NVR', 1, '0');");
        InsertProduct(1, "PX Dome 4'V", kDomeTechnical, 20, 2, 1, "0");
        InsertProduct(2, "PX-B4", kBulletTechnical, 30, 1, 1, "0");
        InsertProduct(3, "hidden", kBulletTechnical, 20, 3, 0, "0");
        InsertProduct(4, "too deep", kBulletTechnical, 40, 4, 1, "0");
        InsertProduct(5, "other language", kBulletTechnical, 20, 5, 1, "1");
        InsertProduct(6, "NVR", kBulletTechnical, 50, 6, 1, "0");
        ASSERT_EQ(m_db->OpenForWriting(m_dir.filePath("Product.db").toStdWString()), 1);
    }
    void TearDown() override { sqlite3_close(m_raw); }

    void Exec(const std::string& sql)
    {
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(m_raw, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
    }
    void InsertProduct(int id, const char* name, const char* technical, int subclass, int order, int shown,
        const char* language)
    {
        sqlite3_stmt* statement = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(m_raw,
                      "INSERT INTO product (id, name, technical, interface, pro_thumb, pro_img, text, "
                      "update_date, subclass_id, orderid, is_show, language_id, description)"
                      " VALUES (?, ?, ?, 'rs485', 'thumb.png', 'img.png', 'txt', '2024-01-02', ?, ?, ?, ?, 'desc')",
                      -1, &statement, nullptr),
            SQLITE_OK);
        sqlite3_bind_int(statement, 1, id);
        sqlite3_bind_text(statement, 2, name, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 3, technical, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(statement, 4, subclass);
        sqlite3_bind_int(statement, 5, order);
        sqlite3_bind_int(statement, 6, shown);
        sqlite3_bind_text(statement, 7, language, -1, SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
        sqlite3_finalize(statement);
    }
    // Every row of the statement, cells as text ("NULL" for NULL).
    std::vector<std::vector<std::string>> Rows(const char* sql)
    {
        std::vector<std::vector<std::string>> rows;
        sqlite3_stmt* statement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(m_raw, sql, -1, &statement, nullptr), SQLITE_OK) << sql;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* cell = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                row.push_back(cell != nullptr ? cell : "NULL");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(statement);
        return rows;
    }

    QTemporaryDir m_dir;
    std::string m_path;
    sqlite3* m_raw = nullptr;
    boost::shared_ptr<CDatabaseManager> m_db = boost::make_shared<CDatabaseManager>();
};

using Table = std::vector<std::vector<std::string>>;

} // namespace

TEST_F(CatalogueTest, MenuIdsGoThreeLevelsDeepAndFollowOnlyTheChosenFirstMenu)
{
    struct Row {
        const wchar_t* label;
        const wchar_t* first;
        std::vector<std::wstring> ids;
    };
    const Row rows[] = {
        { L"IPC", L"", { L"10", L"13", L"20", L"23", L"30" } },
        { L"IPC", L"13", { L"13", L"23" } },
        { L"IPC", L"99", {} },
        { L"x' or '1'='1", L"", {} },
    };
    for (const Row& row : rows) {
        std::vector<std::wstring> ids { L"stale" };
        m_db->QueryMenuIds(row.label, row.first, &ids);
        EXPECT_EQ(ids, row.ids) << std::string(row.label, row.label + wcslen(row.label));
    }
}

TEST_F(CatalogueTest, ProductsAreTheShownOnesOfTheMenusInCatalogueOrder)
{
    std::vector<ProductRecord> products;
    m_db->QueryProducts({ L"10", L"20", L"30" }, {}, &products);
    ASSERT_EQ(products.size(), 2u);
    EXPECT_EQ(products[0].id, L"2");
    EXPECT_EQ(products[0].name, L"PX-B4");
    EXPECT_EQ(products[0].pro_thumb, L"thumb.png");
    EXPECT_EQ(products[0].description, L"desc");
    EXPECT_EQ(products[1].name, L"PX Dome 4'V");

    m_db->QueryProducts({ L"10", L"20", L"30" }, { L"1" }, &products);
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0].id, L"1");
    m_db->QueryProducts({}, {}, &products);
    EXPECT_TRUE(products.empty());
    m_db->QueryProducts({ L"20) or (1=1" }, {}, &products);
    EXPECT_TRUE(products.empty()) << "an id is a value, never statement text";
}

TEST_F(CatalogueTest, DetailReadsEveryTextOfOneProduct)
{
    ProductRecord product;
    ASSERT_TRUE(m_db->QueryProductDetail(L"2", &product));
    EXPECT_EQ(product.id, L"2");
    EXPECT_EQ(product.name, L"PX-B4");
    EXPECT_EQ(product.pro_img, L"img.png");
    EXPECT_EQ(product.pro_thumb, L"thumb.png");
    EXPECT_EQ(product.text, L"txt");
    EXPECT_EQ(product.update_date, L"2024-01-02");
    product.name = L"kept";
    EXPECT_FALSE(m_db->QueryProductDetail(L"5", &product)) << "another language";
    EXPECT_FALSE(m_db->QueryProductDetail(L"2 or 1=1", &product));
    EXPECT_EQ(product.name, L"kept");
}

TEST_F(CatalogueTest, InsertRowBindsValuesInKeyOrderAndRefusesTheRelatedTable)
{
    std::map<std::string, std::string> row { { "serial", "7" }, { "name", "it's'); DROP TABLE newdata1; --" } };
    EXPECT_TRUE(m_db->InsertRow("newdata2", &row));
    EXPECT_EQ(Rows("select name, serial from newdata2"), (Table { { "it's'); DROP TABLE newdata1; --", "7" } }));
    EXPECT_EQ(Rows("select count(*) from newdata1"), (Table { { "0" } }));

    std::map<std::string, std::string> related { { "a", "1" } };
    EXPECT_FALSE(m_db->InsertRow("product_related", &related));
    EXPECT_EQ(Rows("select count(*) from product_related"), (Table { { "0" } }));

    std::map<std::string, std::string> unknown { { "nosuchcolumn", "1" } };
    EXPECT_FALSE(m_db->InsertRow("newdata2", &unknown));
    EXPECT_FALSE(m_db->InsertRow("newdata2\" (name) VALUES ('x'); --", &row));
    EXPECT_EQ(Rows("select count(*) from newdata2"), (Table { { "1" } }));

    m_db->Close();
    EXPECT_FALSE(m_db->InsertRow("newdata2", &row));
}

TEST_F(CatalogueTest, ConversionWritesOneModelRowAndOneRowPerFocalLength)
{
    m_db->ConvertCatalogue(L"IPC");
    EXPECT_EQ(Rows("select name, strBM, strFBx, strFBy, FLtype, FLnum, ViewH, ViewV from newdata1 order by id"),
        (Table {
            { "PX-B4", "1/3", "2592", "1944", "4", "1", "0", "0" },
            { "PX Dome 4'V", "1/2.8", "1920", "1080", "2", "3", "103.5", "55.2" },
        }));
    EXPECT_EQ(Rows("select name, serial, value from newdata2 order by rowid"),
        (Table {
            { "PX-B4", "1", "4" },
            { "PX Dome 4'V", "1", "2.8" },
            { "PX Dome 4'V", "2", "4" },
            { "PX Dome 4'V", "3", "6" },
        }));

    // The converted models read back as the calculator reads them.
    ModelRecord record;
    m_db->GetModelInfo(L"PX Dome 4'V", &record);
    EXPECT_EQ(record.strBM, "1/2.8");
    EXPECT_EQ(record.value, (std::map<int, std::string> { { 1, "2.8" }, { 2, "4" }, { 3, "6" } }));
}

TEST_F(CatalogueTest, ConversionOfAnUnknownLabelOrAClosedDatabaseWritesNothing)
{
    m_db->ConvertCatalogue(L"nothing");
    EXPECT_EQ(Rows("select count(*) from newdata1"), (Table { { "0" } }));
    m_db->Close();
    m_db->ConvertCatalogue(L"IPC");
    EXPECT_EQ(Rows("select count(*) from newdata1"), (Table { { "0" } }));
}
