#pragma once
// Types and constants of the in-process display-surface layer that stands in
// for the hardware surface API the renderer was written against (see
// KWDDrawDevice.h). Constants keep the values that API gives them; the
// surface description is this layer's own, smaller record.

#include "base/platform/KWWinTypes.h"

#include <cstdint>

using HRESULT = int32_t;

constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005);
constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057);
constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
constexpr HRESULT DDERR_INVALIDPIXELFORMAT = static_cast<HRESULT>(0x88760091);
constexpr HRESULT DDERR_NOTLOCKED = static_cast<HRESULT>(0x887601E6);
constexpr HRESULT DDERR_SURFACEBUSY = static_cast<HRESULT>(0x887601AE);
constexpr HRESULT DDERR_SURFACELOST = static_cast<HRESULT>(0x887601C2);

inline bool KwSucceeded(HRESULT result)
{
    return result >= 0;
}

constexpr DWORD KwMakeFourCC(char a, char b, char c, char d)
{
    return static_cast<DWORD>(static_cast<BYTE>(a)) | (static_cast<DWORD>(static_cast<BYTE>(b)) << 8) |
           (static_cast<DWORD>(static_cast<BYTE>(c)) << 16) | (static_cast<DWORD>(static_cast<BYTE>(d)) << 24);
}

constexpr DWORD FOURCC_UYVY = KwMakeFourCC('U', 'Y', 'V', 'Y');
constexpr DWORD FOURCC_YUY2 = KwMakeFourCC('Y', 'U', 'Y', '2');
constexpr DWORD FOURCC_YV12 = KwMakeFourCC('Y', 'V', '1', '2');
constexpr DWORD FOURCC_YVU9 = KwMakeFourCC('Y', 'V', 'U', '9');
constexpr DWORD FOURCC_IF09 = KwMakeFourCC('I', 'F', '0', '9');

// Surface description flags, capabilities, lock, blit and wait flags.
constexpr DWORD DDSD_CAPS = 0x00000001;
constexpr DWORD DDSD_HEIGHT = 0x00000002;
constexpr DWORD DDSD_WIDTH = 0x00000004;
constexpr DWORD DDSD_PIXELFORMAT = 0x00001000;
constexpr DWORD DDSCAPS_OFFSCREENPLAIN = 0x00000040;
constexpr DWORD DDSCAPS_PRIMARYSURFACE = 0x00000200;
constexpr DWORD DDSCAPS_VIDEOMEMORY = 0x00004000;
constexpr DWORD DDPF_FOURCC = 0x00000004;
constexpr DWORD DDPF_RGB = 0x00000040;
constexpr DWORD DDLOCK_WAIT = 0x00000001;
constexpr DWORD DDBLT_ASYNC = 0x00000200;
constexpr DWORD DDBLT_WAIT = 0x01000000;
constexpr DWORD DDSCL_NORMAL = 0x00000008;
constexpr DWORD DDWAITVB_BLOCKBEGIN = 0x00000001;

struct DDPIXELFORMAT {
    DWORD dwSize = sizeof(DDPIXELFORMAT);
    DWORD dwFlags = 0;
    DWORD dwFourCC = 0;
    DWORD dwRGBBitCount = 0;
    DWORD dwRBitMask = 0;
    DWORD dwGBitMask = 0;
    DWORD dwBBitMask = 0;
    DWORD dwRGBAlphaBitMask = 0;
};
static_assert(sizeof(DDPIXELFORMAT) == 32, "a pixel format record is 32 bytes");

// What is asked of a new surface, and what a lock hands back.
struct KWDDSURFACEDESC {
    DWORD dwSize = sizeof(KWDDSURFACEDESC);
    DWORD dwFlags = 0;
    DWORD dwWidth = 0;
    DWORD dwHeight = 0;
    LONG lPitch = 0;
    void* lpSurface = nullptr;
    DWORD dwCaps = 0;
    DDPIXELFORMAT ddpfPixelFormat;
};
