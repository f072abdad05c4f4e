#include "app/DatabaseManager.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <boost/make_shared.hpp>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <tuple>

#include <fcntl.h>
#include <unistd.h>

namespace {

// 48 ASCII bytes then a two-byte character straddling byte 49.
const std::string kLongTarget = std::string(48, 'T')
    + "\xC3\xA9"
      "end";

// Builds a small product database keyed with the given passphrase; an empty
// one leaves it a plain, unencrypted SQLite file.
void MakeDatabase(const QString& path, const char* passphrase)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
        SQLITE_OK);
    if (passphrase[0] != '\0') {
        sqlite3_key(db, passphrase, static_cast<int>(std::strlen(passphrase)));
    }
    const std::string sql
        = "CREATE TABLE newdata1 (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, strBM TEXT, strFBx TEXT,"
          " strFBy TEXT, FLtype TEXT, FLnum TEXT, ViewH TEXT, ViewV TEXT);"
          "CREATE TABLE newdata2 (name TEXT, serial TEXT, value TEXT, ViewH TEXT, ViewV TEXT);"
          "CREATE TABLE newdata3 (id INTEGER PRIMARY KEY, Pixel TEXT, Target TEXT, Horizontal TEXT, Vertical "
          "TEXT,"
          " PixelSize TEXT);"
          "INSERT INTO newdata1 (name, strBM, strFBx, strFBy, FLtype, FLnum) VALUES"
          " ('PX-B2F28', '1/2.8', '1920', '1080', '4', '1'),"
          " ('PX Dome 4''V', '1/2.7', '2592', '1944', '3', '2'),"
          " ('PX-C3', '1/1.8', '3072', '2048', '2', '3'),"
          " ('PX-Null', NULL, NULL, NULL, NULL, NULL);"
          "INSERT INTO newdata2 VALUES"
          " ('PX-B2F28', '1', '2.8', '103.5', '55.2'),"
          " ('PX Dome 4''V', '1', '2.8', '110.1', '81.6'), ('PX Dome 4''V', '2', '12', '30.2', '22.8'),"
          " ('PX-C3', '1', '2.8', '1', '1'), ('PX-C3', '2', '4', '2', '2'), ('PX-C3', '3', '6', '3', '3');"
          "INSERT INTO newdata3 (Pixel, Target, Horizontal, Vertical, PixelSize) VALUES"
          " ('2.0MP', '1/2.8', '1920', '1080', '2.9'),"
          " ('5.0MP', '1/2.7', '2592', '1944', '2.0'),"
          " ('"
        + std::string(300, 'M') + "', '" + kLongTarget + "', 'wide', '-5', NULL);";
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

class DatabaseManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = m_dir.path() + "/Product.db";
        MakeDatabase(m_path, "604281957");
        ASSERT_EQ(m_db->Open(m_path.toStdWString()), 1);
    }
    QTemporaryDir m_dir;
    QString m_path;
    boost::shared_ptr<CDatabaseManager> m_db = boost::make_shared<CDatabaseManager>();
};

// A record that a failed lookup must leave exactly as it was, bar its focal map.
ModelRecord FilledRecord()
{
    ModelRecord record;
    record.id = 42;
    record.strBM = "1/3";
    record.FLtype = "4";
    record.value[9] = "9";
    record.ViewH[9] = "90";
    return record;
}

// Every model of an open database with all it reads, by name.
std::map<std::wstring, ModelRecord> AllModels(CDatabaseManager& db)
{
    std::vector<std::wstring> names;
    db.GetModelNames(&names);
    std::map<std::wstring, ModelRecord> models;
    for (const std::wstring& name : names) {
        db.GetModelInfo(name, &models[name]);
    }
    return models;
}

bool SameModel(const ModelRecord& a, const ModelRecord& b)
{
    return std::tie(a.id, a.strBM, a.strFBx, a.strFBy, a.FLtype, a.value, a.ViewH, a.ViewV, a.Pixel, a.PixelSize)
        == std::tie(b.id, b.strBM, b.strFBx, b.strFBy, b.FLtype, b.value, b.ViewH, b.ViewV, b.Pixel, b.PixelSize);
}

// Every file of the folder, hidden ones too, with its bytes.
std::map<QString, QByteArray> FilesIn(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(QDir(folder).filePath(name));
        files[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    return files;
}

QByteArray RandomBytes(int count, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFFu);
    }
    return bytes;
}

// A journal as a crashed writer would leave it, hot (its first byte is not
// zero), naming a super-journal of the given length at its end.
QByteArray HotJournal(int superJournalNameLength)
{
    QByteArray journal(512, '\0');
    journal[0] = static_cast<char>(0xD9);
    journal += QByteArray(superJournalNameLength, 's');
    const auto length = static_cast<quint32>(superJournalNameLength);
    for (const int shift : { 24, 16, 8, 0 }) {
        journal += static_cast<char>((length >> shift) & 0xFFu);
    }
    journal += QByteArray(4, '\0'); // checksum
    journal += QByteArray::fromHex("d9d505f920a163d7");
    return journal;
}

void ExpectFailedLookupLeftRecord(const ModelRecord& record)
{
    EXPECT_EQ(record.id, 42);
    EXPECT_EQ(record.strBM, "1/3");
    EXPECT_EQ(record.FLtype, "4");
    EXPECT_TRUE(record.value.empty());
    EXPECT_EQ(record.ViewH.at(9), "90");
}

} // namespace

TEST_F(DatabaseManagerTest, ReadsAModelWholeIncludingItsSensorRow)
{
    ModelRecord record;
    record.name = "kept";
    m_db->GetModelInfo(L"PX Dome 4'V", &record); // the apostrophe is part of the name
    EXPECT_EQ(record.id, 2);
    EXPECT_EQ(record.name, "kept");
    EXPECT_EQ(record.strBM, "1/2.7");
    EXPECT_EQ(record.strFBx, "2592");
    EXPECT_EQ(record.strFBy, "1944");
    EXPECT_EQ(record.FLtype, "3");
    EXPECT_EQ(record.value, (std::map<int, std::string> { { 1, "2.8" }, { 2, "12" } }));
    EXPECT_EQ(record.ViewH, (std::map<int, std::string> { { 1, "110.1" }, { 2, "30.2" } }));
    EXPECT_EQ(record.ViewV, (std::map<int, std::string> { { 1, "81.6" }, { 2, "22.8" } }));
    EXPECT_EQ(record.Pixel, "5.0MP");
    EXPECT_EQ(record.PixelSize, "2.0");
}

TEST_F(DatabaseManagerTest, FewerFocalRowsLeaveNoStaleFocalLengths)
{
    ModelRecord record;
    m_db->GetModelInfo(L"PX-C3", &record);
    ASSERT_EQ(record.value.size(), 3u);
    m_db->GetModelInfo(L"PX-B2F28", &record);
    EXPECT_EQ(record.value, (std::map<int, std::string> { { 1, "2.8" } }));
    EXPECT_EQ(record.Pixel, "2.0MP");
    m_db->GetModelInfo(L"PX-Null", &record); // NULL cells read as empty text
    EXPECT_EQ(record.id, 4);
    EXPECT_EQ(record.strBM, "");
}

TEST_F(DatabaseManagerTest, NameWithoutRowOrCraftedToInjectChangesOnlyTheFocalMap)
{
    for (const wchar_t* name : { L"PX-Unknown", L"x' or '1'='1", L"PX-B2F28' --" }) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        ModelRecord record = FilledRecord();
        m_db->GetModelInfo(name, &record);
        ExpectFailedLookupLeftRecord(record);
    }
}

TEST_F(DatabaseManagerTest, SensorTableRowsAreBoundedAndParsed)
{
    std::vector<SensorRow> rows(5);
    m_db->GetSensorTable(&rows);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_STREQ(rows[0].mode, L"2.0MP");
    EXPECT_STREQ(rows[0].target, "1/2.8");
    EXPECT_EQ(rows[0].horizontal, 1920);
    EXPECT_EQ(rows[0].vertical, 1080);
    EXPECT_DOUBLE_EQ(rows[0].pixelSize, 2.9);

    const SensorRow& cut = rows[2];
    EXPECT_EQ(std::wstring(cut.mode), std::wstring(255, L'M'));
    EXPECT_EQ(std::string(cut.target), std::string(48, 'T')); // not half of the two-byte character
    EXPECT_EQ(cut.horizontal, 0);
    EXPECT_EQ(cut.vertical, -5);
    EXPECT_EQ(cut.pixelSize, 0.0);
}

TEST_F(DatabaseManagerTest, ModelNamesInTableOrder)
{
    // Opening again replaces the connection rather than leaking it.
    ASSERT_EQ(m_db->Open(m_path.toStdWString()), 1);
    std::vector<std::wstring> names { L"stale" };
    m_db->GetModelNames(&names);
    EXPECT_EQ(names, (std::vector<std::wstring> { L"PX-B2F28", L"PX Dome 4'V", L"PX-C3", L"PX-Null" }));
}

TEST_F(DatabaseManagerTest, UnreadableOrMissingFileIsNotOpenedIsNamedAndIsLeftAsItWas)
{
    QTemporaryDir other;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(other.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    MakeDatabase(other.filePath("wrong-key.db"), "123456789");
    MakeDatabase(other.filePath("not-encrypted.db"), "");
    write("empty.db", QByteArray());
    QByteArray noise(8192, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    write("random.db", noise);
    const std::map<QString, QByteArray> before = FilesIn(other.path());

    for (const char* name : { "wrong-key.db", "not-encrypted.db", "empty.db", "random.db", "missing.db" }) {
        SCOPED_TRACE(name);
        CDatabaseManager db;
        KWWarningCatcher catcher;
        EXPECT_EQ(db.Open(other.filePath(name).toStdWString()), 0);
        EXPECT_FALSE(db.IsOpen());
        ASSERT_EQ(catcher.Warnings().size(), 1);
        // The file and why, e.g. "file is not a database".
        EXPECT_TRUE(catcher.Warnings().front().contains(other.filePath(name) + " cannot be read: "))
            << catcher.Warnings().front().toStdString();
        ModelRecord record = FilledRecord();
        db.GetModelInfo(L"PX-B2F28", &record);
        ExpectFailedLookupLeftRecord(record);
        std::vector<SensorRow> rows(1);
        db.GetSensorTable(&rows);
        EXPECT_TRUE(rows.empty());
        std::vector<std::wstring> names { L"x" };
        db.GetModelNames(&names);
        EXPECT_TRUE(names.empty());
    }
    EXPECT_EQ(FilesIn(other.path()), before) << "no file created or changed";
    EXPECT_TRUE(m_db->IsOpen());
}

// Copied into a folder as deep as the system allows, or under a name that
// means something in a URI, the database opens for reading and is left as it
// was; the catalogue converter writes into it there. Where the short name
// through /proc does not lead to the file (no /proc, one that leads to
// another file or to none), a path that SQLite takes as it is opens the same
// way, and a longer one is refused with its own reason.
TEST(ShippedProductDatabase, OpensFromAnyDepthOfFolder)
{
    QFile shipped(QCoreApplication::applicationDirPath() + "/Product.db");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    enum Descriptors { Proc, NoProc, OtherFile, NoFile };
    const char* const why[] = { "", "without /proc there is no shorter name for it",
        "its shorter name through /proc leads to another file",
        "its shorter name through /proc leads nowhere: no such file" };
    const struct {
        int length; // of the whole path, in bytes
        QString name;
        Descriptors descriptors;
    } rows[] = { { 600, "Product.db", Proc }, { 4000, "Product.db", Proc }, { 4090, "Product.db", Proc },
        { 4095, "Product.db", Proc }, { 200, "Product ?#%41 &mode=rw.db", Proc },
        { 200, "Product ?#%41 &mode=rw.db", NoProc }, { 504, "Product.db", NoProc },
        { 505, "Product.db", NoProc }, { 4095, "Product.db", NoProc }, { 504, "Product.db", OtherFile },
        { 505, "Product.db", OtherFile }, { 505, "Product.db", NoFile } };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
            << row.length << " " << row.name.toStdString() << " descriptors " << row.descriptors);
        QTemporaryDir top;
        QString folder = top.path();
        const qsizetype folderLength = row.length - 1 - row.name.size();
        while (folder.size() < folderLength) {
            folder += QLatin1Char('/')
                + QString(std::min<qsizetype>(200, folderLength - folder.size() - 1), u'd');
        }
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QLatin1Char('/') + row.name;
        ASSERT_EQ(path.toUtf8().size(), row.length);
        ASSERT_TRUE(QFile::copy(shipped.fileName(), path));
        CDatabaseManager db;
        const QString descriptors = top.filePath("fd");
        if (row.descriptors != Proc) {
            db.SetDescriptorFolder(QFile::encodeName(descriptors).toStdString());
        }
        if (row.descriptors == NoFile) {
            ASSERT_TRUE(QDir().mkpath(descriptors));
        }
        if (row.descriptors == OtherFile) {
            // The folder takes the lowest free descriptor; a few above it
            // stand for any that another thread takes first.
            const int next = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            ASSERT_GE(next, 0);
            ::close(next);
            for (int fd = next; fd < next + 16; ++fd) {
                const QString other = descriptors + QLatin1Char('/') + QString::number(fd);
                ASSERT_TRUE(QDir().mkpath(other));
                QFile empty(other + QLatin1Char('/') + row.name);
                ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
            }
        }
        if (row.descriptors != Proc && row.length > 504) {
            EXPECT_EQ(db.Open(path.toStdWString()), 0);
            EXPECT_EQ(db.FailureKind(), CDatabaseManager::OpenFailure::CannotOpen);
            EXPECT_EQ(db.FailureReason(),
                "its path of " + std::to_string(row.length)
                    + " bytes is longer than the 504 SQLite takes, and " + why[row.descriptors]);
            continue;
        }
        ASSERT_EQ(db.Open(path.toStdWString()), 1) << db.FailureReason();
        EXPECT_EQ(AllModels(db).size(), 132u);
        std::map<std::string, std::string> focal { { "serial", "7" }, { "name", "Deep" } };
        EXPECT_FALSE(db.InsertRow("newdata2", &focal)) << "opened for reading only";
        db.Close();
        QFile copy(path);
        EXPECT_TRUE(copy.open(QIODevice::ReadOnly) && copy.readAll() == bytes);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList { row.name });

        ASSERT_EQ(db.OpenForWriting(path.toStdWString()), 1) << db.FailureReason();
        EXPECT_TRUE(db.InsertRow("newdata2", &focal));
    }
}

// Whatever another program left beside the database, or cut short, is
// neither replayed nor removed: every model reads and every file of the
// folder stays as it was, byte for byte.
TEST(ShippedProductDatabase, ReadsBesideAnyJournalLogOrSharedMemoryFileAndLeavesEveryFileAsItWas)
{
    const struct {
        const char* name;
        const char* suffix;
        QByteArray bytes;
    } rows[] = {
        { "hot journal, super-journal name longer than a page", "-journal", HotJournal(1100) },
        { "hot journal, super-journal name of 3,000 bytes", "-journal", HotJournal(3000) },
        { "journal of random bytes", "-journal", RandomBytes(4096, 11) },
        { "write-ahead log of random bytes", "-wal", RandomBytes(4096, 12) },
        { "shared memory of random bytes", "-shm", RandomBytes(32768, 13) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("Product.db");
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/Product.db", path));
        QFile beside(path + row.suffix);
        ASSERT_TRUE(beside.open(QIODevice::WriteOnly) && beside.write(row.bytes) == row.bytes.size());
        beside.close();
        const std::map<QString, QByteArray> before = FilesIn(dir.path());
        {
            CDatabaseManager db;
            ASSERT_EQ(db.Open(path.toStdWString()), 1) << db.FailureReason();
            EXPECT_EQ(AllModels(db).size(), 132u);
        }
        EXPECT_EQ(FilesIn(dir.path()), before);
    }
}

TEST(ShippedProductDatabase, EveryModelReadsWithItsSensorRow)
{
    CDatabaseManager db;
    ASSERT_EQ(db.Open((QCoreApplication::applicationDirPath() + "/Product.db").toStdWString()), 1);
    std::vector<std::wstring> names;
    db.GetModelNames(&names);
    ASSERT_GE(names.size(), 132u);
    ModelRecord record;
    for (const std::wstring& name : names) {
        record = ModelRecord();
        db.GetModelInfo(name, &record);
        EXPECT_FALSE(record.value.empty() || record.Pixel.empty() || record.PixelSize.empty())
            << testing::PrintToString(name);
    }
    std::vector<SensorRow> rows;
    db.GetSensorTable(&rows);
    EXPECT_FALSE(rows.empty());
}

TEST(ShippedProductDatabase, ABitFlippedAnywhereIsRefusedOrLeavesEveryModelIntact)
{
    QFile shipped(QCoreApplication::applicationDirPath() + "/Product.db");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray sound = shipped.readAll();
    CDatabaseManager db;
    ASSERT_EQ(db.Open(shipped.fileName().toStdWString()), 1);
    const std::map<std::wstring, ModelRecord> models = AllModels(db);
    ASSERT_EQ(models.size(), 132u);

    // One flip in every 1024 bytes: the encryption library's default page is
    // that size or larger, so every page of the file gets at least one.
    QTemporaryDir dir;
    const QString copy = dir.filePath("Product.db");
    std::mt19937 random(34);
    int refused = 0;
    for (int start = 0; start < sound.size(); start += 1024) {
        const int at = start + static_cast<int>(random() % 1024u);
        QByteArray flipped = sound;
        flipped[at] = static_cast<char>(flipped[at] ^ (1 << (random() % 8u)));
        QFile file(copy);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(flipped);
        file.close();
        KWWarningCatcher catcher;
        if (db.Open(copy.toStdWString()) == 0) {
            ++refused;
            EXPECT_EQ(catcher.Warnings().size(), 1) << "byte " << at;
            continue;
        }
        const std::map<std::wstring, ModelRecord> read = AllModels(db);
        ASSERT_TRUE(std::equal(read.begin(), read.end(), models.begin(), models.end(),
            [](const auto& a, const auto& b) { return a.first == b.first && SameModel(a.second, b.second); }))
            << "byte " << at << " opened with models changed or lost";
    }
    EXPECT_GT(refused, 0);
}
