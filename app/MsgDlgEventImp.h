#pragma once
// The message box's handler: a caption in the title band, a wrapped text and
// an OK button, OK and Cancel, or no button, by a layout number. It lives for
// one call of ShowMessageDialog.

#include "app/MsgBoxLayout.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWDialog.h"

#include <string>

class CKWButton;
class CKWStatic;

constexpr UINT kIdMsgOK = 1;
constexpr UINT kIdMsgCancel = 2;
constexpr UINT kIdMsgClose = 202;

class CMsgDlgEventImp : public IKWDialogEvent, public IKWButtonEvent {
public:
    // Null texts count as empty.
    CMsgDlgEventImp(const wchar_t* text, const wchar_t* caption, int layout, int spare);
    ~CMsgDlgEventImp() override;

    CMsgDlgEventImp(const CMsgDlgEventImp&) = delete;
    CMsgDlgEventImp& operator=(const CMsgDlgEventImp&) = delete;

    // The dialog this handler drives; set before the dialog's Create.
    void SetDialog(CKWDialog* dialog) { m_pDlg = dialog; }
    static void FillDialogStyle(DialogStyle* style);

    // IKWDialogEvent
    void OnDlgCreate(bool create) override;
    void Dlg_OnOK() override;
    void Dlg_OnCancel() override;
    void OnDlgSize(UINT type, int& width, int& height) override;
    void Dlg_Destroy() override;
    // Escape dismisses the box; Return and Enter accept it.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;
    // Two slots kept for handlers derived from this one; they do nothing.
    virtual void OnMsgReserved1(int value);
    virtual void OnMsgReserved2(int value);

    // IKWButtonEvent: the pressed button's text turns white.
    void BTN_OnLButtonDown(int id, UINT flags, POINT point) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT point) override;

    void OnCloseClicked();

    const std::wstring& GetText() const { return m_text; }
    const std::wstring& GetCaption() const { return m_caption; }
    int GetLayout() const { return m_layout; }
    CKWStatic* GetTextLabel() const { return m_pText; }
    CKWButton* GetOKButton() const { return m_pOK; }
    CKWButton* GetCancelButton() const { return m_pCancel; }
    CKWButton* GetCloseButton() const { return m_pClose; }

    KW_BEGIN_MSGMAP(CMsgDlgEventImp)
    KW_COMMAND(kIdMsgClose, OnCloseClicked)
    KW_END_MSGMAP()

private:
    CKWDialog* m_pDlg = nullptr;
    CKWStatic* m_pText = nullptr;
    CKWButton* m_pOK = nullptr;
    CKWButton* m_pCancel = nullptr;
    CKWButton* m_pClose = nullptr;
    std::wstring m_text;
    std::wstring m_caption;
    int m_layout = kMsgLayoutOK;
    int m_spare = 0; // kept, not read
};
