#include "app/ShowMessageDialog.h"

#include "app/DialogSkin.h"
#include "app/MsgDlgEventImp.h"
#include "base/Globals.h"

int ShowMessageDialog(const wchar_t* text, const wchar_t* caption, void* parentWindow, int layout, int spare)
{
    DialogStyle style;
    CMsgDlgEventImp handler(text, caption, layout, spare);
    CMsgDlgEventImp::FillDialogStyle(&style);
    CKWDialog* const dialog = CreateKWDialog(&handler, parentWindow, Qt::WindowFlags());
    if (dialog == nullptr) {
        // No box could be shown, so nothing was accepted.
        return 0;
    }
    handler.SetDialog(dialog);
    dialog->SetSkin(&style);
    dialog->SetTitleToTopDistance(DialogTitleTop(g_uiScale));
    dialog->SetDrawBackGround(1);
    dialog->Create(L"", nullptr);
    dialog->SetFrameShadow(true);
    dialog->CenterWindow(nullptr);
    const int result = dialog->DoModalDlg();
    // The dialog goes first: its destruction still reaches the handler.
    DestroyKWDialog(dialog);
    return result;
}
