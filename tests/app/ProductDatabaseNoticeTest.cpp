// At start-up the user is told once, in the message box and in the current
// language, why the product database could not be read, over its path; the
// calculator then goes on without it.

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/ProductDatabaseKey.h"
#include "app/ProductDatabaseNotice.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/AnsweredBoxes.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <string>

namespace {

struct NoticeRun {
    bool shown = false;
    std::vector<QStringList> boxes; // the texts of each box shown, in order
};

// Runs the notice and answers every box it shows with Return, the way a user
// would; a second box would be counted, not left waiting.
NoticeRun RunNotice(CMainFrameEventImp& frame)
{
    const AnsweredBoxes answer;
    NoticeRun run;
    run.shown = NoticeUnreadableProductDatabase(frame);
    run.boxes = answer.Boxes();
    return run;
}

enum class Unreadable { Missing, RandomBytes, DamagedPage, CutShort, NoProductTables, NoSensorTable };

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped database changed by sql, run with the program's key.
QByteArray ShippedChangedBy(const char* sql)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Product.db");
    sqlite3* db = nullptr;
    if (!QFile::copy(QCoreApplication::applicationDirPath() + "/Product.db", path)
        || sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return QByteArray();
    }
    sqlite3_key(db, kProductDatabasePassphrase, kProductDatabasePassphraseLength);
    const bool changed = sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return changed ? ReadAll(path) : QByteArray();
}

// What lies at the database's place; empty for nothing at all.
QByteArray BytesOf(Unreadable kind)
{
    const QByteArray shipped = ReadAll(QCoreApplication::applicationDirPath() + "/Product.db");
    switch (kind) {
    case Unreadable::RandomBytes: {
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>((i * 104729 + 7) % 253);
        }
        return noise;
    }
    case Unreadable::DamagedPage: {
        // One bit of the tenth page flipped: the key still opens the file,
        // the check finds the page damaged.
        QByteArray bytes = shipped;
        const int at = 9 * 1024 + 100;
        if (bytes.size() > at) {
            bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
        }
        return bytes;
    }
    case Unreadable::CutShort: // after its first pages, as a copy that stopped
        return shipped.left(17 * 1024);
    case Unreadable::NoProductTables: // keyed, a catalogue without the calculator's tables
        return ShippedChangedBy(
            "DROP TABLE newdata1; DROP TABLE newdata2; DROP TABLE newdata3; CREATE TABLE menu (id INTEGER);");
    case Unreadable::NoSensorTable:
        return ShippedChangedBy("DROP TABLE newdata3;");
    default:
        return QByteArray();
    }
}

class ProductDatabaseNoticeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedLanguage = g_languageIndex;
        g_languageIndex = 2;
        g_uiScale = 1.0f;
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
    }
    void TearDown() override { g_languageIndex = m_savedLanguage; }

private:
    int m_savedLanguage = 0;
};

} // namespace

TEST_F(ProductDatabaseNoticeTest, UnreadableDatabaseIsToldOnceInTheLanguageOverItsPathAndTheCalculatorGoesOn)
{
    const struct {
        Unreadable kind;
        int language;
        const char* told; // the sentence over the path
        const char* diagnosed; // SQLite's or the system's words, on standard error only
    } rows[] = {
        { Unreadable::Missing, 0, "The product database is missing or cannot be opened:", "no such file" },
        { Unreadable::RandomBytes, 0,
            "This file is not a product database of this program, or it cannot be read with the program's "
            "key:",
            "is not a database" },
        { Unreadable::DamagedPage, 0, "The product database is damaged:", "btreeInitPage" },
        { Unreadable::Missing, 2,
            "A base de dados de produtos está faltando ou não pode ser aberta:", "no such file" },
        { Unreadable::RandomBytes, 2,
            "Este arquivo não é uma base de dados de produtos deste programa, ou não pode ser lido com a "
            "chave "
            "do programa:",
            "is not a database" },
        { Unreadable::DamagedPage, 2, "A base de dados de produtos está danificada:", "btreeInitPage" },
        { Unreadable::CutShort, 0, "The product database is damaged:", "malformed" },
        { Unreadable::NoProductTables, 0,
            "This file is not a product database of this program, or it cannot be read with the program's "
            "key:",
            "no table newdata1, newdata2, newdata3" },
        { Unreadable::NoSensorTable, 0,
            "This file is not a product database of this program, or it cannot be read with the program's "
            "key:",
            "no table newdata3" },
        { Unreadable::NoProductTables, 2,
            "Este arquivo não é uma base de dados de produtos deste programa, ou não pode ser lido com a "
            "chave do programa:",
            "no table newdata1, newdata2, newdata3" },
        { Unreadable::NoSensorTable, 2,
            "Este arquivo não é uma base de dados de produtos deste programa, ou não pode ser lido com a "
            "chave do programa:",
            "no table newdata3" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.told << " (" << row.diagnosed << ")");
        g_languageIndex = row.language;
        QTemporaryDir dir;
        const QString path = dir.filePath("Product.db");
        const QByteArray bytes = BytesOf(row.kind);
        ASSERT_EQ(bytes.isEmpty(), row.kind == Unreadable::Missing);
        if (row.kind != Unreadable::Missing) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
        ASSERT_TRUE(frame);
        // The frame opened the shipped database; open this one instead, as
        // start-up would have found it.
        KWWarningCatcher catcher;
        ASSERT_EQ(frame->GetDatabaseManager()->Open(path.toStdWString()), 0);
        EXPECT_TRUE(catcher.Warnings().join('|').contains(row.diagnosed))
            << catcher.Warnings().join('|').toStdString();

        const NoticeRun run = RunNotice(*frame);
        EXPECT_TRUE(run.shown);
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_TRUE(run.boxes[0].contains(QString::fromUtf8(row.told) + '\n' + path))
            << run.boxes[0].join('|').toStdString();
        EXPECT_TRUE(run.boxes[0].contains(QString::fromWCharArray(translate(L"Attention"))));

        // Without the database: no model data, so no density, and no second word.
        frame->OnIPCToolClicked();
        frame->GetParameterSetting()->SelectChanged(kIdModelCombo, 1);
        EXPECT_EQ(TextOf(frame->GetDensityValue()), L"N/A");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        frame.reset();
        EXPECT_EQ(ReadAll(path), bytes);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), row.kind == Unreadable::Missing ? 0 : 1)
            << "nothing created";
    }
}

TEST_F(ProductDatabaseNoticeTest, ReadableDatabaseIsNotMentioned)
{
    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    ASSERT_TRUE(frame->GetDatabaseManager()->IsOpen());
    const NoticeRun run = RunNotice(*frame);
    EXPECT_FALSE(run.shown);
    EXPECT_TRUE(run.boxes.empty());
}
