#include "ui/api/KWButton.h"

void DestroyKWButton(CKWButton* button)
{
    delete button;
}
