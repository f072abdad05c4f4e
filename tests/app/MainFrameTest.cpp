// The main frame as the user meets it: the chooser page, the choice of a
// tool, the pixel-density display, F1 and the window layout, on the real
// framework controls and the skins beside the test program.

#include "app/ConfigManager.h"
#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/StartupConfig.h"
#include "app/StartupScale.h"
#include "app/ToolBarEventImp.h"
#include "app/calc/3DViewEventImp.h"
#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "base/KWStreamConvert.h"
#include "base/Translate.h"
#include "tests/app/AnsweredBoxes.h"
#include "tests/app/EnglishFrame.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWStatic.h"
#include "ui/api/KWView.h"
#include "ui/qt/KWQTPictureCtrl.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

template <class Control> QWidget* AsWidget(Control* control)
{
    return dynamic_cast<QWidget*>(control);
}

// Shown by its own state: the main window of a test is not necessarily on screen.
template <class Control> bool Shown(Control* control)
{
    QWidget* widget = AsWidget(control);
    return widget != nullptr && !widget->isHidden();
}

template <class Control> QPoint TopLeft(Control* control)
{
    QWidget* widget = AsWidget(control);
    return widget != nullptr ? widget->pos() : QPoint(-1, -1);
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedLanguage = g_languageIndex;
        frame = StartEnglishFrame();
        ASSERT_NE(frame->GetDlg(), nullptr);
        frame->SetShellOpener([this](const std::string& path) { opened.push_back(path); });
    }

    void TearDown() override
    {
        frame.reset();
        g_languageIndex = m_savedLanguage;
    }

    void Click(CKWButton* button)
    {
        QWidget* widget = AsWidget(button);
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
    }

    void Layout(int width, int height) { frame->OnDlgSize(0, width, height); }

    CKWView* IPCViews(int i) const
    {
        const CKWView* views[] = { frame->GetParameterSetting()->GetView(), frame->GetSideView()->GetView(),
            frame->GetTopView()->GetView(), frame->Get3DView()->GetView() };
        return const_cast<CKWView*>(views[i]);
    }

    CKWView* FishViews(int i) const
    {
        const CKWView* views[]
            = { frame->GetFishParameterSetting()->GetView(), frame->GetFishSideView()->GetView(),
                  frame->GetFishTopView()->GetView(), frame->GetFish3DView()->GetView() };
        return const_cast<CKWView*>(views[i]);
    }

    bool DensityDisplayShown() const
    {
        return Shown(frame->GetPPMArea()) && Shown(frame->GetPPMPicture())
            && Shown(frame->GetDensityCaption()) && Shown(frame->GetUnitCaption())
            && Shown(frame->GetDensityValue()) && Shown(frame->GetExplainButton());
    }

    boost::shared_ptr<CMainFrameEventImp> frame;
    std::vector<std::string> opened;

private:
    int m_savedLanguage = 1;
};

TEST_F(MainFrameTest, StartsOnTheChooserPageWithEveryChildMade)
{
    EXPECT_EQ(frame->GetToolMode(), kToolModeIPC);
    EXPECT_TRUE(Shown(frame->GetChooserPage()));
    EXPECT_TRUE(Shown(frame->GetIPCToolButton()));
    EXPECT_TRUE(Shown(frame->GetFishToolButton()));
    EXPECT_EQ(TextOf(frame->GetIPCTitle()), translate(L"IPC Calculator Tool"));
    EXPECT_EQ(TextOf(frame->GetFishTitle()), translate(L"FishEye Calculator Tool"));
    EXPECT_FALSE(Shown(frame->GetPPMArea()));
    EXPECT_FALSE(Shown(frame->GetPixelCountValue()));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(Shown(IPCViews(i))) << i;
    }
    EXPECT_TRUE(frame->GetDatabaseManager());
    EXPECT_TRUE(frame->GetAboutDlg());
    EXPECT_TRUE(frame->GetPPMExplainDlg());
    EXPECT_NE(frame->GetPPMExplainDlg()->GetDlg(), nullptr);
    // The placeholders stand until a tool reports.
    EXPECT_EQ(TextOf(frame->GetDensityValue()), translate(L"252"));
    EXPECT_EQ(TextOf(frame->GetPixelCountValue()), translate(L"29"));
}

TEST_F(MainFrameTest, ChoosingTheIPCToolShowsItsPanelViewsAndTheWholeDisplay)
{
    Click(frame->GetIPCToolButton());
    EXPECT_EQ(frame->GetToolMode(), kToolModeIPC);
    EXPECT_FALSE(Shown(frame->GetChooserPage()));
    EXPECT_FALSE(Shown(frame->GetIPCToolButton()));
    EXPECT_FALSE(Shown(frame->GetFishTitle()));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Shown(IPCViews(i))) << i;
        EXPECT_FALSE(Shown(FishViews(i))) << i;
    }
    EXPECT_TRUE(DensityDisplayShown());
    EXPECT_TRUE(Shown(frame->GetPixelCountCaption()));
    EXPECT_TRUE(Shown(frame->GetPixelCountValue()));
}

TEST_F(MainFrameTest, ChoosingTheFisheyeToolHidesThePixelCount)
{
    Layout(1020, 720);
    Click(frame->GetFishToolButton());
    // The display stays where the window's layout put it.
    EXPECT_EQ(TopLeft(frame->GetDensityCaption()), QPoint(715, 642));
    EXPECT_EQ(frame->GetToolMode(), kToolModeFish);
    EXPECT_FALSE(Shown(frame->GetChooserPage()));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(Shown(IPCViews(i))) << i;
        EXPECT_TRUE(Shown(FishViews(i))) << i;
    }
    EXPECT_TRUE(DensityDisplayShown());
    EXPECT_FALSE(Shown(frame->GetPixelCountCaption()));
    EXPECT_FALSE(Shown(frame->GetPixelCountValue()));
}

TEST_F(MainFrameTest, ShowingOneToolAfterTheOtherFlipsPanelsViewsAndPixelCount)
{
    Click(frame->GetFishToolButton());
    // What the tool switch does on its way back to the IPC tool.
    frame->SetToolMode(kToolModeIPC);
    frame->ShowIPCTool(true);
    frame->ShowFishTool(false);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Shown(IPCViews(i))) << i;
        EXPECT_FALSE(Shown(FishViews(i))) << i;
    }
    EXPECT_TRUE(Shown(frame->GetPixelCountValue()));

    frame->SetToolMode(kToolModeFish);
    frame->ShowIPCTool(false);
    frame->ShowFishTool(true);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(Shown(IPCViews(i))) << i;
        EXPECT_TRUE(Shown(FishViews(i))) << i;
    }
    EXPECT_FALSE(Shown(frame->GetPixelCountValue()));
    // The chooser page does not come back.
    EXPECT_FALSE(Shown(frame->GetChooserPage()));
}

TEST_F(MainFrameTest, DensityDisplayShowsNumbersUnitsAndNotAvailable)
{
    const struct {
        int value;
        bool metric;
        int pixelCount;
        const wchar_t* valueText;
        const wchar_t* countText;
        const wchar_t* unit;
        const wchar_t* explainKey;
    } rows[] = {
        { 169, true, 36, L"169", L"36", L"PPM", L"explainPPM >" },
        { 51, false, 36, L"51", L"36", L"PPF", L"explainPPF >" },
        { 0, true, 0, L"0", L"0", L"PPM", L"explainPPM >" },
        { -1, true, 12, L"N/A", L"N/A", L"PPM", L"explainPPM >" },
        { -1, false, 0, L"N/A", L"N/A", L"PPF", L"explainPPF >" },
        { 2147483647, true, -3, L"2147483647", L"-3", L"PPM", L"explainPPM >" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        frame->SetPPMValue(row.value, row.metric, row.pixelCount);
        EXPECT_EQ(frame->IsMetric(), row.metric ? 1 : 0);
        EXPECT_EQ(TextOf(frame->GetDensityValue()), row.valueText);
        EXPECT_EQ(TextOf(frame->GetPixelCountValue()), row.countText);
        EXPECT_EQ(TextOf(frame->GetUnitCaption()), row.unit);
        EXPECT_EQ(TextOf(frame->GetExplainButton()), translate(row.explainKey));
    }
}

TEST_F(MainFrameTest, DensityPictureIsRepaintedOnlyWhenTheLevelChanges)
{
    Click(frame->GetIPCToolButton());
    auto* picture = dynamic_cast<CKWQTPictureCtrl*>(frame->GetPPMPicture());
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picture->window()));
    KWPaintCounter paints(picture);
    frame->SetPPMValue(-1, true, 0);
    QCoreApplication::processEvents();

    const struct {
        int value;
        const wchar_t* picture;
        bool repainted;
    } rows[] = {
        { 169, L"ppmpic125_nor100.png", true },
        { 170, L"ppmpic125_nor100.png", false },
        { 126, L"ppmpic125_nor100.png", false },
        { 125, L"ppmpic63_nor100.png", true },
        { -1, L"ppmpic15_nor.png", true },
        { 0, L"ppmpic15_nor.png", false },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        paints.Reset();
        frame->SetPPMValue(row.value, true, 36);
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.Count() > 0, row.repainted);
        const QString file = QString::fromStdWString(GetKWAppDirPath() + L"/Skin/" + row.picture);
        EXPECT_EQ(picture->Picture().toImage(), QPixmap(file).toImage());
    }
}

TEST_F(MainFrameTest, RetranslationKeepsTheUnitOfTheLastValue)
{
    g_languageIndex = 2;
    frame->SetPPMValue(20, false, 4);
    frame->RetranslateTexts();
    EXPECT_EQ(TextOf(frame->GetExplainButton()), translate(L"explainPPF >"));
    EXPECT_EQ(TextOf(frame->GetDensityCaption()), translate(L"LimpidValue"));
    EXPECT_EQ(TextOf(frame->GetIPCTitle()), translate(L"IPC Calculator Tool"));
    // The unit and the values keep what the last result set.
    EXPECT_EQ(TextOf(frame->GetUnitCaption()), L"PPF");
    EXPECT_EQ(TextOf(frame->GetDensityValue()), L"20");

    frame->SetPPMValue(20, true, 4);
    frame->RetranslateTexts();
    EXPECT_EQ(TextOf(frame->GetExplainButton()), translate(L"explainPPM >"));
}

TEST_F(MainFrameTest, LayoutReachesEveryPartAndTheDisplaysTwoPlaces)
{
    Layout(1020, 720);
    EXPECT_EQ(frame->GetClientWidth(), 1020);
    EXPECT_EQ(frame->GetClientHeight(), 720);
    EXPECT_EQ(TopLeft(frame->GetIPCToolButton()), QPoint(170, 223));
    EXPECT_EQ(TopLeft(IPCViews(1)), QPoint(10, 382));
    EXPECT_EQ(TopLeft(FishViews(2)), QPoint(425, 382));
    EXPECT_EQ(TopLeft(frame->GetPPMArea()), QPoint(705, 592));
    EXPECT_EQ(TopLeft(frame->GetPixelCountValue()), QPoint(715, 617));
    EXPECT_EQ(TopLeft(frame->GetDensityCaption()), QPoint(715, 642));

    frame->LayoutPPMArea(false);
    EXPECT_EQ(TopLeft(frame->GetDensityCaption()), QPoint(810, 457));
    EXPECT_EQ(TopLeft(frame->GetPPMPicture()), QPoint(835, 546));
    frame->LayoutPPMArea(true);
    EXPECT_EQ(TopLeft(frame->GetDensityCaption()), QPoint(713, 640));
    EXPECT_EQ(TopLeft(frame->GetPPMPicture()), QPoint(851, 600));
}

TEST(MainFrameBeforeCreation, SizeBeforeTheChildrenExistLaysOutNothing)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = boost::make_shared<CMainFrameEventImp>();
    int width = 1020;
    int height = 720;
    frame->OnDlgSize(0, width, height);
    EXPECT_EQ(frame->GetClientWidth(), 0);
    EXPECT_EQ(frame->GetClientHeight(), 0);
    EXPECT_EQ(frame->GetToolMode(), kToolModeIPC);
    EXPECT_EQ(frame->IsMetric(), 1);
}

TEST_F(MainFrameTest, F1OpensTheGuideOfTheCurrentLanguage)
{
    for (int language : { 0, 2 }) {
        g_languageIndex = language;
        opened.clear();
        frame->OnDlgKeyDown(0, 0x70);
        ASSERT_EQ(opened.size(), 1u);
        const std::wstring expected = GetKWAppDirPath() + L"/" + translate(L"User's Guide.pdf");
        const KW_SOFT_BASE::CKWStreamConvert local(expected.c_str(), 0);
        EXPECT_EQ(opened[0], local.GetA());
    }
    EXPECT_NE(opened[0].find("Guia do Usu"), std::string::npos);

    opened.clear();
    frame->OnDlgKeyDown(0, Qt::Key_F2);
    frame->OnDlgKeyDown(0, Qt::Key_F1); // only the main window's F1 code counts
    EXPECT_TRUE(opened.empty());
}

// F1 that opens nothing says why, on the terminal and in the message box:
// the guide of the current language is not there (found so by F1 or by the
// opener, status 2), something under its name is no file that can be read (a
// folder, a pipe, a link round in a loop), there is no desktop opener to
// start, or the opener finds
// no program for the file (status 3). Any other status comes after a viewer
// was started, which tells its own failures: the terminal hears of it, no box.
TEST_F(MainFrameTest, F1ThatOpensNothingNamesTheGuideAndWhatFailed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile language(folder.filePath("Lang_0.xml"));
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("<Language><Text name=\"User's Guide.pdf\" value=\"Lost Guide.pdf\"/></Language>");
    language.close();
    const auto openerExiting = [](QTemporaryDir& dir, int status) {
        QFile opener(dir.filePath("xdg-open"));
        EXPECT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(QByteArray("#!/bin/sh\necho \"xdg-open: stand-in for '$1'\" >&2\nexit ")
            + QByteArray::number(status) + '\n');
        opener.close();
        opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return dir.path();
    };
    // A language folder of its own names as the guide an entry that the row
    // puts in that folder, by a path from the program's folder.
    const QString appDir = QString::fromStdWString(GetKWAppDirPath());
    const auto guideIn = [&appDir](const QTemporaryDir& dir) {
        return appDir + QLatin1Char('/') + QDir(appDir).relativeFilePath(dir.filePath("Guide.pdf"));
    };
    const auto guideAs
        = [&appDir](const QTemporaryDir& dir, const std::function<bool(const QString&)>& place) {
              EXPECT_TRUE(place(dir.filePath("Guide.pdf")));
              QFile file(dir.filePath("Lang_0.xml"));
              EXPECT_TRUE(file.open(QIODevice::WriteOnly));
              file.write("<Language><Text name=\"User's Guide.pdf\" value=\""
                  + QDir(appDir).relativeFilePath(dir.filePath("Guide.pdf")).toUtf8() + "\"/></Language>");
              return dir.path();
          };
    QTemporaryDir noFile, noViewer, viewerFailed, asFolder, asPipe, asLoop;
    const QByteArray savedPath = qgetenv("PATH");
    const QString guide = QString::fromStdWString(GetKWAppDirPath() + L"/" + translate(L"User's Guide.pdf"));
    const wchar_t* const noOpener = L"No program could be started to open the user's guide:";
    const wchar_t* const notThere = L"The user's guide is not in the program's folder:";
    const wchar_t* const unreadable = L"The user's guide cannot be read:";
    const struct {
        const char* name;
        QString languageDir; // empty: the shipped language files
        QString searchPath;
        QString path;
        const char* failure;
        const wchar_t* told; // null: no box
    } rows[] = {
        { "no guide", folder.path(), folder.path(), appDir + "/Lost Guide.pdf", "no such file", notThere },
        { "guide is a folder", guideAs(asFolder, [](const QString& p) { return QDir().mkdir(p); }),
            folder.path(), guideIn(asFolder), "not a regular file", unreadable },
        { "guide is a pipe",
            guideAs(asPipe,
                [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }),
            folder.path(), guideIn(asPipe), "not a regular file", unreadable },
        { "guide is a link loop",
            guideAs(asLoop, [](const QString& p) { return QFile::link("Guide.pdf", p); }), folder.path(),
            guideIn(asLoop), "symbolic links", unreadable },
        { "no opener", {}, folder.path(), guide, "xdg-open could not be started", noOpener },
        { "guide gone when opened", {}, openerExiting(noFile, 2), guide, "xdg-open found no such file",
            notThere },
        { "no program for the file", {}, openerExiting(noViewer, 3), guide,
            "xdg-open found no program to open it", noOpener },
        { "viewer ended with an error", {}, openerExiting(viewerFailed, 4), guide, "exit status 4", nullptr },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetLanguageFileDir(QFile::encodeName(row.languageDir).toStdString());
        // The desktop's own opener, looked for on the path.
        const auto plain = boost::make_shared<CMainFrameEventImp>();
        qputenv("PATH", QFile::encodeName(row.searchPath));
        KWWarningCatcher catcher;
        const AnsweredBoxes boxes;
        plain->OnDlgKeyDown(0, 0x70);
        qputenv("PATH", savedPath);
        // The opener tells its failure when it ends.
        for (QDeadlineTimer patience(10000);
             catcher.Warnings().filter(row.path).isEmpty() && !patience.hasExpired();) {
            QTest::qWait(10);
        }
        boxes.WaitFor(1, row.told != nullptr ? 10000 : 200);
        SetLanguageFileDir(std::string());
        // Showing the box, the offscreen platform has words of its own.
        const QStringList named = catcher.Warnings().filter(row.path);
        ASSERT_EQ(named.size(), 1) << catcher.Warnings().join("; ").toStdString();
        EXPECT_TRUE(named.front().contains(row.failure)) << named.front().toStdString();
        ASSERT_EQ(boxes.Boxes().size(), row.told != nullptr ? 1u : 0u);
        if (row.told != nullptr) {
            EXPECT_TRUE(boxes.Joined(0).contains(QString::fromWCharArray(translate(row.told)))
                && boxes.Joined(0).contains(row.path))
                << boxes.Joined(0).toStdString();
        }
    }
}

// A lens table may hold millions of points: the first window, resized or
// left for the IPC tool, whose language is switched there, reads none; the
// fisheye tool reads its own when it opens, once.
TEST_F(MainFrameTest, ReadsALensTableOnlyWhenTheFisheyeToolFirstNeedsIt)
{
    const boost::shared_ptr<CDatabaseManager> database = frame->GetDatabaseManager();
    ASSERT_TRUE(database);
    // The switch saves the settings: never those beside the test program.
    QTemporaryDir configDir;
    ASSERT_TRUE(configDir.isValid());
    LoadConfiguration(g_configManager, configDir.path().toStdWString());
    const auto switchLanguage = [this](int id) {
        for (QMenu* menu : AsWidget(frame->GetDlg())->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->data().toInt() == id && !action->isSeparator()) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no menu entry " << id;
    };
    const auto reads = [&database] {
        std::vector<int> counts;
        for (int type = 0; type < CDatabaseManager::kLensTypeCount; ++type) {
            counts.push_back(database->LensTableReads(type));
        }
        return counts;
    };
    Layout(1100, 760);
    frame->OnIPCToolClicked();
    Layout(1020, 720);
    switchLanguage(kIdMenuPortuguese);
    EXPECT_EQ(g_languageIndex, 2);
    switchLanguage(kIdMenuEnglish);
    EXPECT_EQ(reads(), (std::vector<int> { 0, 0, 0, 0 }));
    frame->OnFishToolClicked();
    Layout(1100, 760);
    EXPECT_EQ(reads(), (std::vector<int> { 1, 0, 0, 0 }));
    g_configManager.SetConfigPersist(nullptr);
}

TEST_F(MainFrameTest, CloseHidesTheWindowAndMarksTheFrameClosing)
{
    QWidget* window = AsWidget(frame->GetDlg());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(frame->Dlg_Close(), 0);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(frame->IsClosing(), 1);
}

TEST_F(MainFrameTest, ExplainButtonRunsTheExplanationCentredOnTheMainWindow)
{
    Click(frame->GetIPCToolButton());
    CKWDialog* explain = frame->GetPPMExplainDlg()->GetDlg();
    QWidget* dialog = AsWidget(explain);
    ASSERT_NE(dialog, nullptr);
    bool ranModally = false;
    QRect mainRect;
    QRect dialogRect;
    QTimer::singleShot(0, [&] {
        ranModally = QApplication::activeModalWidget() == dialog;
        mainRect = AsWidget(frame->GetDlg())->frameGeometry();
        dialogRect = dialog->frameGeometry();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTimer::singleShot(2000, dialog, [dialog] { dialog->hide(); }); // never hang the suite
    Click(frame->GetExplainButton());
    EXPECT_TRUE(ranModally);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_LE(std::abs(mainRect.center().x() - dialogRect.center().x()), 1);
    EXPECT_LE(std::abs(mainRect.center().y() - dialogRect.center().y()), 1);
}

TEST_F(MainFrameTest, ReleasingTheFrameTakesTheWindowAndEveryChild)
{
    const QPointer<QWidget> window = AsWidget(frame->GetDlg());
    const boost::weak_ptr<CPPMExplainDlgEventImp> explain = frame->GetPPMExplainDlg();
    const boost::weak_ptr<CFishSideViewEventImp> fishSide = frame->GetFishSideView();
    frame.reset();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(explain.expired());
    EXPECT_TRUE(fishSide.expired());
}

} // namespace
