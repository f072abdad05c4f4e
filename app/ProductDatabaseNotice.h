#pragma once
// The start-up word to the user about the product database.

class CMainFrameEventImp;

// When the frame's product database is not open (the file is missing or could
// not be read), tells the user so in the message box over the main window,
// so that models without data are not met without a word; the calculator
// then goes on without the database. Returns whether the box was shown.
// Start-up calls it once.
bool NoticeUnreadableProductDatabase(CMainFrameEventImp& frame);
