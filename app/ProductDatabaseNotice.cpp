#include "app/ProductDatabaseNotice.h"

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/MsgBoxLayout.h"
#include "app/ShowMessageDialog.h"
#include "base/Translate.h"

bool NoticeUnreadableProductDatabase(CMainFrameEventImp& frame)
{
    const boost::shared_ptr<CDatabaseManager> database = frame.GetDatabaseManager();
    if (database && database->IsOpen()) {
        return false;
    }
    ShowMessageDialog(translate(L"The product database could not be read."), translate(L"Attention"),
        frame.GetUIWnd(), kMsgLayoutOK, 0);
    return true;
}
