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

// A plain offscreen surface in video memory; the caller names its format.
KWDDSURFACEDESC OffscreenDesc(int width, int height)
{
    KWDDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT;
    desc.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    desc.dwWidth = static_cast<DWORD>(width);
    desc.dwHeight = static_cast<DWORD>(height);
    return desc;
}

// Locks the whole surface; a surface lost meanwhile is restored (restore())
// and locked once more.
template <typename Restore> HRESULT LockWhole(CKWDDrawSurface* surface, KWDDSURFACEDESC& desc, Restore restore)
{
    HRESULT result = surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    if (result == DDERR_SURFACELOST) {
        restore();
        result = surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    }
    return result;
}

// Lets the callback draw on the overlay surface's device context, which is
// released again whether it was given or not.
template <typename Draw> void DrawThroughCallback(CKWDDrawSurface* osd, IKWVideoRenderCallback* callback, Draw draw)
{
    HDC dc = nullptr;
    if (KwSucceeded(osd->GetDC(&dc)) && callback != nullptr) {
        draw(*callback, dc);
    }
    osd->ReleaseDC(dc);
}

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
    KWDDSURFACEDESC desc = OffscreenDesc(width, height);
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
    KWDDSURFACEDESC desc = OffscreenDesc(width, height);
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
    const bool hasSecond = second != nullptr && second->pData != nullptr;
    if (!FitVideoSurface(width, height) || (hasSecond && !FitSecondVideoSurface(second->nWidth, second->nHeight)) ||
        !UpdateWindowRect()) {
        return 0;
    }
    if (!WriteVideoSurface(buffer, width, height) || (hasSecond && !WriteSecondVideoSurface(*second))) {
        return 0;
    }
    ComposeOSD(source, a, drawerWindow, b, hasSecond, secondRect);
    return PresentOSD();
}

bool CDDrawRender::FitVideoSurface(int width, int height)
{
    if (m_primary == nullptr && !CreatePrimarySurface()) {
        return false;
    }
    if (width != m_frameWidth || height != m_frameHeight) {
        ReleaseObject(m_video);
        if (!CreateVideoSurface(width, height)) {
            return false;
        }
        {
            CKWToolAutoMutexLock lock(m_mutex);
            ReleaseOSD();
            if (!CreateOSDSurface(width, height, m_hWnd)) {
                return false;
            }
        }
        m_frameWidth = width;
        m_frameHeight = height;
    }
    return m_video != nullptr || CreateVideoSurface(width, height);
}

bool CDDrawRender::FitSecondVideoSurface(int width, int height)
{
    if (width != m_secondWidth || height != m_secondHeight) {
        ReleaseObject(m_secondVideo);
        if (!CreateSecondVideoSurface(width, height)) {
            return false;
        }
        m_secondWidth = width;
        m_secondHeight = height;
    }
    return m_secondVideo != nullptr || CreateSecondVideoSurface(width, height);
}

// Every frame of this path goes through the overlay surface, with or without
// a callback, so a lost overlay surface is always restored here; otherwise,
// without a callback, no frame would show again after a display-mode change
// until the window moved.
bool CDDrawRender::WriteVideoSurface(BYTE* buffer, int width, int height)
{
    KWDDSURFACEDESC desc;
    m_lastResult = LockWhole(m_video, desc, [this] { RestoreSurfaces(true); });
    if (!KwSucceeded(m_lastResult)) {
        m_video->Unlock(nullptr);
        ReleaseObject(m_video);
        CreateVideoSurface(width, height);
        CKWToolAutoMutexLock lock(m_mutex);
        ReleaseOSD();
        CreateOSDSurface(m_frameWidth, m_frameHeight, m_hWnd);
        return false;
    }
    return ConvertIntoLocked(m_video, desc, buffer, width, height);
}

bool CDDrawRender::WriteSecondVideoSurface(const RENDER_VIDEOINFO& second)
{
    KWDDSURFACEDESC desc;
    m_lastResult = LockWhole(m_secondVideo, desc, [this] { m_secondVideo->Restore(); });
    if (!KwSucceeded(m_lastResult)) {
        m_secondVideo->Unlock(nullptr);
        ReleaseObject(m_secondVideo);
        CreateSecondVideoSurface(second.nWidth, second.nHeight);
        return false;
    }
    return ConvertIntoLocked(m_secondVideo, desc, second.pData, second.nWidth, second.nHeight);
}

bool CDDrawRender::ConvertIntoLocked(CKWDDrawSurface* surface, const KWDDSURFACEDESC& desc, BYTE* data, int width, int height)
{
    if (desc.lpSurface == nullptr) {
        surface->Unlock(nullptr);
        return false;
    }
    const std::size_t lumaSize = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    m_colorConvert(data, data + lumaSize, data + static_cast<std::ptrdiff_t>(width * height * 5 / 4), static_cast<BYTE*>(desc.lpSurface),
                   static_cast<DWORD>(desc.lPitch), static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight));
    surface->Unlock(nullptr);
    return true;
}

void CDDrawRender::ComposeOSD(RECT* source, int a, HWND drawerWindow, int b, bool hasSecond, RECT* secondRect)
{
    CKWToolAutoMutexLock lock(m_mutex);
    if (m_osd == nullptr) {
        return;
    }
    if (KwSucceeded(m_lastResult = m_osd->Blt(nullptr, m_video, source, DDBLT_ASYNC, nullptr))) {
        DrawThroughCallback(m_osd, m_callback, [&](IKWVideoRenderCallback& callback, HDC dc) {
            VorlumeDraw(a, dc, drawerWindow, b);
            callback.OnDrawOSD(0, dc);
        });
    }
    if (hasSecond && KwSucceeded(m_lastResult = m_osd->Blt(secondRect, m_secondVideo, nullptr, DDBLT_ASYNC, nullptr))) {
        DrawThroughCallback(m_osd, m_callback,
                            [secondRect](IKWVideoRenderCallback& callback, HDC dc) { callback.OnDrawSubOSD(secondRect, dc); });
    }
}

int CDDrawRender::PresentOSD()
{
    WaitForVerticalBlankIfOn();
    if (m_osd != nullptr && m_primary != nullptr) {
        m_lastResult = m_primary->Blt(&m_windowRect, m_osd, nullptr, DDBLT_ASYNC, nullptr);
    }
    if (m_lastResult == DDERR_SURFACELOST) {
        RecoverFromLostScreen(true);
        return 0;
    }
    return KwSucceeded(m_lastResult) ? 1 : 0;
}

void CDDrawRender::WaitForVerticalBlankIfOn()
{
    if (m_verticalSync != 0) {
        m_device->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    }
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
    m_lastResult = LockWhole(m_video, desc, [this] { RestoreSurfaces(m_callback != nullptr); });
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
        WaitForVerticalBlankIfOn();
        m_lastResult = m_osd != nullptr ? m_primary->Blt(&m_windowRect, m_osd, nullptr, DDBLT_ASYNC, nullptr) : DDERR_GENERIC;
    } else {
        WaitForVerticalBlankIfOn();
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
        DrawThroughCallback(m_osd, m_callback, [](IKWVideoRenderCallback& callback, HDC dc) { callback.OnDrawOSD(0, dc); });
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
