#pragma once
// Handing a document to the desktop's opener (xdg-open), which picks the
// program for its type.

#include <QString>

#include <functional>

// What the user is told when the opener could not show the file.
enum class DesktopOpenFailure {
    NoProgram, // the opener could not be started, or found no program for the type
    NoFile, // the opener found no such file
};

// Starts the opener on the file and returns at once. onFailure runs later on
// the GUI thread, or at once when there is no opener to start, with what
// failed and the reason as the end of a sentence. It never runs when the
// file was opened, nor when the opener ended with any other failure: then a
// viewer was started, which tells its own failures (a viewer closed with an
// error makes the opener end with one too, maybe long after the file was
// read), and the status goes to standard error only.
void OpenWithDesktop(
    const QString& path, std::function<void(DesktopOpenFailure failure, const QString& reason)> onFailure);
