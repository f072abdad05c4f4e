#include "ui/qt/KWQTDialog.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"

#include <new>

namespace {

// Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint, whatever
// the caller asked for.
constexpr int kDialogFlags = 0x2803;

} // namespace

CKWQTDialog::CKWQTDialog(IKWDialogEvent* listener, QWidget* parent, Qt::WindowFlags flags)
    : CKWQTFramedWindow<QDialog>(
        listener, parent, flags, CKWSkinFrame::Variant::Dialog, Qt::WindowFlags(kDialogFlags))
{
    setAttribute(Qt::WA_TranslucentBackground);
    ConnectTitleSignals(this);
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

int CKWQTDialog::IsDlgZoomed()
{
    return 1;
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

void CKWQTDialog::SetDlgIcon(LPCWSTR path)
{
    SetWindowAndAppIcon(KWToQString(path));
}

void CKWQTDialog::MacShowFullScreen(bool on)
{
    if (on) {
        showFullScreen();
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

void CKWQTDialog::SetTitleToTopDistance(int distance)
{
    m_frame.SetTitleToTopDistance(distance);
}

bool CKWQTDialog::IsFrameMaximized() const
{
    return (windowState() & Qt::WindowMaximized) != 0;
}

bool CKWQTDialog::eventFilter(QObject*, QEvent*)
{
    // Nothing installs the dialog as a filter; were it installed, it would
    // keep every event from its target.
    return true;
}

CKWDialog* CreateKWDialog(IKWDialogEvent* listener, void* parent, Qt::WindowFlags flags)
{
    return new (std::nothrow) CKWQTDialog(listener, KWWidgetFromHandle(parent), flags);
}
