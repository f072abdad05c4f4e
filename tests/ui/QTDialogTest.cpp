#include "tests/common/KWTestKit.h"
#include "tests/ui/TitleButtonSteps.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWQTDialog.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class DialogListener : public IKWDialogEvent, public KWCallRecorder {
public:
    CKWDialog* dialog = nullptr;
    int closeVeto = 0;
    void* handleAtDestroy = reinterpret_cast<void*>(1);

    void OnDlgCreate(bool create) override { Record("OnDlgCreate", create); }
    void Dlg_OnOK() override { Record("Dlg_OnOK"); }
    void Dlg_OnCancel() override { Record("Dlg_OnCancel"); }
    int Dlg_Close() override
    {
        Record("Dlg_Close");
        return closeVeto;
    }
    void Dlg_Destroy() override
    {
        Record("Dlg_Destroy");
        handleAtDestroy = GetUIWnd();
    }
    void OnDlgSize(UINT, int& width, int& height) override { Record("OnDlgSize", width, height); }
    void OnDlgTimer(UINT id) override { Record("OnDlgTimer", id); }
    void OnDlgKeyDown(UINT modifiers, UINT key) override { Record("OnDlgKeyDown", modifiers, key); }
    void OnDlgFileDrop(LPCWSTR path) override { RecordText("OnDlgFileDrop", path); }

    void OnCommand1() { Record("command 1"); }
    void OnCommand202()
    {
        Record("command 202");
        dialog->MFCCancel();
    }

    // The calls that make up the dialog's life, in order.
    Names Life() const
    {
        static const Names life = { "OnDlgCreate", "Dlg_OnOK", "Dlg_OnCancel", "Dlg_Close", "Dlg_Destroy",
            "command 1", "command 202" };
        Names names;
        for (const KWRecordedCall& call : calls) {
            if (std::find(life.begin(), life.end(), call.name) != life.end()) {
                names.push_back(call.name);
            }
        }
        return names;
    }

    KW_BEGIN_MSGMAP(DialogListener)
    KW_COMMAND(1, OnCommand1)
    KW_COMMAND(202, OnCommand202)
    KW_END_MSGMAP()
};

class QTDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = static_cast<CKWQTDialog*>(CreateKWDialog(&listener, nullptr, Qt::WindowFlags()));
        ASSERT_NE(dialog, nullptr);
        listener.dialog = dialog;
    }
    void TearDown() override { DestroyKWDialog(dialog); }

    // Runs the dialog modally; `during` runs once the modal loop is going.
    int RunModal(const std::function<void()>& during)
    {
        QTimer::singleShot(0, dialog, during);
        return dialog->DoModalDlg();
    }

    DialogListener listener;
    CKWQTDialog* dialog = nullptr;
};

TEST_F(QTDialogTest, CommandFromAChildRunsItsHandlerWhichCancels)
{
    QWidget* child = new QWidget(dialog);
    const int result = RunModal([child] { KWSendToParent(child, WM_COMMAND, 0, 0, 202); });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listener.Life(), (Names { "OnDlgCreate", "command 202", "Dlg_OnCancel" }));
    EXPECT_EQ(listener.ArgsOf("OnDlgCreate"), (std::vector<std::vector<double>> { { 0 } }));
}

TEST_F(QTDialogTest, TitleButtonOneClosesThroughTheCloseRequest)
{
    DialogStyle style;
    style.Str(44) = L"5,5,20,20";
    dialog->SetSkin(&style);
    const int result = RunModal([this] { QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(10, 10)); });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listener.Life(), (Names { "OnDlgCreate", "Dlg_Close" }))
        << "no cancel: only the close event asks";
    EXPECT_EQ(dialog->Frame().HotButton(), 1);
    EXPECT_EQ(dialog->Frame().ButtonState(), CKWSkinFrame::BTN_STATE_OVER);
}

TEST_F(QTDialogTest, ModalResultIsOneOnlyWhenAccepted)
{
    struct Row {
        const char* name;
        std::function<void(CKWQTDialog*)> end;
        int result;
        Names life;
    };
    const Row rows[] = {
        { "MFCOK", [](CKWQTDialog* d) { d->MFCOK(); }, 1, { "OnDlgCreate", "Dlg_OnOK" } },
        { "MFCCancel", [](CKWQTDialog* d) { d->MFCCancel(); }, 2, { "OnDlgCreate", "Dlg_OnCancel" } },
        { "WM_CLOSE", [](CKWQTDialog* d) { d->SendDlgMessage(WM_CLOSE, 0, 0); }, 2,
            { "OnDlgCreate", "Dlg_OnCancel" } },
        { "hidden", [](CKWQTDialog* d) { d->ShowWindow(0); }, 2, { "OnDlgCreate" } },
        { "command 1", [](CKWQTDialog* d) { KWSendToParent(new QWidget(d), WM_COMMAND, 0, 0, 1); }, 1,
            { "OnDlgCreate", "command 1", "Dlg_OnOK" } },
        { "command 2 without handler",
            [](CKWQTDialog* d) { KWSendToParent(new QWidget(d), WM_COMMAND, 0, 0, 2); }, 2,
            { "OnDlgCreate", "Dlg_OnCancel" } },
    };
    for (const Row& row : rows) {
        listener.Clear();
        EXPECT_EQ(RunModal([this, &row] { row.end(dialog); }), row.result) << row.name;
        EXPECT_EQ(listener.Life(), row.life) << row.name;
        EXPECT_FALSE(dialog->isVisible()) << row.name;
    }
}

// Mouse events with a chosen screen position: the drag follows the cursor's
// global position wherever the window has gone.
void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, const QPoint& global,
    Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(global), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

TEST_F(QTDialogTest, CaptionDragMovesTheWindowWithinTheWorkArea)
{
    DialogStyle style;
    style.Str(54) = L"0,0,300,30";
    dialog->SetSkin(&style);
    dialog->MoveWindow(100, 100, 300, 200);
    dialog->ShowWindow(1);
    const RECT workRect = GetWorkAreaRect();
    const QRect work(QPoint(workRect.left, workRect.top), QPoint(workRect.right, workRect.bottom));

    SendMouse(
        dialog, QEvent::MouseButtonPress, QPoint(50, 10), QPoint(150, 110), Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(dialog->Frame().Dragging());
    struct Row {
        QPoint cursor;
        QPoint expected;
        const char* what;
    };
    const Row rows[] = {
        { QPoint(250, 210), QPoint(200, 200), "follows the cursor" },
        { QPoint(250, work.top() - 40), QPoint(200, work.top() - 10), "above the work area" },
        { QPoint(250, work.bottom() + 5), QPoint(200, work.bottom() - 20), "at the bottom" },
    };
    for (const Row& row : rows) {
        SendMouse(dialog, QEvent::MouseMove, QPoint(50, 10), row.cursor, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(dialog->pos(), row.expected) << row.what;
    }
    SendMouse(
        dialog, QEvent::MouseButtonRelease, QPoint(50, 10), QPoint(250, 210), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(dialog->Frame().Dragging());

    QTest::mousePress(dialog, Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_FALSE(dialog->Frame().Dragging()) << "outside the caption";
}

// The dialog paints its title buttons' own pictures over the skin's pieces.
TEST_F(QTDialogTest, TitleButtonsShowHoverAndPressLeaveResetsThemAndTheyMaximiseRestoreMinimise)
{
    KWShowWithTitleButtonSkin(dialog);
    const Qt::MouseButtons none = Qt::NoButton;
    KWRunTitleButtonSteps(dialog, dialog->Frame(), KW_TITLE_BUTTON_PICTURES,
        {
            { "hover over 2", QEvent::MouseMove, 2, none, 1, 0 },
            { "hover moves on to 3", QEvent::MouseMove, 3, none, 0, 1 },
            { "moved away", QEvent::MouseMove, 0, none, 0, 0 },
            { "pressed on 2", QEvent::MouseButtonPress, 2, Qt::LeftButton, 2, 0 },
            { "leaving resets the pressed button", QEvent::Leave, 0, none, 0, 0 },
            { "hover over 3", QEvent::MouseMove, 3, none, 0, 1 },
            { "leaving resets the hovered button", QEvent::Leave, 0, none, 0, 0 },
        });
    KWRunTitleButtonClicks(dialog, dialog->Frame());
}

TEST_F(QTDialogTest, ResizeBandsAnswerTheNativeHitTestOnlyWhenOn)
{
    dialog->MoveWindow(100, 100, 300, 200);
    const LPARAM leftBand = MAKELONG(100 + 7, 100 + 100);
    LRESULT code = 0;
    EXPECT_FALSE(dialog->HandleNativeMessage(WM_NCHITTEST, 0, leftBand, &code));
    dialog->VariableSize(true);
    EXPECT_TRUE(dialog->HandleNativeMessage(WM_NCHITTEST, 0, leftBand, &code));
    EXPECT_EQ(code, HTLEFT);
    EXPECT_FALSE(dialog->HandleNativeMessage(WM_NCHITTEST, 0, MAKELONG(100 + 150, 100 + 100), &code))
        << "caption";
    EXPECT_FALSE(dialog->HandleNativeMessage(WM_SIZE, 0, leftBand, &code));
}

TEST_F(QTDialogTest, FocusLinesAreDiagnosticsOffUntilTheirCategoryIsSwitchedOn)
{
    static QStringList messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& context, const QString& message) {
            messages.append(QString::fromLatin1(context.category) + QLatin1Char('|') + message);
        });
    const struct {
        const char* rules;
        QStringList lines;
    } rows[] = {
        { "", {} },
        { "lumivane.debug=true", { "lumivane|focusin..", "lumivane|focusout.." } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rules);
        QLoggingCategory::setFilterRules(QString::fromLatin1(row.rules));
        messages.clear();
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(dialog, &in);
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(dialog, &out);
        // The focus-out line goes on with the window's address and the event type.
        for (QString& line : messages) {
            line = line.section(QLatin1String(".."), 0, 0) + QLatin1String("..");
        }
        EXPECT_EQ(messages, row.lines);
    }
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
}

TEST_F(QTDialogTest, CloseVetoKeepsTheDialogOpen)
{
    listener.closeVeto = 1;
    bool stayed = false;
    const int result = RunModal([this, &stayed] {
        dialog->close();
        stayed = dialog->isVisible();
        listener.closeVeto = 0;
        dialog->close();
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listener.Life(), (Names { "OnDlgCreate", "Dlg_Close", "Dlg_Close" }));
}

TEST_F(QTDialogTest, TimersAreKeptByTheCallersId)
{
    const UINT first = dialog->SetDlgTimer(5, 100);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(dialog->SetDlgTimer(5, 100), first) << "a running id keeps its timer";
    EXPECT_EQ(dialog->KillDlgTimer(5), 1);
    EXPECT_EQ(dialog->KillDlgTimer(5), 0);
    EXPECT_EQ(dialog->KillDlgTimer(77), 0);

    dialog->SetDlgTimer(5, 10);
    QElapsedTimer clock;
    clock.start();
    while (listener.Count("OnDlgTimer") == 0 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ASSERT_GE(listener.Count("OnDlgTimer"), 1);
    EXPECT_EQ(listener.ArgsOf("OnDlgTimer").front(), (std::vector<double> { 5 }));
}

TEST_F(QTDialogTest, KeysGoToTheListenerAndCloseNothing)
{
    dialog->ShowWindow(1);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(listener.ArgsOf("OnDlgKeyDown"),
        (std::vector<std::vector<double>> { { 0, Qt::Key_Escape }, { 0, Qt::Key_Return } }));
    EXPECT_TRUE(listener.Life().empty());
}

TEST_F(QTDialogTest, StyleChangeKeepsVisibility)
{
    dialog->ShowWindow(1);
    EXPECT_EQ(dialog->ModifyDlgStyleEx(0, 8, 0), 1);
    EXPECT_EQ(static_cast<int>(dialog->windowFlags()), 0x280B);
    EXPECT_TRUE(dialog->isVisible());
    dialog->ShowWindow(0);
    dialog->ModifyDlgStyleEx(8, 0, 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(QTDialogTest, OnlyTheFirstDroppedFileIsReported)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile("/tmp/first.png"), QUrl::fromLocalFile("/tmp/second.png") });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &drop);
    ASSERT_EQ(listener.Count("OnDlgFileDrop"), 1);
    EXPECT_EQ(listener.calls.back().text, L"/tmp/first.png");
}

TEST_F(QTDialogTest, CreateAndDestructionTellTheListener)
{
    EXPECT_EQ(listener.GetUIWnd(), static_cast<void*>(static_cast<QWidget*>(dialog)));
    EXPECT_EQ(dialog->Create(L"Title", nullptr), 1);
    EXPECT_EQ(listener.ArgsOf("OnDlgCreate"), (std::vector<std::vector<double>> { { 1 } }));
    DestroyKWDialog(dialog);
    dialog = nullptr;
    EXPECT_EQ(listener.Life(), (Names { "OnDlgCreate", "Dlg_Destroy" }));
    EXPECT_EQ(listener.handleAtDestroy, nullptr) << "cleared before Dlg_Destroy";
}

TEST_F(QTDialogTest, SkinSizesCentresAndPaintsInsetByTheShadowWidth)
{
    const QRect available = dialog->screen()->availableGeometry();
    DialogStyle style;
    {
        KWTempSkinDir skins { { "skin.png", Qt::red, QSize(8, 8) } };
        style.Str(0) = L"skin.png";
        style.Str(3) = L"00FF00";
        style.Str(57) = L"300,200";
        style.Str(53) = L"center";
        style.Str(41) = L"-30,5,20,20"; // button 4, from the right edge
        dialog->SetSkin(&style);
    }
    dialog->ShowWindow(1); // a hidden window gets its resize event when shown
    EXPECT_EQ(dialog->size(), QSize(300, 200));
    EXPECT_EQ(dialog->pos(),
        available.topLeft() + QPoint((available.width() - 300) / 2, (available.height() - 200) / 2));
    EXPECT_EQ(dialog->Frame().HitRect(4).left(), 270);
    EXPECT_EQ(listener.ArgsOf("OnDlgSize").back(), (std::vector<double> { 300, 200 }));

    dialog->SetWindowTextW(L"Centred title");
    const QLabel* title = dialog->Frame().TitleLabel();
    ASSERT_NE(title, nullptr);
    const int tw = dialog->fontMetrics().horizontalAdvance("Centred title") + 1;
    EXPECT_EQ(title->geometry().left(), (300 - tw) / 2);
    EXPECT_EQ(title->geometry().top(), 10);
    EXPECT_EQ(title->width(), tw + 1);

    const QImage image = KWGrabImage(dialog);
    EXPECT_EQ(qAlpha(image.pixel(5, 100)), 0) << "the shadow margin stays clear with the shadow off";
    EXPECT_EQ(image.pixelColor(150, 150), QColor(Qt::green));

    // Larger than the screen: centred as if it were the screen's size, then,
    // with the base size now as large as the window, put at the top-left.
    for (int pass = 0; pass < 2; ++pass) {
        style.Str(57) = L"2000,1500";
        dialog->SetSkin(&style);
        EXPECT_EQ(dialog->size(), QSize(2000, 1500));
        EXPECT_EQ(dialog->pos(), available.topLeft());
    }
}

} // namespace
