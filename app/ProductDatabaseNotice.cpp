#include "app/ProductDatabaseNotice.h"

#include "app/DatabaseManager.h"
#include "app/FailureNotice.h"
#include "app/MainFrameEventImp.h"
#include "base/Translate.h"

namespace {

// What the user can act on, in the current language. SQLite's own words
// (English, and about pages and error codes) went to standard error.
std::wstring WhatFailed(CDatabaseManager::OpenFailure failure)
{
    switch (failure) {
    case CDatabaseManager::OpenFailure::NotProductDatabase:
        return translate(
            L"This file is not a product database of this program, or it cannot be read with the "
            L"program's key:");
    case CDatabaseManager::OpenFailure::Damaged:
        return translate(L"The product database is damaged:");
    default:
        return translate(L"The product database is missing or cannot be opened:");
    }
}

} // namespace

bool NoticeUnreadableProductDatabase(CMainFrameEventImp& frame)
{
    const boost::shared_ptr<CDatabaseManager> database = frame.GetDatabaseManager();
    if (database && database->IsOpen()) {
        return false;
    }
    // Which file and why: a user who sees only "could not be read" cannot
    // tell a damaged file from a folder the program cannot reach.
    if (database && !database->FailedPath().empty()) {
        TellUserOfFailure(frame.GetUIWnd(), WhatFailed(database->FailureKind()),
            QString::fromStdString(database->FailedPath()));
    } else {
        TellUserOfFailure(frame.GetUIWnd(), translate(L"The product database could not be read."), QString());
    }
    return true;
}
