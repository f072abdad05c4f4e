#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWQTDialog.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class DialogListener : public IKWDialogEvent {
public:
    Log log;
    CKWDialog* dialog = nullptr;
    int closeVeto = 0;
    void* handleAtDestroy = reinterpret_cast<void*>(1);
    std::vector<UINT> timers;
    std::vector<std::pair<UINT, UINT>> keys;
    std::wstring dropped;
    int sizes = 0;

    void OnDlgCreate(bool create) override { log.push_back(create ? "create(true)" : "create(false)"); }
    void Dlg_OnOK() override { log.push_back("ok"); }
    void Dlg_OnCancel() override { log.push_back("cancel"); }
    int Dlg_Close() override
    {
        log.push_back("close");
        return closeVeto;
    }
    void Dlg_Destroy() override
    {
        log.push_back("destroy");
        handleAtDestroy = GetUIWnd();
    }
    void OnDlgSize(UINT, int&, int&) override { ++sizes; }
    void OnDlgTimer(UINT id) override { timers.push_back(id); }
    void OnDlgKeyDown(UINT modifiers, UINT key) override { keys.emplace_back(modifiers, key); }
    void OnDlgFileDrop(LPCWSTR path) override { dropped = path; }

    void OnCommand1() { log.push_back("command 1"); }
    void OnCommand202()
    {
        log.push_back("command 202");
        dialog->MFCCancel();
    }

    KW_BEGIN_MSGMAP(DialogListener)
    KW_COMMAND(1, OnCommand1)
    KW_COMMAND(202, OnCommand202)
    KW_END_MSGMAP()
};

QWidget* WidgetOf(CKWDialog* dialog)
{
    return static_cast<CKWQTDialog*>(dialog);
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, const QPoint& global,
    Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(global), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void SendMouse(
    QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    SendMouse(target, type, pos, target->mapToGlobal(pos), button, buttons);
}

void ClickAt(QWidget* target, const QPoint& pos)
{
    SendMouse(target, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

class QTDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = CreateKWDialog(&listener, nullptr, Qt::WindowFlags());
        ASSERT_NE(dialog, nullptr);
        listener.dialog = dialog;
    }
    void TearDown() override { DestroyKWDialog(dialog); }

    // Runs the dialog modally; `during` runs once the modal loop is going.
    int RunModal(const std::function<void()>& during)
    {
        QTimer::singleShot(0, WidgetOf(dialog), during);
        return dialog->DoModalDlg();
    }

    DialogListener listener;
    CKWDialog* dialog = nullptr;
};

TEST_F(QTDialogTest, ConstructionSetsTheFramelessFlagsAndTheListenersHandle)
{
    EXPECT_EQ(listener.GetUIWnd(), static_cast<void*>(WidgetOf(dialog)));
    EXPECT_EQ(static_cast<int>(WidgetOf(dialog)->windowFlags()), 0x2803);
    EXPECT_EQ(dialog->IsDlgZoomed(), 1) << "a dialog that is not maximised";
    EXPECT_EQ(dialog->Create(L"Title", nullptr), 1);
    EXPECT_EQ(listener.log, (Log { "create(true)" }));
}

TEST_F(QTDialogTest, CommandFromAChildRunsItsHandlerWhichCancels)
{
    QWidget* child = new QWidget(WidgetOf(dialog));
    const int result = RunModal([child] { KWSendToParent(child, WM_COMMAND, 0, 0, 202); });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listener.log, (Log { "create(false)", "command 202", "cancel" }));
}

TEST_F(QTDialogTest, TitleButtonOneClosesThroughTheCloseRequest)
{
    DialogStyle style;
    style.Str(44) = L"5,5,20,20";
    dialog->SetSkin(&style);
    const int result = RunModal([this] { ClickAt(WidgetOf(dialog), QPoint(10, 10)); });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listener.log, (Log { "create(false)", "close" })) << "no cancel: only the close event asks";
    const auto& frame = static_cast<CKWQTDialog*>(dialog)->Frame();
    EXPECT_EQ(frame.HotButton(), 1);
    EXPECT_EQ(frame.ButtonState(), CKWSkinFrame::BTN_STATE_OVER);
}

TEST_F(QTDialogTest, ModalResultIsOneOnlyWhenAccepted)
{
    struct Row {
        const char* name;
        std::function<void(CKWDialog*)> end;
        int result;
        Log log;
    };
    const Row rows[] = {
        { "MFCOK", [](CKWDialog* d) { d->MFCOK(); }, 1, { "create(false)", "ok" } },
        { "MFCCancel", [](CKWDialog* d) { d->MFCCancel(); }, 2, { "create(false)", "cancel" } },
        { "WM_CLOSE", [](CKWDialog* d) { d->SendDlgMessage(WM_CLOSE, 0, 0); }, 2,
            { "create(false)", "cancel" } },
        { "hidden", [](CKWDialog* d) { d->ShowWindow(0); }, 2, { "create(false)" } },
        { "command 1", [](CKWDialog* d) { KWSendToParent(new QWidget(WidgetOf(d)), WM_COMMAND, 0, 0, 1); }, 1,
            { "create(false)", "command 1", "ok" } },
        { "command 2 without handler",
            [](CKWDialog* d) { KWSendToParent(new QWidget(WidgetOf(d)), WM_COMMAND, 0, 0, 2); }, 2,
            { "create(false)", "cancel" } },
    };
    for (const Row& row : rows) {
        listener.log.clear();
        EXPECT_EQ(RunModal([this, &row] { row.end(dialog); }), row.result) << row.name;
        EXPECT_EQ(listener.log, row.log) << row.name;
        EXPECT_FALSE(WidgetOf(dialog)->isVisible()) << row.name;
    }
}

TEST_F(QTDialogTest, CaptionDragMovesTheWindowWithinTheWorkArea)
{
    DialogStyle style;
    style.Str(54) = L"0,0,300,30";
    dialog->SetSkin(&style);
    dialog->MoveWindow(100, 100, 300, 200);
    dialog->ShowWindow(1);
    QWidget* widget = WidgetOf(dialog);
    const RECT workRect = GetWorkAreaRect();
    const QRect work(QPoint(workRect.left, workRect.top), QPoint(workRect.right, workRect.bottom));

    SendMouse(
        widget, QEvent::MouseButtonPress, QPoint(50, 10), QPoint(150, 110), Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(static_cast<CKWQTDialog*>(dialog)->Frame().Dragging());
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
        SendMouse(widget, QEvent::MouseMove, QPoint(50, 10), row.cursor, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(widget->pos(), row.expected) << row.what;
    }
    SendMouse(
        widget, QEvent::MouseButtonRelease, QPoint(50, 10), QPoint(250, 210), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(static_cast<CKWQTDialog*>(dialog)->Frame().Dragging());

    // No drag starts outside the caption.
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(50, 100), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(static_cast<CKWQTDialog*>(dialog)->Frame().Dragging());
}

TEST_F(QTDialogTest, ResizeBandsAnswerTheNativeHitTestOnlyWhenOn)
{
    dialog->MoveWindow(100, 100, 300, 200);
    const auto& frame = static_cast<CKWQTDialog*>(dialog)->Frame();
    const LPARAM leftBand = MAKELONG(100 + 7, 100 + 100);
    LRESULT code = 0;
    EXPECT_FALSE(frame.NativeHitTest(WM_NCHITTEST, leftBand, &code));
    dialog->VariableSize(true);
    EXPECT_TRUE(frame.NativeHitTest(WM_NCHITTEST, leftBand, &code));
    EXPECT_EQ(code, HTLEFT);
    EXPECT_FALSE(frame.NativeHitTest(WM_NCHITTEST, MAKELONG(100 + 150, 100 + 100), &code)) << "caption";
    EXPECT_FALSE(frame.NativeHitTest(WM_SIZE, leftBand, &code));
}

TEST_F(QTDialogTest, CloseVetoKeepsTheDialogOpen)
{
    listener.closeVeto = 1;
    bool stayed = false;
    const int result = RunModal([this, &stayed] {
        WidgetOf(dialog)->close();
        stayed = WidgetOf(dialog)->isVisible();
        listener.closeVeto = 0;
        WidgetOf(dialog)->close();
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listener.log, (Log { "create(false)", "close", "close" }));
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
    while (listener.timers.empty() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ASSERT_FALSE(listener.timers.empty());
    EXPECT_EQ(listener.timers.front(), 5u);
}

TEST_F(QTDialogTest, KeysGoToTheListenerAndCloseNothing)
{
    dialog->ShowWindow(1);
    for (const int key : { Qt::Key_Escape, Qt::Key_Return }) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(WidgetOf(dialog), &press);
    }
    EXPECT_TRUE(WidgetOf(dialog)->isVisible());
    EXPECT_EQ(listener.keys,
        (std::vector<std::pair<UINT, UINT>> { { 0u, Qt::Key_Escape }, { 0u, Qt::Key_Return } }));
    EXPECT_TRUE(listener.log.empty());
}

TEST_F(QTDialogTest, StyleChangeKeepsVisibility)
{
    dialog->ShowWindow(1);
    EXPECT_EQ(dialog->ModifyDlgStyleEx(0, 8, 0), 1);
    EXPECT_EQ(static_cast<int>(WidgetOf(dialog)->windowFlags()), 0x280B);
    EXPECT_TRUE(WidgetOf(dialog)->isVisible());
    dialog->ShowWindow(0);
    dialog->ModifyDlgStyleEx(8, 0, 0);
    EXPECT_FALSE(WidgetOf(dialog)->isVisible());
}

TEST_F(QTDialogTest, OnlyTheFirstDroppedFileIsReported)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile("/tmp/first.png"), QUrl::fromLocalFile("/tmp/second.png") });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(WidgetOf(dialog), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(WidgetOf(dialog), &drop);
    EXPECT_EQ(listener.dropped, L"/tmp/first.png");
}

TEST_F(QTDialogTest, DestructionClearsTheHandleBeforeTelling)
{
    DestroyKWDialog(dialog);
    dialog = nullptr;
    EXPECT_EQ(listener.log, (Log { "destroy" }));
    EXPECT_EQ(listener.handleAtDestroy, nullptr);
}

TEST_F(QTDialogTest, SkinSizesCentresAndPaintsInsetByTheShadowWidth)
{
    QTemporaryDir dir;
    const QString previous = GetSkinPath();
    SetSkinPath((dir.path() + "/").toStdWString());
    QPixmap skin(8, 8);
    skin.fill(Qt::red);
    skin.save(dir.filePath("skin.png"), "png");

    const QRect available = WidgetOf(dialog)->screen()->availableGeometry();
    DialogStyle style;
    style.Str(0) = L"skin.png";
    style.Str(3) = L"00FF00";
    style.Str(57) = L"300,200";
    style.Str(53) = L"center";
    style.Str(41) = L"-30,5,20,20"; // button 4, from the right edge
    dialog->SetSkin(&style);
    SetSkinPath(previous.toStdWString());

    QWidget* widget = WidgetOf(dialog);
    dialog->ShowWindow(1); // a hidden window gets its resize event when shown
    EXPECT_EQ(widget->size(), QSize(300, 200));
    EXPECT_EQ(widget->pos(),
        available.topLeft() + QPoint((available.width() - 300) / 2, (available.height() - 200) / 2));
    EXPECT_EQ(static_cast<CKWQTDialog*>(dialog)->Frame().HitRect(4).left(), 270);
    EXPECT_GE(listener.sizes, 1);

    dialog->SetWindowTextW(L"Centred title");
    const QLabel* title = static_cast<CKWQTDialog*>(dialog)->Frame().TitleLabel();
    ASSERT_NE(title, nullptr);
    const int tw = widget->fontMetrics().horizontalAdvance("Centred title") + 1;
    EXPECT_EQ(title->geometry().left(), (300 - tw) / 2);
    EXPECT_EQ(title->geometry().top(), 10);
    EXPECT_EQ(title->width(), tw + 1);

    const QImage image = widget->grab().toImage();
    EXPECT_EQ(qAlpha(image.pixel(5, 100)), 0) << "the shadow margin stays clear with the shadow off";
    EXPECT_EQ(image.pixelColor(150, 150), QColor(Qt::green));

    // Larger than the screen: centred as if it were the screen's size, then,
    // with the base size now as large as the window, put at the top-left.
    for (int pass = 0; pass < 2; ++pass) {
        style.Str(57) = L"2000,1500";
        dialog->SetSkin(&style);
        EXPECT_EQ(widget->size(), QSize(2000, 1500));
        EXPECT_EQ(widget->pos(), available.topLeft());
    }
}

} // namespace
