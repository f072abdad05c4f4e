#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/api/KWView.h"
#include "ui/qt/KWQTMainWindow.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class MainListener : public IKWDialogEvent {
public:
    Log log;
    int closeVeto = 0;
    std::vector<UINT> keys;
    std::vector<LPARAM> copies;
    std::vector<int> locks;
    std::vector<UINT> timers;

    void OnDlgCreate(bool create) override { log.push_back(create ? "create(true)" : "create(false)"); }
    void Dlg_OnOK() override { log.push_back("ok"); }
    void Dlg_OnCancel() override { log.push_back("cancel"); }
    int Dlg_Close() override
    {
        log.push_back("close");
        return closeVeto;
    }
    void OnDlgKeyDown(UINT, UINT key) override { keys.push_back(key); }
    void OnDlgCopyData(LPARAM record) override { copies.push_back(record); }
    void OnMsgScreenLock(int locked) override { locks.push_back(locked); }
    void OnDlgTimer(UINT id) override { timers.push_back(id); }

    KW_BEGIN_MSGMAP(MainListener)
    KW_END_MSGMAP()
};

void RunEventsFor(
    int milliseconds, const std::function<bool()>& done = [] { return false; })
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

class QTMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = CreateKWMainWindow(&listener, nullptr);
        ASSERT_NE(window, nullptr);
        widget = static_cast<CKWQTMainWindow*>(window);
    }
    void TearDown() override { DestroyKWMainWindow(window); }

    MainListener listener;
    CKWDialog* window = nullptr;
    CKWQTMainWindow* widget = nullptr;
};

TEST_F(QTMainWindowTest, IsNeverModalAndCarriesItsMarker)
{
    // Qt marks every top-level widget as a window on top of the given flags.
    EXPECT_EQ(static_cast<int>(widget->windowFlags() & ~Qt::Window), 0xE800);
    EXPECT_EQ(window->DoModalDlg(), -1);
    EXPECT_TRUE(listener.log.empty());
    EXPECT_EQ(widget->GetWindowUserData(), 0);
    EXPECT_EQ(window->Create(L"Calculator", nullptr), 1);
    EXPECT_EQ(widget->GetWindowUserData(), 0x4D41494E);
    EXPECT_EQ(listener.log, (Log { "create(true)" }));
    window->SetWindowTextW(L"Renamed");
    EXPECT_EQ(widget->windowTitle(), "Renamed");
    EXPECT_EQ(window->ModifyDlgStyleEx(0, 8, 0), 1);
    EXPECT_EQ(static_cast<int>(widget->windowFlags() & ~Qt::Window), 0xE800) << "no effect";
}

TEST_F(QTMainWindowTest, MaximiseFillsTheWorkAreaAndRestores)
{
    window->MoveWindow(40, 50, 300, 200);
    window->ShowWindow(1);
    window->MacShowMaximize(false);
    EXPECT_EQ(widget->geometry(), QRect(40, 50, 300, 200)) << "nothing to restore yet";

    window->MacShowMaximize(true);
    const RECT work = GetWorkAreaRect();
    EXPECT_EQ(widget->geometry(), QRect(QPoint(work.left, work.top), QPoint(work.right, work.bottom)));
    EXPECT_EQ(window->IsDlgZoomed(), 1);
    window->MacShowMaximize(true);
    EXPECT_EQ(widget->geometry(), QRect(40, 50, 300, 200));
    EXPECT_EQ(window->IsDlgZoomed(), 0);
}

TEST_F(QTMainWindowTest, OkStaysCancelClosesUnlessVetoed)
{
    window->ShowWindow(1);
    window->MFCOK();
    RunEventsFor(50);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(listener.log, (Log { "ok" }));
    EXPECT_NE(listener.GetUIWnd(), nullptr);

    listener.closeVeto = 1;
    window->SendDlgMessage(WM_CLOSE, 0, 0);
    EXPECT_EQ(listener.GetUIWnd(), nullptr) << "cleared before the close is asked";
    RunEventsFor(2000, [this] { return listener.log.size() == 3; });
    EXPECT_TRUE(widget->isVisible());

    listener.closeVeto = 0;
    window->MFCCancel();
    RunEventsFor(2000, [this] { return !widget->isVisible(); });
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(listener.log, (Log { "ok", "cancel", "close", "cancel", "close" }));
}

TEST_F(QTMainWindowTest, F1ArrivesAsItsWindowsKeyCode)
{
    for (const int key : { Qt::Key_F1, Qt::Key_F2, Qt::Key_Escape }) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }
    EXPECT_EQ(listener.keys, (std::vector<UINT> { 0x70u, Qt::Key_F2, Qt::Key_Escape }));
}

TEST_F(QTMainWindowTest, CopyDataAndSessionMessagesReachTheListenerUnanswered)
{
    COPYDATASTRUCT record {};
    const LPARAM address = reinterpret_cast<LPARAM>(&record);
    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Row rows[] = {
        { WM_COPYDATA, 0, address }, { WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0 },
        { WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0 }, { WM_WTSSESSION_CHANGE, 5, 0 },
        { WM_NCHITTEST, 0, 0 }, // resize bands are off
    };
    for (const Row& row : rows) {
        LRESULT result = 0;
        EXPECT_FALSE(widget->HandleNativeMessage(row.message, row.wParam, row.lParam, &result))
            << row.message;
    }
    EXPECT_EQ(listener.copies, (std::vector<LPARAM> { address })) << "the full pointer-sized record address";
    EXPECT_EQ(listener.locks, (std::vector<int> { 1, 0 }));
}

TEST_F(QTMainWindowTest, KilledTimerIdCanBeStartedAgain)
{
    const UINT first = window->SetDlgTimer(3, 1000);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(window->KillDlgTimer(3), 1);
    EXPECT_EQ(window->KillDlgTimer(3), 0);
    EXPECT_NE(window->SetDlgTimer(3, 10), 0u);
    RunEventsFor(5000, [this] { return !listener.timers.empty(); });
    ASSERT_FALSE(listener.timers.empty());
    EXPECT_EQ(listener.timers.front(), 3u);
}

// End to end: a skinned main window holding a view container, a command
// sender on the view whose command runs the view listener's map, which runs
// a modal dialog over the window that a timer closes.

// A minimal control that reports a click to its parent window as a command.
class CommandSender : public QWidget {
public:
    CommandSender(QWidget* parent, UINT id)
        : QWidget(parent)
        , m_id(id)
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override { KWSendToParent(this, WM_COMMAND, 0, 0, m_id); }

private:
    UINT m_id;
};

class TimedDialogListener : public IKWDialogEvent {
public:
    CKWDialog* dialog = nullptr;
    Log* log = nullptr;
    void OnDlgCreate(bool create) override
    {
        if (!create) {
            dialog->SetDlgTimer(9, 10);
        }
    }
    void OnDlgTimer(UINT id) override
    {
        log->push_back("dialog timer " + std::to_string(id));
        dialog->KillDlgTimer(id);
        dialog->MFCOK();
    }
    KW_BEGIN_MSGMAP(TimedDialogListener)
    KW_END_MSGMAP()
};

class PanelListener : public IKWViewEvent {
public:
    Log log;
    CKWDialog* modal = nullptr;
    int modalResult = 0;
    void OnOpen()
    {
        log.push_back("command 500");
        modalResult = modal->DoModalDlg();
        log.push_back("modal " + std::to_string(modalResult));
    }
    KW_BEGIN_MSGMAP(PanelListener)
    KW_COMMAND(500, OnOpen)
    KW_END_MSGMAP()
};

QPixmap FrameSkin()
{
    // Twelve 8x8 pieces: dark corners, lighter edges, then a red close button.
    QPixmap skin(104, 8);
    skin.fill(Qt::transparent);
    QPainter painter(&skin);
    for (int i = 0; i < 12; ++i) {
        const bool corner = i == 0 || i == 2 || i == 9 || i == 11;
        painter.fillRect(8 * i, 0, 8, 8, corner ? QColor(40, 60, 90) : QColor(70, 110, 160));
    }
    painter.fillRect(96, 0, 8, 8, QColor(200, 40, 40));
    return skin;
}

TEST(QTMainWindowEndToEnd, ViewCommandOpensAModalDialogThatATimerCloses)
{
    QTemporaryDir dir;
    const QString previousSkins = GetSkinPath();
    SetSkinPath((dir.path() + "/").toStdWString());
    FrameSkin().save(dir.filePath("frame.png"), "png");

    MainListener mainListener;
    PanelListener panelListener;
    TimedDialogListener dialogListener;
    CKWDialog* window = CreateKWMainWindow(&mainListener, nullptr);
    DialogStyle style;
    style.Str(0) = L"frame.png";
    style.Str(3) = L"F0F0F0";
    const int pieceFields[12] = { 4, 6, 8, 10, 12, 14, 26, 24, 22, 16, 18, 20 };
    for (int i = 0; i < 12; ++i) {
        style.Str(pieceFields[i]) = std::to_wstring(8 * i) + L",0,8,8";
    }
    style.Str(37) = L"96,0,8,8"; // button 1, normal
    style.Str(44) = L"-40,16,24,24"; // button 1 from the right edge
    style.Str(54) = L"0,0,480,60";
    style.Str(57) = L"480,320";
    window->SetSkin(&style);
    window->Create(L"Camera Calculator", nullptr);
    window->ShowWindow(1);
    SetSkinPath(previousSkins.toStdWString());

    CKWView* view = CreateKWView(&panelListener);
    view->Create(L"", L"panel", WS_VISIBLE, RECT { 30, 60, 449, 289 }, mainListener.GetUIWnd(), 100);
    view->SetBGClr(0x00F5E6D2u);
    view->SetFrameClr(0x00808080u, 255, 1);
    auto* sender = new CommandSender(static_cast<QWidget*>(panelListener.GetUIWnd()), 500);
    sender->setGeometry(20, 20, 80, 30);
    sender->show();

    CKWDialog* dialog = CreateKWDialog(&dialogListener, mainListener.GetUIWnd(), Qt::WindowFlags());
    dialogListener.dialog = dialog;
    dialogListener.log = &panelListener.log;
    panelListener.modal = dialog;

    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(sender->mapToGlobal(QPoint(5, 5))),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sender, &release);
    EXPECT_EQ(panelListener.log, (Log { "command 500", "dialog timer 9", "modal 1" }));

    auto* main = static_cast<CKWQTMainWindow*>(window);
    EXPECT_EQ(main->Frame().HitRect(1).left(), 440);
    const QImage shot = main->grab().toImage();
    if (const char* path = std::getenv("KW_SCREENSHOT")) {
        shot.save(QString::fromLocal8Bit(path));
    }
    // The background is drawn inset by the shadow width of 10.
    EXPECT_EQ(shot.pixelColor(12, 12), QColor(40, 60, 90)) << "top-left corner piece";
    EXPECT_EQ(shot.pixelColor(100, 13), QColor(70, 110, 160)) << "top edge";
    EXPECT_EQ(shot.pixelColor(240, 40), QColor(240, 240, 240)) << "interior colour";
    EXPECT_EQ(shot.pixelColor(300, 200), QColor(0xD2, 0xE6, 0xF5)) << "the view's background";

    DestroyKWDialog(dialog);
    DestroyKWMainWindow(window); // takes the view with it
    EXPECT_EQ(panelListener.GetUIWnd(), nullptr);
}

} // namespace
