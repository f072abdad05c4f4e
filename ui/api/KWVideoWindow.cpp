#include "ui/api/KWVideoWindow.h"

#include "ui/api/KWDefaultLayout.h"

const char* CKWVideoWindow::GetDefaultLayout(LAYOUT_TYPE type)
{
    return KWDefaultLayoutString(static_cast<int>(type));
}
