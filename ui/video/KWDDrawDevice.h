#pragma once
// The stand-in for the hardware display-surface device the renderer was
// written against. Hardware overlay and blitters are not used here: surfaces
// are memory buffers, blits are done by Qt into the window's picture, and
// the "driver" accepts the YUV formats it is told to accept (all three by
// default), so that a driver without YUV support can be acted.

#include "ui/video/KWDDrawObject.h"
#include "ui/video/KWDDrawTypes.h"

#include <vector>

class CKWDDrawClipper;
class CKWDDrawSurface;

class CKWDDrawDevice : public CKWDDrawObject {
public:
    // The only way to make a device; DDERR_GENERIC while device creation is
    // switched off.
    static HRESULT Create(CKWDDrawDevice** device);

    HRESULT SetCooperativeLevel(HWND window, DWORD flags);
    // Primary (DDSCAPS_PRIMARYSURFACE: screen size, no memory), YUV (a FOURCC
    // the driver accepts) or 32-bit RGB offscreen surfaces.
    HRESULT CreateSurface(const KWDDSURFACEDESC* desc, CKWDDrawSurface** surface);
    HRESULT CreateClipper(DWORD flags, CKWDDrawClipper** clipper);
    HRESULT WaitForVerticalBlank(DWORD flags, HANDLE event);

    // ---- The driver's behaviour (process-wide) ----
    static void SetAcceptedFourCCs(const std::vector<DWORD>& fourCCs);
    static void ResetDriver(); // every format accepted, devices allowed
    static void SetDeviceCreationAllowed(bool allowed);
    static int VerticalBlankWaits();

private:
    CKWDDrawDevice() = default;
    ~CKWDDrawDevice() override = default;

    HWND m_window = nullptr;
};
