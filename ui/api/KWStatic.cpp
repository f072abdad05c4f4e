#include "ui/api/KWStatic.h"

void DestroyKWStatic(CKWStatic*)
{
    // A static belongs to its parent widget, which deletes it.
}
