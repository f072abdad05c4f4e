#include "ui/video/KWQTVideoWindowPlayWnd.h"

#include "base/KWQtText.h"
#include "base/ScaledLength.h"
#include "base/platform/KWPlatform.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/video/KWDDrawSurface.h"
#include "ui/video/KWQTVideoWindow.h"
#include "ui/video/KWQTVideoWindowSubWnd.h"

#include <QCommonStyle>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Outline colours of the split panes (0x00BBGGRR): c0 the overview pane,
// c(k + 1) region k and its pane.
constexpr COLORREF kSplitColours[6] = {0x0000FF, 0x00F0FF, 0xFF00C8, 0xFFDE00, 0x00008C, 0x007EFF};
constexpr COLORREF kRubberBand = 0x0000FF;

QRect ToQRect(const RECT& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

bool IsValid(const RECT& r)
{
    return r.left <= r.right && r.top <= r.bottom;
}

// The converters leave the fourth byte 0, while a 32-bit RGB image wants it
// 0xFF: the picture is copied with the byte set.
QImage OpaqueRgb32(const BYTE* buffer, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const quint32*>(buffer + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4);
        auto* out = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            out[x] = in[x] | 0xFF000000u;
        }
    }
    return image;
}

bool Contains(const RECT& r, const QPoint& p)
{
    return p.x() >= r.left && p.x() <= r.right && p.y() >= r.top && p.y() <= r.bottom;
}

// Outline of a rectangle drawn one pixel inside its bounds.
void FrameInside(QPainter& painter, const RECT& r, const QColor& colour, int width)
{
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(r.left + 1, r.top + 1), QPoint(r.right - 1, r.bottom - 1)));
}

// A plain style, so that application style sheets leave the picture alone.
class PlayWndStyle : public QCommonStyle {
};

} // namespace

CKWQTVideoWindowPlayWnd::CKWQTVideoWindowPlayWnd(int left, int top, int right, int bottom, int proportionWidth, int proportionHeight)
    : m_base {left, top, right, bottom}
    , m_proportionW(proportionWidth)
    , m_proportionH(proportionHeight)
    , m_fitted {left, top, right, bottom}
    , m_style(std::make_unique<PlayWndStyle>())
{
    setMouseTracking(true);
    setStyle(m_style.get());
    const int w = right - left + 1;
    const int h = bottom - top + 1;
    m_split1 = KWMakeSplitLayout(1, w, h);
    m_split2 = KWMakeSplitLayout(2, w, h);
}

CKWQTVideoWindowPlayWnd::~CKWQTVideoWindowPlayWnd()
{
    m_regionDisplay.reset();
    m_feRegions.regions.clear();
    m_render.ReleaseAll();
    setStyle(nullptr);
}

CKWQTVideoWindowSubWnd* CKWQTVideoWindowPlayWnd::SubWnd() const
{
    return qobject_cast<CKWQTVideoWindowSubWnd*>(parentWidget());
}

CKWQTVideoWindow* CKWQTVideoWindowPlayWnd::VideoWindow() const
{
    QWidget* sub = parentWidget();
    return sub != nullptr ? qobject_cast<CKWQTVideoWindow*>(sub->parentWidget()) : nullptr;
}

int CKWQTVideoWindowPlayWnd::SubIndex() const
{
    const CKWQTVideoWindow* window = VideoWindow();
    return window != nullptr ? window->IndexOf(SubWnd()) : -1;
}

int CKWQTVideoWindowPlayWnd::SubId() const
{
    const CKWQTVideoWindowSubWnd* sub = SubWnd();
    return sub != nullptr ? sub->GetId() : -1;
}

int CKWQTVideoWindowPlayWnd::Create(LPCWSTR title, QWidget* parent, void* owner)
{
    setWindowTitle(KWToQString(title));
    setParent(parent);
    ApplyFit();
    m_owner = owner;
    m_render.Init(static_cast<QWidget*>(this));
    m_render.SetOSDCallback(0, this);
    return 1;
}

void CKWQTVideoWindowPlayWnd::ApplyFit()
{
    if (m_fishEyeMode != 0 && m_hasVideo != 0 && m_sourceSet != 0) {
        m_fitted = KWFitRectToSource(m_base, m_source.right - m_source.left + 1, m_source.bottom - m_source.top + 1);
    } else {
        m_fitted = KWFitRectToProportion(m_base, m_proportionW, m_proportionH);
    }
    setGeometry(ToQRect(m_fitted));
}

void CKWQTVideoWindowPlayWnd::SetProportion(int width, int height)
{
    KWReduceProportion(width, height);
    m_proportionW = width;
    m_proportionH = height;
    m_fitted = KWFitRectToProportion(m_base, m_proportionW, m_proportionH);
    setGeometry(ToQRect(m_fitted));
}

void CKWQTVideoWindowPlayWnd::SetGeometryFit(const RECT& base)
{
    m_base = base;
    ApplyFit();
}

void CKWQTVideoWindowPlayWnd::SetOriginalProportion(int follow)
{
    m_followFrameProportion = follow;
    if (follow == 1 && m_hasVideo != 0 && m_frameWidth > 0 && m_frameHeight > 0) {
        SetProportion(m_frameWidth, m_frameHeight);
    }
}

void CKWQTVideoWindowPlayWnd::SetOpacity(double opacity)
{
    if (opacity < 0.0 || opacity > 1.0) {
        return;
    }
    m_opacity = opacity;
    update();
}

void CKWQTVideoWindowPlayWnd::SetVideoState(int video)
{
    m_feRegions = FISHEYE_VIDEO_REGION();
    m_regionDisplay.reset();
    m_fishEyeMode = 0;
    ApplyFit();
    m_hasVideo = video;
    if (video == 0) {
        m_source = {0, 0, width() - 1, height() - 1};
        m_image = QPixmap();
        m_secondImage = QPixmap();
        m_displayMode = 0;
        m_render.ReleaseVideoSurface();
    } else {
        m_displayMode = 1;
    }
    m_sourceSet = 0;
    update();
}

void CKWQTVideoWindowPlayWnd::ResetSize()
{
    m_zoomed = 0;
    // Showing a part of the frame while not zoomed would contradict the
    // flag: the whole frame comes back with it.
    if (m_frameWidth > 0 && m_frameHeight > 0) {
        m_source = {0, 0, m_frameWidth - 1, m_frameHeight - 1};
    }
    setGeometry(ToQRect(m_fitted));
    update();
}

void CKWQTVideoWindowPlayWnd::ResetSourceForFrame(int width, int height)
{
    if (m_sourceSet == 0 || width != m_frameWidth || height != m_frameHeight) {
        m_source = {0, 0, width - 1, height - 1};
        m_sourceSet = 1;
        m_zoomed = 0;
    }
    m_frameWidth = width;
    m_frameHeight = height;
}

int CKWQTVideoWindowPlayWnd::RenderYUV(BYTE* buffer, int width, int height, int a, int b)
{
    ResetSourceForFrame(width, height);
    if (m_displayMode != 2) {
        m_displayMode = 2;
        update();
    }
    return m_render.RenderI420(buffer, width, height, &m_source, a, static_cast<QWidget*>(this), b);
}

RECT CKWQTVideoWindowPlayWnd::ComputeSecondRect(int placement) const
{
    const int side = width() / 3;
    RECT r;
    r.left = width() / 3;
    r.right = r.left + side - 1;
    if (placement == 1) {
        r.bottom = height() - 1;
        r.top = r.bottom - side + 1;
    } else {
        r.top = (height() - side) / 2;
        r.bottom = r.top + side - 1;
    }
    return r;
}

bool CKWQTVideoWindowPlayWnd::ShowSecondPicture() const
{
    return Contains(m_secondRect, m_mousePos) || m_leftDrag != 0;
}

int CKWQTVideoWindowPlayWnd::RenderYUVFE(RENDER_VIDEOINFO* main, int a, int b, RENDER_VIDEOINFO* second)
{
    if (main == nullptr) {
        return 0;
    }
    const bool sizeChanged = main->nWidth != m_frameWidth || main->nHeight != m_frameHeight;
    ResetSourceForFrame(main->nWidth, main->nHeight);
    if (sizeChanged) {
        if (m_followFrameProportion == 1) {
            SetProportion(main->nWidth, main->nHeight);
        }
        ApplyFit();
        if (m_innerSplitMode == 1 || m_innerSplitMode == 2) {
            NotifySplitRects();
        }
    }
    if (m_displayMode != 2) {
        m_displayMode = 2;
        update();
    }
    m_secondRect = ComputeSecondRect(main->nPlacement);
    RECT secondDest = {m_secondRect.left, m_secondRect.top, m_secondRect.right + 1, m_secondRect.bottom + 1};
    return m_render.RenderFE(main, &m_source, a, static_cast<QWidget*>(this), b, ShowSecondPicture() ? second : nullptr, &secondDest);
}

int CKWQTVideoWindowPlayWnd::ShowImage(BYTE* buffer, int kind, int width, int height)
{
    if (buffer == nullptr || width <= 0 || height <= 0) {
        return 0;
    }
    const bool sizeChanged = width != m_frameWidth || height != m_frameHeight;
    ResetSourceForFrame(width, height);
    if (sizeChanged) {
        ApplyFit();
    }
    m_displayMode = kind;
    m_image = QPixmap::fromImage(OpaqueRgb32(buffer, width, height));
    if (kind == 2) {
        const std::size_t luma = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        m_render.RenderPlanes(buffer, buffer + luma, buffer + luma * 5 / 4, width, height);
    } else {
        update();
    }
    return 1;
}

int CKWQTVideoWindowPlayWnd::ShowImages(BYTE* buffer, int kind, int width, int height, BYTE* second, int secondWidth,
                                        int secondHeight, int placement)
{
    if (buffer == nullptr) {
        return 0;
    }
    m_secondRect = ComputeSecondRect(placement);
    if (second != nullptr && secondWidth > 0 && secondHeight > 0 && ShowSecondPicture()) {
        m_secondImage = QPixmap::fromImage(OpaqueRgb32(second, secondWidth, secondHeight));
    } else {
        m_secondImage = QPixmap();
    }
    return ShowImage(buffer, kind, width, height);
}

bool CKWQTVideoWindowPlayWnd::GetOffScreenSurface(void*& surface, KW_COLOR_CONVERT& convert, int width, int height)
{
    CKWDDrawSurface* made = nullptr;
    const bool ok = m_render.CreateOffScreenSurface(made, convert, width, height);
    surface = made;
    return ok;
}

void CKWQTVideoWindowPlayWnd::SetFishEyeMode(int mode)
{
    m_fishEyeMode = mode;
    UpdateFeRegions();
    update();
}

int CKWQTVideoWindowPlayWnd::SetFeRegion(FISHEYE_VIDEO_REGION* regions)
{
    if (regions == nullptr) {
        return 0;
    }
    m_feRegions.nPlacement = regions->nPlacement;
    m_feRegions.nSourceWidth = regions->nSourceWidth;
    m_feRegions.nSourceHeight = regions->nSourceHeight;
    m_feRegions.nValue1 = regions->nValue1;
    m_feRegions.nValue2 = regions->nValue2;
    m_feRegions.nValue3 = regions->nValue3;
    m_feRegions.nCurrentRegion = regions->nCurrentRegion;
    m_feRegions.regions = std::move(regions->regions);
    regions->regions.clear();
    UpdateFeRegions();
    update();
    return 1;
}

void CKWQTVideoWindowPlayWnd::RemoveFeRegion()
{
    m_regionDisplay.reset();
    m_feRegions = FISHEYE_VIDEO_REGION();
    update();
}

void CKWQTVideoWindowPlayWnd::UpdateFeRegions()
{
    if (m_fishEyeMode == 0 || m_feRegions.nSourceWidth == 0 || m_feRegions.nSourceHeight == 0) {
        return;
    }
    auto display = std::make_unique<FISHEYE_VIDEO_REGION>();
    *display = m_feRegions;
    RECT area = {0, 0, width() - 1, height() - 1};
    if (m_feRegions.nPlacement == 1 || m_feRegions.nPlacement == 2) {
        area = ComputeSecondRect(m_feRegions.nPlacement == 1 ? 1 : 0);
        m_secondRect = area;
    }
    const double sx = static_cast<double>(area.right - area.left + 1) / m_feRegions.nSourceWidth;
    const double sy = static_cast<double>(area.bottom - area.top + 1) / m_feRegions.nSourceHeight;
    for (FISHEYE_REGION& region : display->regions) {
        region.rcBound = {area.left + Trunc(region.rcBound.left * sx), area.top + Trunc(region.rcBound.top * sy),
                          area.left + Trunc(region.rcBound.right * sx), area.top + Trunc(region.rcBound.bottom * sy)};
        if (region.ptOutline[0].x == -1) {
            continue; // no outline
        }
        for (int i = 0; i < 160; ++i) {
            POINT& p = region.ptOutline[i];
            if (i > 0 && p.x == 0 && p.y == 0) {
                continue; // a break stays a break
            }
            p = {area.left + Trunc(p.x * sx), area.top + Trunc(p.y * sy)};
        }
    }
    m_regionDisplay = std::move(display);
}

RECT CKWQTVideoWindowPlayWnd::ReferenceRect() const
{
    const FISHEYE_VIDEO_REGION& d = *m_regionDisplay;
    const int current = d.nCurrentRegion;
    return current >= 0 && current < static_cast<int>(d.regions.size()) ? d.regions[static_cast<std::size_t>(current)].rcBound
                                                                        : m_secondRect;
}

int CKWQTVideoWindowPlayWnd::HitRegion(const QPoint& pos)
{
    if (!m_regionDisplay) {
        return -1;
    }
    const FISHEYE_VIDEO_REGION& d = *m_regionDisplay;
    const int current = d.nCurrentRegion;
    const RECT ref = ReferenceRect();
    if (ref.right == ref.left || ref.bottom == ref.top) {
        return -1;
    }
    const int x = (pos.x() - ref.left) * 8191 / (ref.right - ref.left);
    const int y = (pos.y() - ref.top) * 8191 / (ref.bottom - ref.top);
    if (x < 0 || y < 0) {
        return -1;
    }
    CKWQTVideoWindow* window = VideoWindow();
    if (window != nullptr && window->GetListener() != nullptr) {
        for (int i = 0; i < static_cast<int>(d.regions.size()); ++i) {
            int inside = 0;
            if (i != current && window->FishEyeTestPtInRgn(SubWnd(), i, x, y, &inside) != 0 && inside != 0) {
                return i;
            }
        }
        return -1;
    }
    // Without a listener: the outlines, cut at breaks and at jumps across
    // the seam of a panorama, as polygons.
    const int w = width();
    for (int i = 0; i < static_cast<int>(d.regions.size()); ++i) {
        const FISHEYE_REGION& region = d.regions[static_cast<std::size_t>(i)];
        if (region.ptOutline[0].x == -1) {
            continue;
        }
        for (const std::vector<POINT>& polygon : KWOutlinePieces(region.ptOutline, 160, 50, w - 50)) {
            if (polygon.size() >= 3 && KWPointInPolygon(polygon, pos.x(), pos.y())) {
                return i;
            }
        }
    }
    return -1;
}

int CKWQTVideoWindowPlayWnd::HitHandle(const QPoint& pos) const
{
    if (!m_regionDisplay) {
        return -2;
    }
    if (Contains(m_secondRect, pos)) {
        return -1;
    }
    const auto& regions = m_regionDisplay->regions;
    for (int i = 0; i < static_cast<int>(regions.size()); ++i) {
        if (Contains(regions[static_cast<std::size_t>(i)].rcBound, pos)) {
            return i;
        }
    }
    return -2;
}

void CKWQTVideoWindowPlayWnd::ReportEptz(const QPoint& pos, int direction)
{
    CKWQTVideoWindow* window = VideoWindow();
    if (window == nullptr || m_hoverHandle == -2 || !m_regionDisplay) {
        return;
    }
    FISHEYE_EPTZ_INFO info;
    info.nHandle = m_hoverHandle;
    info.nRegion = m_hoverRegion;
    RECT box = m_secondRect;
    if (m_hoverHandle >= 0 && m_hoverHandle < static_cast<int>(m_regionDisplay->regions.size())) {
        box = m_regionDisplay->regions[static_cast<std::size_t>(m_hoverHandle)].rcBound;
    }
    info.nCenterX = (box.left + box.right) / 2;
    info.nCenterY = (box.top + box.bottom) / 2;
    info.nPressX = m_pressPoint.x();
    info.nPressY = m_pressPoint.y();
    info.nCurrentX = pos.x();
    info.nCurrentY = pos.y();
    info.nDirection = direction;
    info.rcReference = ReferenceRect();
    window->NotifyFishEyeEptz(SubWnd(), info);
}

void CKWQTVideoWindowPlayWnd::SetInnerSplitMode(int mode)
{
    m_innerSplitMode = mode;
    update();
}

const KWSplitLayout* CKWQTVideoWindowPlayWnd::ActiveSplit() const
{
    return m_innerSplitMode == 1 ? &m_split1 : (m_innerSplitMode == 2 ? &m_split2 : nullptr);
}

KWSplitLayout* CKWQTVideoWindowPlayWnd::ActiveSplit()
{
    return const_cast<KWSplitLayout*>(std::as_const(*this).ActiveSplit());
}

void CKWQTVideoWindowPlayWnd::GetInnerSplitRect(CKWRect* rects) const
{
    if (rects == nullptr) {
        return;
    }
    for (int i = 0; i < 5; ++i) {
        rects[i] = CKWRect(0, 0, 0, 0);
    }
    const KWSplitLayout* split = ActiveSplit();
    if (split == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < split->regions.size() && i < 5; ++i) {
        rects[i] = KWSplitRegionToFrame(split->regions[i], split->overview, m_frameWidth, m_frameHeight);
    }
}

void CKWQTVideoWindowPlayWnd::NotifySplitRects()
{
    CKWRect rects[5];
    GetInnerSplitRect(rects);
    if (rects[0].IsRectEmpty()) {
        return;
    }
    if (CKWQTVideoWindow* window = VideoWindow()) {
        window->NotifySplitRectChanged(SubWnd(), rects);
    }
}

void CKWQTVideoWindowPlayWnd::RecalSplitRects(const QSize& /*oldSize*/, const QSize& newSize)
{
    for (KWSplitLayout* split : {&m_split1, &m_split2}) {
        const int mode = split == &m_split1 ? 1 : 2;
        KWSplitLayout fresh = KWMakeSplitLayout(mode, newSize.width(), newSize.height());
        std::vector<RECT> regions = split->regions;
        if (!KWRescaleSplitRegions(regions, split->overview, fresh.overview)) {
            KwOutputDebugString("error --- CKWQTVideoWindowPlayWnd::RecalSplitRects");
            return;
        }
        fresh.regions = regions;
        *split = fresh;
    }
}

int CKWQTVideoWindowPlayWnd::SplitRegionAt(const QPoint& pos, bool* onPane) const
{
    const KWSplitLayout* split = ActiveSplit();
    if (split == nullptr) {
        return -1;
    }
    if (Contains(split->overview, pos)) {
        for (std::size_t k = 0; k < split->regions.size(); ++k) {
            if (Contains(split->regions[k], pos)) {
                if (onPane != nullptr) {
                    *onPane = false;
                }
                return static_cast<int>(k);
            }
        }
        return -1;
    }
    for (std::size_t k = 0; k < split->panes.size(); ++k) {
        if (Contains(split->panes[k], pos)) {
            if (onPane != nullptr) {
                *onPane = true;
            }
            return static_cast<int>(k);
        }
    }
    return -1;
}

RECT CKWQTVideoWindowPlayWnd::CtrlButtonRect(int k) const
{
    const CKWQTVideoWindow* window = VideoWindow();
    const int w = window != nullptr ? window->GetPlayWndValue1() : 0;
    const int h = window != nullptr ? window->GetPlayWndValue2() : 0;
    RECT r;
    r.right = width() - 1 - (k - 1) * (w + 1);
    r.left = r.right - w + 1;
    r.top = 1;
    r.bottom = h;
    return r;
}

int CKWQTVideoWindowPlayWnd::HitCtrlButton(const QPoint& global) const
{
    const CKWQTVideoWindow* window = VideoWindow();
    if (window == nullptr || m_mouseInside == 0 || window->GetSubWinCtrlsVisible() == 0 || m_hasVideo == 0 ||
        window->GetPlayWndValue1() <= 0 || window->GetPlayWndValue2() <= 0) {
        return 0;
    }
    const QPoint local = mapFromGlobal(global);
    for (int k = 1; k <= 4; ++k) {
        if (Contains(CtrlButtonRect(k), local)) {
            return k;
        }
    }
    return 0;
}

void CKWQTVideoWindowPlayWnd::DrawCtrlButtons(QPainter& painter)
{
    const CKWQTVideoWindow* window = VideoWindow();
    if (window == nullptr || window->GetPlayWndValue1() <= 0 || window->GetPlayWndValue2() <= 0) {
        return;
    }
    // Skin images: 1-3 close, 4-6 snapshot (normal, hover, pressed), 7 and 8
    // record off and on, 9-11 property.
    int hovered = 0;
    for (int k = 1; k <= 4; ++k) {
        if (Contains(CtrlButtonRect(k), m_mousePos)) {
            hovered = k;
        }
    }
    const int look = m_mouseState == 2 ? 2 : 1; // pressed or hover picture
    for (int k = 1; k <= 4; ++k) {
        int image = 0;
        if (k == 3) {
            image = m_recordState == 1 ? 8 : 7;
        } else {
            const int first = k == 1 ? 1 : (k == 2 ? 4 : 9);
            image = first + (k == hovered ? look : 0);
        }
        const QPixmap& picture = window->GetSkinImage(image);
        if (!picture.isNull()) {
            painter.drawPixmap(ToQRect(CtrlButtonRect(k)), picture);
        }
    }
}

void CKWQTVideoWindowPlayWnd::DrawRubberBand(QPainter& painter)
{
    painter.setPen(QPen(ColorFromColorRef(kRubberBand), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(m_dragRect.left, m_dragRect.top), QPoint(m_dragRect.right + 1, m_dragRect.bottom + 1)));
}

void CKWQTVideoWindowPlayWnd::DrawRegionOutline(QPainter& painter, int index, int penWidth, bool painterPath)
{
    const FISHEYE_REGION& region = m_regionDisplay->regions[static_cast<std::size_t>(index)];
    painter.setPen(QPen(ColorFromColorRef(region.clrColor), penWidth));
    painter.setBrush(Qt::NoBrush);
    if (region.ptOutline[0].x == -1) {
        if (painterPath) {
            painter.drawRect(ToQRect(region.rcBound));
        }
        return;
    }
    const RECT& box = region.rcBound;
    for (const std::vector<POINT>& piece : KWOutlinePieces(region.ptOutline, 160, box.left + 10, box.right - 10)) {
        if (piece.size() >= 2) {
            QPolygon line;
            for (const POINT& p : piece) {
                line.append(QPoint(p.x, p.y));
            }
            painter.drawPolyline(line);
        }
    }
}

void CKWQTVideoWindowPlayWnd::DrawFeRegions(QPainter& painter, const RECT* within, bool painterPath)
{
    if (!m_regionDisplay) {
        return;
    }
    if (m_leftDrag == 0 && m_mousePos.x() >= 0) {
        m_hoverRegion = HitRegion(m_mousePos);
        m_hoverHandle = HitHandle(m_mousePos);
    }
    const int count = static_cast<int>(m_regionDisplay->regions.size());
    auto lies = [&](int i) {
        if (within == nullptr) {
            return true;
        }
        const RECT& b = m_regionDisplay->regions[static_cast<std::size_t>(i)].rcBound;
        return b.left <= within->right && b.right >= within->left && b.top <= within->bottom && b.bottom >= within->top;
    };
    if (m_hoverHandle <= -2) {
        return;
    }
    if (m_hoverHandle >= 0) {
        if (m_hoverHandle < count && lies(m_hoverHandle)) {
            DrawRegionOutline(painter, m_hoverHandle, 3, painterPath);
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (lies(i)) {
            DrawRegionOutline(painter, i, i == m_hoverRegion ? 3 : 2, painterPath);
        }
    }
}

void CKWQTVideoWindowPlayWnd::DrawFeRegionsSub(QPainter& painter)
{
    DrawFeRegions(painter, &m_secondRect, true);
}

void CKWQTVideoWindowPlayWnd::DrawSplitRegions(QPainter& painter)
{
    const KWSplitLayout* split = ActiveSplit();
    if (split == nullptr) {
        return;
    }
    auto colour = [](int k) { return ColorFromColorRef(kSplitColours[k]); };
    const int count = static_cast<int>(split->regions.size());
    if (Contains(split->overview, m_mousePos)) {
        bool onPane = false;
        const int under = SplitRegionAt(m_mousePos, &onPane);
        for (int k = 0; k < count; ++k) {
            if (k == under) {
                FrameInside(painter, split->regions[static_cast<std::size_t>(k)], colour(k + 1), 3);
                FrameInside(painter, split->panes[static_cast<std::size_t>(k)], colour(k + 1), 3);
            } else {
                FrameInside(painter, split->regions[static_cast<std::size_t>(k)], colour(k + 1), 2);
            }
        }
        if (under < 0) {
            FrameInside(painter, split->overview, colour(0), 2);
        }
        return;
    }
    int shown = -1;
    if (m_splitDragIndex < 0) {
        shown = SplitRegionAt(m_mousePos);
    } else {
        shown = m_splitDragIndex;
    }
    if (shown >= 0 && shown < count) {
        FrameInside(painter, split->regions[static_cast<std::size_t>(shown)], colour(shown + 1), 3);
        FrameInside(painter, split->panes[static_cast<std::size_t>(shown)], colour(shown + 1), 3);
    }
}

void CKWQTVideoWindowPlayWnd::OnDrawOSD(int /*reserved*/, HDC dc)
{
    if (dc == nullptr) {
        return;
    }
    QPainter& painter = *static_cast<QPainter*>(dc);
    DrawFeRegions(painter, nullptr, false);
    DrawSplitRegions(painter);
    const CKWQTVideoWindow* window = VideoWindow();
    if (IsValid(m_dragRect) && window != nullptr && window->GetFrameZoomMode() == 1 && m_fishEyeMode == 0 && m_innerSplitMode == 0) {
        DrawRubberBand(painter);
    }
    if (m_mouseInside != 0 && window != nullptr && window->GetSubWinCtrlsVisible() != 0) {
        DrawCtrlButtons(painter);
    }
}

void CKWQTVideoWindowPlayWnd::OnDrawSubOSD(const RECT* rect, HDC dc)
{
    if (dc == nullptr || rect == nullptr) {
        return;
    }
    QPainter& painter = *static_cast<QPainter*>(dc);
    painter.setPen(QPen(ColorFromColorRef(kRubberBand), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(rect->left + 1, rect->top + 1), QPoint(rect->right, rect->bottom)));
    DrawFeRegions(painter, rect, false);
}

void CKWQTVideoWindowPlayWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    const CKWQTVideoWindow* window = VideoWindow();
    if (m_hasVideo == 0 || m_displayMode == 0) {
        painter.fillRect(rect(), m_bkColor);
        const QPixmap* background = window != nullptr ? window->GetBackgroundPixmap() : nullptr;
        if (background != nullptr && !background->isNull()) {
            painter.drawPixmap((width() - background->width()) / 2, (height() - background->height()) / 2, *background);
        }
    } else if (m_displayMode == 1) {
        if (!m_image.isNull()) {
            if (m_fishEyeMode != 0) {
                painter.drawPixmap(rect(), m_image);
                DrawFeRegions(painter, nullptr, true);
                if (!m_secondImage.isNull()) {
                    painter.drawPixmap(ToQRect(m_secondRect), m_secondImage);
                    DrawFeRegionsSub(painter);
                }
            } else if (m_frameWidth > 0 && m_frameHeight > 0) {
                const int pw = m_image.width();
                const int ph = m_image.height();
                const QRect part(QPoint(m_source.left * pw / m_frameWidth, m_source.top * ph / m_frameHeight),
                                 QPoint(m_source.right * pw / m_frameWidth, m_source.bottom * ph / m_frameHeight));
                painter.drawPixmap(rect(), m_image, part);
            }
        } else {
            painter.fillRect(rect(), Qt::black);
            painter.setPen(QColor(110, 110, 110));
            painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, window != nullptr ? window->GetText(1) : QStringLiteral("Loading..."));
        }
    } else {
        // The renderer's path: the picture as it was last put on the screen
        // for this window (overlays included).
        const QImage presented = m_render.GetPresentedImage();
        if (presented.isNull()) {
            painter.fillRect(rect(), Qt::black);
        } else {
            painter.drawImage(rect(), presented);
        }
    }
    if (IsValid(m_dragRect) && window != nullptr && window->GetFrameZoomMode() == 1 && m_fishEyeMode == 0) {
        DrawRubberBand(painter);
    }
    if (m_mouseInside != 0 && window != nullptr && window->GetSubWinCtrlsVisible() != 0) {
        DrawCtrlButtons(painter);
    }
}

void CKWQTVideoWindowPlayWnd::resizeEvent(QResizeEvent* event)
{
    UpdateFeRegions();
    RecalSplitRects(event->oldSize(), event->size());
    QWidget::resizeEvent(event);
}

void CKWQTVideoWindowPlayWnd::ZoomByRect(const RECT& band)
{
    const RECT none = {0, 0, -1, -1};
    RECT result = none;
    if (KWZoomByRect(band.left, band.top, band.right, band.bottom, width(), height(), m_source, m_frameWidth, m_frameHeight,
                     m_proportionW, m_proportionH, result)) {
        m_source = result;
        m_zoomed = 1;
        update();
    }
}

void CKWQTVideoWindowPlayWnd::ZoomByWheel(int delta, const QPoint& pos)
{
    RECT result;
    switch (KWZoomByWheel(delta, pos.x(), pos.y(), width(), height(), m_source, m_frameWidth, m_frameHeight, m_proportionW,
                          m_proportionH, result)) {
    case KWWheelZoomed:
        m_source = result;
        m_zoomed = 1;
        break;
    case KWWheelWhole:
        m_source = result;
        m_zoomed = 0;
        break;
    case KWWheelIgnored:
        return;
    }
    update();
}

QPoint CKWQTVideoWindowPlayWnd::FramePointAt(const QPoint& pos) const
{
    const int sw = m_source.right - m_source.left + 1;
    const int sh = m_source.bottom - m_source.top + 1;
    return QPoint(Trunc(static_cast<double>(sw) * pos.x() / width() + m_source.left),
                  Trunc(static_cast<double>(sh) * pos.y() / height() + m_source.top));
}

void CKWQTVideoWindowPlayWnd::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_pressPoint = pos;
    m_mousePos = pos;
    if (event->button() == Qt::LeftButton) {
        m_mouseState = 2;
        m_leftDrag = 1;
        m_pressedButton = HitCtrlButton(event->globalPosition().toPoint());
        if (m_pressedButton == 3) {
            m_recordState = m_recordState == 0 ? 1 : 0;
        }
        if (width() > 0 && height() > 0) {
            m_pressInFrame = FramePointAt(pos);
        }
        m_hoverRegion = HitRegion(pos);
        m_hoverHandle = HitHandle(pos);
        if (KWSplitLayout* split = ActiveSplit()) {
            const int k = SplitRegionAt(pos);
            if (k >= 0) {
                m_splitDragIndex = k;
                const RECT& region = split->regions[static_cast<std::size_t>(k)];
                m_splitDragOffset = QPoint(pos.x() - region.left, pos.y() - region.top);
            }
        }
    } else {
        m_mouseState = 1;
        if (event->button() == Qt::RightButton && m_frameWidth > 0 && m_frameHeight > 0) {
            m_source = {0, 0, m_frameWidth - 1, m_frameHeight - 1};
            m_zoomed = 0;
        }
    }
    update();
    QWidget::mousePressEvent(event);
}

void CKWQTVideoWindowPlayWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_mousePos = pos;
    const CKWQTVideoWindow* window = VideoWindow();
    const bool leftHeld = (event->buttons() & Qt::LeftButton) != 0 && m_leftDrag != 0;
    if (leftHeld && m_hasVideo != 0 && m_fishEyeMode == 0 && m_innerSplitMode == 0 && window != nullptr) {
        if (window->GetFrameZoomMode() == 1) {
            const QRect band = QRect(m_pressPoint, pos).normalized().intersected(rect());
            m_dragRect = band.isEmpty() ? RECT {0, 0, -1, -1} : RECT {band.left(), band.top(), band.right(), band.bottom()};
        } else if (window->GetDragMode() == 1 && width() > 0 && height() > 0) {
            const QPoint under = FramePointAt(pos);
            const int dx = m_pressInFrame.x() - under.x();
            const int dy = m_pressInFrame.y() - under.y();
            m_source.left += dx;
            m_source.right += dx;
            m_source.top += dy;
            m_source.bottom += dy;
            KWShiftInside(m_source, 0, 0, m_frameWidth, m_frameHeight);
        }
    }
    if (KWSplitLayout* split = ActiveSplit(); split != nullptr && m_splitDragIndex >= 0 && leftHeld) {
        RECT& region = split->regions[static_cast<std::size_t>(m_splitDragIndex)];
        const int w = region.right - region.left;
        const int h = region.bottom - region.top;
        region.left = pos.x() - m_splitDragOffset.x();
        region.top = pos.y() - m_splitDragOffset.y();
        region.right = region.left + w;
        region.bottom = region.top + h;
        KWShiftInside(region, split->overview.left, split->overview.top, split->overview.right, split->overview.bottom);
        NotifySplitRects();
    }
    if (leftHeld && m_fishEyeMode != 0) {
        ReportEptz(pos, 0);
    }
    update();
    QWidget::mouseMoveEvent(event);
}

void CKWQTVideoWindowPlayWnd::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_mouseState = 1;
    if (event->button() == Qt::LeftButton) {
        CKWQTVideoWindow* window = VideoWindow();
        if (IsValid(m_dragRect) && window != nullptr && window->GetFrameZoomMode() == 1 && m_hasVideo != 0 && m_fishEyeMode == 0 &&
            m_innerSplitMode == 0) {
            ZoomByRect(m_dragRect);
        }
        m_dragRect = {0, 0, -1, -1};
        const int button = m_pressedButton;
        if (button != 0 && HitCtrlButton(event->globalPosition().toPoint()) == button && window != nullptr &&
            window->GetListener() != nullptr) {
            IKWVideoWindowEvent* listener = window->GetListener();
            const int index = SubIndex();
            const int id = SubId();
            if (button == 1) {
                listener->OnBnClickedVideoClose(index, id);
            } else if (button == 2) {
                listener->OnBnClickedVideoSnap(index, id);
            } else if (button == 3) {
                listener->OnBnClickedVideoRecord(index, id, m_recordState);
            } else {
                listener->OnBnClickedVideoProperty(index, id);
            }
        }
        if (m_fishEyeMode != 0) {
            ReportEptz(pos, 0);
        }
        m_hoverRegion = -2;
        m_hoverHandle = -2;
        m_splitDragIndex = -1;
        m_leftDrag = 0;
        m_pressedButton = 0;
    }
    update();
    QWidget::mouseReleaseEvent(event);
}

void CKWQTVideoWindowPlayWnd::wheelEvent(QWheelEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const int delta = event->angleDelta().y();
    if (KWSplitLayout* split = ActiveSplit()) {
        const int k = SplitRegionAt(pos);
        const int ow = split->overview.right - split->overview.left;
        const int oh = split->overview.bottom - split->overview.top;
        if (k >= 0 && ow > 0) {
            RECT& region = split->regions[static_cast<std::size_t>(k)];
            const int dw = 20;
            const int dh = 20 * oh / ow;
            const int least = m_innerSplitMode == 1 ? ow / 4 : ow / 6;
            if (delta < 1) {
                if (region.right - region.left > least) {
                    region.left += dw;
                    region.right -= dw;
                    region.top += dh;
                    region.bottom -= dh;
                }
            } else {
                region.left -= dw;
                region.right += dw;
                region.top -= dh;
                region.bottom += dh;
                if (region.right - region.left > ow) {
                    region = split->overview;
                }
                KWShiftInside(region, split->overview.left, split->overview.top, split->overview.right, split->overview.bottom);
            }
            NotifySplitRects();
            update();
        }
    } else if (m_fishEyeMode != 0 && m_regionDisplay) {
        m_hoverHandle = HitHandle(pos);
        if (m_hoverHandle >= -1) {
            ReportEptz(pos, delta > 0 ? 1 : -1);
        }
    } else {
        const CKWQTVideoWindow* window = VideoWindow();
        if (window != nullptr && window->GetFrameZoomMode() == 1 && m_hasVideo != 0) {
            ZoomByWheel(delta, pos);
        }
    }
    QWidget::wheelEvent(event);
}

void CKWQTVideoWindowPlayWnd::enterEvent(QEnterEvent* event)
{
    m_mouseInside = 1;
    update();
    QWidget::enterEvent(event);
}

void CKWQTVideoWindowPlayWnd::leaveEvent(QEvent* event)
{
    m_mouseInside = 0;
    m_mousePos = QPoint(-1, -1);
    update();
    QWidget::leaveEvent(event);
}
