#include "ui/api/KWDialog.h"

// The dialog's virtual destructor reaches its Qt object, which takes its
// child controls with it.
void DestroyKWDialog(CKWDialog* dialog)
{
    delete dialog;
}

void DestroyKWMainWindow(CKWDialog* window)
{
    delete window;
}
