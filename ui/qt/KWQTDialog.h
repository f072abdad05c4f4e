#pragma once
// The frameless, skinned dialog: modal through DoModalDlg, modeless through
// ShowWindow, driven by an IKWDialogEvent listener whose message map receives
// the commands of the controls placed on it.

#include "ui/qt/KWQTFramedWindow.h"

#include <QDialog>

class CKWQTDialog : public CKWQTFramedWindow<QDialog> {
    Q_OBJECT

public:
    CKWQTDialog(IKWDialogEvent* listener, QWidget* parent, Qt::WindowFlags flags);
    ~CKWQTDialog() override;

    using CKWQTFramedWindow<QDialog>::SetDlgIcon;

    // 1 when accepted, 2 when rejected or closed any other way.
    int DoModalDlg() override;
    void MFCOK() override;
    void MFCCancel() override;
    // Always 1: callers use it to tell a dialog from a plain window.
    int IsDlgZoomed() override;
    // Edits the Qt window flags; a visible dialog stays visible.
    int ModifyDlgStyleEx(DWORD remove, DWORD add, UINT flags) override;
    void SetWindowTextW(LPCWSTR text) override;
    // The icon file as given, for this window and the application.
    void SetDlgIcon(LPCWSTR path) override;
    void MacShowFullScreen(bool on) override;
    void MacShowMaximize(bool on) override;
    int HasFocus() override;
    void SetFocus() override;
    int IsActiveWindow() override;
    void ActiveWindow() override;
    void SetTitleToTopDistance(int distance) override;

    // Listener first, then Qt's accept or reject.
    void accept() override;
    void reject() override;

signals:
    void sgnClose();
    void sgnMaximized();
    void sgnMinimized();
    void sgnNormal();

protected:
    bool IsFrameMaximized() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
