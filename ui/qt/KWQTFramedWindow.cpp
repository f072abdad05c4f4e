#include "ui/qt/KWQTFramedWindow.h"

#include "base/KWDiagnostics.h"
#include "base/KWQtText.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWControlKit.h"

#include <QByteArray>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimerEvent>

#include <string>

template <class QtBase>
CKWQTFramedWindow<QtBase>::CKWQTFramedWindow(IKWDialogEvent* listener, QWidget* parent, Qt::WindowFlags flags,
    CKWSkinFrame::Variant variant, Qt::WindowFlags windowFlags)
    : QtBase(parent, flags)
    , CKWDialog(listener)
    , m_frame(variant, this)
    , m_timers(this)
{
    if (m_pListener != nullptr) {
        m_pListener->SetUIWnd(KWHandleFromWidget(this));
    }
    this->setAcceptDrops(true);
    this->setAttribute(Qt::WA_MouseTracking);
    this->setFocusPolicy(Qt::StrongFocus);
    this->setWindowFlags(windowFlags);
}

template <class QtBase> CKWQTFramedWindow<QtBase>::~CKWQTFramedWindow()
{
    m_timers.KillAll();
}

template <class QtBase> int CKWQTFramedWindow<QtBase>::CreateDlg(void*)
{
    return 1;
}

template <class QtBase> int CKWQTFramedWindow<QtBase>::Create(LPCWSTR text, void* parent)
{
    if (parent != nullptr) {
        // The one-argument form: the window becomes a child widget of parent.
        this->setParent(KWWidgetFromHandle(parent));
    }
    m_frame.SetTitle(KWToQString(text));
    if (m_pListener != nullptr) {
        m_pListener->OnDlgCreate(true);
    }
    return 1;
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::ShowWindow(int show)
{
    // Qt applies a modality change only to a hidden window; a modal window
    // that is hidden first also leaves Qt's list of modal windows.
    if (show != 0) {
        if (!this->isVisible()) {
            this->setWindowModality(Qt::NonModal);
        }
        this->show();
        SetFocus();
    } else {
        this->hide();
        this->setWindowModality(Qt::NonModal);
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        m_frame.MoveWindow(KWInclusiveRect(*rect));
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::MoveWindow(int x, int y, int width, int height)
{
    m_frame.MoveWindow(QRect(x, y, width, height));
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::CenterWindow(void**)
{
    m_frame.CenterWindow();
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetSkin(DialogStyle* style)
{
    m_frame.SetSkin(style);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::Screen2Client(POINT* point)
{
    m_frame.Screen2Client(point);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::Screen2Client(RECT* rect)
{
    m_frame.Screen2Client(rect);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::GetDlgClientRect(RECT* rect)
{
    m_frame.GetClientRect(rect);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::GetDlgWindowRect(RECT* rect)
{
    m_frame.GetWindowRect(rect);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SendDlgMessage(UINT message, UINT, LONG)
{
    if (message == WM_CLOSE) {
        MFCCancel();
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetDrawBackGround(int) { }

template <class QtBase> int CKWQTFramedWindow<QtBase>::DlgIsWindow()
{
    return this->isWindow() ? 1 : 0;
}

template <class QtBase>
int CKWQTFramedWindow<QtBase>::SetDlgWindowPos(void*, int x, int y, int cx, int cy, UINT flags)
{
    return m_frame.SetWindowPos(x, y, cx, cy, flags);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetDlgIcon(UINT) { }

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetWindowAndAppIcon(const QString& file)
{
    QPixmap picture;
    KWLoadPicture(file, picture);
    const QIcon icon(picture);
    this->setWindowIcon(icon);
    QGuiApplication::setWindowIcon(icon);
}

template <class QtBase> int CKWQTFramedWindow<QtBase>::IsDlgVisible()
{
    return this->isVisible() ? 1 : 0;
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::EnableNcLBtnDown(int enable)
{
    m_frame.EnableNcButtons(enable);
}

template <class QtBase> UINT CKWQTFramedWindow<QtBase>::SetDlgTimer(UINT id, UINT milliseconds)
{
    return m_timers.Set(id, milliseconds);
}

template <class QtBase> int CKWQTFramedWindow<QtBase>::KillDlgTimer(UINT id)
{
    return m_timers.Kill(id);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetSizeRoundCorner(LPCWSTR radii)
{
    m_frame.SetRoundCorner(radii);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::MacShowMinimize(bool on)
{
    if (on) {
        this->showMinimized();
    } else {
        this->showNormal();
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::VariableSize(bool resizable)
{
    m_frame.SetResizeBands(resizable);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetMinimumSize(int width, int height)
{
    this->setMinimumSize(width, height);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::SetFrameShadow(bool on)
{
    m_frame.SetFrameShadow(on);
}

template <class QtBase>
bool CKWQTFramedWindow<QtBase>::HandleNativeMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result)
{
    return m_frame.NativeHitTest(message, lParam, result);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::timerEvent(QTimerEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->OnDlgTimer(m_timers.IdOf(event->timerId()));
    }
    QtBase::timerEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::customEvent(QEvent* event)
{
    if (m_pListener == nullptr || event->type() != KWCustomEventType()) {
        return;
    }
    auto* custom = static_cast<CKWCustomEvent*>(event);
    KWDispatchCustomEvent(m_pListener, custom);
    if (custom->GetMessageID() == WM_COMMAND && custom->GetWParam() == 0) {
        if (custom->GetControlID() == 1) {
            MFCOK();
        } else if (custom->GetControlID() == 2) {
            MFCCancel();
        }
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::mousePressEvent(QMouseEvent* event)
{
    if (m_frame.MousePress(event, IsFrameMaximized())) {
        return;
    }
    QtBase::mousePressEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QtBase::mouseReleaseEvent(event);
        return;
    }
    m_frame.MouseRelease(event);
    if (m_frame.GetVariant() == CKWSkinFrame::Variant::MainWindow) {
        QtBase::mouseReleaseEvent(event);
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::mouseMoveEvent(QMouseEvent* event)
{
    m_frame.MouseMove(event, IsFrameMaximized());
    if (m_pListener == nullptr) {
        return;
    }
    if (m_frame.GetVariant() == CKWSkinFrame::Variant::Dialog) {
        m_pListener->OnDlgMouseHover();
    } else {
        m_pListener->OnDlgMouseMove();
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::keyPressEvent(QKeyEvent* event)
{
    // Qt's own handling stays out: Escape and Enter close nothing unless the
    // listener says so.
    if (m_pListener != nullptr) {
        m_pListener->OnDlgKeyDown(static_cast<UINT>(event->modifiers()), ListenerKey(event->key()));
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::focusInEvent(QFocusEvent* event)
{
    qCDebug(KWDiagnostics, "focusin..");
    if (m_pListener != nullptr) {
        m_pListener->OnDlgNcActivate(1);
    }
    QtBase::focusInEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::focusOutEvent(QFocusEvent* event)
{
    qCDebug(KWDiagnostics, "focusout..%llx--%d", static_cast<unsigned long long>(reinterpret_cast<quintptr>(this)),
        static_cast<int>(event->type()));
    if (m_pListener != nullptr) {
        m_pListener->OnDlgNcActivate(0);
    }
    QtBase::focusOutEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::enterEvent(QEnterEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->OnDlgMouseHover();
    }
    QtBase::enterEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::leaveEvent(QEvent* event)
{
    m_frame.MouseLeave();
    if (m_pListener != nullptr) {
        m_pListener->OnDlgMouseLeave();
    }
    QtBase::leaveEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_frame.Paint(painter, event->region());
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::resizeEvent(QResizeEvent* event)
{
    QtBase::resizeEvent(event);
    if (m_frame.Resize(event->size(), event->oldSize()) && m_pListener != nullptr) {
        // The listener's answer is not used: the window keeps Qt's size.
        int width = event->size().width();
        int height = event->size().height();
        m_pListener->OnDlgSize(0, width, height);
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::closeEvent(QCloseEvent* event)
{
    // Qt's own close handling (a dialog would reject) stays out: a close is
    // only asked of the listener.
    if (m_pListener != nullptr && m_pListener->Dlg_Close() != 0) {
        event->ignore();
    } else {
        event->accept();
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() != nullptr && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::dropEvent(QDropEvent* event)
{
    const QString path = KWFirstDroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    if (m_pListener != nullptr) {
        const std::wstring wide = KWFromQString(path);
        m_pListener->OnDlgFileDrop(wide.c_str());
    }
    QtBase::dropEvent(event);
}

template <class QtBase> void CKWQTFramedWindow<QtBase>::showEvent(QShowEvent* event)
{
    QtBase::showEvent(event);
    if (m_pListener != nullptr) {
        m_pListener->OnDlgShowWindow(1, 0);
    }
}

template <class QtBase>
bool CKWQTFramedWindow<QtBase>::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    // Only the Windows platform plugin delivers "windows_generic_MSG"; its
    // record has the layout of our MSG. Elsewhere nothing arrives here that
    // these windows answer.
    if (message != nullptr && eventType == QByteArrayLiteral("windows_generic_MSG")) {
        const MSG* msg = static_cast<const MSG*>(message);
        LRESULT answer = 0;
        if (HandleNativeMessage(msg->message, msg->wParam, msg->lParam, &answer)) {
            *result = answer;
            return true;
        }
    }
    return QtBase::nativeEvent(eventType, message, result);
}

template class CKWQTFramedWindow<QDialog>;
template class CKWQTFramedWindow<QMainWindow>;
