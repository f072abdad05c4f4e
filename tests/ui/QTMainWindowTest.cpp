#include "tests/common/KWTestKit.h"
#include "tests/ui/TitleButtonSteps.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/api/KWView.h"
#include "ui/qt/KWQTMainWindow.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using Args = std::vector<std::vector<double>>;

Names NamesOf(const KWCallRecorder& recorder)
{
    Names names;
    for (const KWRecordedCall& call : recorder.calls) {
        names.push_back(call.name);
    }
    return names;
}

class MainListener : public IKWDialogEvent, public KWCallRecorder {
public:
    int closeVeto = 0;
    std::vector<LPARAM> copies; // full width: the record's address

    void OnDlgCreate(bool create) override { Record("OnDlgCreate", create); }
    void Dlg_OnOK() override { Record("Dlg_OnOK"); }
    void Dlg_OnCancel() override { Record("Dlg_OnCancel"); }
    int Dlg_Close() override
    {
        Record("Dlg_Close");
        return closeVeto;
    }
    void OnDlgKeyDown(UINT, UINT key) override { Record("OnDlgKeyDown", key); }
    void OnDlgCopyData(LPARAM record) override { copies.push_back(record); }
    void OnMsgScreenLock(int locked) override { Record("OnMsgScreenLock", locked); }
    void OnDlgTimer(UINT id) override { Record("OnDlgTimer", id); }

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
    EXPECT_EQ(window->DoModalDlg(), -1);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_EQ(widget->GetWindowUserData(), 0);
    EXPECT_EQ(window->Create(L"Calculator", nullptr), 1);
    EXPECT_EQ(widget->GetWindowUserData(), 0x4D41494E);
    EXPECT_EQ(listener.ArgsOf("OnDlgCreate"), (Args { { 1 } }));
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

// The main window's title buttons are always cut from the skin image, even
// when the skin names pictures of their own; they show
// a hover only while the left button is held, keep their state when the
// mouse leaves, and maximise, restore and minimise as the dialog's do.
TEST_F(QTMainWindowTest, TitleButtonsPaintSkinPiecesAndMaximiseRestoreMinimise)
{
    KWShowWithTitleButtonSkin(window);
    const Qt::MouseButtons none = Qt::NoButton;
    KWRunTitleButtonSteps(widget, widget->Frame(), KW_TITLE_BUTTON_PIECES,
        {
            { "no hover without a button", QEvent::MouseMove, 2, none, 0, 0 },
            { "pressed on 3", QEvent::MouseButtonPress, 3, Qt::LeftButton, 0, 2 },
            { "dragged over 2", QEvent::MouseMove, 2, Qt::LeftButton, 1, 0 },
            { "leaving keeps the state", QEvent::Leave, 0, none, 1, 0 },
        });
    KWRunTitleButtonClicks(widget, widget->Frame());
}

TEST_F(QTMainWindowTest, OkStaysCancelClosesUnlessVetoed)
{
    window->ShowWindow(1);
    window->MFCOK();
    RunEventsFor(50);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(NamesOf(listener), (Names { "Dlg_OnOK" }));
    EXPECT_NE(listener.GetUIWnd(), nullptr);

    listener.closeVeto = 1;
    window->SendDlgMessage(WM_CLOSE, 0, 0);
    EXPECT_EQ(listener.GetUIWnd(), nullptr) << "cleared before the close is asked";
    RunEventsFor(2000, [this] { return listener.Count("Dlg_Close") == 1; });
    EXPECT_TRUE(widget->isVisible());

    listener.closeVeto = 0;
    window->MFCCancel();
    RunEventsFor(2000, [this] { return !widget->isVisible(); });
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(
        NamesOf(listener), (Names { "Dlg_OnOK", "Dlg_OnCancel", "Dlg_Close", "Dlg_OnCancel", "Dlg_Close" }));
}

// Qt 6 quits on the last *visible* window only; the program hides its main
// window before it sends the close message, and must still end.
TEST_F(QTMainWindowTest, CloseMessageEndsTheEventLoopAlsoWhenTheWindowWasHiddenFirst)
{
    for (const bool hideFirst : { true, false }) {
        SCOPED_TRACE(hideFirst ? "hidden first" : "visible");
        window->ShowWindow(1);
        bool timedOut = false;
        QTimer::singleShot(0, widget, [this, hideFirst] {
            if (hideFirst) {
                window->ShowWindow(0);
            }
            window->SendDlgMessage(WM_CLOSE, 0, 0);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        guard.start(5000);
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_FALSE(timedOut);
    }
    // A close that the listener refuses ends nothing.
    listener.closeVeto = 1;
    window->ShowWindow(1);
    QTimer::singleShot(0, widget, [this] {
        window->ShowWindow(0);
        window->SendDlgMessage(WM_CLOSE, 0, 0);
    });
    QTimer::singleShot(300, widget, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 7);
}

TEST_F(QTMainWindowTest, F1ArrivesAsItsWindowsKeyCode)
{
    for (const Qt::Key key : { Qt::Key_F1, Qt::Key_F2, Qt::Key_Escape }) {
        QTest::keyClick(widget, key);
    }
    EXPECT_EQ(listener.ArgsOf("OnDlgKeyDown"), (Args { { 0x70 }, { Qt::Key_F2 }, { Qt::Key_Escape } }));
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
    EXPECT_EQ(listener.ArgsOf("OnMsgScreenLock"), (Args { { 1 }, { 0 } }));
}

TEST_F(QTMainWindowTest, KilledTimerIdCanBeStartedAgain)
{
    const UINT first = window->SetDlgTimer(3, 1000);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(window->KillDlgTimer(3), 1);
    EXPECT_EQ(window->KillDlgTimer(3), 0);
    EXPECT_NE(window->SetDlgTimer(3, 10), 0u);
    RunEventsFor(5000, [this] { return listener.Count("OnDlgTimer") > 0; });
    ASSERT_GT(listener.Count("OnDlgTimer"), 0);
    EXPECT_EQ(listener.ArgsOf("OnDlgTimer").front(), (std::vector<double> { 3 }));
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
    KWCallRecorder* log = nullptr;
    void OnDlgCreate(bool create) override
    {
        if (!create) {
            dialog->SetDlgTimer(9, 10);
        }
    }
    void OnDlgTimer(UINT id) override
    {
        log->Record("dialog timer", id);
        dialog->KillDlgTimer(id);
        dialog->MFCOK();
    }
    KW_BEGIN_MSGMAP(TimedDialogListener)
    KW_END_MSGMAP()
};

class PanelListener : public IKWViewEvent, public KWCallRecorder {
public:
    CKWDialog* modal = nullptr;
    void OnOpen()
    {
        Record("command 500");
        Record("modal result", modal->DoModalDlg());
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
    auto skins = std::make_unique<KWTempSkinDir>();
    FrameSkin().save(skins->Path() + "frame.png", "png");

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
    skins.reset();

    CKWView* view = CreateKWView(&panelListener);
    view->Create(L"", L"panel", WS_VISIBLE, RECT { 30, 60, 449, 289 }, mainListener.GetUIWnd(), 100);
    view->SetBGClr(0x00F5E6D2u);
    view->SetFrameClr(0x00808080u, 255, 1);
    auto* sender = new CommandSender(static_cast<QWidget*>(panelListener.GetUIWnd()), 500);
    sender->setGeometry(20, 20, 80, 30);
    sender->show();

    CKWDialog* dialog = CreateKWDialog(&dialogListener, mainListener.GetUIWnd(), Qt::WindowFlags());
    dialogListener.dialog = dialog;
    dialogListener.log = &panelListener;
    panelListener.modal = dialog;

    QTest::mouseClick(sender, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(NamesOf(panelListener), (Names { "command 500", "dialog timer", "modal result" }));
    EXPECT_EQ(panelListener.ArgsOf("dialog timer"), (Args { { 9 } }));
    EXPECT_EQ(panelListener.ArgsOf("modal result"), (Args { { 1 } }));

    auto* main = static_cast<CKWQTMainWindow*>(window);
    EXPECT_EQ(main->Frame().HitRect(1).left(), 440);
    const QImage shot = KWGrabImage(main);
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
