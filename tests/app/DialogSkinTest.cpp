// Every window's skin record starts from its own look and frame pieces; each
// value must land in the string the frame reads it from, by number. The
// dialogs with a title band put the title inside it.

#include "app/DialogSkin.h"

#include "app/AboutDlgEventImp.h"
#include "app/MainFrameEventImp.h"
#include "app/ShowMessageDialog.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/common/KWTestKit.h"
#include "tests/common/ScreenLook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <string>

namespace {

TEST(DialogSkin, EachValueLandsInItsNumberedString)
{
    const DialogLook look = { L"skin", L"interior", L"mode", L"colour", L"font", L"size", L"weight",
        L"colour1", L"colour2", L"align" };
    DialogFramePieces pieces;
    std::wstring rects[12];
    std::wstring modes[12];
    for (int i = 0; i < 12; ++i) {
        rects[i] = L"rect" + std::to_wstring(i);
        modes[i] = L"mode" + std::to_wstring(i);
        pieces[static_cast<size_t>(i)] = { rects[i].c_str(), modes[i].c_str() };
    }
    DialogStyle style;
    FillDialogLook(&style, look, pieces);

    const std::pair<int, const wchar_t*> strings[]
        = { { 0, L"skin" }, { 1, L"interior" }, { 2, L"mode" }, { 3, L"colour" }, { 45, L"font" },
              { 46, L"size" }, { 47, L"weight" }, { 48, L"colour1" }, { 49, L"colour2" }, { 53, L"align" } };
    for (const auto& [index, value] : strings) {
        EXPECT_EQ(style.Str(index), value) << "string " << index;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(style.Str(4 + 2 * i), rects[i]) << "piece " << i;
        EXPECT_EQ(style.Str(5 + 2 * i), modes[i]) << "piece " << i;
    }
    // Nothing else is written.
    for (int i = 28; i < DialogStyle::kStringCount; ++i) {
        if (i < 45 || (i > 49 && i != 53)) {
            EXPECT_TRUE(style.Str(i).empty()) << "string " << i;
        }
    }
}

} // namespace

namespace {

// Where the title stands and where the band is drawn, in window pixels.
struct TitlePlace {
    QRect label;
    QRect band;
};

// The band is the run of rows drawn in its green, down a column right of
// every title.
TitlePlace PlaceOfTitle(QWidget* window, const QString& title)
{
    const QImage image = KWGrabImage(window);
    const QColor green(53, 163, 0);
    const int x = window->width() / 2 + 30;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == green) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    QRect label;
    for (const QLabel* shown : window->findChildren<QLabel*>()) {
        if (shown->text() == title) {
            label = shown->geometry();
        }
    }
    return { label, QRect(QPoint(10, top), QPoint(window->width() - 11, bottom)) };
}

TitlePlace AboutTitle()
{
    const boost::shared_ptr<CAboutDlgEventImp> about
        = CreateAboutDlg(boost::shared_ptr<CMainFrameEventImp>());
    QWidget* window = dynamic_cast<QWidget*>(about->GetDlg());
    window->show();
    const TitlePlace place = PlaceOfTitle(window, QString::fromWCharArray(translate(L"About")));
    DestroyKWDialog(about->GetDlg());
    return place;
}

TitlePlace MessageTitle()
{
    TitlePlace place;
    QTimer::singleShot(0, [&place] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        place = PlaceOfTitle(box, QString::fromWCharArray(translate(L"Attention")));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    ShowMessageDialog(translate(L"Please select a device model."), translate(L"Attention"), nullptr, 0, 0);
    return place;
}

// Each dialog with a title band in every language: the title wholly inside
// the band, as far under its top at 4K as twice that at 1x.
TEST(DialogTitle, SitsInsideItsBandAtTheSamePlaceAtBothScales)
{
    const int savedLanguage = g_languageIndex;
    const struct {
        const char* dialog;
        TitlePlace (*place)();
    } dialogs[] = { { "about", AboutTitle }, { "message", MessageTitle } };
    for (int language = 0; language < 4; ++language) {
        g_languageIndex = language;
        for (const auto& dialog : dialogs) {
            SCOPED_TRACE(testing::Message() << dialog.dialog << ", language " << language);
            int offsetAtOne = 0;
            for (const int scale : { 1, 2 }) {
                const ScreenLook look(scale);
                const TitlePlace place = dialog.place();
                ASSERT_FALSE(place.label.isNull());
                EXPECT_TRUE(place.band.contains(place.label))
                    << "scale " << scale << ": title " << place.label.top() << ".." << place.label.bottom()
                    << ", band " << place.band.top() << ".." << place.band.bottom();
                const int offset = place.label.top() - place.band.top();
                if (scale == 1) {
                    offsetAtOne = offset;
                } else {
                    EXPECT_EQ(offset, 2 * offsetAtOne) << "under the band's top";
                }
            }
        }
    }
    g_languageIndex = savedLanguage;
}

} // namespace
