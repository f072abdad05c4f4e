// The main window in each of the four languages: the first screen, both
// tools and the about box are grabbed to "<test directory>/screenshots/" for
// a person to look at, and every text shown is measured against its control
// so that a translation too long for its place fails here rather than being
// cut off on screen.

#include "app/AboutDlgEventImp.h"
#include "app/MainFrameEventImp.h"
#include "app/ToolBarEventImp.h"
#include "base/Globals.h"
#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <string>

namespace {

struct Language {
    int index;
    const char* name;
};

QWidget* WidgetOf(CKWDialog* dialog)
{
    return dynamic_cast<QWidget*>(dialog);
}

// What a widget paints over its own background, in its parent's
// coordinates. The background is the colour of the top-left corner: clear
// for most labels, the band's colour for a heading that fills itself.
QRect InkInParent(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRect ink = KWInkBox(image, image.pixelColor(0, 0));
    return ink.isNull() ? ink : ink.translated(widget->pos());
}

// Texts cut off by their own control (the ink runs to its right or bottom
// edge) or painted over a neighbour that is not their background.
QStringList Overflows(QWidget* window)
{
    QStringList found;
    QList<QWidget*> texts;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty()) {
            texts << label;
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window) && !button->text().isEmpty()) {
            texts << button;
        }
    }
    for (QWidget* widget : texts) {
        const QString text = widget->property("text").toString();
        const QRect ink = InkInParent(widget);
        if (ink.isNull()) {
            continue;
        }
        const QRect own = widget->geometry();
        if (ink.right() >= own.right() || ink.bottom() >= own.bottom()) {
            found << QStringLiteral("\"%1\" is cut off").arg(text);
        }
        // Siblings are stacked in the order of the parent's children; what
        // lies under the text's background cannot show through it.
        const QObjectList& siblings = widget->parentWidget()->children();
        const qsizetype self = siblings.indexOf(widget);
        qsizetype from = 0;
        for (qsizetype i = 0; i < self; ++i) {
            auto* below = qobject_cast<QWidget*>(siblings.at(i));
            if (below != nullptr && below->isVisibleTo(window) && !below->isWindow()
                && below->geometry().contains(own)) {
                from = i + 1;
            }
        }
        for (qsizetype i = from; i < siblings.size(); ++i) {
            auto* sibling = qobject_cast<QWidget*>(siblings.at(i));
            if (sibling == nullptr || sibling == widget || !sibling->isVisibleTo(window)
                || sibling->isWindow() || sibling->geometry().contains(own)) {
                continue;
            }
            if (ink.intersects(InkInParent(sibling))) {
                found << QStringLiteral("\"%1\" runs into a neighbour at %2,%3")
                             .arg(text)
                             .arg(sibling->x())
                             .arg(sibling->y());
            }
        }
    }
    return found;
}

class LanguageScreenshotTest : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        m_savedSkin = GetSkinPath().toStdWString();
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
        LoadKWStyleSheet((GetKWAppDirPath() + L"/Lumivane_Style.css").c_str());
        m_dir = QString::fromStdWString(GetKWAppDirPath()) + QStringLiteral("/screenshots");
        QDir().mkpath(m_dir);
    }
    void TearDown() override
    {
        m_frame.reset();
        qApp->setStyleSheet(QString());
        SetSkinPath(m_savedSkin);
        g_languageIndex = m_savedLanguage;
    }

    void Save(QWidget* widget, const char* state)
    {
        QCoreApplication::processEvents();
        const QString path = m_dir
            + QStringLiteral("/main_%1_%2.png").arg(QLatin1String(GetParam().name), QLatin1String(state));
        EXPECT_TRUE(widget->grab().toImage().save(path)) << path.toStdString();
        const QStringList overflows = Overflows(widget);
        EXPECT_TRUE(overflows.isEmpty())
            << state << ": " << overflows.join(QStringLiteral("; ")).toStdString();
    }

    boost::shared_ptr<CMainFrameEventImp> m_frame;
    QString m_dir;
    std::wstring m_savedSkin;
    int m_savedLanguage = g_languageIndex;
};

TEST_P(LanguageScreenshotTest, EveryTextFitsItsControl)
{
    g_languageIndex = GetParam().index;
    m_frame = CMainFrameEventImp::CreateInstance();
    QWidget* window = WidgetOf(m_frame->GetDlg());
    ASSERT_NE(window, nullptr);
    window->show();
    Save(window, "chooser");

    m_frame->OnIPCToolClicked();
    Save(window, "ipc");
    m_frame->OnFishToolClicked();
    Save(window, "fisheye");

    // The tool bar's menus, opened as the Setting button opens them.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        menu->popup(QPoint(0, 0));
        const bool isLanguageMenu
            = menu->actions().size() > 3 && menu->actions().at(0)->data().toInt() == kIdMenuChinese;
        Save(menu, isLanguageMenu ? "language_menu" : "setting_menu");
        menu->hide();
    }

    QWidget* about = WidgetOf(m_frame->GetAboutDlg()->GetDlg());
    about->show();
    Save(about, "about");
    about->hide();
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageScreenshotTest,
    ::testing::Values(Language { 0, "en" }, Language { 1, "zh" }, Language { 2, "pt" }, Language { 3, "es" }),
    [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

} // namespace
