#pragma once
// Limits blits to the primary surface to one window: the stand-in's clipper
// only remembers which window that is, so that the primary surface can put
// what is blitted into that window's picture.

#include "ui/video/KWDDrawObject.h"
#include "ui/video/KWDDrawTypes.h"

class CKWDDrawClipper : public CKWDDrawObject {
public:
    CKWDDrawClipper() = default;

    HRESULT SetHWnd(DWORD flags, HWND window);
    HWND GetHWnd() const { return m_window; }

private:
    ~CKWDDrawClipper() override = default;

    HWND m_window = nullptr;
};
