#pragma once
// Shows decoded I420 pictures in one window through the display-surface
// layer: each frame is written once into a YUV surface in the first format
// the driver accepts (UYVY, YUY2, YV12), then blitted (through an RGB32
// overlay surface the size of the window, on which the owner draws) to the
// primary surface, whose clipper names the window. Lost surfaces are
// restored or made anew without the caller's help; a frame that cannot be
// shown is reported by the result so that the caller can draw it in
// software.
//
// Render calls come from one thread at a time. The mutex guards the overlay
// surface and the callback against SetOSDCallback from another thread; the
// callback runs with it held.

#include "base/KWMutex.h"
#include "ui/api/KWVideoTypes.h"
#include "ui/video/KWDDrawTypes.h"

#include <QImage>

class CKWDDrawDevice;
class CKWDDrawSurface;
class IKWVideoRenderCallback;

class CDDrawRender {
public:
    CDDrawRender();
    virtual ~CDDrawRender();
    CDDrawRender(const CDDrawRender&) = delete;
    CDDrawRender& operator=(const CDDrawRender&) = delete;

    // 0 shown (or nothing to show), -1 failure.
    virtual int RenderPlanes(BYTE* y, BYTE* u, BYTE* v, int width, int height);
    // source: the part of the frame shown, right and bottom exclusive. a, b
    // and drawerWindow go to the overlay drawer unchanged. 1 shown, 0 not.
    virtual int RenderI420(BYTE* buffer, int width, int height, RECT* source, int a, HWND drawerWindow, int b);
    // RenderI420 with a secondary picture blitted into secondRect of the
    // overlay surface; a null secondary (or null data) is ignored.
    virtual int RenderFE(RENDER_VIDEOINFO* main, RECT* source, int a, HWND drawerWindow, int b, RENDER_VIDEOINFO* second,
                         RECT* secondRect);
    // Shows the video surface again. 0 shown (or nothing to show), -1 failure.
    virtual int Refresh();
    // 0 success, -1 failure (what was made stays until ReleaseAll).
    virtual int Init(HWND window);
    virtual int Reserved(DWORD value);
    // Null removes the callback. 1.
    virtual int SetOSDCallback(int reserved, IKWVideoRenderCallback* callback);
    virtual int SetVerticalSync(int enable);
    // Forgets every object without releasing it. 0.
    virtual int ResetMembers();
    virtual int ReleaseAll();

    // A YUV surface of the given size on this renderer's device, handed to
    // the caller (who releases it) with its converter. False without a
    // device or when no format is accepted.
    bool CreateOffScreenSurface(CKWDDrawSurface*& surface, KW_COLOR_CONVERT& convert, int width, int height);

    // Lets the video surface go (a channel closed); the next frame makes it
    // again.
    void ReleaseVideoSurface();

    // What the window shows now: the last picture put on the screen for it.
    QImage GetPresentedImage() const;
    // State, for the owner's checks.
    CKWDDrawSurface* GetVideoSurface() const { return m_video; }
    CKWDDrawSurface* GetOSDSurface() const { return m_osd; }
    CKWDDrawSurface* GetSecondVideoSurface() const { return m_secondVideo; }
    CKWDDrawSurface* GetPrimarySurface() const { return m_primary; }
    bool HasDevice() const { return m_device != nullptr; }
    KW_COLOR_CONVERT GetColorConvert() const { return m_colorConvert; }
    int GetVerticalSync() const { return m_verticalSync; }

private:
    bool CreateDirectDraw(HWND window);
    // Copies the video picture to the overlay surface and lets the callback
    // draw over it; the caller holds the mutex and has an overlay surface.
    void CopyVideoToOsdAndDrawOverlay();
    bool CreatePrimarySurface();
    bool AttachClipper(HWND window);
    bool CreateYUVSurface(int width, int height, CKWDDrawSurface*& surface, KW_COLOR_CONVERT& convert);
    bool CreateVideoSurface(int width, int height);
    bool CreateSecondVideoSurface(int width, int height);
    bool CreateOSDSurface(int fallbackWidth, int fallbackHeight, HWND window);
    bool UpdateWindowRect();
    bool DrawPlanes(BYTE* y, BYTE* u, BYTE* v);
    void RestoreSurfaces(bool withOSD);
    // After a lost final blit: a new primary surface and clipper when the
    // screen size changed, then the surfaces restored. False when the new
    // primary surface or clipper cannot be made.
    bool RecoverFromLostScreen(bool withOSD);
    void ReleaseOSD(); // mutex held by the caller
    // The frame's way to the screen, step by step: surfaces of the right
    // sizes, the pictures written into them, the overlay surface composed
    // and shown. Each step but the last says whether to go on.
    int RenderFrame(BYTE* buffer, int width, int height, RECT* source, int a, HWND drawerWindow, int b, RENDER_VIDEOINFO* second,
                    RECT* secondRect);
    // A primary surface, and video and overlay surfaces for a frame of that
    // size (both made anew when the size changed).
    bool FitVideoSurface(int width, int height);
    bool FitSecondVideoSurface(int width, int height);
    // Lock, convert, unlock. A lock that keeps failing makes the surface
    // (for the main picture also the overlay surface) anew.
    bool WriteVideoSurface(BYTE* buffer, int width, int height);
    bool WriteSecondVideoSurface(const RENDER_VIDEOINFO& second);
    // Converts an I420 picture into the locked surface and unlocks it; false
    // when the lock gave no memory.
    bool ConvertIntoLocked(CKWDDrawSurface* surface, const KWDDSURFACEDESC& desc, BYTE* data, int width, int height);
    // Under the mutex: the shown part of the frame, then the secondary
    // picture, onto the overlay surface, each drawn over by the callback.
    void ComposeOSD(RECT* source, int a, HWND drawerWindow, int b, bool hasSecond, RECT* secondRect);
    // The overlay surface to the window; a lost screen is recovered and the
    // frame reported as not shown. 1 shown, 0 not.
    int PresentOSD();
    void WaitForVerticalBlankIfOn();

    CKWDDrawDevice* m_device = nullptr;
    CKWDDrawSurface* m_primary = nullptr;
    CKWDDrawSurface* m_video = nullptr;
    CKWDDrawSurface* m_osd = nullptr;
    CKWDDrawSurface* m_secondVideo = nullptr;
    int m_secondHeight = 0;
    int m_secondWidth = 0;
    HWND m_hWnd = nullptr;
    int m_frameHeight = 0;
    int m_frameWidth = 0;
    IKWVideoRenderCallback* m_callback = nullptr; // not owned
    KW_SOFT_BASE::CKWToolMutex m_mutex;
    RECT m_windowRect = {0, 0, 0, 0};
    KW_COLOR_CONVERT m_colorConvert = nullptr;
    int m_verticalSync = 0;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    HRESULT m_lastResult = DD_OK;
};
