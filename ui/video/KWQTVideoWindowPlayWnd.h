#pragma once
// The widget inside each video sub-window on which one channel's pictures
// appear: kept at the owner's proportion (a centred letterbox), shown by the
// embedded renderer or, when that fails, as a pixmap, with the control
// buttons, the digital-zoom rubber band, fisheye regions and inner split
// panes drawn over it. Mouse drags and wheel turns become digital zoom,
// moves of split regions and reports to the video window's listener. Its
// parent is the sub-window, whose parent is the video window.
//
// Rectangles are inclusive here (right and bottom inside).

#include "ui/api/KWRect.h"
#include "ui/api/KWVideoTypes.h"
#include "ui/video/DDrawRender.h"
#include "ui/video/KWFishEyeEptzInfo.h"
#include "ui/video/KWPlayWndGeometry.h"
#include "ui/video/KWVideoRenderCallback.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <memory>
#include <vector>

class CKWQTVideoWindow;
class CKWQTVideoWindowSubWnd;
class QPainter;
class QStyle;

class CKWQTVideoWindowPlayWnd : public QWidget, public IKWVideoRenderCallback {
    Q_OBJECT

public:
    // base: the area the sub-window gives, in its coordinates; the
    // proportion is stored as given.
    CKWQTVideoWindowPlayWnd(int left, int top, int right, int bottom, int proportionWidth, int proportionHeight);
    ~CKWQTVideoWindowPlayWnd() override;

    // Binds the renderer to this widget and draws overlays through it. 1.
    int Create(LPCWSTR title, QWidget* parent, void* owner);
    void SetProportion(int width, int height);
    void SetGeometryFit(const RECT& base);
    void SetOriginalProportion(int follow);
    void SetBkColor(const QColor& colour) { m_bkColor = colour; }
    void SetRecordState(int state) { m_recordState = state; }
    int GetRecordState() const { return m_recordState; }
    // Only 0..1; repaints.
    void SetOpacity(double opacity);
    void SetVideoState(int video);
    void ResetSize();
    // Renderer path; 1 shown, 0 not (the caller then draws in software).
    int RenderYUV(BYTE* buffer, int width, int height, int a, int b);
    int RenderYUVFE(RENDER_VIDEOINFO* main, int a, int b, RENDER_VIDEOINFO* second);
    // Software path: 32-bit RGB pictures; 0 for a null buffer.
    int ShowImage(BYTE* buffer, int kind, int width, int height);
    int ShowImages(BYTE* buffer, int kind, int width, int height, BYTE* second, int secondWidth, int secondHeight, int placement);
    bool GetOffScreenSurface(void*& surface, KW_COLOR_CONVERT& convert, int width, int height);
    int SetVerticalSync(int enable) { return m_render.SetVerticalSync(enable); }
    void SetFishEyeMode(int mode);
    int GetFishEyeMode() const { return m_fishEyeMode; }
    // Takes over the region list (the caller's list is emptied).
    int SetFeRegion(FISHEYE_VIDEO_REGION* regions);
    void RemoveFeRegion();
    void SetInnerSplitMode(int mode);
    int GetInnerSplitMode() const { return m_innerSplitMode; }
    // rects: room for five; mode 1 fills three, mode 2 five (frame pixels).
    void GetInnerSplitRect(CKWRect* rects) const;
    // Control button (1..4) under the global point, else 0.
    int HitCtrlButton(const QPoint& global) const;

    // Render callbacks: dc is a QPainter* on the overlay surface.
    void OnDrawOSD(int reserved, HDC dc) override;
    void OnDrawSubOSD(const RECT* rect, HDC dc) override;

    // ---- State ----
    RECT GetFittedGeometry() const { return m_fitted; }
    RECT GetSourceRect() const { return m_source; }
    int IsZoomed() const { return m_zoomed; }
    int GetDisplayMode() const { return m_displayMode; }
    int HasVideo() const { return m_hasVideo; }
    int GetProportionWidth() const { return m_proportionW; }
    int GetProportionHeight() const { return m_proportionH; }
    double GetOpacity() const { return m_opacity; }
    RECT GetDragRect() const { return m_dragRect; }
    RECT GetSecondRect() const { return m_secondRect; }
    const QPixmap& GetImagePixmap() const { return m_image; }
    const QPixmap& GetSecondPixmap() const { return m_secondImage; }
    const KWSplitLayout& GetSplitLayout(int mode) const { return mode == 2 ? m_split2 : m_split1; }
    CDDrawRender& GetRender() { return m_render; }
    // Button k (1..4) in widget coordinates.
    RECT CtrlButtonRect(int k) const;

protected:
    virtual void DrawFeRegionsSub(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    CKWQTVideoWindowSubWnd* SubWnd() const;
    CKWQTVideoWindow* VideoWindow() const;
    void ApplyFit();
    void ResetSourceForFrame(int width, int height);
    RECT ComputeSecondRect(int placement) const;
    bool ShowSecondPicture() const;
    void DrawOverlays(QPainter& painter, bool onSurface);
    void DrawCtrlButtons(QPainter& painter);
    void DrawRubberBand(QPainter& painter);
    void DrawSplitRegions(QPainter& painter);
    void DrawFeRegions(QPainter& painter, const RECT* within, bool painterPath);
    void DrawRegionOutline(QPainter& painter, int index, int penWidth, bool painterPath);
    void ZoomByRect(const RECT& band);
    void ZoomByWheel(int delta, const QPoint& pos);
    // The frame pixel under a point of the widget, in the part of the frame
    // shown; the widget must not be empty.
    QPoint FramePointAt(const QPoint& pos) const;
    void RecalSplitRects(const QSize& oldSize, const QSize& newSize);
    void NotifySplitRects();
    // The panes of the inner split mode in force; null without one.
    const KWSplitLayout* ActiveSplit() const;
    KWSplitLayout* ActiveSplit();
    int SplitRegionAt(const QPoint& pos, bool* onPane = nullptr) const;
    void UpdateFeRegions();
    // What fisheye positions are measured against: the box of the current
    // region, else the secondary square. Needs the region display.
    RECT ReferenceRect() const;
    int HitRegion(const QPoint& pos);
    int HitHandle(const QPoint& pos) const;
    void ReportEptz(const QPoint& pos, int direction);
    int SubIndex() const;
    int SubId() const;

    RECT m_base;
    int m_proportionW;
    int m_proportionH;
    QColor m_bkColor {92, 101, 118};
    int m_hasVideo = 0;
    int m_zoomed = 0;
    int m_leftDrag = 0;
    QPoint m_pressPoint;
    RECT m_fitted;
    int m_mouseInside = 0;
    int m_pressedButton = 0;
    int m_mouseState = 0;
    int m_recordState = 0;
    void* m_owner = nullptr;
    double m_opacity = 1.0;
    RECT m_dragRect = {0, 0, -1, -1};
    int m_sourceSet = 0;
    RECT m_source = {0, 0, -1, -1};
    QPoint m_pressInFrame;
    CDDrawRender m_render;
    int m_displayMode = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    QPixmap m_image;
    QPixmap m_secondImage;
    FISHEYE_VIDEO_REGION m_feRegions;
    RECT m_secondRect = {0, 0, -1, -1};
    QPoint m_mousePos {-1, -1};
    std::unique_ptr<FISHEYE_VIDEO_REGION> m_regionDisplay;
    int m_fishEyeMode = 0;
    int m_hoverRegion = -2;
    int m_hoverHandle = -2;
    int m_innerSplitMode = 0;
    KWSplitLayout m_split2;
    KWSplitLayout m_split1;
    QPoint m_splitDragOffset;
    int m_splitDragIndex = -1;
    int m_followFrameProportion = 0;
    std::unique_ptr<QStyle> m_style; // a plain style: application style sheets do not paint this widget
};
