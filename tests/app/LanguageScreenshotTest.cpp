// Every window and dialog in each of the four languages at both UI scales:
// the chooser page, both tools, the menus, the about box, the pixel-density
// explanation, the message box, the model selection dialog, the model list
// and the tooltips are grabbed to "<build>/contact-sheet/" for a person to
// look at. Every text shown is measured with its control's font against the
// place the control draws it in, and its ink against its neighbours, so that
// a translation too long for its place fails here rather than being cut off
// on screen.

#include "app/AboutDlgEventImp.h"
#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/ShowMessageDialog.h"
#include "app/ToolBarEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/common/KWTestKit.h"
#include "tests/common/KWTextFit.h"
#include "tests/common/ScreenLook.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTComboBox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Sheet {
    int language;
    const char* name;
    int scale;
};

void PrintTo(const Sheet& sheet, std::ostream* os)
{
    *os << sheet.name << " at scale " << sheet.scale;
}

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

// Texts painted over a neighbour that is not their background.
QStringList RunsIntoNeighbours(QWidget* window)
{
    QStringList found;
    QHash<QWidget*, QRect> inks;
    const auto inkOf = [&inks](QWidget* widget) {
        const auto known = inks.constFind(widget);
        return known != inks.constEnd() ? *known : *inks.insert(widget, InkInParent(widget));
    };
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
        const QRect ink = inkOf(widget);
        if (ink.isNull()) {
            continue;
        }
        const QRect own = widget->geometry();
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
                || sibling->isWindow() || sibling->geometry().contains(own)
                || !sibling->geometry().intersects(ink)) {
                continue;
            }
            if (ink.intersects(inkOf(sibling))) {
                found << QStringLiteral("\"%1\" runs into a neighbour, %2 at %3,%4 %5x%6")
                             .arg(text, QLatin1String(sibling->metaObject()->className()))
                             .arg(sibling->x())
                             .arg(sibling->y())
                             .arg(sibling->width())
                             .arg(sibling->height());
            }
        }
    }
    return found;
}

// The visible dialog that runs modally over the others, if any.
CKWDialog* ModalDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowModality() == Qt::ApplicationModal) {
            if (auto* dialog = dynamic_cast<CKWDialog*>(widget)) {
                return dialog;
            }
        }
    }
    return nullptr;
}

QWidget* ShownToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits("QTipLabel")) {
            return widget;
        }
    }
    return nullptr;
}

QImage Stacked(const std::vector<QImage>& images)
{
    int width = 1;
    int height = 1;
    for (const QImage& image : images) {
        width = std::max(width, image.width());
        height += image.height() + 4;
    }
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    int y = 0;
    for (const QImage& image : images) {
        painter.drawImage(0, y, image);
        y += image.height() + 4;
    }
    return sheet;
}

class LanguageScreenshotTest : public ::testing::TestWithParam<Sheet> {
protected:
    void SetUp() override
    {
        m_look = std::make_unique<ScreenLook>(GetParam().scale);
        g_languageIndex = GetParam().language;
        m_dir = QStringLiteral(KW_CONTACT_SHEET_DIR);
        QDir().mkpath(m_dir);
    }
    void TearDown() override
    {
        m_frame.reset();
        m_look.reset();
        g_languageIndex = m_savedLanguage;
    }

    QString PathOf(const char* state) const
    {
        return m_dir
            + QStringLiteral("/%1_%2x_%3.png")
                  .arg(QLatin1String(GetParam().name))
                  .arg(GetParam().scale)
                  .arg(QLatin1String(state));
    }

    // Grabs the window into the sheet and checks its texts.
    void Save(QWidget* widget, const char* state)
    {
        ASSERT_NE(widget, nullptr) << state;
        QCoreApplication::processEvents();
        // Light compression: the sheet is for looking at, and written often.
        EXPECT_TRUE(widget->grab().toImage().save(PathOf(state), "PNG", 80)) << state;
        const QStringList faults = KWTextFitFaults(widget) + RunsIntoNeighbours(widget);
        EXPECT_TRUE(faults.isEmpty()) << state << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
    }

    // Runs start modally and checks the dialog it shows.
    void SaveModal(const char* state, const std::function<void()>& start)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            CKWDialog* dialog = ModalDialog();
            seen = dialog != nullptr;
            if (dialog != nullptr) {
                Save(WidgetOf(dialog), state);
                dialog->MFCCancel();
            }
        });
        start();
        EXPECT_TRUE(seen) << state;
    }

    // Every tooltip of the window's controls, one under the other.
    void SaveToolTips(QWidget* window, std::vector<QImage>& tips)
    {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->toolTip().isEmpty()) {
                continue;
            }
            QToolTip::showText(widget->mapToGlobal(QPoint(1, 1)), widget->toolTip(), widget);
            QCoreApplication::processEvents();
            QWidget* tip = ShownToolTip();
            ASSERT_NE(tip, nullptr) << widget->toolTip().toStdString();
            tips.push_back(tip->grab().toImage());
            const QStringList faults = KWTextFitFaults(tip);
            EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("; ")).toStdString();
            QToolTip::hideText();
        }
    }

    std::unique_ptr<ScreenLook> m_look;
    boost::shared_ptr<CMainFrameEventImp> m_frame;
    QString m_dir;
    int m_savedLanguage = g_languageIndex;
};

TEST_P(LanguageScreenshotTest, EveryTextFitsItsControl)
{
    m_frame = CMainFrameEventImp::CreateInstance();
    QWidget* window = WidgetOf(m_frame->GetDlg());
    ASSERT_NE(window, nullptr);
    window->show();
    Save(window, "chooser");

    m_frame->OnIPCToolClicked();
    Save(window, "ipc");
    auto* models = dynamic_cast<CKWQTComboBox*>(m_frame->GetParameterSetting()->GetModelCombo());
    ASSERT_NE(models, nullptr);
    models->showPopup();
    Save(models->view()->window(), "model_list");
    models->hidePopup();
    SaveModal("model_select", [this] {
        m_frame->GetParameterSetting()->RADIO_OnClicked(1, static_cast<int>(kIdModelSelectRadio), POINT { 0, 0 });
    });
    SaveModal("message", [window] {
        ShowMessageDialog(translate(L"Please select a device model."), translate(L"Attention"),
            KWHandleFromWidget(window), 0, 0);
    });

    m_frame->OnFishToolClicked();
    Save(window, "fisheye");
    m_frame->GetFishParameterSetting()->RADIO_OnClicked(1, static_cast<int>(kFishIdWallRadio), POINT { 0, 0 });
    Save(window, "fisheye_wall");

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
    QWidget* explain = WidgetOf(m_frame->GetPPMExplainDlg()->GetDlg());
    explain->show();
    Save(explain, "ppm_explain");
    explain->hide();

    std::vector<QImage> tips;
    SaveToolTips(window, tips);
    SaveToolTips(about, tips);
    EXPECT_FALSE(tips.empty());
    EXPECT_TRUE(Stacked(tips).save(PathOf("tooltips")));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageScreenshotTest,
    ::testing::Values(Sheet { 0, "en", 1 }, Sheet { 1, "zh", 1 }, Sheet { 2, "pt", 1 }, Sheet { 3, "es", 1 },
        Sheet { 0, "en", 2 }, Sheet { 1, "zh", 2 }, Sheet { 2, "pt", 2 }, Sheet { 3, "es", 2 }),
    [](const ::testing::TestParamInfo<Sheet>& info) {
        return std::string(info.param.name) + (info.param.scale == 2 ? "_Large" : "_Normal");
    });

} // namespace
