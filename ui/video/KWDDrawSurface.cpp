#include "ui/video/KWDDrawSurface.h"

#include "ui/video/KWDDrawClipper.h"
#include "ui/video/KWDDrawWindow.h"
#include "ui/video/KWFrameConvert.h"

#include <QPainter>

#include <algorithm>
#include <set>

namespace {

std::mutex& RegistryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::set<CKWDDrawSurface*>& Registry()
{
    static std::set<CKWDDrawSurface*> surfaces;
    return surfaces;
}

int AlignUp(int value, int step)
{
    return (value + step - 1) / step * step;
}

inline BYTE Clamp13(int value)
{
    value >>= 13;
    return static_cast<BYTE>(std::clamp(value, 0, 255));
}

// One pixel of BT.601 studio-range YCbCr, in the fixed point of the software
// converter, so that both display paths give the same colours.
inline QRgb YuvPixel(int y, int u, int v)
{
    const int l = (y - 16) * 9535;
    const int red = Clamp13(l + (v - 128) * 13074);
    const int green = Clamp13(l - ((v - 128) * 6660 + (u - 128) * 3203));
    const int blue = Clamp13(l + (u - 128) * 16531);
    return qRgb(red, green, blue);
}

QRect ToQRect(const RECT* rect, int width, int height)
{
    if (rect == nullptr) {
        return QRect(0, 0, width, height);
    }
    return QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
}

} // namespace

CKWDDrawSurface::CKWDDrawSurface(Kind kind, int width, int height, DWORD fourCC)
    : m_kind(kind)
    , m_width(width)
    , m_height(height)
    , m_fourCC(fourCC)
{
    std::size_t size = 0;
    if (kind == KindRGB32) {
        m_pitch = width * 4;
        size = static_cast<std::size_t>(m_pitch) * static_cast<std::size_t>(height);
    } else if (kind == KindYUV && fourCC == FOURCC_YV12) {
        m_pitch = AlignUp(width, 16);
        size = static_cast<std::size_t>(m_pitch) * static_cast<std::size_t>(height) * 3 / 2 + static_cast<std::size_t>(m_pitch);
    } else if (kind == KindYUV) {
        m_pitch = AlignUp(width * 2, 16);
        size = static_cast<std::size_t>(m_pitch) * static_cast<std::size_t>(height);
    }
    m_memory.assign(size, 0);
    std::lock_guard<std::mutex> lock(RegistryMutex());
    Registry().insert(this);
}

CKWDDrawSurface::~CKWDDrawSurface()
{
    m_painter.reset();
    if (m_clipper != nullptr) {
        m_clipper->Release();
    }
    std::lock_guard<std::mutex> lock(RegistryMutex());
    Registry().erase(this);
}

void CKWDDrawSurface::LoseAllSurfaces()
{
    std::lock_guard<std::mutex> lock(RegistryMutex());
    for (CKWDDrawSurface* surface : Registry()) {
        surface->m_lost = true;
    }
}

int CKWDDrawSurface::LiveSurfaceCount()
{
    std::lock_guard<std::mutex> lock(RegistryMutex());
    return static_cast<int>(Registry().size());
}

HRESULT CKWDDrawSurface::Lock(RECT* /*rect*/, KWDDSURFACEDESC* desc, DWORD /*flags*/, HANDLE /*event*/)
{
    if (desc == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    if (m_lost) {
        return DDERR_SURFACELOST;
    }
    if (m_locked) {
        return DDERR_SURFACEBUSY;
    }
    if (m_kind == KindPrimary) {
        return DDERR_GENERIC; // the screen is not handed out
    }
    m_locked = true;
    GetSurfaceDesc(desc);
    desc->lpSurface = m_memory.empty() ? nullptr : m_memory.data();
    return DD_OK;
}

HRESULT CKWDDrawSurface::Unlock(RECT* /*rect*/)
{
    if (!m_locked) {
        return DDERR_NOTLOCKED;
    }
    m_locked = false;
    return DD_OK;
}

HRESULT CKWDDrawSurface::GetSurfaceDesc(KWDDSURFACEDESC* desc) const
{
    if (desc == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *desc = KWDDSURFACEDESC();
    desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    desc->dwWidth = static_cast<DWORD>(m_width);
    desc->dwHeight = static_cast<DWORD>(m_height);
    desc->lPitch = m_pitch;
    desc->dwCaps = m_kind == KindPrimary ? DDSCAPS_PRIMARYSURFACE : (DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY);
    if (m_kind == KindYUV) {
        desc->ddpfPixelFormat.dwFlags = DDPF_FOURCC;
        desc->ddpfPixelFormat.dwFourCC = m_fourCC;
    } else if (m_kind == KindRGB32) {
        desc->ddpfPixelFormat.dwFlags = DDPF_RGB;
        desc->ddpfPixelFormat.dwRGBBitCount = 32;
        desc->ddpfPixelFormat.dwRBitMask = 0x00FF0000;
        desc->ddpfPixelFormat.dwGBitMask = 0x0000FF00;
        desc->ddpfPixelFormat.dwBBitMask = 0x000000FF;
    }
    return DD_OK;
}

QImage CKWDDrawSurface::Decoded(const QRect& part) const
{
    if (m_kind == KindPrimary) {
        std::lock_guard<std::mutex> lock(m_presentedMutex);
        return m_presented.copy(part);
    }
    if (m_kind == KindRGB32) {
        return QImage(m_memory.data(), m_width, m_height, m_pitch, QImage::Format_RGB32).copy(part);
    }
    QImage image(part.size(), QImage::Format_RGB32);
    const BYTE* base = m_memory.data();
    if (m_fourCC == FOURCC_YV12) {
        // Whole chroma blocks from the part's even corner.
        const int x0 = part.left() & ~1;
        const int y0 = part.top() & ~1;
        const int w = std::min(AlignUp(part.right() + 1, 2), m_width - m_width % 2) - x0;
        const int h = std::min(AlignUp(part.bottom() + 1, 2), m_height - m_height % 2) - y0;
        if (w <= 0 || h <= 0) {
            return image;
        }
        QImage block(w, h, QImage::Format_RGB32);
        const std::size_t planeY = static_cast<std::size_t>(m_pitch) * static_cast<std::size_t>(m_height);
        const std::size_t chroma = static_cast<std::size_t>(y0 / 2) * static_cast<std::size_t>(m_pitch / 2) + static_cast<std::size_t>(x0 / 2);
        yv12_to_rgb32_c_q(block.bits(), static_cast<int>(block.bytesPerLine() / 4),
                          base + static_cast<std::size_t>(y0) * static_cast<std::size_t>(m_pitch) + static_cast<std::size_t>(x0),
                          base + planeY * 5 / 4 + chroma, base + planeY + chroma, m_pitch, m_pitch / 2, w, h);
        for (int row = 0; row < h; ++row) {
            auto* pixel = reinterpret_cast<quint32*>(block.scanLine(row));
            for (int col = 0; col < w; ++col) {
                pixel[col] |= 0xFF000000u; // the converter leaves the fourth byte 0
            }
        }
        return block.copy(part.translated(-x0, -y0));
    }
    const bool uyvy = m_fourCC == FOURCC_UYVY;
    for (int row = 0; row < part.height(); ++row) {
        const BYTE* line = base + static_cast<std::size_t>(part.top() + row) * static_cast<std::size_t>(m_pitch);
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < part.width(); ++col) {
            const int x = part.left() + col;
            const BYTE* pair = line + (x / 2) * 4;
            const int y = uyvy ? pair[1 + 2 * (x % 2)] : pair[2 * (x % 2)];
            const int u = uyvy ? pair[0] : pair[1];
            const int v = uyvy ? pair[2] : pair[3];
            out[col] = YuvPixel(y, u, v);
        }
    }
    return image;
}

QImage CKWDDrawSurface::ToImage() const
{
    if (m_kind == KindPrimary) {
        std::lock_guard<std::mutex> lock(m_presentedMutex);
        return m_presented.copy();
    }
    return Decoded(QRect(0, 0, m_width, m_height));
}

HRESULT CKWDDrawSurface::Blt(RECT* dst, CKWDDrawSurface* src, RECT* srcRect, DWORD /*flags*/, void* /*fx*/)
{
    if (src == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    if (m_lost || src->m_lost) {
        return DDERR_SURFACELOST;
    }
    if (m_kind == KindYUV) {
        return DDERR_INVALIDPIXELFORMAT; // nothing here blits into a YUV surface
    }
    const QRect from = ToQRect(srcRect, src->m_width, src->m_height).intersected(QRect(0, 0, src->m_width, src->m_height));
    if (from.isEmpty()) {
        return DDERR_INVALIDPARAMS;
    }
    const QImage picture = src->Decoded(from);

    if (m_kind == KindRGB32) {
        QImage target(m_memory.data(), m_width, m_height, m_pitch, QImage::Format_RGB32);
        QPainter painter(&target);
        painter.drawImage(ToQRect(dst, m_width, m_height), picture);
        return DD_OK;
    }

    // The primary surface: what the clipper's window shows.
    const HWND window = m_clipper != nullptr ? m_clipper->GetHWnd() : nullptr;
    RECT windowRect;
    if (window == nullptr || !KwGetWindowRect(window, &windowRect)) {
        return DD_OK;
    }
    const QRect to = ToQRect(dst, m_width, m_height).translated(-windowRect.left, -windowRect.top);
    const QSize size(windowRect.right - windowRect.left, windowRect.bottom - windowRect.top);
    if (size.isEmpty()) {
        return DD_OK;
    }
    {
        std::lock_guard<std::mutex> lock(m_presentedMutex);
        if (m_presented.size() != size) {
            m_presented = QImage(size, QImage::Format_RGB32);
            m_presented.fill(Qt::black);
        }
        QPainter painter(&m_presented);
        painter.drawImage(to, picture);
    }
    KwInvalidateWindow(window);
    return DD_OK;
}

HRESULT CKWDDrawSurface::GetDC(HDC* dc)
{
    if (dc == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *dc = nullptr;
    if (m_lost) {
        return DDERR_SURFACELOST;
    }
    if (m_kind != KindRGB32 || m_painter) {
        return DDERR_GENERIC;
    }
    m_dcImage = QImage(m_memory.data(), m_width, m_height, m_pitch, QImage::Format_RGB32);
    m_painter = std::make_unique<QPainter>(&m_dcImage);
    *dc = m_painter.get();
    return DD_OK;
}

HRESULT CKWDDrawSurface::ReleaseDC(HDC dc)
{
    if (dc == nullptr || dc != m_painter.get()) {
        return DDERR_INVALIDPARAMS;
    }
    m_painter.reset();
    m_dcImage = QImage();
    return DD_OK;
}

HRESULT CKWDDrawSurface::SetClipper(CKWDDrawClipper* clipper)
{
    if (clipper != nullptr) {
        clipper->AddRef();
    }
    if (m_clipper != nullptr) {
        m_clipper->Release();
    }
    m_clipper = clipper;
    return DD_OK;
}

HRESULT CKWDDrawSurface::IsLost() const
{
    return m_lost ? DDERR_SURFACELOST : DD_OK;
}

HRESULT CKWDDrawSurface::Restore()
{
    m_lost = false;
    return DD_OK;
}
