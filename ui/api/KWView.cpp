#include "ui/api/KWView.h"

void DestroyKWView(CKWView*)
{
    // A view belongs to its parent widget, which deletes it.
}
