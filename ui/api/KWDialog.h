#pragma once
// Frameless skinned windows: the dialog and the main window share this
// interface and its listener.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWEventBase.h"
#include "ui/api/KWSkinRecords.h"

#include <QtCore/qnamespace.h>

// Listener of a dialog or main window; its message map receives the commands of
// the controls placed on the window.
class IKWDialogEvent : public CKWEventBase {
public:
    virtual ~IKWDialogEvent() = default;

    // Create the dialog's controls: true from Create, false from DoModalDlg.
    virtual void OnDlgCreate(bool create) = 0;
    virtual void Dlg_OnOK() {}
    virtual void Dlg_OnCancel() {}
    virtual void OnDlgSize(UINT /*type*/, int& /*width*/, int& /*height*/) {}
    virtual int Dlg_Close() { return 0; }
    virtual void Dlg_Destroy() {}
    virtual void OnDlgNcActivate(int /*active*/) {}
    virtual void OnDlgFileDrop(LPCWSTR /*path*/) {}
    // copyData is the address of the message's COPYDATASTRUCT.
    virtual void OnDlgCopyData(LPARAM /*copyData*/) {}
    virtual void OnDlgMouseLeave() {}
    virtual void OnDlgMouseHover() {}
    virtual void OnDlgMouseMove() {}
    virtual void OnDlgShowWindow(int /*show*/, UINT /*status*/) {}
    virtual void OnDlgTimer(UINT /*id*/) {}
    virtual void OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}
    virtual void OnMsgScreenLock(int /*locked*/) {}
};

class CKWDialog {
public:
    explicit CKWDialog(IKWDialogEvent* listener = nullptr) : m_pListener(listener) {}
    CKWDialog(const CKWDialog&) = default;
    CKWDialog& operator=(const CKWDialog&) = default;
    virtual ~CKWDialog() = default;

    // The window handle kept by the listener; null without a listener.
    void* GetUIWnd() const { return m_pListener != nullptr ? m_pListener->GetUIWnd() : nullptr; }

    // The listener's timer ids, or null without a listener.
    virtual int* GetThisMessageIDs() { return m_pListener != nullptr ? m_pListener->GetThisMessageIDs() : nullptr; }
    virtual int CreateDlg(void* /*parent*/) { return 0; }
    // 1 when accepted, 2 when rejected.
    virtual int DoModalDlg() { return -1; }
    virtual int Create(LPCWSTR /*title*/, void* /*parent*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void MFCOK() {}
    virtual void MFCCancel() {}
    virtual void CenterWindow(void** /*reference*/) {}
    virtual void SetSkin(DialogStyle* /*style*/) {}
    virtual void Screen2Client(POINT* /*point*/) {}
    virtual void Screen2Client(RECT* /*rect*/) {}
    virtual void GetDlgClientRect(RECT* /*rect*/) {}
    virtual void GetDlgWindowRect(RECT* /*rect*/) {}
    virtual void SendDlgMessage(UINT /*message*/, UINT /*wParam*/, LONG /*lParam*/) {}
    virtual int IsDlgZoomed() { return 0; }
    virtual void SetDrawBackGround(int /*draw*/) {}
    virtual int DlgIsWindow() { return 0; }
    virtual int SetDlgWindowPos(void* /*after*/, int /*x*/, int /*y*/, int /*cx*/, int /*cy*/, UINT /*flags*/) { return 0; }
    virtual int ModifyDlgStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/) { return 0; }
    virtual void SetWindowTextW(LPCWSTR /*text*/) {}
    virtual void SetDlgIcon(UINT /*icon*/) {}
    virtual void SetDlgIcon(LPCWSTR /*path*/) {}
    virtual int IsDlgVisible() { return 0; }
    virtual void EnableNcLBtnDown(int /*enable*/) {}
    virtual UINT SetDlgTimer(UINT /*id*/, UINT /*milliseconds*/) { return 0; }
    virtual int KillDlgTimer(UINT /*id*/) { return 0; }
    virtual void SetSizeRoundCorner(LPCWSTR /*radii*/) {}
    virtual void MacShowFullScreen(bool /*on*/) {}
    virtual void MacShowMinimize(bool /*on*/) {}
    virtual void MacShowMaximize(bool /*on*/) {}
    virtual int HasFocus() { return 0; }
    virtual void SetFocus() {}
    virtual int IsActiveWindow() { return 0; }
    virtual void ActiveWindow() {}
    virtual void VariableSize(bool /*resizable*/) {}
    virtual void SetMinimumSize(int /*width*/, int /*height*/) {}
    virtual void SetFrameShadow(bool /*on*/) {}
    virtual void SetTitleToTopDistance(int /*distance*/) {}

protected:
    IKWDialogEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWDialog* CreateKWDialog(IKWDialogEvent* listener, void* parent, Qt::WindowFlags flags);
CKWDialog* CreateKWMainWindow(IKWDialogEvent* listener, void* parent);

// Delete a dialog or main window (and every control on it); null does nothing.
void DestroyKWDialog(CKWDialog* dialog);
void DestroyKWMainWindow(CKWDialog* window);
