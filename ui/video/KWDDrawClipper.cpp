#include "ui/video/KWDDrawClipper.h"

HRESULT CKWDDrawClipper::SetHWnd(DWORD /*flags*/, HWND window)
{
    m_window = window;
    return DD_OK;
}
