#pragma once
// Handing a document to the desktop's opener (xdg-open), which picks the
// program for its type.

#include <QString>

#include <functional>

// Starts the opener on the file and returns at once. onFailure runs later on
// the GUI thread, or at once when there is no opener to start, with the
// reason as the end of a sentence: the opener could not be started, or it
// ended saying that it could not open the file (no program for its type).
// It never runs when the file was opened.
void OpenWithDesktop(const QString& path, std::function<void(const QString& reason)> onFailure);
