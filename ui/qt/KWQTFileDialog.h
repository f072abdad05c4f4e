#pragma once
// Qt's standard dialogs for choosing a directory, a file to open or a file
// name to save, behind one call.

#include "base/platform/KWWinTypes.h"

class QWidget;

class CKWQTFileDialog {
public:
    virtual ~CKWQTFileDialog() = default;
};

// What ShowKWFileDialog asks for.
enum KWFileDialogMode {
    KW_FILEDIALOG_DIRECTORY = 1, // an existing directory, starting in the program's directory
    KW_FILEDIALOG_OPEN = 2, // an existing file, starting in `directory`
    KW_FILEDIALOG_SAVE = 3, // a file name, starting at the program's directory + "/" + defaultName
};

// Shows the dialog of the mode and copies the chosen path into out, whose
// capacity counts wide characters including the terminating NUL. Returns 1
// with the path copied and terminated; 0, out untouched, when the user
// cancels or the path does not fit. Any other mode shows nothing, writes
// nothing and returns 1.
int ShowKWFileDialog(wchar_t* out, int capacity, int mode, LPCWSTR caption, LPCWSTR defaultName, LPCWSTR filter,
    LPCWSTR directory, QWidget* parent);
