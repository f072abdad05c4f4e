// The message box, run modally the way the application runs it, answered
// from inside its modal loop.

#include "app/FailureNotice.h"
#include "app/MsgDlgEventImp.h"
#include "app/ShowMessageDialog.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

namespace {

class MsgDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_uiScale = 1.0f;
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
    }

    // Shows the box and lets answer act on it once its modal loop runs. A
    // box nobody answers is rejected after two seconds, so a fault here
    // fails the test instead of hanging the suite.
    int Run(int layout, const std::function<void(QWidget*)>& answer,
        const wchar_t* text = L"Please select a device model.")
    {
        QTimer::singleShot(0, [answer] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            answer(box);
        });
        QObject guard; // ends the fallback with this call
        QTimer::singleShot(2000, &guard, [] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        return ShowMessageDialog(text, L"Attention", nullptr, layout, 0);
    }
};

QAbstractButton* ButtonWithText(QWidget* box, const std::wstring& text)
{
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
        if (button->text() == QString::fromStdWString(text)) {
            return button;
        }
    }
    return nullptr;
}

TEST_F(MsgDlgTest, AcceptedByTheOKButtonReturnOrEnter)
{
    EXPECT_EQ(Run(kMsgLayoutOK,
                  [](QWidget* box) {
                      QAbstractButton* ok = ButtonWithText(box, translate(L"OK"));
                      ASSERT_NE(ok, nullptr);
                      EXPECT_TRUE(ok->isVisible());
                      QTest::mouseClick(ok, Qt::LeftButton);
                  }),
        1);
    EXPECT_EQ(Run(kMsgLayoutOK, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }), 1);
    EXPECT_EQ(Run(kMsgLayoutNoButton, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Enter); }), 1);
}

TEST_F(MsgDlgTest, DismissedByCancelOrEscapeIsNotAccepted)
{
    EXPECT_NE(Run(kMsgLayoutOKCancel,
                  [](QWidget* box) {
                      QAbstractButton* cancel = ButtonWithText(box, translate(L"Cancel"));
                      ASSERT_NE(cancel, nullptr);
                      EXPECT_TRUE(cancel->isVisible());
                      QTest::mouseClick(cancel, Qt::LeftButton);
                  }),
        1);
    EXPECT_NE(Run(kMsgLayoutOK, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }), 1);
}

TEST_F(MsgDlgTest, CaptionAndTextReachTheBox)
{
    QStringList texts;
    Run(kMsgLayoutOK, [&](QWidget* box) {
        for (QWidget* child : box->findChildren<QWidget*>()) {
            const QVariant value = child->property("text");
            if (value.isValid()) {
                texts << value.toString();
            }
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_TRUE(texts.contains(QStringLiteral("Attention"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Please select a device model.")));
}

TEST(MsgDlgHandler, NullTextsAreEmpty)
{
    const CMsgDlgEventImp handler(nullptr, nullptr, 1, 7);
    EXPECT_EQ(handler.GetText(), L"");
    EXPECT_EQ(handler.GetCaption(), L"");
    EXPECT_EQ(handler.GetLayout(), 1);
}

TEST_F(MsgDlgTest, ButtonsOfEachLayoutAreShownOrHidden)
{
    const struct {
        int layout;
        bool ok;
        bool cancel;
    } rows[] = { { kMsgLayoutOK, true, false }, { kMsgLayoutOKCancel, true, true },
        { kMsgLayoutNoButton, false, false }, { 9, false, false } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.layout);
        bool okShown = false;
        bool cancelShown = false;
        int okLeft = -1;
        Run(row.layout, [&](QWidget* box) {
            QAbstractButton* ok = ButtonWithText(box, translate(L"OK"));
            QAbstractButton* cancel = ButtonWithText(box, translate(L"Cancel"));
            okShown = ok != nullptr && !ok->isHidden();
            cancelShown = cancel != nullptr && !cancel->isHidden();
            okLeft = ok != nullptr ? ok->x() : -1;
            QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(okShown, row.ok);
        EXPECT_EQ(cancelShown, row.cancel);
        if (row.layout == kMsgLayoutOK) {
            EXPECT_EQ(okLeft, 120);
        } else if (row.layout == kMsgLayoutOKCancel) {
            EXPECT_EQ(okLeft, 70);
        }
    }
}

// A text of several lines is shown whole, in the font the box gives it, and
// the OK button stands below it, at both scales.
TEST_F(MsgDlgTest, TextOfSeveralLinesIsShownWholeAboveTheButton)
{
    const wchar_t* const text = L"The settings file cannot be written, so this language will not be kept at "
                                L"the next start:\n/home/someone/Programs/Lumivane/Config/config.xml";
    for (const float scale : { 1.0f, 2.0f }) {
        SCOPED_TRACE(scale);
        g_uiScale = scale;
        SetKWSkinPath((GetKWAppDirPath() + (scale > 1.0f ? L"/Skin/4K/" : L"/Skin/")).c_str());
        QRect label;
        QRect needed;
        QRect ok;
        Run(
            kMsgLayoutOK,
            [&](QWidget* box) {
                for (const QLabel* child : box->findChildren<QLabel*>()) {
                    if (child->text() == QString::fromWCharArray(text)) {
                        label = child->geometry();
                        needed = QFontMetrics(child->font())
                                     .boundingRect(QRect(0, 0, label.width(), 10000),
                                         Qt::TextWordWrap | Qt::AlignHCenter, child->text());
                    }
                }
                if (QAbstractButton* button = ButtonWithText(box, translate(L"OK"))) {
                    ok = button->geometry();
                }
                QTest::keyClick(box, Qt::Key_Return);
            },
            text);
        ASSERT_FALSE(label.isNull());
        EXPECT_GE(needed.height(), QFontMetrics(QFont()).lineSpacing() * 3) << "not several lines";
        EXPECT_GE(label.height(), needed.height());
        EXPECT_GE(ok.top(), label.bottom());
    }
    g_uiScale = 1.0f;
    SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
}

// A failure that names a file shows every line whole inside the box, at both
// scales, whatever the path: a folder name too long to break where a word
// may widens the box, a longer one breaks anywhere, and a path too long for
// the screen is shortened in its middle, its file name kept.
TEST_F(MsgDlgTest, LinesNamingAnyPathStayWholeInsideABoxOnTheScreen)
{
    const QString deep
        = QStringLiteral("/home/someone/") + QString(1400, u'x') + QStringLiteral("/Guide.pdf");
    enum Shortened { Never, AsTheScreenNeeds, Always };
    const struct {
        const char* name;
        QString path;
        Shortened shortened;
    } rows[] = {
        { "long folder name",
            "/home/someone/Lumivane_Calculator_v2.3.1_linux_x86_64_portable_build/User's Guide.pdf", Never },
        { "folder name wider than the screen", "/home/someone/" + QString(180, u'w') + "/User's Guide.pdf",
            Never },
        { "1,400-character folder name", deep, AsTheScreenNeeds },
        { "path at the system's limit",
            QStringLiteral("/home/someone") + QString(QStringLiteral("/") + QString(254, u'n')).repeated(15)
                + "/a.pdf",
            Always },
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const float scale : { 1.0f, 2.0f }) {
        g_uiScale = scale;
        SetKWSkinPath((GetKWAppDirPath() + (scale > 1.0f ? L"/Skin/4K/" : L"/Skin/")).c_str());
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (scale > 1.0f ? " at 4K" : " at 1x"));
            QRect box;
            QRect label;
            QRect needed;
            QString shown;
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                ASSERT_NE(dialog, nullptr);
                box = dialog->rect();
                for (QLabel* child : dialog->findChildren<QLabel*>()) {
                    auto* text = dynamic_cast<CKWStatic*>(child);
                    if (text != nullptr && child->text().contains(QStringLiteral("guide"))) {
                        label = child->geometry();
                        shown = child->text().remove(QChar(0x200B));
                        needed = QFontMetrics(child->font())
                                     .boundingRect(QRect(0, 0, label.width(), 100000),
                                         int(text->GetTextAlignFlag()), child->text());
                    }
                }
                QTest::keyClick(dialog, Qt::Key_Return);
            });
            TellUserOfFailure(nullptr, L"The user's guide is not in the program's folder:", row.path);
            ASSERT_FALSE(label.isNull());
            EXPECT_TRUE(box.contains(label)) << "label beyond the box";
            EXPECT_LE(needed.width(), label.width()) << "a line cut at the right";
            EXPECT_LE(needed.height(), label.height()) << "a line cut at the bottom";
            EXPECT_LE(box.width(), screen.width());
            EXPECT_LE(box.height(), screen.height());
            const bool shortened = !shown.contains(row.path);
            if (row.shortened != AsTheScreenNeeds) {
                EXPECT_EQ(shortened, row.shortened == Always) << shown.toStdString();
            }
            EXPECT_TRUE(
                shown.startsWith(QStringLiteral("The user's guide is not in the program's folder:\n")));
            if (shortened) {
                EXPECT_TRUE(shown.contains(QChar(0x2026)) && shown.endsWith(row.path.right(12)))
                    << shown.toStdString();
            }
        }
    }
    g_uiScale = 1.0f;
    SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
}

} // namespace
