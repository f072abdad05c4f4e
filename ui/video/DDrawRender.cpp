#include "ui/video/DDrawRender.h"

#include "base/KWAutoMutexLock.h"
#include "base/platform/KWPlatform.h"
#include "ui/video/KWDDrawClipper.h"
#include "ui/video/KWDDrawDevice.h"
#include "ui/video/KWDDrawSurface.h"
#include "ui/video/KWDDrawWindow.h"
#include "ui/video/KWFrameConvert.h"
#include "ui/video/KWVideoRenderCallback.h"

using KW_SOFT_BASE::CKWToolAutoMutexLock;

namespace {

struct FormatEntry {
    DDPIXELFORMAT format;
    KW_COLOR_CONVERT convert;
};

DDPIXELFORMAT FourCCFormat(DWORD fourCC)
{
    DDPIXELFORMAT format;
    format.dwFlags = DDPF_FOURCC;
    format.dwFourCC = fourCC;
    return format;
}

// Tried in this order; the last two are listed but never tried.
const FormatEntry kFormats[] = {
    {FourCCFormat(FOURCC_UYVY), I420ToUYVY}, {FourCCFormat(FOURCC_YUY2), I420ToYUY2}, {FourCCFormat(FOURCC_YV12), I420ToYV12},
    {FourCCFormat(FOURCC_YVU9), nullptr},    {FourCCFormat(FOURCC_IF09), nullptr},
};
constexpr int kTriedFormats = 3;

template <typename T> void ReleaseObject(T*& object)
{
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// The overlay drawer: what it draws is this system's choice, and here it
// draws nothing; it is called where the drawer is called, with the mutex
// held and before the owner's callback.
void VorlumeDraw(int /*a*/, HDC /*dc*/, HWND /*window*/, int /*b*/) {}

bool IsMinimised(const RECT& rect)
{
    return rect.left < 0 && rect.top < 0 && rect.right < 0 && rect.bottom < 0;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

CDDrawRender::CDDrawRender()
{
    ResetMembers();
    m_secondHeight = 0;
    m_screenWidth = 0;
    m_screenHeight = 0;
}

CDDrawRender::~CDDrawRender()
{
    ReleaseAll();
}

int CDDrawRender::ResetMembers()
{
    m_device = nullptr;
    m_primary = nullptr;
    m_video = nullptr;
    m_osd = nullptr;
    m_secondVideo = nullptr;
    m_hWnd = nullptr;
    m_frameHeight = 0;
    m_frameWidth = 0;
    m_secondWidth = 0;
    m_callback = nullptr;
    m_windowRect = {0, 0, 0, 0};
    m_colorConvert = nullptr;
    m_verticalSync = 0;
    return 0;
}

void CDDrawRender::ReleaseOSD()
{
    ReleaseObject(m_osd);
}

int CDDrawRender::ReleaseAll()
{
    {
        CKWToolAutoMutexLock lock(m_mutex);
        ReleaseOSD();
    }
    ReleaseObject(m_secondVideo);
    ReleaseObject(m_video);
    ReleaseObject(m_primary);
    ReleaseObject(m_device);
    // Sizes go with the surfaces, so that the next frame makes them anew.
    m_frameWidth = 0;
    m_frameHeight = 0;
    m_secondWidth = 0;
    m_secondHeight = 0;
    m_windowRect = {0, 0, 0, 0};
    return 0;
}

int CDDrawRender::Reserved(DWORD /*value*/)
{
    return 0;
}

int CDDrawRender::SetOSDCallback(int /*reserved*/, IKWVideoRenderCallback* callback)
{
    CKWToolAutoMutexLock lock(m_mutex);
    m_callback = callback;
    return 1;
}

int CDDrawRender::SetVerticalSync(int enable)
{
    m_verticalSync = enable;
    return 1;
}

bool CDDrawRender::CreateDirectDraw(HWND window)
{
    if (!KwSucceeded(m_lastResult = CKWDDrawDevice::Create(&m_device))) {
        return false;
    }
    return KwSucceeded(m_lastResult = m_device->SetCooperativeLevel(window, DDSCL_NORMAL));
}

bool CDDrawRender::CreatePrimarySurface()
{
    KWDDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS;
    desc.dwCaps = DDSCAPS_PRIMARYSURFACE;
    if (!KwSucceeded(m_lastResult = m_device->CreateSurface(&desc, &m_primary))) {
        return false;
    }
    KwGetScreenSize(m_screenWidth, m_screenHeight);
    return true;
}

bool CDDrawRender::AttachClipper(HWND window)
{
    CKWDDrawClipper* clipper = nullptr;
    if (!KwSucceeded(m_lastResult = m_device->CreateClipper(0, &clipper))) {
        return false;
    }
    bool attached = KwSucceeded(m_lastResult = clipper->SetHWnd(0, window));
    if (attached) {
        attached = KwSucceeded(m_lastResult = m_primary->SetClipper(clipper));
    }
    clipper->Release(); // the surface keeps its own reference
    return attached;
}

bool CDDrawRender::CreateYUVSurface(int width, int height, CKWDDrawSurface*& surface, KW_COLOR_CONVERT& convert)
{
    if (m_device == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    KWDDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT;
    desc.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    desc.dwWidth = static_cast<DWORD>(width);
    desc.dwHeight = static_cast<DWORD>(height);
    for (int i = 0; i < kTriedFormats; ++i) {
        desc.ddpfPixelFormat = kFormats[i].format;
        if (KwSucceeded(m_lastResult = m_device->CreateSurface(&desc, &surface))) {
            convert = kFormats[i].convert;
            return true;
        }
    }
    return false;
}

bool CDDrawRender::CreateVideoSurface(int width, int height)
{
    return CreateYUVSurface(width, height, m_video, m_colorConvert);
}

bool CDDrawRender::CreateSecondVideoSurface(int width, int height)
{
    return CreateYUVSurface(width, height, m_secondVideo, m_colorConvert);
}

bool CDDrawRender::CreateOffScreenSurface(CKWDDrawSurface*& surface, KW_COLOR_CONVERT& convert, int width, int height)
{
    surface = nullptr;
    convert = nullptr;
    return CreateYUVSurface(width, height, surface, convert);
}

bool CDDrawRender::CreateOSDSurface(int fallbackWidth, int fallbackHeight, HWND window)
{
    if (m_device == nullptr) {
        return false;
    }
    RECT client = {0, 0, 0, 0};
    KwGetClientScreenRect(window, &client);
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (width == 0) {
        width = fallbackWidth;
        height = fallbackHeight;
    }
    if (width <= 0 || height <= 0) {
        return false;
    }
    KWDDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT;
    desc.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    desc.dwWidth = static_cast<DWORD>(width);
    desc.dwHeight = static_cast<DWORD>(height);
    desc.ddpfPixelFormat.dwFlags = DDPF_RGB;
    desc.ddpfPixelFormat.dwRGBBitCount = 32;
    desc.ddpfPixelFormat.dwRBitMask = 0x00FF0000;
    desc.ddpfPixelFormat.dwGBitMask = 0x0000FF00;
    desc.ddpfPixelFormat.dwBBitMask = 0x000000FF;
    return KwSucceeded(m_lastResult = m_device->CreateSurface(&desc, &m_osd));
}

bool CDDrawRender::UpdateWindowRect()
{
    RECT rect = {0, 0, 0, 0};
    KwGetWindowRect(m_hWnd, &rect);
    if (SameRect(rect, m_windowRect)) {
        return true;
    }
    m_windowRect = rect;
    if (IsMinimised(rect) || m_primary == nullptr) {
        return false;
    }
    CKWToolAutoMutexLock lock(m_mutex);
    ReleaseOSD();
    return CreateOSDSurface(m_frameWidth, m_frameHeight, m_hWnd);
}

void CDDrawRender::RestoreSurfaces(bool withOSD)
{
    if (m_primary != nullptr) {
        m_primary->Restore();
    }
    if (m_video != nullptr) {
        m_video->Restore();
    }
    if (withOSD) {
        CKWToolAutoMutexLock lock(m_mutex);
        if (m_osd != nullptr) {
            m_osd->Restore();
        }
    }
}

bool CDDrawRender::RecoverFromLostScreen(bool withOSD)
{
    int width = 0;
    int height = 0;
    KwGetScreenSize(width, height);
    if (width == m_screenWidth && height == m_screenHeight) {
        if (m_primary != nullptr) {
            m_primary->Restore();
        }
    } else {
        ReleaseObject(m_primary);
        if (!CreatePrimarySurface() || !AttachClipper(m_hWnd)) {
            return false;
        }
    }
    RestoreSurfaces(withOSD);
    return true;
}

int CDDrawRender::Init(HWND window)
{
    if (!CreateDirectDraw(window) || !CreatePrimarySurface() || !AttachClipper(window)) {
        return -1;
    }
    m_hWnd = window;
    return 0;
}

int CDDrawRender::RenderI420(BYTE* buffer, int width, int height, RECT* source, int a, HWND drawerWindow, int b)
{
    return RenderFrame(buffer, width, height, source, a, drawerWindow, b, nullptr, nullptr);
}

int CDDrawRender::RenderFE(RENDER_VIDEOINFO* main, RECT* source, int a, HWND drawerWindow, int b, RENDER_VIDEOINFO* second,
                           RECT* secondRect)
{
    if (main == nullptr) {
        return 0;
    }
    return RenderFrame(main->pData, main->nWidth, main->nHeight, source, a, drawerWindow, b, second, secondRect);
}

int CDDrawRender::RenderFrame(BYTE* buffer, int width, int height, RECT* source, int a, HWND drawerWindow, int b,
                              RENDER_VIDEOINFO* second, RECT* secondRect)
{
    // A frame without data would be read through a null pointer.
    if (m_device == nullptr || buffer == nullptr) {
        return 0;
    }
    if (m_primary == nullptr && !CreatePrimarySurface()) {
        return 0;
    }
    if (width != m_frameWidth || height != m_frameHeight) {
        ReleaseObject(m_video);
        if (!CreateVideoSurface(width, height)) {
            return 0;
        }
        {
            CKWToolAutoMutexLock lock(m_mutex);
            ReleaseOSD();
            if (!CreateOSDSurface(width, height, m_hWnd)) {
                return 0;
            }
        }
        m_frameWidth = width;
        m_frameHeight = height;
    }
    if (m_video == nullptr && !CreateVideoSurface(width, height)) {
        return 0;
    }
    const bool hasSecond = second != nullptr && second->pData != nullptr;
    if (hasSecond) {
        if (second->nWidth != m_secondWidth || second->nHeight != m_secondHeight) {
            ReleaseObject(m_secondVideo);
            if (!CreateSecondVideoSurface(second->nWidth, second->nHeight)) {
                return 0;
            }
            m_secondWidth = second->nWidth;
            m_secondHeight = second->nHeight;
        }
        if (m_secondVideo == nullptr && !CreateSecondVideoSurface(second->nWidth, second->nHeight)) {
            return 0;
        }
    }
    if (!UpdateWindowRect()) {
        return 0;
    }

    // Every frame of this path goes through the overlay surface, with or
    // without a callback, so a lost overlay surface is always restored here;
    // otherwise, without a callback, no frame would show again after a
    // display-mode change until the window moved.
    KWDDSURFACEDESC desc;
    m_lastResult = m_video->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    if (m_lastResult == DDERR_SURFACELOST) {
        RestoreSurfaces(true);
        m_lastResult = m_video->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    }
    if (!KwSucceeded(m_lastResult)) {
        m_video->Unlock(nullptr);
        ReleaseObject(m_video);
        CreateVideoSurface(width, height);
        CKWToolAutoMutexLock lock(m_mutex);
        ReleaseOSD();
        CreateOSDSurface(m_frameWidth, m_frameHeight, m_hWnd);
        return 0;
    }
    if (desc.lpSurface == nullptr) {
        m_video->Unlock(nullptr);
        return 0;
    }
    const std::size_t lumaSize = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    m_colorConvert(buffer, buffer + lumaSize, buffer + static_cast<std::ptrdiff_t>(width * height * 5 / 4), static_cast<BYTE*>(desc.lpSurface),
                   static_cast<DWORD>(desc.lPitch), static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight));
    m_video->Unlock(nullptr);

    if (hasSecond) {
        KWDDSURFACEDESC secondDesc;
        m_lastResult = m_secondVideo->Lock(nullptr, &secondDesc, DDLOCK_WAIT, nullptr);
        if (m_lastResult == DDERR_SURFACELOST) {
            m_secondVideo->Restore();
            m_lastResult = m_secondVideo->Lock(nullptr, &secondDesc, DDLOCK_WAIT, nullptr);
        }
        if (!KwSucceeded(m_lastResult)) {
            m_secondVideo->Unlock(nullptr);
            ReleaseObject(m_secondVideo);
            CreateSecondVideoSurface(second->nWidth, second->nHeight);
            return 0;
        }
        if (secondDesc.lpSurface == nullptr) {
            m_secondVideo->Unlock(nullptr);
            return 0;
        }
        BYTE* data = second->pData;
        const int w = second->nWidth;
        const int h = second->nHeight;
        m_colorConvert(data, data + static_cast<std::size_t>(w) * static_cast<std::size_t>(h), data + static_cast<std::ptrdiff_t>(w * h * 5 / 4),
                       static_cast<BYTE*>(secondDesc.lpSurface), static_cast<DWORD>(secondDesc.lPitch),
                       static_cast<int>(secondDesc.dwWidth), static_cast<int>(secondDesc.dwHeight));
        m_secondVideo->Unlock(nullptr);
    }

    {
        CKWToolAutoMutexLock lock(m_mutex);
        if (m_osd != nullptr) {
            if (KwSucceeded(m_lastResult = m_osd->Blt(nullptr, m_video, source, DDBLT_ASYNC, nullptr))) {
                HDC dc = nullptr;
                if (KwSucceeded(m_osd->GetDC(&dc)) && m_callback != nullptr) {
                    VorlumeDraw(a, dc, drawerWindow, b);
                    m_callback->OnDrawOSD(0, dc);
                }
                m_osd->ReleaseDC(dc);
            }
            if (hasSecond) {
                if (KwSucceeded(m_lastResult = m_osd->Blt(secondRect, m_secondVideo, nullptr, DDBLT_ASYNC, nullptr))) {
                    HDC dc = nullptr;
                    if (KwSucceeded(m_osd->GetDC(&dc)) && m_callback != nullptr) {
                        m_callback->OnDrawSubOSD(secondRect, dc);
                    }
                    m_osd->ReleaseDC(dc);
                }
            }
        }
    }
    if (m_verticalSync != 0) {
        m_device->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    }
    if (m_osd != nullptr && m_primary != nullptr) {
        m_lastResult = m_primary->Blt(&m_windowRect, m_osd, nullptr, DDBLT_ASYNC, nullptr);
        if (m_lastResult == DDERR_SURFACELOST) {
            RecoverFromLostScreen(true);
            return 0;
        }
        return KwSucceeded(m_lastResult) ? 1 : 0;
    }
    if (m_lastResult == DDERR_SURFACELOST) {
        RecoverFromLostScreen(true);
        return 0;
    }
    return KwSucceeded(m_lastResult) ? 1 : 0;
}

int CDDrawRender::RenderPlanes(BYTE* y, BYTE* u, BYTE* v, int width, int height)
{
    if (m_device == nullptr) {
        return -1;
    }
    if (width != m_frameWidth || height != m_frameHeight) {
        ReleaseObject(m_video);
        {
            CKWToolAutoMutexLock lock(m_mutex);
            ReleaseOSD();
        }
        if (!CreateVideoSurface(width, height)) {
            return -1;
        }
        if (m_callback != nullptr) {
            CKWToolAutoMutexLock lock(m_mutex);
            if (!CreateOSDSurface(width, height, m_hWnd)) {
                return -1;
            }
        }
        m_frameWidth = width;
        m_frameHeight = height;
    }
    {
        CKWToolAutoMutexLock lock(m_mutex);
        if (m_callback != nullptr && m_osd == nullptr && !CreateOSDSurface(m_frameWidth, m_frameHeight, m_hWnd)) {
            return -1;
        }
    }
    if (!UpdateWindowRect()) {
        return 0;
    }
    return DrawPlanes(y, u, v) ? 0 : -1;
}

bool CDDrawRender::DrawPlanes(BYTE* y, BYTE* u, BYTE* v)
{
    if (m_video == nullptr) {
        return false;
    }
    KWDDSURFACEDESC desc;
    m_lastResult = m_video->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    if (m_lastResult == DDERR_SURFACELOST) {
        RestoreSurfaces(m_callback != nullptr);
        m_lastResult = m_video->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    }
    if (!KwSucceeded(m_lastResult)) {
        return false;
    }
    if (desc.lpSurface == nullptr) {
        m_video->Unlock(nullptr);
        return false;
    }
    // Faults inside the converter cannot be caught here; planes that are
    // not there are refused before it runs.
    if (y == nullptr || u == nullptr || v == nullptr || m_colorConvert == nullptr) {
        m_video->Unlock(nullptr);
        KwOutputDebugString("m_colorConvert exception\n");
        return false;
    }
    m_colorConvert(y, u, v, static_cast<BYTE*>(desc.lpSurface), static_cast<DWORD>(desc.lPitch), static_cast<int>(desc.dwWidth),
                   static_cast<int>(desc.dwHeight));
    m_video->Unlock(nullptr);

    if (m_callback != nullptr) {
        CKWToolAutoMutexLock lock(m_mutex);
        if (m_osd != nullptr) {
            CopyVideoToOsdAndDrawOverlay();
        }
        if (m_verticalSync != 0) {
            m_device->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
        }
        m_lastResult = m_osd != nullptr ? m_primary->Blt(&m_windowRect, m_osd, nullptr, DDBLT_ASYNC, nullptr) : DDERR_GENERIC;
    } else {
        if (m_verticalSync != 0) {
            m_device->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
        }
        m_lastResult = m_primary != nullptr ? m_primary->Blt(&m_windowRect, m_video, nullptr, DDBLT_ASYNC, nullptr) : DDERR_GENERIC;
    }
    if (m_lastResult == DDERR_SURFACELOST) {
        RestoreSurfaces(m_callback != nullptr);
    }
    return KwSucceeded(m_lastResult);
}

void CDDrawRender::CopyVideoToOsdAndDrawOverlay()
{
    if (KwSucceeded(m_osd->Blt(nullptr, m_video, nullptr, 0, nullptr))) {
        HDC dc = nullptr;
        if (KwSucceeded(m_osd->GetDC(&dc))) {
            m_callback->OnDrawOSD(0, dc);
        }
        m_osd->ReleaseDC(dc);
    }
}

int CDDrawRender::Refresh()
{
    if (m_primary == nullptr) {
        return -1;
    }
    if (!UpdateWindowRect()) {
        return 0;
    }
    if (m_video == nullptr) {
        return 0; // nothing to show yet
    }
    RECT client = {0, 0, 0, 0};
    KwGetClientScreenRect(m_hWnd, &client);
    if (m_callback != nullptr) {
        CKWToolAutoMutexLock lock(m_mutex);
        if (m_osd != nullptr) {
            CopyVideoToOsdAndDrawOverlay();
            m_lastResult = m_primary->Blt(&client, m_osd, nullptr, DDBLT_ASYNC, nullptr);
        } else {
            m_lastResult = DDERR_GENERIC;
        }
    } else {
        m_lastResult = m_primary->Blt(&client, m_video, nullptr, DDBLT_WAIT, nullptr);
    }
    if (m_lastResult == DDERR_SURFACELOST) {
        RestoreSurfaces(false);
    }
    return KwSucceeded(m_lastResult) ? 0 : -1;
}

QImage CDDrawRender::GetPresentedImage() const
{
    return m_primary != nullptr ? m_primary->ToImage() : QImage();
}

void CDDrawRender::ReleaseVideoSurface()
{
    ReleaseObject(m_video);
}
