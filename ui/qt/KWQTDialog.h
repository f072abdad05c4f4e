#pragma once
// The frameless, skinned dialog: modal through DoModalDlg, modeless through
// ShowWindow, driven by an IKWDialogEvent listener whose message map receives
// the commands of the controls placed on it.

#include "ui/api/KWDialog.h"
#include "ui/qt/KWDlgTimers.h"
#include "ui/qt/KWSkinFrame.h"

#include <QDialog>

class CKWQTDialog : public QDialog, public CKWDialog {
    Q_OBJECT

public:
    CKWQTDialog(IKWDialogEvent* listener, QWidget* parent, Qt::WindowFlags flags);
    ~CKWQTDialog() override;

    int CreateDlg(void* parent) override;
    // 1 when accepted, 2 when rejected or closed any other way.
    int DoModalDlg() override;
    int Create(LPCWSTR text, void* parent) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void MFCOK() override;
    void MFCCancel() override;
    void CenterWindow(void** reference) override;
    void SetSkin(DialogStyle* style) override;
    void Screen2Client(POINT* point) override;
    void Screen2Client(RECT* rect) override;
    void GetDlgClientRect(RECT* rect) override;
    void GetDlgWindowRect(RECT* rect) override;
    // WM_CLOSE (16) cancels the dialog; other messages are ignored.
    void SendDlgMessage(UINT message, UINT wParam, LONG lParam) override;
    // Always 1: callers use it to tell a dialog from a plain window.
    int IsDlgZoomed() override;
    void SetDrawBackGround(int draw) override;
    int DlgIsWindow() override;
    int SetDlgWindowPos(void* after, int x, int y, int cx, int cy, UINT flags) override;
    int ModifyDlgStyleEx(DWORD remove, DWORD add, UINT flags) override;
    void SetWindowTextW(LPCWSTR text) override;
    void SetDlgIcon(UINT icon) override;
    void SetDlgIcon(LPCWSTR path) override;
    int IsDlgVisible() override;
    void EnableNcLBtnDown(int enable) override;
    UINT SetDlgTimer(UINT id, UINT milliseconds) override;
    int KillDlgTimer(UINT id) override;
    void SetSizeRoundCorner(LPCWSTR radii) override;
    void MacShowFullScreen(bool on) override;
    void MacShowMinimize(bool on) override;
    void MacShowMaximize(bool on) override;
    int HasFocus() override;
    void SetFocus() override;
    int IsActiveWindow() override;
    void ActiveWindow() override;
    void VariableSize(bool resizable) override;
    void SetMinimumSize(int width, int height) override;
    void SetFrameShadow(bool on) override;
    void SetTitleToTopDistance(int distance) override;

    const CKWSkinFrame& Frame() const { return m_frame; }

    // Listener first, then Qt's accept or reject.
    void accept() override;
    void reject() override;

signals:
    void sgnClose();
    void sgnMaximized();
    void sgnMinimized();
    void sgnNormal();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void customEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    CKWSkinFrame m_frame;
    CKWDlgTimers m_timers;
};
