#include "app/DatabaseManager.h"

#include "app/LensTableNames.h"
#include "app/LensTableParser.h"
#include "app/NumberText.h"
#include "app/ProductDatabaseKey.h"
#include "base/KWAutoMutexLock.h"
#include "base/KWDiagnostics.h"
#include "base/KWQtText.h"
#include "base/KWRegularFile.h"
#include "base/KWStreamConvert.h"
#include "ui/qt/KWQtSupport.h"

#include <sqlite3.h>

#include <QDebug>
#include <QFile>
#include <QString>
#include <QTextStream>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

using KW_SOFT_BASE::CKWAutoMutexLock;
using KW_SOFT_BASE::CKWStreamConvert;

namespace {

const UINT kLocalCodePage = 0;

// Copies at most capacity - 1 bytes of UTF-8 text and terminates, never
// splitting a multi-byte character.
void CopyUtf8Bounded(const std::string& text, char* dest, size_t capacity)
{
    size_t n = std::min(text.size(), capacity - 1);
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
        --n;
    }
    text.copy(dest, n);
    dest[n] = '\0';
}

void CopyWideBounded(const std::wstring& text, wchar_t* dest, size_t capacity)
{
    const size_t n = std::min(text.size(), capacity - 1);
    text.copy(dest, n);
    dest[n] = L'\0';
}

// What a user can do about SQLite's error code.
CDatabaseManager::OpenFailure FailureOfCode(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
        return CDatabaseManager::OpenFailure::NotProductDatabase;
    case SQLITE_CORRUPT:
        return CDatabaseManager::OpenFailure::Damaged;
    default:
        return CDatabaseManager::OpenFailure::CannotOpen;
    }
}

} // namespace

CDatabaseManager::CDatabaseManager() = default;

CDatabaseManager::~CDatabaseManager()
{
    Close();
}

int CDatabaseManager::Init()
{
    return Open();
}

int CDatabaseManager::Open()
{
    return Open(GetKWAppDirPath() + L"/Product.db");
}

int CDatabaseManager::Open(const std::wstring& path)
{
    return OpenFile(path, false);
}

int CDatabaseManager::OpenForWriting(const std::wstring& path)
{
    return OpenFile(path, true);
}

int CDatabaseManager::OpenFile(const std::wstring& path, bool writable)
{
    CKWAutoMutexLock lock(m_mutex);
    Close();
    m_failedPath.clear();
    m_failureReason.clear();
    m_failureKind = OpenFailure::None;
    const QString qtPath = KWToQString(path);
    const std::string utf8Path = qtPath.toStdString();
    std::string reason;
    if (!m_folder.Open(QFile::encodeName(qtPath).toStdString(), &reason)) {
        FailToOpen(utf8Path, Problem { OpenFailure::CannotOpen, reason });
        return 0;
    }
    Problem problem;
    const std::string name = NameForSqlite(&problem);
    if (name.empty()) {
        FailToOpen(utf8Path, problem);
        return 0;
    }
    // Read only and immutable, SQLite takes no lock and never looks beside
    // the file: a journal or write-ahead log there is neither replayed nor
    // deleted, whoever left it and whatever it holds. Neither way creates the
    // file: a missing database must not leave an empty one behind.
    const std::string uri = SqliteUriFilename(name, writable ? "" : "mode=ro&immutable=1");
    const int flags = SQLITE_OPEN_URI | (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
    const int rc = sqlite3_open_v2(uri.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        FailToOpen(utf8Path, Problem { OpenFailure::CannotOpen, sqlite3_errstr(rc) });
        return 0;
    }
    sqlite3_key(m_db, kProductDatabasePassphrase, kProductDatabasePassphraseLength);
    // Opening reads nothing: a damaged file, one that is not encrypted or one
    // keyed with another passphrase shows only at the first read. Read the
    // schema now, so that such a file counts as not opened.
    problem = SchemaProblem();
    // The catalogue converter writes into a catalogue that has no sensor
    // table; the calculator reads all three.
    if (problem.kind == OpenFailure::None && !writable) {
        problem = MissingTableProblem();
    }
    if (problem.kind == OpenFailure::None) {
        problem = IntegrityProblem();
    }
    if (problem.kind != OpenFailure::None) {
        FailToOpen(utf8Path, problem);
        return 0;
    }
    return 1;
}

CDatabaseManager::Problem CDatabaseManager::SchemaProblem() const
{
    std::string tables;
    Problem problem = ReadFirstCell("select count(*) from sqlite_master where type = 'table'", &tables);
    if (problem.kind == OpenFailure::None && TextToInt(tables.c_str()) == 0) {
        // An empty file keys and reads like an empty database.
        problem = Problem { OpenFailure::NotProductDatabase, "it holds no tables" };
    }
    return problem;
}

CDatabaseManager::Problem CDatabaseManager::MissingTableProblem() const
{
    // A keyed file without the models, their focal lengths or the sensors
    // would open to models without data, shown as if they had none.
    std::string missing;
    Problem problem
        = ReadFirstCell("select group_concat(wanted, ', ') from (select 'newdata1' as wanted"
                        " union all select 'newdata2' union all select 'newdata3') where wanted"
                        " not in (select lower(name) from sqlite_master where type in ('table', 'view'))",
            &missing);
    if (problem.kind == OpenFailure::None && !missing.empty()) {
        problem = Problem { OpenFailure::NotProductDatabase, "it has no table " + missing };
    }
    return problem;
}

std::string CDatabaseManager::NameForSqlite(Problem* problem) const
{
    if (!m_folder.ShortPath().empty()) {
        return m_folder.ShortPath();
    }
    // No short name (no /proc, or one that leads elsewhere): SQLite refuses
    // a path that leaves no room for its journal's name within its limit,
    // whether or not it makes a journal.
    const sqlite3_vfs* const unixLayer = sqlite3_vfs_find(nullptr);
    const size_t longest
        = unixLayer != nullptr ? static_cast<size_t>(unixLayer->mxPathname) - std::strlen("-journal") : 0;
    const std::string& path = m_folder.FilePath();
    if (path.size() <= longest) {
        return path;
    }
    *problem = Problem { OpenFailure::CannotOpen,
        "its path of " + std::to_string(path.size()) + " bytes is longer than the " + std::to_string(longest)
            + " SQLite takes, and " + m_folder.WhyNoShortPath() };
    return std::string();
}

CDatabaseManager::Problem CDatabaseManager::IntegrityProblem() const
{
    // The schema lives on the first page; a damaged page further on shows
    // only when a query reaches it, and then as a query that finds nothing.
    // The quick check reads every page of the file (well under a millisecond
    // for the shipped database) and names the first fault it finds, "ok"
    // when all is well.
    std::string verdict;
    Problem problem = ReadFirstCell("PRAGMA quick_check(1)", &verdict);
    if (problem.kind == OpenFailure::None && verdict != "ok") {
        problem = Problem { OpenFailure::Damaged, "it is damaged: " + verdict };
    }
    return problem;
}

CDatabaseManager::Problem CDatabaseManager::ReadFirstCell(const char* sql, std::string* cell) const
{
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
        *cell = CellToString(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        rc = SQLITE_OK;
    }
    // The message belongs to the connection and goes with the next call.
    const Problem problem
        = rc == SQLITE_OK ? Problem() : Problem { FailureOfCode(rc), std::string(sqlite3_errmsg(m_db)) };
    sqlite3_finalize(statement);
    return problem;
}

void CDatabaseManager::FailToOpen(const std::string& utf8Path, const Problem& problem)
{
    m_failedPath = utf8Path;
    m_failureReason = problem.text;
    m_failureKind = problem.kind;
    qWarning().noquote() << "Product database" << QString::fromStdString(utf8Path)
                         << "cannot be read:" << QString::fromStdString(problem.text);
    // SQLite may hand out a handle even when opening fails.
    sqlite3_close(m_db);
    m_db = nullptr;
    m_folder.Close();
}

int CDatabaseManager::Close()
{
    CKWAutoMutexLock lock(m_mutex);
    if (m_db != nullptr) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
    m_folder.Close();
    return 1;
}

std::string CDatabaseManager::CellToString(const char* cell)
{
    return cell != nullptr ? std::string(cell) : std::string();
}

bool CDatabaseManager::Query(
    const char* sql, const std::vector<std::string>& params, size_t columns, std::vector<Row>* rows)
{
    // Values are bound, never pasted into the text: a name with an
    // apostrophe is found, and no text can change the statement.
    const auto bindText = [&params](sqlite3_stmt* statement, int index) {
        const std::string& value = params[static_cast<size_t>(index - 1)];
        return sqlite3_bind_text(statement, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    };
    return QueryBound(sql, params.size(), bindText, columns, rows);
}

bool CDatabaseManager::QueryBound(const char* sql, size_t parameterCount,
    const std::function<int(sqlite3_stmt*, int)>& bindParameter, size_t columns, std::vector<Row>* rows)
{
    rows->clear();
    std::vector<Row> result;
    int rc = SQLITE_OK;
    {
        CKWAutoMutexLock lock(m_mutex);
        if (m_db == nullptr) {
            return false;
        }
        sqlite3_stmt* statement = nullptr;
        rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(statement);
            return false;
        }
        for (size_t i = 0; i < parameterCount && rc == SQLITE_OK; ++i) {
            rc = bindParameter(statement, static_cast<int>(i + 1));
        }
        if (rc == SQLITE_OK) {
            const size_t available = static_cast<size_t>(sqlite3_column_count(statement));
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
                Row row(columns);
                for (size_t c = 0; c < columns && c < available; ++c) {
                    row[c] = CellToString(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, static_cast<int>(c))));
                }
                result.push_back(std::move(row));
            }
        }
        sqlite3_finalize(statement);
    }
    // A statement that fails part-way gives nothing, not the rows before the error.
    if (rc != SQLITE_DONE) {
        return false;
    }
    *rows = std::move(result);
    return true;
}

void CDatabaseManager::GetModelInfo(std::wstring name, ModelRecord* record)
{
    if (record == nullptr) {
        return;
    }
    record->value.clear();
    if (m_db == nullptr) {
        return;
    }
    const std::string localName = CKWStreamConvert(name.c_str(), kLocalCodePage).GetString();

    std::vector<Row> rows;
    Query("select id, strBM, strFBx, strFBy, FLtype, FLnum from newdata1 where name = ?", { localName }, 6,
        &rows);
    // With several rows of one name, the last one stands.
    for (const Row& row : rows) {
        record->id = TextToInt(row[0].c_str());
        record->strBM = row[1];
        record->strFBx = row[2];
        record->strFBy = row[3];
        record->FLtype = row[4];
    }

    Query("select serial, value, ViewH, ViewV from newdata2 where name = ?", { localName }, 4, &rows);
    for (const Row& row : rows) {
        const int serial = TextToInt(row[0].c_str());
        record->value[serial] = row[1];
        record->ViewH[serial] = row[2];
        record->ViewV[serial] = row[3];
    }

    Query("select Pixel, PixelSize  from newdata3 where Target = ? and Horizontal = ? and Vertical = ?",
        { record->strBM, record->strFBx, record->strFBy }, 2, &rows);
    for (const Row& row : rows) {
        record->Pixel = row[0];
        record->PixelSize = row[1];
    }
}

void CDatabaseManager::GetSensorTable(std::vector<SensorRow>* rows)
{
    if (rows == nullptr) {
        return;
    }
    rows->clear();
    if (m_db == nullptr) {
        return;
    }
    std::vector<Row> cells;
    Query("select * from newdata3 ", {}, 6, &cells);
    for (const Row& cell : cells) {
        SensorRow row {};
        CopyWideBounded(CKWStreamConvert(cell[1].c_str(), kLocalCodePage).GetWString(), row.mode,
            sizeof(row.mode) / sizeof(row.mode[0]));
        CopyUtf8Bounded(cell[2], row.target, sizeof(row.target));
        row.horizontal = TextToInt(cell[3].c_str());
        row.vertical = TextToInt(cell[4].c_str());
        row.pixelSize = TextToDouble(cell[5].c_str());
        rows->push_back(row);
    }
}

void CDatabaseManager::GetModelNames(std::vector<std::wstring>* names)
{
    if (names == nullptr) {
        return;
    }
    names->clear();
    if (m_db == nullptr) {
        return;
    }
    std::vector<Row> rows;
    Query("select name from newdata1 ", {}, 1, &rows);
    for (const Row& row : rows) {
        names->push_back(CKWStreamConvert(row[0].c_str(), kLocalCodePage).GetWString());
    }
}

std::shared_ptr<const std::map<float, float>> CDatabaseManager::DistortionTable(int lensType)
{
    if (lensType < 0 || lensType >= kLensTypeCount) {
        return std::make_shared<const std::map<float, float>>();
    }
    // Every calculation of the fisheye tool asks: one stat tells whether the
    // file is still the one read, where reading a large table takes seconds.
    const LensTableRead& read = m_distortion[lensType];
    const KWFileStamp now = GetFileStamp(QFile::encodeName(LensTablePath(lensType)).toStdString());
    if (!read.table || (now.exists && now != read.stamp)) {
        LoadDistortionCsv(lensType);
    }
    return m_distortion[lensType].table;
}

void CDatabaseManager::GetDistortionTable(int lensType, std::map<float, float>* out)
{
    if (lensType < 0 || lensType >= kLensTypeCount || out == nullptr) {
        return;
    }
    for (const auto& [angle, height] : *DistortionTable(lensType)) {
        (*out)[angle] = height;
    }
}

void CDatabaseManager::SetDataDir(const std::wstring& dir)
{
    m_dataDir = dir;
    for (int type = 0; type < kLensTypeCount; ++type) {
        m_distortion[type] = LensTableRead();
        m_lensTableWarned[type] = false;
    }
}

QString CDatabaseManager::LensTablePath(int lensType) const
{
    const QString dir = KWToQString(m_dataDir.empty() ? GetKWAppDirPath() : m_dataDir);
    return dir + QLatin1Char('/') + QString::fromStdString(KWLensTables::LensTableFileName(lensType));
}

void CDatabaseManager::LoadDistortionCsv(int lensType)
{
    if (lensType < 0 || lensType >= kLensTypeCount) {
        return;
    }
    ++m_lensTableReads[lensType];
    const QString path = LensTablePath(lensType);
    const std::string pathBytes = QFile::encodeName(path).toStdString();
    // Taken before the read: a file changed while it is read is read again.
    LensTableRead& read = m_distortion[lensType];
    read.stamp = GetFileStamp(pathBytes);
    auto table = std::make_shared<std::map<float, float>>();
    read.table = table;
    QFile file;
    QString reason;
    if (!KWOpenRegularQFile(file, path, QIODevice::Text, &reason)) {
        WarnOfUnusableLensTable(lensType, path, reason);
        return;
    }
    // Line by line: a table of millions of lines is never held as text too.
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        qCDebug(KWDiagnostics).noquote() << line;
        KWLensTables::ReadLensTableLine(line, table.get());
    }
    const QString problem = KWLensTables::LensTableProblem(*table);
    if (!problem.isEmpty()) {
        // A damaged table would give densities that look real: no table at
        // all is the honest answer.
        table->clear();
        WarnOfUnusableLensTable(lensType, path, problem);
    }
}

int CDatabaseManager::LensTableReads(int lensType) const
{
    return lensType >= 0 && lensType < kLensTypeCount ? m_lensTableReads[lensType] : 0;
}

void CDatabaseManager::WarnOfUnusableLensTable(int lensType, const QString& path, const QString& reason)
{
    // A file rewritten again and again, unusable each time, is one fault.
    if (m_lensTableWarned[lensType]) {
        return;
    }
    m_lensTableWarned[lensType] = true;
    qWarning().noquote() << "Lens table" << path << "not usable:" << reason
                         << "- fisheye densities are not available for this lens";
}

boost::shared_ptr<CDatabaseManager> CreateDatabaseManager()
{
    auto manager = boost::make_shared<CDatabaseManager>();
    manager->Init();
    return manager;
}
