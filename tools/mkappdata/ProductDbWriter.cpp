#include "ProductDbWriter.h"

#include "app/ProductDatabaseKey.h"

#include <QByteArray>
#include <QFile>

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

namespace MkAppData
{

namespace
{

struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer
{
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

const char* const kSchema =
    "CREATE TABLE newdata1 (id INTEGER PRIMARY KEY, name TEXT, strBM TEXT, strFBx TEXT, "
    "strFBy TEXT, FLtype TEXT, FLnum TEXT, ViewH TEXT, ViewV TEXT);"
    "CREATE TABLE newdata2 (name TEXT, serial TEXT, value TEXT, ViewH TEXT, ViewV TEXT);"
    "CREATE TABLE newdata3 (id INTEGER PRIMARY KEY, Pixel TEXT, Target TEXT, Horizontal TEXT, "
    "Vertical TEXT, PixelSize TEXT);";

class Writer
{
public:
    explicit Writer(QString* error) : m_error(error) {}

    bool Open(const QByteArray& path)
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(path.constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        m_db.reset(raw);
        if (rc != SQLITE_OK) {
            return Fail("cannot create the database");
        }
        if (sqlite3_key(m_db.get(), kProductDatabasePassphrase, kProductDatabasePassphraseLength) != SQLITE_OK) {
            return Fail("cannot key the database");
        }
        return true;
    }

    bool Exec(const char* sql)
    {
        char* message = nullptr;
        const int rc = sqlite3_exec(m_db.get(), sql, nullptr, nullptr, &message);
        sqlite3_free(message);
        return rc == SQLITE_OK || Fail("statement failed");
    }

    // One INSERT with every value bound: `first` binds an integer id in the
    // first column when it is not null, the texts follow.
    bool Insert(const char* sql, const int* first, const std::vector<std::string>& texts)
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr) != SQLITE_OK) {
            return Fail("cannot prepare an insert");
        }
        Statement stmt(raw);
        int column = 1;
        if (first != nullptr) {
            sqlite3_bind_int(stmt.get(), column++, *first);
        }
        for (const std::string& text : texts) {
            sqlite3_bind_text(stmt.get(), column++, text.c_str(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        }
        return sqlite3_step(stmt.get()) == SQLITE_DONE || Fail("insert failed");
    }

    bool Close()
    {
        const int rc = sqlite3_close(m_db.release());
        return rc == SQLITE_OK || Fail("cannot close the database");
    }

private:
    bool Fail(const char* what)
    {
        const char* detail = m_db ? sqlite3_errmsg(m_db.get()) : "out of memory";
        *m_error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(detail));
        return false;
    }

    DbHandle m_db;
    QString* m_error;
};

bool WriteTables(Writer& w, const SeedData& seeds, QString* error)
{
    if (!w.Exec("BEGIN") || !w.Exec(kSchema)) {
        return false;
    }
    for (const ModelSeed* m : DistinctModels(seeds)) {
        const SensorSeed* sensor = FindSensor(seeds, m->sensor, m->hres, m->vres);
        if (sensor == nullptr) {
            *error = QStringLiteral("no sensor for %1").arg(QString::fromStdString(m->name));
            return false;
        }
        std::vector<std::pair<std::string, std::string>> angles;
        for (double f : m->focals) {
            angles.emplace_back(FormatAngle(AngleOfViewDeg(m->hres, sensor->pixelUm, f)),
                                FormatAngle(AngleOfViewDeg(m->vres, sensor->pixelUm, f)));
        }
        // The widest view belongs to the shortest focal length.
        size_t widest = 0;
        for (size_t i = 1; i < m->focals.size(); ++i) {
            if (m->focals[i] < m->focals[widest]) {
                widest = i;
            }
        }
        const std::string count = std::to_string(m->focals.size());
        if (!w.Insert("INSERT INTO newdata1 (id, name, strBM, strFBx, strFBy, FLtype, FLnum, ViewH, ViewV) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                      &m->id,
                      {m->name, m->sensor, std::to_string(m->hres), std::to_string(m->vres), m->flType,
                       count, angles[widest].first, angles[widest].second})) {
            return false;
        }
        for (size_t i = 0; i < m->focals.size(); ++i) {
            if (!w.Insert("INSERT INTO newdata2 (name, serial, value, ViewH, ViewV) VALUES (?, ?, ?, ?, ?)",
                          nullptr,
                          {m->name, std::to_string(i + 1), FormatFocal(m->focals[i]), angles[i].first,
                           angles[i].second})) {
                return false;
            }
        }
    }
    int id = 0;
    for (const SensorSeed& s : seeds.sensors) {
        ++id;
        if (!w.Insert("INSERT INTO newdata3 (id, Pixel, Target, Horizontal, Vertical, PixelSize) "
                      "VALUES (?, ?, ?, ?, ?, ?)",
                      &id,
                      {s.mode, s.target, std::to_string(s.hres), std::to_string(s.vres), s.pixelText})) {
            return false;
        }
    }
    return w.Exec("COMMIT");
}

}  // namespace

bool WriteProductDatabase(const QString& path, const SeedData& seeds, QString* error)
{
    const QString temp = path + QStringLiteral(".tmp");
    QFile::remove(temp);
    bool ok = false;
    {
        Writer w(error);
        ok = w.Open(QFile::encodeName(temp)) && WriteTables(w, seeds, error) && w.Close();
    }
    if (ok) {
        QFile::remove(path);
        ok = QFile::rename(temp, path);
        if (!ok) {
            *error = QStringLiteral("cannot move the database to %1").arg(path);
        }
    }
    if (!ok) {
        QFile::remove(temp);
    }
    return ok;
}

}  // namespace MkAppData
