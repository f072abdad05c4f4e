#include "app/ToolBarEventImp.h"

#include "app/AboutDlgEventImp.h"
#include "app/ConfigManager.h"
#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/QtTranslation.h"
#include "app/StartupConfig.h"
#include "app/calc/3DViewEventImp.h"
#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/AnsweredBoxes.h"
#include "tests/app/IPCExpect.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQTButton.h"
#include "ui/qt/KWQTRadioBox.h"
#include "ui/qt/KWQTView.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/scenes/KWQT3DView.h"
#include "ui/scenes/KWQTSideSceneFish.h"
#include "ui/scenes/KWQTTopView.h"
#include "ui/scenes/KWQTVerticalSceneC.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <tinyxml2.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

QWidget* WidgetOf(CKWView* view)
{
    return dynamic_cast<QWidget*>(view);
}

QWidget* WidgetOf(CKWDialog* dialog)
{
    return dynamic_cast<QWidget*>(dialog);
}

QString Text(const wchar_t* text)
{
    return QString::fromStdWString(text);
}

// Every label and button text under a window, in tree order: what the user
// reads there; with shownOnly, of the controls not hidden alone.
QStringList TextsUnder(QWidget* window, bool shownOnly = false)
{
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(window)) {
        texts << label->text();
    }
    const auto shown = [&](const QWidget* widget) { return !shownOnly || widget->isVisibleTo(window); };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (shown(label)) {
            texts << label->text();
        }
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (shown(button)) {
            texts << button->text() << button->toolTip();
        }
    }
    return texts;
}

QAction* ActionOf(QMenu* menu, int id)
{
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == id && !action->isSeparator()) {
            return action;
        }
    }
    return nullptr;
}

std::vector<int> CheckedEntries(QMenu* menu)
{
    std::vector<int> checked;
    for (int id : { kIdMenuChinese, kIdMenuEnglish, kIdMenuPortuguese, kIdMenuSpanish }) {
        if (QAction* action = ActionOf(menu, id); action != nullptr && action->isChecked()) {
            checked.push_back(id);
        }
    }
    return checked;
}

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void ClickEntry(QMenu* menu, QAction* action)
{
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ShippedLanguageFile(int language)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Lang_%1.xml").arg(language);
}

// Key -> text of a language file.
std::map<QString, QString> LanguageTexts(const QString& path)
{
    tinyxml2::XMLDocument doc;
    const QByteArray bytes = ReadFile(path);
    std::map<QString, QString> texts;
    if (doc.Parse(bytes.constData(), static_cast<size_t>(bytes.size())) != tinyxml2::XML_SUCCESS) {
        return texts;
    }
    for (const tinyxml2::XMLElement* entry = doc.RootElement()->FirstChildElement(); entry != nullptr;
         entry = entry->NextSiblingElement()) {
        texts[QString::fromUtf8(entry->Attribute("name"))] = QString::fromUtf8(entry->Attribute("value"));
    }
    return texts;
}

// Runs the program's whole main frame with the shipped skin and language
// files; the configuration lives in a folder of its own so that the one
// beside the test programs is never rewritten.
class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedSkin = GetSkinPath().toStdWString();
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
        ASSERT_TRUE(m_configDir.isValid());
        LoadConfiguration(g_configManager, m_configDir.path().toStdWString());
    }

    void TearDown() override
    {
        if (m_mainFrame && m_mainFrame->GetDlg() != nullptr) {
            m_mainFrame->GetDlg()->ShowWindow(0);
        }
        m_mainFrame.reset();
        g_configManager.SetConfigPersist(nullptr);
        SetLanguageFileDir(std::string());
        ApplyQtTranslation(0, std::wstring());
        SetSkinPath(m_savedSkin);
        g_languageIndex = m_savedLanguage;
        g_uiScale = m_savedScale;
    }

    void Start(int language)
    {
        g_languageIndex = language;
        m_mainFrame = CMainFrameEventImp::CreateInstance();
        ASSERT_TRUE(m_mainFrame);
        ASSERT_NE(ToolBarView(), nullptr);
    }

    QString ConfigPath() const { return m_configDir.path() + "/Config/config.xml"; }

    // The tool bar the main frame made, found as the user sees it.
    QWidget* ToolBarView() const
    {
        for (CKWQTView* view : WidgetOf(m_mainFrame->GetDlg())->findChildren<CKWQTView*>()) {
            if (view->windowTitle() == "ToolBar") {
                return view;
            }
        }
        return nullptr;
    }
    QMenu* MenuWith(int id) const
    {
        for (QMenu* menu : ToolBarView()->findChildren<QMenu*>()) {
            if (ActionOf(menu, id) != nullptr) {
                return menu;
            }
        }
        return nullptr;
    }
    QMenu* SettingMenu() const { return MenuWith(kIdMenuAbout); }
    QMenu* LanguageMenu() const { return MenuWith(kIdMenuEnglish); }
    // A button of the bar by the tooltip it shows now.
    CKWQTButton* Button(const wchar_t* key) const
    {
        const QString tip = Text(translate(key));
        for (CKWQTButton* button : ToolBarView()->findChildren<CKWQTButton*>()) {
            if (button->toolTip() == tip) {
                return button;
            }
        }
        return nullptr;
    }

    // The settings menu, opened by the Setting button.
    QMenu* OpenSettings() const
    {
        Click(Button(L"Setting"));
        QMenu* settings = SettingMenu();
        EXPECT_TRUE(settings->isVisible());
        return settings;
    }
    // Setting, then the entry of the language sub-menu, by mouse.
    void ChooseLanguageByMouse(int id)
    {
        QMenu* settings = OpenSettings();
        ClickEntry(settings, ActionOf(settings, kIdMenuLanguage));
        QMenu* languages = LanguageMenu();
        QTRY_VERIFY_WITH_TIMEOUT(languages->isVisible(), 2000);
        ClickEntry(languages, ActionOf(languages, id));
    }

    boost::shared_ptr<CMainFrameEventImp> m_mainFrame;
    QTemporaryDir m_configDir;
    std::wstring m_savedSkin;
    int m_savedLanguage = g_languageIndex;
    float m_savedScale = g_uiScale;
};

} // namespace

// Chinese comes only from the configuration: its entry is hidden yet carries
// the mark. A number without a language marks Spanish.
TEST_F(ToolBarTest, FirstScreenShowsNameSettingMinCloseAndMarksTheStartLanguage)
{
    const std::pair<int, int> rows[] = { { 0, kIdMenuEnglish }, { 1, kIdMenuChinese },
        { 2, kIdMenuPortuguese }, { 3, kIdMenuSpanish }, { 7, kIdMenuSpanish } };
    for (const auto& [language, checked] : rows) {
        Start(language);
        EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { checked }) << language;
        EXPECT_FALSE(ActionOf(LanguageMenu(), kIdMenuChinese)->isVisible());
        QWidget* bar = ToolBarView();
        bar->window()->show();
        QStringList shown;
        for (const QLabel* label : bar->findChildren<QLabel*>()) {
            shown << label->text();
        }
        for (const CKWQTButton* button : bar->findChildren<CKWQTButton*>()) {
            if (button->isVisible()) {
                shown << button->toolTip();
            }
        }
        shown.sort();
        QStringList expected { QString(), Text(translate(L"ProductName")), Text(translate(L"Close")),
            Text(translate(L"Min")), Text(translate(L"Setting")) };
        expected.sort();
        EXPECT_EQ(shown, expected) << language;
        m_mainFrame.reset();
    }
}

TEST_F(ToolBarTest, LanguageChosenByMouseIsStoredSavedAndReadByEveryWindow)
{
    Start(0);
    const auto& mf = m_mainFrame;
    const std::vector<std::pair<const char*, QWidget*>> windows
        = { { "tool bar", ToolBarView() }, { "main frame", dynamic_cast<QWidget*>(mf->GetIPCTitle()) },
              { "about", WidgetOf(mf->GetAboutDlg()->GetDlg()) },
              { "IPC panel", WidgetOf(mf->GetParameterSetting()->GetView()) },
              { "fisheye panel", WidgetOf(mf->GetFishParameterSetting()->GetView()) },
              { "PPM explanation", WidgetOf(mf->GetPPMExplainDlg()->GetDlg()) },
              { "fisheye side view", WidgetOf(mf->GetFishSideView()->GetView()) },
              { "fisheye top view", WidgetOf(mf->GetFishTopView()->GetView()) },
              { "fisheye 3D view", WidgetOf(mf->GetFish3DView()->GetView()) },
              { "IPC side view", WidgetOf(mf->GetSideView()->GetView()) },
              { "IPC top view", WidgetOf(mf->GetTopView()->GetView()) },
              { "IPC 3D view", WidgetOf(mf->Get3DView()->GetView()) } };
    std::map<std::string, QStringList> before;
    for (const auto& [name, widget] : windows) {
        before[name] = TextsUnder(widget);
    }

    ChooseLanguageByMouse(kIdMenuPortuguese);

    EXPECT_EQ(g_languageIndex, 2);
    EXPECT_TRUE(ReadFile(ConfigPath()).contains("<Language value=\"2\""))
        << ReadFile(ConfigPath()).constData();
    EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { kIdMenuPortuguese });
    for (const auto& [name, widget] : windows) {
        if (before[name].isEmpty()) {
            // A window that shows no text yet has nothing to re-read.
            std::printf("[  note   ] %s shows no text\n", name);
            continue;
        }
        EXPECT_NE(TextsUnder(widget), before[name]) << name << " kept its English texts";
    }
    EXPECT_EQ(ActionOf(SettingMenu(), kIdMenuAbout)->text(), Text(translate(L"About")));
    EXPECT_EQ(ActionOf(SettingMenu(), kIdMenuLanguage)->text(), Text(translate(L"Language")));

    // Choosing the checked entry again runs the switch again and keeps it.
    QFile::remove(ConfigPath());
    ChooseLanguageByMouse(kIdMenuPortuguese);
    EXPECT_TRUE(ReadFile(ConfigPath()).contains("<Language value=\"2\""));
    EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { kIdMenuPortuguese });
}

TEST_F(ToolBarTest, LanguageChosenByKeyboardSwitchesToo)
{
    Start(0);
    QMenu* settings = OpenSettings();
    settings->setActiveAction(ActionOf(settings, kIdMenuLanguage));
    QTest::keyClick(settings, Qt::Key_Right);
    QMenu* languages = LanguageMenu();
    QTRY_VERIFY_WITH_TIMEOUT(languages->isVisible(), 2000);
    // English, Portuguese, Spanish: the hidden Chinese entry is skipped.
    while (languages->activeAction() != ActionOf(languages, kIdMenuSpanish)) {
        const QAction* was = languages->activeAction();
        QTest::keyClick(languages, Qt::Key_Down);
        ASSERT_NE(languages->activeAction(), was);
    }
    QTest::keyClick(languages, Qt::Key_Return);

    EXPECT_EQ(g_languageIndex, 3);
    EXPECT_TRUE(ReadFile(ConfigPath()).contains("<Language value=\"3\""));
    EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { kIdMenuSpanish });
    EXPECT_EQ(
        dynamic_cast<QLabel*>(m_mainFrame->GetIPCTitle())->text(), Text(translate(L"IPC Calculator Tool")));
}

// A language whose file is missing or broken would show English under its
// own name and be remembered so: the current language stays, with its mark,
// nothing is saved, and the file is named once. A readable one still switches.
TEST_F(ToolBarTest, LanguageWhoseFileCannotBeReadIsNotTakenNorSaved)
{
    const struct {
        const char* name;
        const char* content; // null: no file
    } rows[] = {
        { "missing", nullptr },
        { "broken", "<Language><Text name=\"ProductName\" value=\"Calculadora\">" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir languages;
        ASSERT_TRUE(languages.isValid());
        for (const char* name : { "Lang_0.xml", "Lang_3.xml" }) {
            ASSERT_TRUE(
                QFile::copy(QCoreApplication::applicationDirPath() + '/' + name, languages.filePath(name)));
        }
        const QString portuguese = languages.filePath("Lang_2.xml");
        if (row.content != nullptr) {
            QFile file(portuguese);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.content);
        }
        SetLanguageFileDir(QFile::encodeName(languages.path()).toStdString());
        QFile::remove(ConfigPath());
        Start(0);
        const QStringList before = TextsUnder(ToolBarView());
        KWWarningCatcher catcher;
        AnsweredBoxes boxes;

        ChooseLanguageByMouse(kIdMenuPortuguese);
        EXPECT_EQ(g_languageIndex, 0);
        EXPECT_FALSE(QFile::exists(ConfigPath()));
        EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { kIdMenuEnglish });
        EXPECT_EQ(TextsUnder(ToolBarView()), before);
        // The user who chose it is told on screen, in the language that stays.
        ASSERT_TRUE(boxes.WaitFor(1));
        EXPECT_TRUE(boxes.Joined(0).contains(Text(
                        translate(L"This language file cannot be read, so the language stays as it is:")))
            && boxes.Joined(0).contains(portuguese))
            << boxes.Joined(0).toStdString();
        ChooseLanguageByMouse(kIdMenuPortuguese);
        const QStringList named = catcher.Warnings().filter(portuguese);
        EXPECT_EQ(named.size(), 1) << catcher.Warnings().join("; ").toStdString();
        EXPECT_TRUE(boxes.WaitFor(2)) << "each choice is answered";
        EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { kIdMenuEnglish });

        ChooseLanguageByMouse(kIdMenuSpanish);
        EXPECT_EQ(g_languageIndex, 3);
        EXPECT_TRUE(ReadFile(ConfigPath()).contains("<Language value=\"3\""));
        EXPECT_EQ(CheckedEntries(LanguageMenu()), std::vector<int> { kIdMenuSpanish });
        EXPECT_FALSE(boxes.WaitFor(3, 300)) << "a switch that works says nothing";
        m_mainFrame.reset();
    }
}

// A choice that cannot be saved still holds for this session, and the user
// learns, in the language just chosen, that it will not be kept.
TEST_F(ToolBarTest, LanguageThatCannotBeSavedIsToldInTheNewLanguage)
{
    for (const bool writable : { true, false }) {
        SCOPED_TRACE(writable ? "settings file writable" : "a folder in the settings file's place");
        QFile::remove(ConfigPath());
        if (!writable) {
            ASSERT_TRUE(QDir().mkpath(ConfigPath()));
        }
        Start(0);
        KWWarningCatcher catcher;
        AnsweredBoxes boxes;
        ChooseLanguageByMouse(kIdMenuSpanish);
        EXPECT_EQ(g_languageIndex, 3);
        EXPECT_TRUE(TextsUnder(ToolBarView()).contains(Text(translate(L"ProductName"))));
        EXPECT_EQ(catcher.Warnings().filter(ConfigPath()).size(), writable ? 0 : 1);
        ASSERT_EQ(boxes.WaitFor(1, writable ? 300 : 10000), !writable);
        if (!writable) {
            const QString sentence = Text(translate(L"The settings file cannot be written, so this language "
                                                    L"will not be kept at the next start:"));
            EXPECT_TRUE(sentence.contains(QStringLiteral("idioma")));
            EXPECT_TRUE(boxes.Joined(0).contains(sentence) && boxes.Joined(0).contains(ConfigPath()))
                << boxes.Joined(0).toStdString();
        }
        QDir(ConfigPath()).removeRecursively();
        m_mainFrame.reset();
    }
}

// A language file with half its texts gone: after a switch from another
// language, the texts it lacks are English, never those of the language
// shown before.
TEST_F(ToolBarTest, EnglishFillsTheGapsOfAHalfEmptyLanguageFile)
{
    const struct {
        const char* name;
        int target;
        int menuId;
    } rows[] = {
        { "Portuguese to a half-empty English", 0, kIdMenuEnglish },
        { "Portuguese to a half-empty Spanish", 3, kIdMenuSpanish },
    };
    const std::map<QString, QString> english = LanguageTexts(ShippedLanguageFile(0));
    const std::map<QString, QString> portuguese = LanguageTexts(ShippedLanguageFile(2));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir languages;
        ASSERT_TRUE(languages.isValid());
        for (const int language : { 0, 2, 3 }) {
            ASSERT_TRUE(QFile::copy(ShippedLanguageFile(language),
                languages.filePath(QFileInfo(ShippedLanguageFile(language)).fileName())));
        }
        // Every other text of the target file removed.
        const QString target = languages.filePath(QFileInfo(ShippedLanguageFile(row.target)).fileName());
        QStringList lines = QString::fromUtf8(ReadFile(target)).split('\n');
        int texts = 0;
        lines.removeIf([&texts](const QString& line) { return line.contains("<Text ") && texts++ % 2 == 0; });
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n').toUtf8());
        file.close();
        const std::map<QString, QString> kept = LanguageTexts(target);
        ASSERT_LT(kept.size(), english.size() * 2 / 3);
        SetLanguageFileDir(QFile::encodeName(languages.path()).toStdString());

        Start(2);
        m_mainFrame->OnFishToolClicked();
        ChooseLanguageByMouse(row.menuId);
        ASSERT_EQ(g_languageIndex, row.target);
        const QStringList shown = TextsUnder(WidgetOf(m_mainFrame->GetDlg()), true);
        QStringList leftOver;
        int filled = 0;
        for (const auto& [key, text] : portuguese) {
            const auto inFile = kept.find(key);
            const auto inEnglish = english.find(key);
            if (inFile == kept.end() && inEnglish == english.end()) {
                continue;
            }
            const QString wanted = inFile != kept.end() ? inFile->second : inEnglish->second;
            if (text != wanted && shown.contains(text) && !shown.contains(wanted)) {
                leftOver << text;
            }
            if (inFile == kept.end() && text != wanted && shown.contains(wanted)) {
                ++filled;
            }
        }
        EXPECT_TRUE(leftOver.isEmpty()) << leftOver.join(" | ").toStdString();
        EXPECT_GT(filled, 5) << "too few gaps on screen to prove anything";
        m_mainFrame.reset();
    }
}

// Only a Chinese translation of Qt's own texts ships; it must not stay
// installed for a language that is not Chinese.
TEST_F(ToolBarTest, QtTranslationFollowsOnlyChinese)
{
    Start(0);
    const QString english = QCoreApplication::translate("QPlatformTheme", "Cancel");
    // The entry is hidden in the program; shown here to drive the switch.
    ActionOf(LanguageMenu(), kIdMenuChinese)->setVisible(true);
    ChooseLanguageByMouse(kIdMenuChinese);
    EXPECT_EQ(g_languageIndex, 1);
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), english);
    ChooseLanguageByMouse(kIdMenuPortuguese);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), english);
}

TEST_F(ToolBarTest, SwitchButtonFlipsTheToolAndItsTooltipNamesTheOtherOne)
{
    Start(0);
    m_mainFrame->OnIPCToolClicked();
    WidgetOf(m_mainFrame->GetDlg())->show();
    CKWQTButton* change = Button(L"switch to fisheye calculator tool");
    ASSERT_NE(change, nullptr);
    EXPECT_TRUE(change->isVisible());

    // A density neither tool computes, so that the switch must replace it
    // with the newly shown tool's own.
    const auto density = [this] { return TextOf(m_mainFrame->GetDensityValue()); };
    m_mainFrame->SetPPMValue(424242, true, 1);
    Click(change);
    const std::wstring fishDensity = density();
    EXPECT_EQ(fishDensity.find(L"424242"), std::wstring::npos);
    m_mainFrame->GetFishParameterSetting()->CalcTargetPPM();
    EXPECT_EQ(density(), fishDensity);
    EXPECT_EQ(m_mainFrame->GetToolMode(), kToolModeFish);
    EXPECT_EQ(change->toolTip(), Text(translate(L"switch to ipc calculator tool")));
    EXPECT_TRUE(WidgetOf(m_mainFrame->GetFishParameterSetting()->GetView())->isVisible());
    EXPECT_FALSE(WidgetOf(m_mainFrame->GetParameterSetting()->GetView())->isVisible());
    EXPECT_FALSE(dynamic_cast<QWidget*>(m_mainFrame->GetPixelCountValue())->isVisible());

    Click(change);
    EXPECT_EQ(m_mainFrame->GetToolMode(), kToolModeIPC);
    EXPECT_EQ(change->toolTip(), Text(translate(L"switch to fisheye calculator tool")));
    EXPECT_TRUE(WidgetOf(m_mainFrame->GetParameterSetting()->GetView())->isVisible());
    EXPECT_FALSE(WidgetOf(m_mainFrame->GetFishParameterSetting()->GetView())->isVisible());
    EXPECT_TRUE(dynamic_cast<QWidget*>(m_mainFrame->GetPixelCountValue())->isVisible());

    // The tooltip follows the language with the tool it names.
    ChooseLanguageByMouse(kIdMenuPortuguese);
    EXPECT_EQ(change->toolTip(), Text(translate(L"switch to fisheye calculator tool")));
}

// While the fisheye tool is shown the IPC panel computes but sends nothing;
// the switch back must show the IPC density of the panel's values as they
// are now, not the fisheye tool's number nor the one shown before.
TEST_F(ToolBarTest, SwitchBackToTheIPCToolShowsTheDensityOfThePanelsCurrentValues)
{
    Start(0);
    m_mainFrame->OnIPCToolClicked();
    WidgetOf(m_mainFrame->GetDlg())->show();
    const auto panel = m_mainFrame->GetParameterSetting();
    const auto density = [this] { return TextOf(m_mainFrame->GetDensityValue()); };
    const auto pixelCount = [this] { return TextOf(m_mainFrame->GetPixelCountValue()); };
    dynamic_cast<QDoubleSpinBox*>(panel->GetDistanceSpin())->setValue(6.0);
    const std::wstring ipcBefore = density();
    ASSERT_EQ(ipcBefore, IPCDensityText(IPCExpectedDensity(*panel).value));

    CKWQTButton* change = Button(L"switch to fisheye calculator tool");
    ASSERT_NE(change, nullptr);
    Click(change);
    ASSERT_EQ(m_mainFrame->GetToolMode(), kToolModeFish);
    const std::wstring fishDensity = density();
    // The user's drag in a view the IPC tool no longer shows cannot happen;
    // a change of the panel's distance stands for any change of its state.
    panel->SetTarHDistance(14.0);
    EXPECT_EQ(density(), fishDensity);

    Click(change);
    ASSERT_EQ(m_mainFrame->GetToolMode(), kToolModeIPC);
    const IPCDensityResult expected = IPCExpectedDensity(*panel);
    ASSERT_GT(expected.value, 0);
    EXPECT_EQ(density(), IPCDensityText(expected.value));
    EXPECT_EQ(pixelCount(), std::to_wstring(expected.pixelCount));
    EXPECT_NE(density(), ipcBefore);
    EXPECT_NE(density(), fishDensity);
}

// The unit switch is never shown; shown here, a click on it takes every
// panel and view to feet and the next one back. Each length is converted
// once: the views before the panel that pushes its values into them, or the
// side and top views would convert the panel's feet again.
TEST_F(ToolBarTest, UnitSwitchTakesEveryViewAndBothPanelsToFeetAndBack)
{
    Start(0);
    m_mainFrame->OnIPCToolClicked();
    CKWQTRadioBox* unit = ToolBarView()->findChild<CKWQTRadioBox*>();
    ASSERT_NE(unit, nullptr);
    unit->show();

    const auto ipcPanel = m_mainFrame->GetParameterSetting();
    const auto fishPanel = m_mainFrame->GetFishParameterSetting();
    auto* top = dynamic_cast<CKWQTTopView*>(m_mainFrame->GetTopView()->GetScene());
    auto* side = dynamic_cast<CKWQTVerticalSceneC*>(m_mainFrame->GetSideView()->GetScene());
    auto* ipc3D = dynamic_cast<CKWQT3DView*>(m_mainFrame->Get3DView()->GetScene());
    auto* fishSide = dynamic_cast<CKWQTSideSceneFish*>(m_mainFrame->GetFishSideView()->GetScene());
    auto* fish3D = dynamic_cast<CKWQT3DView*>(m_mainFrame->GetFish3DView()->GetScene());
    const auto explain = m_mainFrame->GetPPMExplainDlg();
    ASSERT_TRUE(top && side && ipc3D && fishSide && fish3D && explain);
    const auto label = [](const QGraphicsTextItem* item) { return item->toPlainText(); };

    // What each receiver holds, as a length in its unit and whether it is in feet.
    struct Row {
        const char* name;
        std::function<double()> length;
        std::function<bool()> feet;
    };
    const Row rows[] = {
        { "top view",
            [&] {
                const QString width = label(top->GetWidthLabel());
                return width.chopped(width.endsWith("ft") ? 2 : 1).toDouble();
            },
            [&] { return label(top->GetWidthLabel()).endsWith("ft"); } },
        { "3D view", [&] { return ipc3D->GetObjectPos(); }, nullptr },
        { "side view height", [&] { return side->GetModel().installHeight; },
            [&] { return !side->GetModel().metric; } },
        { "side view distance", [&] { return side->GetModel().targetDistance; }, nullptr },
        { "IPC panel", [&] { return ipcPanel->GetInstallHeight(); },
            [&] {
                return !ipcPanel->IsMetric()
                    && TextOf(ipcPanel->GetInstallHeightUnit()) == translate(L"ft");
            } },
        { "fisheye 3D view", [&] { return fish3D->GetObjectPos(); }, nullptr },
        { "fisheye side view", [&] { return fishSide->GetValues().installHeight; },
            [&] { return !fishSide->IsMetric() && label(fishSide->GetHeightLabel()).endsWith("ft"); } },
        { "fisheye panel", [&] { return fishPanel->GetObjectDistance(); },
            [&] {
                return !fishPanel->IsMetric()
                    && TextOf(fishPanel->GetInstallHeightUnit()) == translate(L"ft");
            } },
        { "explanation", nullptr, [&] { return !explain->IsMetric(); } },
    };
    std::vector<double> metres;
    for (const Row& row : rows) {
        metres.push_back(row.length ? row.length() : 0.0);
        EXPECT_TRUE(!row.length || metres.back() > 0.0) << row.name;
    }
    // The width label shows two decimals.
    const auto near = [](const Row& row, double value) {
        return std::string(row.name) == "top view" ? 0.05 : 1e-6 * value;
    };

    for (const bool feet : { true, false, true, false }) {
        Click(unit);
        ASSERT_EQ(unit->GetCheck() != 0, feet);
        for (size_t i = 0; i < std::size(rows); ++i) {
            const Row& row = rows[i];
            if (row.length) {
                const double expected = feet ? metres[i] * 3.2808399 : metres[i];
                EXPECT_NEAR(row.length(), expected, near(row, expected))
                    << row.name << (feet ? " in feet" : " in metres");
            }
            if (row.feet) {
                EXPECT_EQ(row.feet(), feet) << row.name;
            }
        }
    }
}

// After a language switch the IPC panel's labels and every view's title are
// those of the new language, and none of the English ones is left.
TEST_F(ToolBarTest, IPCPanelAndViewTitlesFollowTheLanguage)
{
    Start(0);
    const auto& mf = m_mainFrame;
    const wchar_t* const panelKeys[] = { L"CameraMode:", L"Target:", L"InstallH:", L"InstallA:", L"HDistance:",
        L"FDistance:", L"(The angle of the vertical direction)", L"ModelSelect", L"Camera Information" };
    QWidget* panelView = WidgetOf(mf->GetParameterSetting()->GetView());
    const std::vector<std::pair<CViewControllerBase*, const wchar_t*>> views = { { mf->Get3DView().get(), L"3D View" },
        { mf->GetSideView().get(), L"Side View" }, { mf->GetTopView().get(), L"Top View" },
        { mf->GetFish3DView().get(), L"3D View" }, { mf->GetFishSideView().get(), L"Side View" },
        { mf->GetFishTopView().get(), L"Top View" } };
    const auto title = [](CViewControllerBase* view) { return QString::fromStdWString(TextOf(view->GetTitle())); };

    for (const int language : { kIdMenuPortuguese, kIdMenuSpanish, kIdMenuEnglish }) {
        std::map<std::wstring, QString> previous;
        for (const wchar_t* key : panelKeys) {
            previous[key] = Text(translate(key));
        }
        ChooseLanguageByMouse(language);
        const QStringList shown = TextsUnder(panelView);
        int changed = 0;
        for (const wchar_t* key : panelKeys) {
            const QString now = Text(translate(key));
            EXPECT_TRUE(shown.contains(now)) << language << ": " << now.toStdString();
            if (previous[key] != now) {
                ++changed;
                EXPECT_FALSE(shown.contains(previous[key])) << language << ": " << previous[key].toStdString();
            }
        }
        // Otherwise the language files would not tell the languages apart here.
        EXPECT_GT(changed, 0) << language;
        for (const auto& [view, key] : views) {
            EXPECT_EQ(title(view), Text(translate(key))) << language;
        }
    }
}

TEST_F(ToolBarTest, MinMinimisesAndADoubleClickOnTheBarChangesNothing)
{
    Start(0);
    QWidget* window = WidgetOf(m_mainFrame->GetDlg());
    window->show();
    const QRect before = window->geometry();
    QTest::mouseDClick(ToolBarView(), Qt::LeftButton, {}, QPoint(500, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->geometry(), before);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_FALSE(window->isMinimized());

    Click(Button(L"Min"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(ToolBarTest, CloseEndsTheEventLoop)
{
    Start(0);
    m_mainFrame->GetDlg()->ShowWindow(1);
    CKWQTButton* close = Button(L"Close");
    ASSERT_NE(close, nullptr);
    bool timedOut = false;
    QTimer::singleShot(0, close, [close] { Click(close); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(WidgetOf(m_mainFrame->GetDlg())->isVisible());
}

TEST_F(ToolBarTest, AboutShowsTheVersionAndNoticeOfTheCurrentLanguage)
{
    Start(0);
    ChooseLanguageByMouse(kIdMenuSpanish);
    QMenu* settings = OpenSettings();
    const auto about = m_mainFrame->GetAboutDlg();
    QString version;
    QString notice;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = WidgetOf(about->GetDlg());
        shown = dialog->isVisible();
        version = dynamic_cast<QLabel*>(about->GetVersionLabel())->text();
        notice = dynamic_cast<QLabel*>(about->GetNoticeLabel())->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ClickEntry(settings, ActionOf(settings, kIdMenuAbout));
    EXPECT_TRUE(shown);
    EXPECT_EQ(version, Text(translate(L"ProductVer")));
    EXPECT_EQ(notice, Text(translate(L"CopyrightString")));
    EXPECT_TRUE(version.contains(QStringLiteral("Versi\u00F3n")));
    EXPECT_FALSE(WidgetOf(about->GetDlg())->isVisible());
}
