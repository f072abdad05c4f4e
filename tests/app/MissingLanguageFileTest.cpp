// The English language file removed or damaged beside the program: every
// window still shows English words, never the keys the program looks them up
// by, and the file is named once. Everything the user can meet is looked at:
// the chooser page, both tools, both fisheye mounts, the menus, the about box
// and the pixel-density explanation, with their tooltips and scene texts.

#include "app/AboutDlgEventImp.h"
#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/EnglishFrame.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>
#include <QWidget>

#include <tinyxml2.h>

namespace {

QWidget* WidgetOf(CKWDialog* dialog)
{
    return dynamic_cast<QWidget*>(dialog);
}

// The keys whose English text differs from the key itself, from the file the
// program ships.
QSet<QString> KeysThatAreNotTheirText()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Lang_0.xml"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    tinyxml2::XMLDocument doc;
    QSet<QString> keys;
    if (doc.Parse(bytes.constData(), static_cast<size_t>(bytes.size())) != tinyxml2::XML_SUCCESS) {
        return keys;
    }
    for (const tinyxml2::XMLElement* entry = doc.RootElement()->FirstChildElement(); entry != nullptr;
         entry = entry->NextSiblingElement()) {
        const QString name = QString::fromUtf8(entry->Attribute("name"));
        if (name != QString::fromUtf8(entry->Attribute("value"))) {
            keys.insert(name);
        }
    }
    return keys;
}

// Every text a window and its children show: titles, labels, buttons,
// tooltips, list items, menu entries and the texts drawn in scenes.
QStringList ShownTexts(QWidget* window)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    QStringList texts;
    for (QWidget* widget : widgets) {
        texts << widget->windowTitle() << widget->toolTip();
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        } else if (const auto* menu = qobject_cast<QMenu*>(widget)) {
            for (const QAction* action : menu->actions()) {
                texts << action->text();
            }
        } else if (const auto* view = qobject_cast<QGraphicsView*>(widget); view && view->scene()) {
            for (const QGraphicsItem* item : view->scene()->items()) {
                if (const auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(item)) {
                    texts << simple->text();
                } else if (const auto* rich = dynamic_cast<const QGraphicsTextItem*>(item)) {
                    texts << rich->toPlainText();
                }
            }
        }
    }
    return texts;
}

class MissingLanguageFileTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_frame.reset();
        SetLanguageFileDir(std::string());
        g_languageIndex = m_savedLanguage;
        g_uiScale = m_savedScale;
    }

    boost::shared_ptr<CMainFrameEventImp> m_frame;
    int m_savedLanguage = g_languageIndex;
    float m_savedScale = g_uiScale;
};

} // namespace

TEST_F(MissingLanguageFileTest, NoKeyIsShownAndTheFileIsNamedOnce)
{
    // Each row reads its language file from a folder of its own, and a file
    // read from another place replaces every text the table held: texts other
    // tests of this process left there cannot hide a missing built-in English.
    const QSet<QString> keys = KeysThatAreNotTheirText();
    ASSERT_TRUE(keys.contains(QStringLiteral("ProductName")));
    const struct {
        const char* name;
        const char* content; // null: no file
    } rows[] = {
        { "removed", nullptr },
        { "cut short", "<Language>\n    <Text name=\"ProductName\" value=\"Lumi" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Lang_0.xml"));
        if (row.content != nullptr) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.content);
        }
        SetLanguageFileDir(QFile::encodeName(folder.path()).toStdString());
        KWWarningCatcher catcher;
        m_frame = StartEnglishFrame();
        QWidget* window = WidgetOf(m_frame->GetDlg());
        ASSERT_NE(window, nullptr);

        QStringList shown = ShownTexts(window);
        m_frame->OnIPCToolClicked();
        shown << ShownTexts(window);
        m_frame->OnFishToolClicked();
        shown << ShownTexts(window);
        m_frame->GetFishParameterSetting()->RADIO_OnClicked(
            1, static_cast<int>(kFishIdWallRadio), POINT { 0, 0 });
        shown << ShownTexts(window) << ShownTexts(WidgetOf(m_frame->GetAboutDlg()->GetDlg()))
              << ShownTexts(WidgetOf(m_frame->GetPPMExplainDlg()->GetDlg()));

        QStringList keysShown;
        for (const QString& text : shown) {
            if (keys.contains(text)) {
                keysShown << text;
            }
        }
        keysShown.removeDuplicates();
        EXPECT_TRUE(keysShown.isEmpty()) << keysShown.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("Lumivane Calculator")));
        const QStringList named = catcher.Warnings().filter(QStringLiteral("Lang_0.xml"));
        ASSERT_EQ(named.size(), 1) << catcher.Warnings().join(QStringLiteral("; ")).toStdString();
        EXPECT_TRUE(named.front().contains(path)) << named.front().toStdString();
        m_frame.reset();
    }
}
