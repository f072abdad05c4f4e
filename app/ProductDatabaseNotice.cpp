#include "app/ProductDatabaseNotice.h"

#include "app/DatabaseManager.h"
#include "app/FailureNotice.h"
#include "app/MainFrameEventImp.h"
#include "base/Translate.h"

bool NoticeUnreadableProductDatabase(CMainFrameEventImp& frame)
{
    const boost::shared_ptr<CDatabaseManager> database = frame.GetDatabaseManager();
    if (database && database->IsOpen()) {
        return false;
    }
    // Which file and why: a user who sees only "could not be read" cannot
    // tell a damaged file from a folder the program cannot reach.
    std::wstring whatFailed = translate(L"The product database could not be read.");
    QString path;
    if (database && !database->FailedPath().empty()) {
        whatFailed += L"\n" + QString::fromStdString(database->FailureReason()).toStdWString();
        path = QString::fromStdString(database->FailedPath());
    }
    TellUserOfFailure(frame.GetUIWnd(), whatFailed, path);
    return true;
}
