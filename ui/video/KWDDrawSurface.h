#pragma once
// One surface of the stand-in display layer: a memory buffer in a YUV format
// (UYVY, YUY2, YV12) or 32-bit RGB, or the primary surface, whose blits land
// in the picture of the window its clipper names. Blits convert YUV to RGB
// and scale with Qt; a device context is a QPainter on the surface's memory.
//
// Rectangles are exclusive (right and bottom lie outside); a null rectangle
// means the whole surface. Like video memory, a surface can be lost (a
// display-mode change); a lost surface refuses locks and blits until it is
// restored.

#include "ui/video/KWDDrawObject.h"
#include "ui/video/KWDDrawTypes.h"

#include <QImage>

#include <memory>
#include <mutex>
#include <vector>

class CKWDDrawClipper;
class QPainter;

class CKWDDrawSurface : public CKWDDrawObject {
public:
    enum Kind { KindPrimary, KindYUV, KindRGB32 };

    // Made by CKWDDrawDevice::CreateSurface.
    CKWDDrawSurface(Kind kind, int width, int height, DWORD fourCC);

    HRESULT Lock(RECT* rect, KWDDSURFACEDESC* desc, DWORD flags, HANDLE event);
    HRESULT Unlock(RECT* rect);
    HRESULT Blt(RECT* dst, CKWDDrawSurface* src, RECT* srcRect, DWORD flags, void* fx);
    // HDC is a QPainter* on the surface (RGB32 surfaces only), valid until
    // ReleaseDC.
    HRESULT GetDC(HDC* dc);
    HRESULT ReleaseDC(HDC dc);
    HRESULT SetClipper(CKWDDrawClipper* clipper);
    HRESULT IsLost() const;
    HRESULT Restore();
    HRESULT GetSurfaceDesc(KWDDSURFACEDESC* desc) const;

    Kind GetKind() const { return m_kind; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    DWORD FourCC() const { return m_fourCC; }
    int Pitch() const { return m_pitch; }
    bool IsLocked() const { return m_locked; }

    // The surface's content as 32-bit RGB; for the primary surface, the
    // picture last blitted into its window (empty before the first).
    QImage ToImage() const;

    // Marks every surface alive now as lost, as a display-mode change does.
    static void LoseAllSurfaces();
    static int LiveSurfaceCount();

private:
    ~CKWDDrawSurface() override;

    QImage Decoded(const QRect& part) const;

    Kind m_kind;
    int m_width;
    int m_height;
    DWORD m_fourCC;
    int m_pitch = 0;
    std::vector<BYTE> m_memory;
    bool m_lost = false;
    bool m_locked = false;
    CKWDDrawClipper* m_clipper = nullptr; // one reference held
    std::unique_ptr<QPainter> m_painter;
    QImage m_dcImage;
    mutable std::mutex m_presentedMutex; // the window's thread reads the picture
    QImage m_presented;
};
