#include "ui/qt/KWQTMainWindow.h"

#include "base/KWDiagnostics.h"
#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QCloseEvent>
#include <QVariant>

#include <new>

namespace {

// Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
// Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint.
constexpr int kMainWindowFlags = 0xE800;

// The Windows virtual-key code of F1.
constexpr UINT kVirtualKeyF1 = 0x70;

const char kUserDataProperty[] = "kwUserData";

// Whether a visible window other than self would keep the program running by
// Qt's own rule: a window without a parent that quits on close (pop-ups and
// tooltips do not).
bool HasOtherPrimaryWindow(const QWidget* self)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window != self && window->isVisible() && window->parentWidget() == nullptr
            && window->testAttribute(Qt::WA_QuitOnClose)) {
            return true;
        }
    }
    return false;
}

} // namespace

CKWQTMainWindow::CKWQTMainWindow(IKWDialogEvent* listener, QWidget* parent)
    : CKWQTFramedWindow<QMainWindow>(listener, parent, Qt::WindowFlags(), CKWSkinFrame::Variant::MainWindow,
        Qt::WindowFlags(kMainWindowFlags))
{
    // No translucent background until SetFrameShadow(true) asks for one.
    ConnectTitleSignals(this);
}

CKWQTMainWindow::~CKWQTMainWindow()
{
    m_timers.KillAll();
    if (m_pListener != nullptr) {
        m_pListener->Dlg_Destroy();
    }
}

int CKWQTMainWindow::DoModalDlg()
{
    return -1;
}

int CKWQTMainWindow::Create(LPCWSTR text, void* parent)
{
    CKWQTFramedWindow<QMainWindow>::Create(text, parent);
    // Windows keeps the marker in the window's user-data word; here nothing
    // outside the process can look, so it lives as a window property.
    setProperty(kUserDataProperty, QVariant::fromValue<qlonglong>(kUserDataMarker));
    return 1;
}

LPARAM CKWQTMainWindow::GetWindowUserData() const
{
    return static_cast<LPARAM>(property(kUserDataProperty).toLongLong());
}

void CKWQTMainWindow::MFCOK()
{
    if (m_pListener != nullptr) {
        m_pListener->Dlg_OnOK();
    }
}

void CKWQTMainWindow::MFCCancel()
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(nullptr);
        m_pListener->Dlg_OnCancel();
    }
    emit sgnClose();
}

int CKWQTMainWindow::IsDlgZoomed()
{
    return m_maximized ? 1 : 0;
}

int CKWQTMainWindow::ModifyDlgStyleEx(DWORD, DWORD, UINT)
{
    return 1;
}

void CKWQTMainWindow::SetWindowTextW(LPCWSTR text)
{
    const QString title = KWToQString(text);
    m_frame.SetTitle(title);
    setWindowTitle(title);
}

void CKWQTMainWindow::SetDlgIcon(LPCWSTR name)
{
    SetWindowAndAppIcon(KWSkinImagePath(name));
}

void CKWQTMainWindow::MacShowFullScreen(bool on)
{
    if (on) {
        showFullScreen();
        return;
    }
    showNormal();
    if (m_maximized && m_availableRect.isValid()) {
        m_frame.MoveWindow(m_availableRect);
    }
}

void CKWQTMainWindow::MacShowMaximize(bool on)
{
    if (on && !m_maximized) {
        m_restoreRect = geometry();
        m_availableRect = KWInclusiveRect(GetWorkAreaRect());
        if (m_animation) {
            m_animation->setCurrentTime(250);
        } else {
            m_frame.MoveWindow(m_availableRect);
        }
        m_maximized = true;
        return;
    }
    if (m_animation) {
        m_animation->setCurrentTime(250);
    } else if (m_restoreRect.isValid()) {
        // Without an earlier maximise there is nothing to go back to; moving
        // to the empty rectangle would shrink the window to nothing.
        m_frame.MoveWindow(m_restoreRect);
    }
    m_maximized = false;
}

bool CKWQTMainWindow::HandleNativeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COPYDATA) {
        if (m_pListener != nullptr) {
            m_pListener->OnDlgCopyData(lParam);
        }
    } else if (message == WM_WTSSESSION_CHANGE) {
        qCDebug(KWDiagnostics, "WM_WTSSESSION_CHANGE return ");
        if (m_pListener != nullptr && wParam == WTS_SESSION_LOCK) {
            m_pListener->OnMsgScreenLock(1);
        } else if (m_pListener != nullptr && wParam == WTS_SESSION_UNLOCK) {
            m_pListener->OnMsgScreenLock(0);
        }
    }
    return CKWQTFramedWindow<QMainWindow>::HandleNativeMessage(message, wParam, lParam, result);
}

void CKWQTMainWindow::OnSwitchSize() { }

void CKWQTMainWindow::OnAniShowMaxFinished()
{
    m_animation.reset();
    showMaximized();
}

void CKWQTMainWindow::OnAniShowNorFinished()
{
    m_animation.reset();
    showNormal();
}

UINT CKWQTMainWindow::ListenerKey(int key) const
{
    return key == Qt::Key_F1 ? kVirtualKeyF1 : static_cast<UINT>(key);
}

void CKWQTMainWindow::moveEvent(QMoveEvent*) { }

void CKWQTMainWindow::closeEvent(QCloseEvent* event)
{
    qCDebug(KWDiagnostics, "CKWQTMainWindow::closeEvent!");
    CKWQTFramedWindow<QMainWindow>::closeEvent(event);
    // Qt 6 ends the event loop only when the last *visible* window closes; a
    // main window hidden just before its close (as the tool bar's Close does)
    // would leave the program running without a window.
    if (event->isAccepted() && !isVisible() && QGuiApplication::quitOnLastWindowClosed()
        && !HasOtherPrimaryWindow(this)) {
        QCoreApplication::quit();
    }
}

void CKWQTMainWindow::changeEvent(QEvent* event)
{
    // The frame is drawn by hand: any change but a state change may alter
    // it, so it is drawn again at once. Qt's own handling is not wanted.
    if (event->type() != QEvent::WindowStateChange) {
        repaint();
    }
}

CKWDialog* CreateKWMainWindow(IKWDialogEvent* listener, void* parent)
{
    return new (std::nothrow) CKWQTMainWindow(listener, KWWidgetFromHandle(parent));
}
