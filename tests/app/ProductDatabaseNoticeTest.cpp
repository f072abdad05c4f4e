// At start-up the user is told once, in the message box, that the product
// database could not be read; the calculator then goes on without it.

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/ProductDatabaseNotice.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/AnsweredBoxes.h"
#include "tests/app/ShownText.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <string>

namespace {

const wchar_t* const kNotice = L"The product database could not be read.";

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

TEST_F(ProductDatabaseNoticeTest, RandomOrMissingDatabaseIsToldOnceAndTheCalculatorGoesOn)
{
    for (const bool present : { true, false }) {
        SCOPED_TRACE(present ? "random bytes" : "no file");
        QTemporaryDir dir;
        const QString path = dir.filePath("Product.db");
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>((i * 104729 + 7) % 253);
        }
        if (present) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(noise);
        }
        boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
        ASSERT_TRUE(frame);
        // The frame opened the shipped database; open this one instead, as
        // start-up would have found it.
        ASSERT_EQ(frame->GetDatabaseManager()->Open(path.toStdWString()), 0);

        const NoticeRun run = RunNotice(*frame);
        EXPECT_TRUE(run.shown);
        ASSERT_EQ(run.boxes.size(), 1u);
        const QString text = QString::fromWCharArray(translate(kNotice));
        EXPECT_NE(text, QString::fromWCharArray(kNotice)) << "the language file has no entry";
        // What failed, the file and why.
        const QString shown = run.boxes[0].join('|');
        EXPECT_TRUE(shown.contains(text) && shown.contains(path)
            && shown.contains(present ? "is not a database" : "unable to open database file"))
            << shown.toStdString();
        EXPECT_TRUE(run.boxes[0].contains(QString::fromWCharArray(translate(L"Attention"))));

        // Without the database: no model data, so no density, and no second word.
        frame->OnIPCToolClicked();
        frame->GetParameterSetting()->SelectChanged(kIdModelCombo, 1);
        EXPECT_EQ(TextOf(frame->GetDensityValue()), L"N/A");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        frame.reset();
        QFile file(path);
        EXPECT_EQ(
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), present ? noise : QByteArray());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), present ? 1 : 0) << "nothing created";
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
