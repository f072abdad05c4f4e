#include "app/ProgressDlgEventImp.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <QWidget>

namespace {

// A dialog made for the handler, as its creator would make it; destroyed
// before the handler.
struct ProgressDialog {
    explicit ProgressDialog(CProgressDlgEventImp& handler)
        : dialog(CreateKWDialog(&handler, nullptr, Qt::WindowFlags()))
    {
        handler.SetDialog(dialog);
    }
    ~ProgressDialog() { DestroyKWDialog(dialog); }
    QWidget* Window() const { return dynamic_cast<QWidget*>(dialog); }

    CKWDialog* dialog;
};

} // namespace

TEST(ProgressDlgEventImp, TheAnimationIsCentredInAHundredPixelSquare)
{
    struct Row {
        int width;
        int height;
        int x;
        int y;
    };
    const Row rows[] = {
        { 60, 40, 20, 30 },
        { 100, 100, 0, 0 },
        { 101, 101, 0, 0 }, // -0.5 truncates toward zero
        { 103, 1, -1, 49 },
        { 0, 0, 50, 50 },
    };
    for (const Row& row : rows) {
        int x = 7;
        int y = 7;
        CProgressDlgEventImp::AnimationOrigin(row.width, row.height, x, y);
        EXPECT_EQ(x, row.x) << row.width << "x" << row.height;
        EXPECT_EQ(y, row.y) << row.width << "x" << row.height;
    }
}

TEST(ProgressDlgEventImp, ItsMapHasTheOneTimerAndAnEmptyBase)
{
    CProgressDlgEventImp handler(L"busy.gif", 32, 32);
    const int* ids = handler.GetThisMessageIDs();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(ids[1], -1);
    const KW_MSGMAP* map = handler.GetKWMessageMap();
    ASSERT_NE(map->pBaseMap, nullptr);
    EXPECT_EQ(map->pBaseMap->lpEntries[0].nSig, static_cast<UINT>(KWSig_end));
}

TEST(ProgressDlgEventImp, CreatingTheControlsBuildsNothingAndNoWindowMeansNoLabel)
{
    CProgressDlgEventImp alone(L"busy.gif", 60, 40);
    alone.OnDlgCreate(false);
    EXPECT_EQ(alone.GetLabel(), nullptr) << "a label without a dialog would be a window of its own";
    EXPECT_EQ(alone.GetMovie(), nullptr);

    CProgressDlgEventImp handler(L"busy.gif", 60, 40);
    ProgressDialog dialog(handler);
    handler.OnDlgCreate(true);
    EXPECT_EQ(handler.GetLabel(), nullptr);
}

TEST(ProgressDlgEventImp, TheModalRunShowsTheMovieAndTimerTwoCancelsIt)
{
    KWTempSkinDir skins { { "busy.png", Qt::blue, QSize(60, 40) } };
    CProgressDlgEventImp handler(L"busy.png", 60, 40);
    ProgressDialog dialog(handler);
    dialog.dialog->Create(L"", nullptr);

    QLabel* labelDuringRun = nullptr;
    QRect dialogDuringRun;
    QTimer::singleShot(0, [&] {
        labelDuringRun = handler.GetLabel();
        dialogDuringRun = dialog.Window()->geometry();
    });
    ASSERT_NE(dialog.dialog->SetDlgTimer(kIdProgressTimer, 50), 0u);
    // A fault must fail the test, not hang it. The guard goes with the
    // dialog, so that it cannot fire into a later test.
    QTimer::singleShot(3000, dialog.Window(), [&] { dialog.dialog->MFCOK(); });
    EXPECT_EQ(dialog.dialog->DoModalDlg(), 2) << "cancelled by the timer";
    dialog.dialog->KillDlgTimer(kIdProgressTimer);

    ASSERT_NE(labelDuringRun, nullptr);
    EXPECT_EQ(labelDuringRun->parentWidget(), dialog.Window());
    EXPECT_EQ(labelDuringRun->geometry(), QRect(20, 30, 60, 40));
    EXPECT_EQ(dialogDuringRun.size(), QSize(100, 100));
    ASSERT_NE(handler.GetMovie(), nullptr);
    EXPECT_EQ(handler.GetMovie()->fileName(), skins.Path() + "busy.png");
    EXPECT_EQ(labelDuringRun->movie(), handler.GetMovie());

    // A second run reuses the label and the movie and only moves the label.
    QMovie* movie = handler.GetMovie();
    labelDuringRun->move(0, 0);
    handler.OnDlgCreate(false);
    EXPECT_EQ(handler.GetLabel(), labelDuringRun);
    EXPECT_EQ(handler.GetMovie(), movie);
    EXPECT_EQ(labelDuringRun->pos(), QPoint(20, 30));
}

TEST(ProgressDlgEventImp, OnlyTimerTwoEndsTheDialog)
{
    CProgressDlgEventImp handler(L"", 10, 10);
    ProgressDialog dialog(handler);
    dialog.dialog->Create(L"", nullptr);
    dialog.Window()->show();
    handler.OnDlgTimer(3);
    EXPECT_TRUE(dialog.Window()->isVisible());
    handler.OnDlgTimer(kIdProgressTimer);
    EXPECT_FALSE(dialog.Window()->isVisible());
}

TEST(ProgressDlgEventImp, TheLabelGoesWithTheDialogWindow)
{
    CProgressDlgEventImp handler(L"none.gif", 10, 10);
    {
        ProgressDialog dialog(handler);
        handler.OnDlgCreate(false);
        ASSERT_NE(handler.GetLabel(), nullptr);
    }
    EXPECT_EQ(handler.GetLabel(), nullptr);
}

// An animation that will not play is named once, when the dialog first shows
// it, and the label is given a movie without a file, which shows nothing.
TEST(ProgressDlgEventImp, AnAnimationThatWillNotPlayIsNamedOnce)
{
    KWTempSkinDir skins;
    QFile damaged(skins.Path() + "damaged.gif");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("GIF89a, but no more") > 0);
    damaged.close();
    for (const wchar_t* name : { L"lost.gif", L"damaged.gif" }) {
        const QString path = skins.Path() + QString::fromWCharArray(name);
        SCOPED_TRACE(path.toStdString());
        KWWarningCatcher catcher;
        CProgressDlgEventImp handler(name, 10, 10);
        ProgressDialog dialog(handler);
        handler.OnDlgCreate(false);
        handler.OnDlgCreate(false);
        EXPECT_EQ(catcher.Warnings().filter(path).size(), 1) << catcher.Warnings().join("; ").toStdString();
        ASSERT_NE(handler.GetMovie(), nullptr);
        EXPECT_TRUE(handler.GetMovie()->fileName().isEmpty());
    }
}
