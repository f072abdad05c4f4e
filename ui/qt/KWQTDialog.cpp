#include "ui/qt/KWQTDialog.h"

#include "base/KWQtText.h"
#include "ui/qt/KWDialogRelay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimerEvent>

#include <QtDebug>

#include <new>

namespace {

// Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint, whatever
// the caller asked for.
constexpr int kDialogFlags = 0x2803;

} // namespace

CKWQTDialog::CKWQTDialog(IKWDialogEvent* listener, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , CKWDialog(listener)
    , m_frame(CKWSkinFrame::Variant::Dialog, this)
    , m_timers(this)
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(static_cast<QWidget*>(this));
    }
    setAcceptDrops(true);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);
    setWindowFlags(Qt::WindowFlags(kDialogFlags));
    setAttribute(Qt::WA_TranslucentBackground);

    connect(this, &CKWQTDialog::sgnClose, this, &QWidget::close, Qt::QueuedConnection);
    connect(this, &CKWQTDialog::sgnMaximized, this, &QWidget::showMaximized, Qt::QueuedConnection);
    connect(this, &CKWQTDialog::sgnMinimized, this, &QWidget::showMinimized, Qt::QueuedConnection);
    connect(this, &CKWQTDialog::sgnNormal, this, &QWidget::showNormal, Qt::QueuedConnection);
}

CKWQTDialog::~CKWQTDialog()
{
    m_timers.KillAll();
    if (m_pListener != nullptr) {
        // The listener must not hand out a window that is going away.
        m_pListener->SetUIWnd(nullptr);
        m_pListener->Dlg_Destroy();
    }
}

int CKWQTDialog::CreateDlg(void*)
{
    return 1;
}

int CKWQTDialog::DoModalDlg()
{
    setWindowModality(Qt::ApplicationModal);
    setModal(true);
    if (m_pListener != nullptr) {
        m_pListener->OnDlgCreate(false);
    }
    setFocus(Qt::OtherFocusReason);
    show();
    SetFocus();
    const int result = exec();
    return result == 0 ? 2 : result;
}

int CKWQTDialog::Create(LPCWSTR text, void* parent)
{
    if (parent != nullptr) {
        // The one-argument form: the dialog becomes a child widget of parent.
        setParent(static_cast<QWidget*>(parent));
    }
    m_frame.SetTitle(KWToQString(text));
    if (m_pListener != nullptr) {
        m_pListener->OnDlgCreate(true);
    }
    return 1;
}

void CKWQTDialog::ShowWindow(int show)
{
    // Qt applies a modality change only to a hidden window; a modal dialog
    // that is hidden first leaves Qt's list of modal windows properly.
    if (show != 0) {
        if (!isVisible()) {
            setWindowModality(Qt::NonModal);
        }
        QDialog::show();
        SetFocus();
    } else {
        hide();
        setWindowModality(Qt::NonModal);
    }
}

void CKWQTDialog::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        m_frame.MoveWindow(*rect);
    }
}

void CKWQTDialog::MoveWindow(int x, int y, int width, int height)
{
    m_frame.MoveWindow(x, y, width, height);
}

void CKWQTDialog::MFCOK()
{
    accept();
}

void CKWQTDialog::MFCCancel()
{
    reject();
}

void CKWQTDialog::accept()
{
    if (m_pListener != nullptr) {
        m_pListener->Dlg_OnOK();
    }
    QDialog::accept();
}

void CKWQTDialog::reject()
{
    if (m_pListener != nullptr) {
        m_pListener->Dlg_OnCancel();
    }
    QDialog::reject();
}

void CKWQTDialog::CenterWindow(void**)
{
    m_frame.CenterWindow();
}

void CKWQTDialog::SetSkin(DialogStyle* style)
{
    m_frame.SetSkin(style);
}

void CKWQTDialog::Screen2Client(POINT* point)
{
    m_frame.Screen2Client(point);
}

void CKWQTDialog::Screen2Client(RECT* rect)
{
    m_frame.Screen2Client(rect);
}

void CKWQTDialog::GetDlgClientRect(RECT* rect)
{
    m_frame.GetClientRect(rect);
}

void CKWQTDialog::GetDlgWindowRect(RECT* rect)
{
    m_frame.GetWindowRect(rect);
}

void CKWQTDialog::SendDlgMessage(UINT message, UINT, LONG)
{
    if (message == WM_CLOSE) {
        MFCCancel();
    }
}

int CKWQTDialog::IsDlgZoomed()
{
    return 1;
}

void CKWQTDialog::SetDrawBackGround(int) { }

int CKWQTDialog::DlgIsWindow()
{
    return isWindow() ? 1 : 0;
}

int CKWQTDialog::SetDlgWindowPos(void*, int x, int y, int cx, int cy, UINT flags)
{
    return m_frame.SetWindowPos(x, y, cx, cy, flags);
}

int CKWQTDialog::ModifyDlgStyleEx(DWORD remove, DWORD add, UINT)
{
    const bool visible = isVisible();
    Qt::WindowFlags flags = windowFlags();
    if (remove != 0) {
        flags &= ~Qt::WindowFlags(static_cast<int>(remove));
    }
    if (add != 0) {
        flags |= Qt::WindowFlags(static_cast<int>(add));
    }
    // Qt hides a window whose flags change.
    setWindowFlags(flags);
    if (visible) {
        show();
    }
    return 1;
}

void CKWQTDialog::SetWindowTextW(LPCWSTR text)
{
    m_frame.SetTitle(KWToQString(text));
}

void CKWQTDialog::SetDlgIcon(UINT) { }

void CKWQTDialog::SetDlgIcon(LPCWSTR path)
{
    const QIcon icon(KWToQString(path));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

int CKWQTDialog::IsDlgVisible()
{
    return isVisible() ? 1 : 0;
}

void CKWQTDialog::EnableNcLBtnDown(int enable)
{
    m_frame.EnableNcButtons(enable);
}

UINT CKWQTDialog::SetDlgTimer(UINT id, UINT milliseconds)
{
    return m_timers.Set(id, milliseconds);
}

int CKWQTDialog::KillDlgTimer(UINT id)
{
    return m_timers.Kill(id);
}

void CKWQTDialog::SetSizeRoundCorner(LPCWSTR radii)
{
    m_frame.SetRoundCorner(radii);
}

void CKWQTDialog::MacShowFullScreen(bool on)
{
    if (on) {
        showFullScreen();
    } else {
        showNormal();
    }
}

void CKWQTDialog::MacShowMinimize(bool on)
{
    if (on) {
        showMinimized();
    } else {
        showNormal();
    }
}

void CKWQTDialog::MacShowMaximize(bool on)
{
    if (on) {
        showMaximized();
    } else {
        showNormal();
    }
}

int CKWQTDialog::HasFocus()
{
    return hasFocus() ? 1 : 0;
}

void CKWQTDialog::SetFocus()
{
    activateWindow();
}

int CKWQTDialog::IsActiveWindow()
{
    return isActiveWindow() ? 1 : 0;
}

void CKWQTDialog::ActiveWindow()
{
    raise();
    activateWindow();
}

void CKWQTDialog::VariableSize(bool resizable)
{
    m_frame.SetResizeBands(resizable);
}

void CKWQTDialog::SetMinimumSize(int width, int height)
{
    setMinimumSize(width, height);
}

void CKWQTDialog::SetFrameShadow(bool on)
{
    m_frame.SetFrameShadow(on);
}

void CKWQTDialog::SetTitleToTopDistance(int distance)
{
    m_frame.SetTitleToTopDistance(distance);
}

bool CKWQTDialog::eventFilter(QObject*, QEvent*)
{
    // Nothing installs the dialog as a filter; were it installed, it would
    // keep every event from its target.
    return true;
}

void CKWQTDialog::timerEvent(QTimerEvent* event)
{
    KWRelayTimer(m_pListener, m_timers, event);
    QDialog::timerEvent(event);
}

void CKWQTDialog::customEvent(QEvent* event)
{
    switch (KWRelayCustomEvent(m_pListener, event)) {
    case 1:
        accept();
        break;
    case 2:
        reject();
        break;
    default:
        break;
    }
}

void CKWQTDialog::mousePressEvent(QMouseEvent* event)
{
    if (m_frame.MousePress(event, (windowState() & Qt::WindowMaximized) != 0)) {
        return;
    }
    QDialog::mousePressEvent(event);
}

void CKWQTDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mouseReleaseEvent(event);
        return;
    }
    m_frame.MouseRelease(event);
}

void CKWQTDialog::mouseMoveEvent(QMouseEvent* event)
{
    m_frame.MouseMove(event, (windowState() & Qt::WindowMaximized) != 0);
    if (m_pListener != nullptr) {
        m_pListener->OnDlgMouseHover();
    }
}

void CKWQTDialog::keyPressEvent(QKeyEvent* event)
{
    // Qt's own handling stays out: Escape and Enter close nothing unless the
    // listener says so.
    if (m_pListener != nullptr) {
        m_pListener->OnDlgKeyDown(static_cast<UINT>(event->modifiers()), static_cast<UINT>(event->key()));
    }
}

void CKWQTDialog::focusInEvent(QFocusEvent* event)
{
    qDebug("focusin..");
    if (m_pListener != nullptr) {
        m_pListener->OnDlgNcActivate(1);
    }
    QDialog::focusInEvent(event);
}

void CKWQTDialog::focusOutEvent(QFocusEvent* event)
{
    qDebug("focusout..%llx--%d", static_cast<unsigned long long>(reinterpret_cast<quintptr>(this)),
        static_cast<int>(event->type()));
    if (m_pListener != nullptr) {
        m_pListener->OnDlgNcActivate(0);
    }
    QDialog::focusOutEvent(event);
}

void CKWQTDialog::enterEvent(QEnterEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->OnDlgMouseHover();
    }
    QDialog::enterEvent(event);
}

void CKWQTDialog::leaveEvent(QEvent* event)
{
    m_frame.MouseLeave();
    if (m_pListener != nullptr) {
        m_pListener->OnDlgMouseLeave();
    }
    QDialog::leaveEvent(event);
}

void CKWQTDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_frame.Paint(painter);
}

void CKWQTDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_frame.Resize(event->size(), event->oldSize()) && m_pListener != nullptr) {
        int width = event->size().width();
        int height = event->size().height();
        m_pListener->OnDlgSize(0, width, height);
    }
}

void CKWQTDialog::closeEvent(QCloseEvent* event)
{
    // QDialog's own close handling would reject; a close is only asked of
    // the listener.
    KWRelayClose(m_pListener, event);
}

void CKWQTDialog::dragEnterEvent(QDragEnterEvent* event)
{
    KWRelayDragEnter(event);
}

void CKWQTDialog::dropEvent(QDropEvent* event)
{
    if (KWRelayDrop(m_pListener, event)) {
        QDialog::dropEvent(event);
    }
}

void CKWQTDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_pListener != nullptr) {
        m_pListener->OnDlgShowWindow(1, 0);
    }
}

bool CKWQTDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    MSG msg;
    if (KWNativeWindowsMessage(eventType, message, &msg)) {
        LRESULT answer = 0;
        if (m_frame.NativeHitTest(msg.message, msg.lParam, &answer)) {
            *result = answer;
            return true;
        }
    }
    return QDialog::nativeEvent(eventType, message, result);
}

CKWDialog* CreateKWDialog(IKWDialogEvent* listener, void* parent, Qt::WindowFlags flags)
{
    return new (std::nothrow) CKWQTDialog(listener, static_cast<QWidget*>(parent), flags);
}
