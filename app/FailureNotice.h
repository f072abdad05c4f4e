#pragma once
// Telling the user, on screen, that something they asked for failed because
// of a file: a language to switch to, the user guide, the settings file. The
// line on standard error stays for whoever reads it; the box is for the user
// who started the calculator from a desktop menu and sees no terminal.

#include <QString>

#include <string>

// Shows the program's own message box over parentWindow (a listener's
// GetUIWnd, or null): whatFailed, a translated sentence ending in a colon,
// then on a line of its own the file, which may break after each '/' so that
// a long path wraps inside the box; and waits for OK.
void TellUserOfFailure(void* parentWindow, const std::wstring& whatFailed, const QString& path);
