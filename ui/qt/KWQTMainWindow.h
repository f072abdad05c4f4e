#pragma once
// The application's frameless, skinned top-level window. It shares the
// dialog's frame and most of its behaviour; it is never modal, maximises by
// filling the work area, carries a user-data marker and hears the session
// and copy-data messages.

#include "ui/qt/KWQTFramedWindow.h"

#include <QMainWindow>
#include <QRect>

#include <memory>

class QAbstractAnimation;

class CKWQTMainWindow : public CKWQTFramedWindow<QMainWindow> {
    Q_OBJECT

public:
    // The marker other programs look for in the window's user data: "MAIN".
    static constexpr LPARAM kUserDataMarker = 0x4D41494E;

    CKWQTMainWindow(IKWDialogEvent* listener, QWidget* parent);
    ~CKWQTMainWindow() override;

    using CKWQTFramedWindow<QMainWindow>::SetDlgIcon;

    // Not a dialog: -1.
    int DoModalDlg() override;
    // As the dialog's, then the user-data marker is set.
    int Create(LPCWSTR text, void* parent) override;
    void MFCOK() override;
    // Clears the listener's window handle, tells it, and closes the window
    // once the event loop runs again.
    void MFCCancel() override;
    // 1 while maximised through MacShowMaximize.
    int IsDlgZoomed() override;
    int ModifyDlgStyleEx(DWORD remove, DWORD add, UINT flags) override;
    // The title label and the window title.
    void SetWindowTextW(LPCWSTR text) override;
    // A picture of the skin directory, for this window and the application.
    void SetDlgIcon(LPCWSTR name) override;
    void MacShowFullScreen(bool on) override;
    // Fills the work area, or gives back the geometry it had before.
    void MacShowMaximize(bool on) override;

    // Also WM_COPYDATA (the record's address to OnDlgCopyData) and
    // WM_WTSSESSION_CHANGE (lock 7 and unlock 8 to OnMsgScreenLock); neither
    // counts as answered.
    bool HandleNativeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // The user-data word (0 until Create).
    LPARAM GetWindowUserData() const;

signals:
    void sgnClose();
    void sgnMaximized();
    void sgnMinimized();
    void sgnNormal();

public slots:
    void OnSwitchSize();
    void OnAniShowMaxFinished();
    void OnAniShowNorFinished();

protected:
    bool IsFrameMaximized() const override { return m_maximized; }
    // F1 reaches the listener as its Windows key code.
    UINT ListenerKey(int key) const override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool m_maximized = false;
    QRect m_restoreRect; // geometry before MacShowMaximize(true)
    QRect m_availableRect; // the work area it then filled
    // Drives the maximise when present; nothing in the framework makes one.
    std::unique_ptr<QAbstractAnimation> m_animation;
};
