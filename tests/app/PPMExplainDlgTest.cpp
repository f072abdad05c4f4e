// The pixel-density explanation dialog on real controls: its texts in metres
// and feet across a language switch, its grid, how it ends, and its rounded
// corners over the shadow at both scales.

#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/StartupScale.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/EnglishFrame.h"
#include "tests/app/ShownText.h"
#include "tests/common/ScreenLook.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQTDialog.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <string>

namespace {

class PPMExplainDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedLanguage = g_languageIndex;
        frame = StartEnglishFrame();
        explain = frame->GetPPMExplainDlg();
        ASSERT_TRUE(explain);
        ASSERT_NE(explain->GetDlg(), nullptr);
    }

    void TearDown() override
    {
        explain.reset();
        frame.reset();
        g_languageIndex = m_savedLanguage;
    }

    boost::shared_ptr<CMainFrameEventImp> frame;
    boost::shared_ptr<CPPMExplainDlgEventImp> explain;

private:
    int m_savedLanguage = 1;
};

TEST_F(PPMExplainDlgTest, TitlesInMetresOrFeet)
{
    for (int row = 0; row < CPPMExplainDlgEventImp::kRowCount; ++row) {
        EXPECT_EQ(TextOf(explain->GetRowTitle(row)), translate(PPMExplainTitleKey(row, true))) << row;
    }
    explain->OnView_ChangeUnit(false);
    EXPECT_FALSE(explain->IsMetric());
    EXPECT_EQ(TextOf(explain->GetRowTitle(0)), translate(L"Base real monitor 8PPF"));
    EXPECT_EQ(TextOf(explain->GetRowTitle(3)), translate(L"Distinguish details 76PPF"));
    explain->OnView_ChangeUnit(true);
    EXPECT_EQ(TextOf(explain->GetRowTitle(1)), translate(L"Object sense 63PPM"));
}

TEST_F(PPMExplainDlgTest, RetranslationChangesTheSecondDescriptionAndKeepsFeet)
{
    EXPECT_EQ(
        TextOf(explain->GetRowDescription(1)), translate(L"Intelligent detection, plate number detection."));
    explain->OnView_ChangeUnit(false);
    g_languageIndex = 3;
    explain->RetranslateTexts();
    EXPECT_EQ(TextOf(explain->GetRowDescription(1)), translate(L"Face detection, plate number detection."));
    EXPECT_EQ(TextOf(explain->GetRowTitle(2)), translate(L"Object discriminate 38PPF"));
    EXPECT_NE(TextOf(explain->GetRowTitle(2)), L"Object discriminate 38PPF"); // Spanish, not the key
    // Switching to the same language again still gives the new description.
    explain->RetranslateTexts();
    EXPECT_EQ(TextOf(explain->GetRowDescription(1)), translate(L"Face detection, plate number detection."));
}

TEST_F(PPMExplainDlgTest, OKAcceptsAndEscapeHides)
{
    CKWDialog* dialog = explain->GetDlg();
    QWidget* widget = dynamic_cast<QWidget*>(dialog);
    ASSERT_NE(widget, nullptr);
    QTimer::singleShot(2000, widget, [widget] { widget->hide(); }); // never hang the suite

    QTimer::singleShot(0, [this] { explain->OnOKClicked(); });
    EXPECT_EQ(dialog->DoModalDlg(), 1);

    QTimer::singleShot(0, [widget] { QTest::keyClick(widget, Qt::Key_Escape); });
    EXPECT_NE(dialog->DoModalDlg(), 1);
    EXPECT_TRUE(widget->isHidden());

    QTimer::singleShot(0, [this] { explain->OnCloseClicked(); });
    EXPECT_NE(dialog->DoModalDlg(), 1);
}

// Where a compositing manager shows the shadow, the pixels of the frame's
// rectangle outside its rounded corners are shadow, as the margin beside
// them, at both scales; the offscreen platform composites.
TEST(PPMExplainDlgCorners, OutsideEachRoundedCornerIsShadow)
{
    for (int scale : { 1, 2 }) {
        SCOPED_TRACE(scale);
        const ScreenLook look(scale);
        boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
        auto* dialog = dynamic_cast<CKWQTDialog*>(frame->GetPPMExplainDlg()->GetDlg());
        ASSERT_NE(dialog, nullptr);
        dialog->show();
        QCoreApplication::processEvents();
        const QImage image = dialog->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        dialog->hide();
        const int s = dialog->Frame().ShadowWidth();
        const int right = image.width() - 1 - s;
        const int bottom = image.height() - 1 - s;
        const QColor margin = image.pixelColor(image.width() / 2, s - 1);
        ASSERT_LT(margin.alpha(), 255) << "the margin is shadow";
        for (const QPoint corner :
            { QPoint(s, s), QPoint(right, s), QPoint(s, bottom), QPoint(right, bottom) }) {
            const QColor pixel = image.pixelColor(corner);
            EXPECT_LT(pixel.alpha(), 255) << corner.x() << "," << corner.y() << " is not the frame's";
            // Its grey; the translucent pixels round it a little apart.
            for (const auto& channel : { &QColor::red, &QColor::green, &QColor::blue }) {
                EXPECT_NEAR((pixel.*channel)(), (margin.*channel)(), 4) << corner.x() << "," << corner.y();
            }
        }
        EXPECT_EQ(image.pixelColor(image.width() / 2, bottom).alpha(), 255) << "the frame's own bottom row";
    }
}

} // namespace
