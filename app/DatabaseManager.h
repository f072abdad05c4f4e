#pragma once
// The product database (an encrypted SQLite file beside the program) and the
// fisheye lens-distortion tables.

#include "app/DatabaseFolder.h"
#include "app/DatabaseRecords.h"
#include "app/LensTableNames.h"
#include "base/KWFileStamp.h"
#include "base/KWMutex.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class QString;

// One product of the catalogue, as the catalogue converter reads it.
struct ProductRecord {
    std::wstring id;
    std::wstring name;
    std::wstring pro_img;
    std::wstring pro_thumb;
    std::wstring description;
    std::wstring technical;
    std::wstring text;
    std::wstring update_date;
};

class CDatabaseManager : public boost::enable_shared_from_this<CDatabaseManager> {
public:
    // Lens types with a distortion table: 0 to kLensTypeCount - 1.
    static const int kLensTypeCount = KWLensTables::kLensTypeCount;

    CDatabaseManager();
    ~CDatabaseManager();

    CDatabaseManager(const CDatabaseManager&) = delete;
    CDatabaseManager& operator=(const CDatabaseManager&) = delete;

    // What a user can do about a file that could not be opened.
    enum class OpenFailure {
        None,
        // Nothing to read there: missing, a link to nowhere or round in a
        // loop, no regular file, or no permission.
        CannotOpen,
        // Some other kind of file, or one not keyed with the program's key.
        NotProductDatabase,
        // The program's database, with a page that fails the check.
        Damaged,
    };

    // Opens the application directory's "Product.db".
    int Init();
    // Opens "<application directory>/Product.db", or the given file, for
    // reading only, keys it, reads its schema and checks every page. 1 when
    // that worked; 0, closed and with a warning naming the file and why, for
    // a file that is missing, no regular file, damaged anywhere, empty, not
    // encrypted, keyed with another passphrase or without one of the tables
    // the queries read (the queries then give nothing). The why is SQLite's
    // words, the system's, or the program's own (an empty file, a missing
    // table, a path too long). Nothing is created, changed or deleted,
    // neither the file nor anything beside it: a journal, write-ahead log or
    // shared-memory file that another program left there is neither replayed
    // nor removed. Any path Linux takes opens, up to 4,095 bytes; where the
    // short name through /proc does not lead to the file (no /proc, or one
    // that leads elsewhere), only a path that SQLite takes as it is (504
    // bytes).
    int Open();
    int Open(const std::wstring& path);
    // For the catalogue converter, which writes into the file: opens it as
    // Open does but for writing (never creating it), so that SQLite makes its
    // journal beside it and, as every writer must, rolls back one it finds
    // there.
    int OpenForWriting(const std::wstring& path);
    // Always 1.
    int Close();
    // Whether the last Open succeeded and no Close came after it.
    bool IsOpen() const { return m_db != nullptr; }
    // The file the last Open could not open, why (in SQLite's words, the
    // system's or the program's own), and what a user can do about it; empty
    // and None after an Open that succeeded.
    const std::string& FailedPath() const { return m_failedPath; }
    const std::string& FailureReason() const { return m_failureReason; }
    OpenFailure FailureKind() const { return m_failureKind; }

    // Fills the record of the named model. The focal-length map is emptied
    // first; the other fields keep their values when the model has no row.
    void GetModelInfo(std::wstring name, ModelRecord* record);
    // Replaces the list with every row of the sensor table.
    void GetSensorTable(std::vector<SensorRow>* rows);
    // Replaces the list with every model name, in the database's order.
    void GetModelNames(std::vector<std::wstring>* names);

    // A cell's text, empty for NULL.
    static std::string CellToString(const char* cell);

    // The table of the lens type (0 to 3), read from "disdate<suffix>" in the
    // table folder the first time it is asked for, and again only when that
    // file has changed since (a file that has gone leaves what was read).
    // Usable or not, a file is read once per version: a table whose file is
    // missing, or whose points are fewer than two or do not grow in image
    // height, is empty and named in one warning. A line whose two fields are
    // not both numbers is skipped. Any other lens type gives an empty table.
    // Never null; shared, not copied, however large the table.
    std::shared_ptr<const std::map<float, float>> DistortionTable(int lensType);
    // Merges DistortionTable(lensType) into *out: its keys are overwritten,
    // others stay. Any other lens type leaves *out untouched.
    void GetDistortionTable(int lensType, std::map<float, float>* out);
    // Reads the lens type's file now, whatever was read before.
    void LoadDistortionCsv(int lensType);
    // How often the lens type's file has been read, found or not: what
    // tells a table served from memory from one read again.
    int LensTableReads(int lensType) const;

    // Catalogue converter (a maintenance tool; the calculator never calls
    // it): fills newdata1 and newdata2 from the catalogue's menu and product
    // tables in the same database, for every product under the menu label.
    // The database must have been opened with OpenForWriting.
    void ConvertCatalogue(std::wstring label);
    // Replaces *ids with the shown menu ids under the label, three levels
    // deep; with firstId given, only that first-level menu is followed.
    void QueryMenuIds(std::wstring label, std::wstring firstId, std::vector<std::wstring>* ids);
    // Replaces *products with the shown products of those menus, in their
    // catalogue order; a non-empty productIds narrows them to those ids.
    void QueryProducts(const std::vector<std::wstring>& subclassIds, const std::vector<std::wstring>& productIds,
        std::vector<ProductRecord>* products);
    // Fills *product with one product's texts. False, *product untouched,
    // when there is no such product.
    bool QueryProductDetail(std::wstring id, ProductRecord* product);
    // Inserts one row, columns in the map's (ascending) order. False for the
    // table "product_related", without a database, or when the insert fails.
    bool InsertRow(std::string table, std::map<std::string, std::string>* row);

    // The folder in which the process's descriptors are named for SQLite,
    // "/proc/self/fd" by default. For tests: one that does not exist stands
    // for a system without /proc.
    void SetDescriptorFolder(const std::string& folder) { m_folder.SetDescriptorFolder(folder); }

    // Folder the lens tables are read from; empty (the default) means the
    // application directory. Tables read from the previous folder are
    // forgotten. For tools and tests.
    void SetDataDir(const std::wstring& dir);

private:
    using Row = std::vector<std::string>;

    // Why the open connection is no usable product database: what the user
    // can do, and SQLite's words; kind None when it is usable.
    struct Problem {
        OpenFailure kind = OpenFailure::None;
        std::string text;
    };
    // The file named by a short path through its folder's descriptor, read
    // only and immutable or read-write, keyed and checked.
    int OpenFile(const std::wstring& path, bool writable);
    // Empty when the open connection's schema reads and lists a table.
    Problem SchemaProblem() const;
    // Empty when the open connection holds every table the queries read.
    Problem MissingTableProblem() const;
    // The name SQLite is given for the file the folder holds: its short
    // name, else its own path where SQLite takes that; empty, with *problem
    // set, where neither will do.
    std::string NameForSqlite(Problem* problem) const;
    // Empty when SQLite's quick check finds every page of the open file sound.
    Problem IntegrityProblem() const;
    // Runs a statement and puts the first cell of its first row in *cell;
    // gives the connection's error, empty when that worked.
    Problem ReadFirstCell(const char* sql, std::string* cell) const;
    // Names the file and why on standard error, keeps both and the kind for
    // the user, and closes whatever was opened.
    void FailToOpen(const std::string& utf8Path, const Problem& problem);

    // Runs one statement with its text parameters bound in order and returns
    // every row as `columns` texts. False, with *rows empty, when the
    // statement fails at any point.
    bool Query(
        const char* sql, const std::vector<std::string>& params, size_t columns, std::vector<Row>* rows);

    // Query with catalogue ids bound in order: as integers when they are
    // whole numbers (as the catalogue's id columns hold them), else as text.
    bool QueryByIds(
        const std::string& sql, const std::vector<std::wstring>& ids, size_t columns, std::vector<Row>* rows);

    // What both queries share: prepare, let bindParameter bind parameter
    // 1..parameterCount, step through every row, finalize, with the mutex
    // held from prepare to finalize.
    bool QueryBound(const char* sql, size_t parameterCount,
        const std::function<int(sqlite3_stmt*, int)>& bindParameter, size_t columns, std::vector<Row>* rows);

    // Once per lens type, however often its file changes and stays unusable.
    void WarnOfUnusableLensTable(int lensType, const QString& path, const QString& reason);

    // A lens table as read last, with the stamp its file had then.
    struct LensTableRead {
        std::shared_ptr<const std::map<float, float>> table;
        KWFileStamp stamp;
    };
    QString LensTablePath(int lensType) const;

    LensTableRead m_distortion[kLensTypeCount];
    bool m_lensTableWarned[kLensTypeCount] = {};
    int m_lensTableReads[kLensTypeCount] = {};
    std::string m_failedPath;
    std::string m_failureReason;
    OpenFailure m_failureKind = OpenFailure::None;
    sqlite3* m_db = nullptr;
    CDatabaseFolder m_folder;
    KW_SOFT_BASE::CKWMutex m_mutex;
    std::wstring m_dataDir;
};

// Creates the manager and opens the application directory's database.
boost::shared_ptr<CDatabaseManager> CreateDatabaseManager();
