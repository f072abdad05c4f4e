#include "ui/video/KWDDrawDevice.h"

#include "ui/video/KWDDrawClipper.h"
#include "ui/video/KWDDrawSurface.h"
#include "ui/video/KWDDrawWindow.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>

namespace {

std::mutex g_driverMutex;
std::vector<DWORD> g_accepted = {FOURCC_UYVY, FOURCC_YUY2, FOURCC_YV12};
std::atomic<bool> g_devicesAllowed {true};
std::atomic<int> g_vblankWaits {0};

bool Accepts(DWORD fourCC)
{
    std::lock_guard<std::mutex> lock(g_driverMutex);
    return std::find(g_accepted.begin(), g_accepted.end(), fourCC) != g_accepted.end();
}

// Sizes a surface may have; beyond them the buffer size would overflow.
constexpr DWORD kMaxSide = 16384;

} // namespace

HRESULT CKWDDrawDevice::Create(CKWDDrawDevice** device)
{
    if (device == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *device = nullptr;
    if (!g_devicesAllowed) {
        return DDERR_GENERIC;
    }
    *device = new (std::nothrow) CKWDDrawDevice();
    return *device != nullptr ? DD_OK : DDERR_OUTOFMEMORY;
}

HRESULT CKWDDrawDevice::SetCooperativeLevel(HWND window, DWORD /*flags*/)
{
    m_window = window;
    return DD_OK;
}

HRESULT CKWDDrawDevice::CreateSurface(const KWDDSURFACEDESC* desc, CKWDDrawSurface** surface)
{
    if (desc == nullptr || surface == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *surface = nullptr;
    if ((desc->dwFlags & DDSD_CAPS) != 0 && (desc->dwCaps & DDSCAPS_PRIMARYSURFACE) != 0) {
        int width = 0;
        int height = 0;
        KwGetScreenSize(width, height);
        *surface = new (std::nothrow) CKWDDrawSurface(CKWDDrawSurface::KindPrimary, width, height, 0);
        return *surface != nullptr ? DD_OK : DDERR_OUTOFMEMORY;
    }
    const DWORD needed = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    if ((desc->dwFlags & needed) != needed || desc->dwWidth == 0 || desc->dwHeight == 0 || desc->dwWidth > kMaxSide ||
        desc->dwHeight > kMaxSide) {
        return DDERR_INVALIDPARAMS;
    }
    const DDPIXELFORMAT& format = desc->ddpfPixelFormat;
    CKWDDrawSurface::Kind kind;
    if ((format.dwFlags & DDPF_FOURCC) != 0) {
        if (!Accepts(format.dwFourCC)) {
            return DDERR_INVALIDPIXELFORMAT;
        }
        kind = CKWDDrawSurface::KindYUV;
    } else if ((format.dwFlags & DDPF_RGB) != 0 && format.dwRGBBitCount == 32) {
        kind = CKWDDrawSurface::KindRGB32;
    } else {
        return DDERR_INVALIDPIXELFORMAT;
    }
    *surface = new (std::nothrow) CKWDDrawSurface(kind, static_cast<int>(desc->dwWidth), static_cast<int>(desc->dwHeight),
                                                  kind == CKWDDrawSurface::KindYUV ? format.dwFourCC : 0);
    return *surface != nullptr ? DD_OK : DDERR_OUTOFMEMORY;
}

HRESULT CKWDDrawDevice::CreateClipper(DWORD /*flags*/, CKWDDrawClipper** clipper)
{
    if (clipper == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *clipper = new (std::nothrow) CKWDDrawClipper();
    return *clipper != nullptr ? DD_OK : DDERR_OUTOFMEMORY;
}

HRESULT CKWDDrawDevice::WaitForVerticalBlank(DWORD /*flags*/, HANDLE /*event*/)
{
    // No display timing is known here; the wait only counts.
    ++g_vblankWaits;
    return DD_OK;
}

void CKWDDrawDevice::SetAcceptedFourCCs(const std::vector<DWORD>& fourCCs)
{
    std::lock_guard<std::mutex> lock(g_driverMutex);
    g_accepted = fourCCs;
}

void CKWDDrawDevice::ResetDriver()
{
    SetAcceptedFourCCs({FOURCC_UYVY, FOURCC_YUY2, FOURCC_YV12});
    g_devicesAllowed = true;
    KwSetScreenSizeOverride(0, 0);
}

void CKWDDrawDevice::SetDeviceCreationAllowed(bool allowed)
{
    g_devicesAllowed = allowed;
}

int CKWDDrawDevice::VerticalBlankWaits()
{
    return g_vblankWaits.load();
}
