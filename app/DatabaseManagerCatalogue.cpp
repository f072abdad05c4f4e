// The catalogue converter of CDatabaseManager: reads the product catalogue's
// menu and product tables and writes the model tables the calculator reads.

#include "app/DatabaseManager.h"

#include "base/CommonUtils.h"
#include "base/KWAutoMutexLock.h"
#include "base/KWStreamConvert.h"
#include "base/ProductTextParsers.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

using KW_SOFT_BASE::CKWAutoMutexLock;
using KW_SOFT_BASE::CKWStreamConvert;

namespace {

const UINT kLocalCodePage = 0;

// "?, ?, ?" for n values.
std::string Placeholders(size_t n)
{
    std::string text;
    for (size_t i = 0; i < n; ++i) {
        text += i == 0 ? "?" : ", ?";
    }
    return text;
}

// Table and column names cannot be bound; quoted as identifiers, no name can
// end the statement early.
std::string QuoteIdentifier(const std::string& name)
{
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

bool ParseWholeNumber(const std::string& text, sqlite3_int64& value)
{
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0') {
        return false;
    }
    value = parsed;
    return true;
}

std::string Decimal(int value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    return text;
}

} // namespace

bool CDatabaseManager::QueryByIds(
    const std::string& sql, const std::vector<std::wstring>& ids, size_t columns, std::vector<Row>* rows)
{
    const auto bindId = [&ids](sqlite3_stmt* statement, int index) {
        const std::string id = WideStringToUtf8(ids[static_cast<size_t>(index - 1)]);
        sqlite3_int64 number = 0;
        return ParseWholeNumber(id, number)
            ? sqlite3_bind_int64(statement, index, number)
            : sqlite3_bind_text(statement, index, id.data(), static_cast<int>(id.size()), SQLITE_TRANSIENT);
    };
    return QueryBound(sql.c_str(), ids.size(), bindId, columns, rows);
}

void CDatabaseManager::QueryMenuIds(std::wstring label, std::wstring firstId, std::vector<std::wstring>* ids)
{
    if (ids == nullptr) {
        return;
    }
    ids->clear();
    const char* const sql = "select id from menu where lb = ? and is_show = 1 and language_id='0' order by id";
    const auto childrenOf = [this, sql](const std::wstring& parent) {
        std::vector<Row> rows;
        Query(sql, { WideStringToUtf8(parent) }, 1, &rows);
        std::vector<std::wstring> found;
        for (const Row& row : rows) {
            found.push_back(Utf8StringToWide(row[0]));
        }
        return found;
    };

    std::vector<std::wstring> level2;
    for (const std::wstring& id : childrenOf(label)) {
        if (firstId.empty() || id == firstId) {
            ids->push_back(id);
            level2.push_back(id);
        }
    }
    std::vector<std::wstring> level3;
    for (const std::wstring& parent : level2) {
        for (const std::wstring& id : childrenOf(parent)) {
            ids->push_back(id);
            level3.push_back(id);
        }
    }
    for (const std::wstring& parent : level3) {
        for (const std::wstring& id : childrenOf(parent)) {
            ids->push_back(id);
        }
    }
}

void CDatabaseManager::QueryProducts(const std::vector<std::wstring>& subclassIds,
    const std::vector<std::wstring>& productIds, std::vector<ProductRecord>* products)
{
    if (products == nullptr) {
        return;
    }
    products->clear();
    std::string sql = "select id, name, description, technical, interface, pro_thumb from product where is_show = 1 "
                      "and language_id = '0' and subclass_id in ("
        + Placeholders(subclassIds.size());
    std::vector<std::wstring> ids = subclassIds;
    if (!productIds.empty()) {
        sql += ") and id in (" + Placeholders(productIds.size());
        ids.insert(ids.end(), productIds.begin(), productIds.end());
    }
    sql += ") order by orderid";

    std::vector<Row> rows;
    QueryByIds(sql, ids, 6, &rows);
    for (const Row& row : rows) {
        // The interface column is selected but has no place in the record.
        ProductRecord product;
        product.id = Utf8StringToWide(row[0]);
        product.name = Utf8StringToWide(row[1]);
        product.description = Utf8StringToWide(row[2]);
        product.technical = Utf8StringToWide(row[3]);
        product.pro_thumb = Utf8StringToWide(row[5]);
        products->push_back(std::move(product));
    }
}

bool CDatabaseManager::QueryProductDetail(std::wstring id, ProductRecord* product)
{
    if (product == nullptr) {
        return false;
    }
    std::vector<Row> rows;
    QueryByIds("select id, name, pro_img, pro_thumb, description, technical, text, update_date  from product "
               "where id = ? and  language_id = '0'",
        { id }, 8, &rows);
    if (rows.empty()) {
        return false;
    }
    const Row& row = rows.back();
    product->id = Utf8StringToWide(row[0]);
    product->name = Utf8StringToWide(row[1]);
    product->pro_img = Utf8StringToWide(row[2]);
    product->pro_thumb = Utf8StringToWide(row[3]);
    product->description = Utf8StringToWide(row[4]);
    product->technical = Utf8StringToWide(row[5]);
    product->text = Utf8StringToWide(row[6]);
    product->update_date = Utf8StringToWide(row[7]);
    return true;
}

bool CDatabaseManager::InsertRow(std::string table, std::map<std::string, std::string>* row)
{
    if (row == nullptr || table == "product_related") {
        return false;
    }
    std::string columns;
    for (const auto& [column, value] : *row) {
        columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(column);
    }
    const std::string sql
        = "INSERT INTO " + QuoteIdentifier(table) + " (" + columns + ") VALUES (" + Placeholders(row->size()) + ")";

    CKWAutoMutexLock lock(m_mutex);
    if (m_db == nullptr) {
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr);
    int index = 1;
    for (auto it = row->begin(); rc == SQLITE_OK && it != row->end(); ++it, ++index) {
        rc = sqlite3_bind_text(
            statement, index, it->second.data(), static_cast<int>(it->second.size()), SQLITE_TRANSIENT);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

void CDatabaseManager::ConvertCatalogue(std::wstring label)
{
    std::vector<std::wstring> menuIds;
    QueryMenuIds(label, std::wstring(), &menuIds);
    std::vector<ProductRecord> products;
    QueryProducts(menuIds, {}, &products);

    for (const ProductRecord& listed : products) {
        ProductRecord product;
        // A product that cannot be read would only give a model row of
        // defaults and no name.
        if (!QueryProductDetail(listed.id, &product)) {
            continue;
        }
        const std::string text = StripWhitespace(StripTags(XmlUnescape(product.technical)));
        // Fresh per product: the parsers leave what they are given when the
        // text lacks their field.
        std::string horizontal;
        std::string vertical;
        std::string lensType;
        std::map<int, std::string> focalLengths;
        std::string viewH;
        std::string viewV;
        const std::string sensor = ParseImageSensor(text);
        ParseEffectivePixels(text, horizontal, vertical);
        ParseLensSpec(text, lensType, focalLengths);
        ParseAngleOfView(text, viewH, viewV);

        const std::string name = CKWStreamConvert(product.name.c_str(), kLocalCodePage).GetString();
        const int focalCount = static_cast<int>(focalLengths.size());
        std::map<std::string, std::string> model { { "name", name }, { "strBM", sensor }, { "strFBx", horizontal },
            { "strFBy", vertical }, { "FLtype", lensType }, { "FLnum", Decimal(focalCount) }, { "ViewH", viewH },
            { "ViewV", viewV } };
        InsertRow("newdata1", &model);

        // The focal rows are written even when the model row was refused.
        for (int serial = 0; serial < focalCount; ++serial) {
            const auto found = focalLengths.find(serial);
            std::map<std::string, std::string> focal { { "name", name }, { "serial", Decimal(serial + 1) },
                { "value", found != focalLengths.end() ? found->second : std::string() } };
            InsertRow("newdata2", &focal);
        }
    }
}
