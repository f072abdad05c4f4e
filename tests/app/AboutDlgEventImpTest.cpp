#include "app/AboutDlgEventImp.h"

#include "app/MainFrameEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/ShownText.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

namespace {

QWidget* WidgetOf(CKWStatic* label)
{
    return dynamic_cast<QWidget*>(label);
}

QWidget* WidgetOf(CKWButton* button)
{
    return dynamic_cast<QWidget*>(button);
}

QWidget* WidgetOf(CKWPictureCtrl* picture)
{
    return dynamic_cast<QWidget*>(picture);
}

QDialog* DialogOf(const boost::shared_ptr<CAboutDlgEventImp>& about)
{
    return dynamic_cast<QDialog*>(about->GetDlg());
}

// The box stands alone here (no main frame), with the skin the program
// ships; the globals it reads come back as they were.
class AboutDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedSkin = GetSkinPath().toStdWString();
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
    }
    void TearDown() override
    {
        if (m_about && m_about->GetDlg() != nullptr) {
            DestroyKWDialog(m_about->GetDlg());
        }
        SetSkinPath(m_savedSkin);
        g_uiScale = m_savedScale;
        g_languageIndex = m_savedLanguage;
    }

    const boost::shared_ptr<CAboutDlgEventImp>& Make()
    {
        m_about = CreateAboutDlg(boost::shared_ptr<CMainFrameEventImp>());
        return m_about;
    }

    boost::shared_ptr<CAboutDlgEventImp> m_about;
    std::wstring m_savedSkin;
    float m_savedScale = g_uiScale;
    int m_savedLanguage = g_languageIndex;
};

} // namespace

TEST(AboutDlgLayout, PlacesTheControlsByScale)
{
    struct Row {
        const char* name;
        float scale;
        int cx;
        RECT close, picture, version, notice, webSite;
    };
    const Row rows[] = {
        { "scale 1, 320 wide", 1.0f, 320, { 283, 20, 298, 35 }, { 15, 35, 254, 84 }, { 30, 75, 330, 95 },
            { 30, 105, 300, 145 }, { 30, 105, 330, 125 } },
        { "scale 2, 640 wide", 2.0f, 640, { 576, 29, 607, 60 }, { 30, 70, 509, 169 }, { 60, 150, 660, 190 },
            { 60, 210, 600, 290 }, { 60, 210, 660, 250 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CAboutDlgEventImp::Layout layout = CAboutDlgEventImp::ComputeLayout(row.cx, 0, row.scale);
        EXPECT_TRUE(layout.closeButton == row.close);
        EXPECT_TRUE(layout.picture == row.picture);
        EXPECT_TRUE(layout.version == row.version);
        EXPECT_TRUE(layout.notice == row.notice);
        EXPECT_TRUE(layout.webSite == row.webSite);
    }
}

TEST_F(AboutDlgTest, SkinPicksTheFramePiecesOfTheScale)
{
    struct Row {
        float scale;
        const wchar_t* first;
        const wchar_t* fourth;
        const wchar_t* sixth;
        const wchar_t* last;
    };
    const Row rows[] = {
        { 1.0f, L"0,0,10,35", L"0,37,1,30", L"0,37,1,30", L"85,37,1,30" },
        { 2.0f, L"0,0,10,70", L"0,71,1,1", L"0,71,1,0", L"85,71,1,1" },
    };
    for (const Row& row : rows) {
        g_uiScale = row.scale;
        DialogStyle style;
        CAboutDlgEventImp::FillDialogStyle(&style);
        EXPECT_EQ(style.Str(4), row.first);
        EXPECT_EQ(style.Str(5), L"tile");
        EXPECT_EQ(style.Str(7), L"stretch");
        EXPECT_EQ(style.Str(10), row.fourth);
        EXPECT_EQ(style.Str(14), row.sixth);
        EXPECT_EQ(style.Str(26), row.last);
        // The bottom edge is one pixel in both skins.
        EXPECT_EQ(style.Str(16), L"0,84,10,1");
        EXPECT_EQ(style.strSkinImage, L"bg_toolbar.png");
        // The caption, where the title stands, at the scale of the skin.
        EXPECT_EQ(style.strCaptionRect, row.scale == 1.0f ? L"20,0,1000,27" : L"40,0,2000,54");
        EXPECT_TRUE(style.bFlag);
    }
}

TEST_F(AboutDlgTest, StartsHiddenWithVersionAndNoticeButNoPictureOrLink)
{
    g_uiScale = 1.0f;
    g_languageIndex = 0;
    const auto& about = Make();
    ASSERT_NE(about->GetDlg(), nullptr);
    QDialog* dialog = DialogOf(about);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(TextOf(about->GetVersionLabel()), translate(L"ProductVer"));
    EXPECT_EQ(TextOf(about->GetNoticeLabel()), translate(L"CopyrightString"));
    // The English file gives real texts, not the bare keys.
    EXPECT_NE(TextOf(about->GetVersionLabel()), L"ProductVer");
    EXPECT_NE(TextOf(about->GetNoticeLabel()), L"CopyrightString");

    dialog->show();
    EXPECT_TRUE(WidgetOf(about->GetVersionLabel())->isVisible());
    EXPECT_TRUE(WidgetOf(about->GetNoticeLabel())->isVisible());
    EXPECT_TRUE(WidgetOf(about->GetCloseButton())->isVisible());
    EXPECT_FALSE(WidgetOf(about->GetPicture())->isVisible());
    EXPECT_FALSE(WidgetOf(about->GetWebSiteButton())->isVisible());
    EXPECT_EQ(WidgetOf(about->GetVersionLabel())->pos(), QPoint(30, 75));
    EXPECT_EQ(WidgetOf(about->GetNoticeLabel())->pos(), QPoint(30, 105));
    EXPECT_EQ(WidgetOf(about->GetCloseButton())->geometry(), QRect(283, 20, 16, 16));
}

TEST_F(AboutDlgTest, TextsFollowTheLanguage)
{
    g_languageIndex = 0;
    const auto& about = Make();
    const std::wstring english = TextOf(about->GetVersionLabel());
    for (int language : { 2, 3, 1, 0 }) {
        g_languageIndex = language;
        about->RetranslateTexts();
        EXPECT_EQ(TextOf(about->GetVersionLabel()), translate(L"ProductVer")) << language;
        EXPECT_EQ(TextOf(about->GetNoticeLabel()), translate(L"CopyrightString")) << language;
        EXPECT_EQ(dynamic_cast<QAbstractButton*>(about->GetWebSiteButton())->text(),
            QString::fromStdWString(translate(L"WebSite")));
        if (language != 0) {
            EXPECT_NE(TextOf(about->GetVersionLabel()), english) << language;
        }
    }
}

TEST_F(AboutDlgTest, EscapeAndTheCloseButtonEndTheModalRunAsCancelled)
{
    const auto& about = Make();
    QDialog* dialog = DialogOf(about);
    QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(about->GetDlg()->DoModalDlg(), 2);
    EXPECT_FALSE(dialog->isVisible());

    QWidget* close = WidgetOf(about->GetCloseButton());
    QTimer::singleShot(0, dialog, [close] { QTest::mouseClick(close, Qt::LeftButton); });
    EXPECT_EQ(about->GetDlg()->DoModalDlg(), 2);

    // Any other key leaves it open.
    QTimer::singleShot(0, dialog, [dialog, about = about.get()] {
        QTest::keyClick(dialog, Qt::Key_Return);
        QTest::keyClick(dialog, Qt::Key_A);
        const bool stillOpen = dialog->isVisible();
        about->GetDlg()->MFCOK();
        EXPECT_TRUE(stillOpen);
    });
    EXPECT_EQ(about->GetDlg()->DoModalDlg(), 1);
}

TEST_F(AboutDlgTest, WebSiteOpensItsTextAndNothingWhenEmpty)
{
    const auto& about = Make();
    std::vector<std::string> opened;
    about->SetShellOpener([&opened](const std::string& text) { opened.push_back(text); });
    CKWButton* link = about->GetWebSiteButton();

    link->SetWindowTextW(L"www.example.org/caf\u00E9");
    about->OnWebSiteClicked();
    link->SetWindowTextW(L"");
    about->OnWebSiteClicked();
    // A text longer than the buffer arrives cut, never overrunning it.
    link->SetWindowTextW(std::wstring(300, L'x').c_str());
    about->OnWebSiteClicked();

    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "www.example.org/caf\xC3\xA9");
    EXPECT_EQ(opened[1], std::string(127, 'x'));
}
