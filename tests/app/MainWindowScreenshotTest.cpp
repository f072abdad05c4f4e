// The first screen at the normal and at the 4K look, built as start-up
// builds it, grabbed to the build's contact-sheet folder for a person to
// look at, with the time from creating the main frame to its first shown
// window written to the test log; its band and page end where the window's
// inside ends.

#include "app/MainFrameEventImp.h"
#include "app/MainFrameLayout.h"
#include "app/StartupScale.h"
#include "base/Globals.h"
#include "ui/qt/KWQTMainWindow.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <ostream>
#include <string>

namespace {

struct Look {
    const char* name;
    int screenWidth;
    int screenHeight;
    const wchar_t* skinDir;
};

void PrintTo(const Look& look, std::ostream* os)
{
    *os << look.name;
}

class MainWindowScreenshotTest : public ::testing::TestWithParam<Look> {
protected:
    void SetUp() override
    {
        m_savedLanguage = g_languageIndex;
        g_languageIndex = 0;
    }

    void TearDown() override
    {
        g_languageIndex = m_savedLanguage;
        g_uiScale = 1.0f;
        g_screenScale = 1.0f;
        qApp->setStyleSheet(QString());
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
    }

private:
    int m_savedLanguage = 1;
};

TEST_P(MainWindowScreenshotTest, ChooserPageIsDrawnAtTheLooksSize)
{
    const Look look = GetParam();
    const StartupScale scale = ComputeStartupScale(look.screenWidth, look.screenHeight);
    ASSERT_STREQ(scale.skinDir, look.skinDir);
    g_screenScale = scale.screenScale;
    g_uiScale = scale.uiScale;
    const std::wstring appDir = GetKWAppDirPath();
    LoadKWStyleSheet((appDir + scale.styleSheet).c_str());
    SetKWSkinPath((appDir + scale.skinDir).c_str());

    QElapsedTimer timer;
    timer.start();
    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    QWidget* window = dynamic_cast<QWidget*>(frame->GetDlg());
    ASSERT_NE(window, nullptr);
    QCoreApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    std::printf("[ timing ] %s: main frame created and shown in %lld ms\n", look.name,
        static_cast<long long>(elapsed));
    RecordProperty("startup_ms", static_cast<int>(elapsed));

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->width(), MainWindowWidth(g_screenScale));
    EXPECT_EQ(window->height(), MainWindowHeight(g_screenScale));

    const QImage image = window->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(QStringLiteral(KW_CONTACT_SHEET_DIR));
    const QString path = QStringLiteral(KW_CONTACT_SHEET_DIR "/chooser_%1.png").arg(QLatin1String(look.name));
    EXPECT_TRUE(image.save(path));

    // The chooser page is white between the two tool buttons' titles.
    const MainFrameLayout layout = ComputeMainFrameLayout(window->width(), window->height(), g_uiScale);
    const QPoint blank((layout.ipcButton.right + layout.fishButton.left) / 2, layout.chooser.top + 20);
    EXPECT_EQ(image.pixelColor(blank * image.devicePixelRatio()), QColor(Qt::white));

    // The green band under the title is 1000 x 62 and the page the rest of
    // the window's inside, twice both at 4K: their last column and row are
    // theirs, and none of them stands in the shadow margin beyond.
    const QColor green(0x35, 0xA3, 0x00);
    const int margin = dynamic_cast<CKWQTMainWindow*>(window)->Frame().ShadowWidth();
    const int lastColumn = window->width() - margin - 1;
    const int bandRow = margin + static_cast<int>(62 * g_uiScale) - 1;
    const int lastRow = window->height() - margin - 1;
    EXPECT_EQ(image.pixelColor(lastColumn, bandRow), green);
    EXPECT_NE(image.pixelColor(lastColumn + 1, bandRow), green);
    EXPECT_NE(image.pixelColor(window->width() / 2, bandRow + 1), green);
    EXPECT_EQ(image.pixelColor(blank.x(), lastRow), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(blank.x(), lastRow + 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(lastColumn, lastRow), QColor(Qt::white));
    frame.reset();
}

INSTANTIATE_TEST_SUITE_P(Looks, MainWindowScreenshotTest,
    ::testing::Values(Look { "normal", 1920, 1040, L"/Skin/" }, Look { "4K", 3840, 2160, L"/Skin/4K/" }),
    [](const ::testing::TestParamInfo<Look>& info) {
        return std::string(info.param.name) == "4K" ? std::string("Large") : std::string("Normal");
    });

} // namespace
