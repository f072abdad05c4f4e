#include "ui/video/KWPlayWndGeometry.h"

#include "base/ScaledLength.h"

#include <algorithm>
#include <cstdlib>

namespace {

int W(const RECT& r)
{
    return r.right - r.left + 1;
}

int H(const RECT& r)
{
    return r.bottom - r.top + 1;
}

// Moves the span [low, high] along its axis, keeping its length, until it
// lies inside [min, max]; a span longer than that ends at max.
void ShiftSpanInside(LONG& low, LONG& high, int min, int max)
{
    if (low < min) {
        high += min - low;
        low = min;
    }
    if (high > max) {
        low -= high - max;
        high = max;
    }
}

} // namespace

void KWReduceProportion(int& width, int& height)
{
    if (width == 0 || height == 0) {
        return;
    }
    int a = width > height ? width : height;
    int b = width > height ? height : width;
    while (b != 0) {
        const int rest = a % b;
        a = b;
        b = rest;
    }
    const int g = std::abs(a);
    if (g > 1) {
        width /= g;
        height /= g;
    }
}

RECT KWFitRectToProportion(const RECT& base, int pw, int ph)
{
    RECT r = base;
    if (pw == 0 || ph == 0) {
        return r;
    }
    const int h = W(base) * ph / pw;
    if (h <= H(base)) {
        r.top = base.top + (base.bottom - base.top - h + 1) / 2;
        r.bottom = r.top + h;
    } else {
        const int w = pw * H(base) / ph;
        r.left = base.left + (base.right - base.left - w + 1) / 2;
        r.right = r.left + w;
    }
    return r;
}

RECT KWFitRectToSource(const RECT& base, int sw, int sh)
{
    RECT r = base;
    if (sw <= 0 || sh <= 0) {
        return r;
    }
    const float width = static_cast<float>(W(base));
    const float height = static_cast<float>(H(base));
    if (height >= static_cast<float>(sh) * width / static_cast<float>(sw)) {
        const int h = Trunc(static_cast<float>(sh) * width / static_cast<float>(sw));
        r.top = base.top + (base.bottom - base.top - h + 1) / 2;
        r.bottom = r.top + h;
    } else {
        const int w = Trunc(static_cast<float>(sw) * height / static_cast<float>(sh));
        r.left = base.left + (base.right - base.left - w + 1) / 2;
        r.right = r.left + w;
    }
    return r;
}

bool KWZoomByRect(int x1, int y1, int x2, int y2, int widgetWidth, int widgetHeight, const RECT& source, int frameWidth,
                  int frameHeight, int pw, int ph, RECT& result)
{
    if (x2 - x1 < 10 || y2 - y1 < 10 || widgetWidth <= 0 || widgetHeight <= 0) {
        return false;
    }
    const int sw = W(source);
    const int sh = H(source);
    const int w = Trunc(static_cast<double>(x2 - x1) * sw / widgetWidth);
    const int h = Trunc(static_cast<double>(y2 - y1) * sh / widgetHeight);
    if (w < 10 || h < 10) {
        return false;
    }
    const int aw = pw != 0 && ph != 0 ? pw : sw;
    const int ah = pw != 0 && ph != 0 ? ph : sh;
    RECT r = {0, 0, w - 1, h - 1};
    if (Trunc(static_cast<double>(w) * ah / aw) <= h) {
        const int grow = Trunc((static_cast<double>(h) * aw / ah - w) * 0.5);
        r.left -= grow;
        r.right += grow;
    } else {
        const int grow = Trunc((static_cast<double>(w) * ah / aw - h) * 0.5);
        r.top -= grow;
        r.bottom += grow;
    }
    const int cx = Trunc(static_cast<double>((x1 + x2) / 2) * sw / widgetWidth) + source.left;
    const int cy = Trunc(static_cast<double>((y1 + y2) / 2) * sh / widgetHeight) + source.top;
    const int dx = cx - (r.left + r.right) / 2;
    const int dy = cy - (r.top + r.bottom) / 2;
    r.left = std::max(r.left + dx, 0);
    r.right = std::min(r.right + dx, frameWidth);
    r.top = std::max(r.top + dy, 0);
    r.bottom = std::min(r.bottom + dy, frameHeight);
    result = r;
    return true;
}

void KWShiftInside(RECT& r, int minX, int minY, int maxX, int maxY)
{
    ShiftSpanInside(r.left, r.right, minX, maxX);
    ShiftSpanInside(r.top, r.bottom, minY, maxY);
}

KWWheelZoomResult KWZoomByWheel(int delta, int x, int y, int widgetWidth, int widgetHeight, const RECT& source, int frameWidth,
                                int frameHeight, int pw, int ph, RECT& result)
{
    if (W(source) < 10 || H(source) < 10 || widgetWidth <= 0 || widgetHeight <= 0 || frameWidth <= 0 || frameHeight <= 0) {
        return KWWheelIgnored;
    }
    const int aw = pw != 0 && ph != 0 ? pw : frameWidth;
    const int ah = pw != 0 && ph != 0 ? ph : frameHeight;
    const int stepW = 20;
    const int stepH = Trunc(20.0 * ah / aw);
    const int leftPart = Trunc(20.0 * x / widgetWidth);
    const int topPart = Trunc(static_cast<double>(stepH) * y / widgetHeight);
    const int sign = delta < 1 ? -1 : 1; // -1 enlarges
    RECT r = source;
    r.left += sign * leftPart;
    r.right -= sign * (stepW - leftPart);
    r.top += sign * topPart;
    r.bottom -= sign * (stepH - topPart);
    if (W(r) < 10 || H(r) < 10) {
        return KWWheelIgnored;
    }
    if (W(r) > frameWidth || H(r) > frameHeight) {
        result = {0, 0, frameWidth - 1, frameHeight - 1};
        return KWWheelWhole;
    }
    // Back to the aspect: the side that is too long loses half the excess
    // at each end.
    const double wantedW = static_cast<double>(H(r)) * aw / ah;
    if (W(r) > wantedW) {
        const int cut = Trunc((W(r) - wantedW) * 0.5);
        r.left += cut;
        r.right -= cut;
    } else {
        const double wantedH = static_cast<double>(W(r)) * ah / aw;
        const int cut = Trunc((H(r) - wantedH) * 0.5);
        r.top += cut;
        r.bottom -= cut;
    }
    KWShiftInside(r, 0, 0, frameWidth, frameHeight);
    result = r;
    return KWWheelZoomed;
}

KWSplitLayout KWMakeSplitLayout(int mode, int w, int h)
{
    KWSplitLayout layout;
    if (mode == 1) {
        const int rw = w - 2 * (w / 4);
        const int rh = h - 2 * (h / 4);
        layout.overview = {0, 0, rw, rh};
        layout.panes = {{rw, 0, 2 * rw, rh}, {0, rh, rw, 2 * rh}, {rw, rh, 2 * rw, 2 * rh}};
        // Each small pane starts on a half of the overview: top left, top
        // right, bottom centre.
        layout.regions = {{0, 0, rw / 2, rh / 2}, {rw / 2, 0, rw, rh / 2}, {rw / 4, rh / 2, rw / 4 + rw / 2, rh}};
    } else if (mode == 2) {
        layout.overview = {0, 0, 2 * w / 3, 2 * h / 3};
        layout.panes = {{w - w / 3, 0, w, h / 3},
                        {w - w / 3, h / 3, w, 2 * h / 3},
                        {0, 2 * h / 3, w / 3, h},
                        {w / 3, 2 * h / 3, 2 * w / 3, h},
                        {2 * w / 3, 2 * h / 3, w, h}};
        // A third of the overview each: along the top, then the bottom.
        const int ow = 2 * w / 3;
        const int oh = 2 * h / 3;
        layout.regions = {{0, 0, ow / 3, oh / 3},
                          {ow / 3, 0, 2 * ow / 3, oh / 3},
                          {2 * ow / 3, 0, ow, oh / 3},
                          {ow / 6, 2 * oh / 3, ow / 6 + ow / 3, oh},
                          {ow / 2, 2 * oh / 3, ow / 2 + ow / 3, oh}};
    }
    return layout;
}

bool KWRescaleSplitRegions(std::vector<RECT>& regions, const RECT& oldOverview, const RECT& newOverview)
{
    const int ow = oldOverview.right - oldOverview.left;
    const int oh = oldOverview.bottom - oldOverview.top;
    const int nw = newOverview.right - newOverview.left;
    const int nh = newOverview.bottom - newOverview.top;
    if (ow <= 0 || oh <= 0 || nw <= 0 || nh <= 0) {
        return false;
    }
    for (RECT& r : regions) {
        r.left = static_cast<int>(static_cast<long long>(r.left) * nw / ow);
        r.right = static_cast<int>(static_cast<long long>(r.right) * nw / ow);
        r.top = static_cast<int>(static_cast<long long>(r.top) * nh / oh);
        r.bottom = static_cast<int>(static_cast<long long>(r.bottom) * nh / oh);
    }
    return true;
}

RECT KWSplitRegionToFrame(const RECT& region, const RECT& overview, int frameWidth, int frameHeight)
{
    const int ow = overview.right - overview.left;
    const int oh = overview.bottom - overview.top;
    if (ow <= 0 || oh <= 0) {
        return {0, 0, 0, 0};
    }
    auto sx = [&](int x) { return std::clamp(static_cast<int>(static_cast<long long>(x) * frameWidth / ow), 0, frameWidth); };
    auto sy = [&](int y) { return std::clamp(static_cast<int>(static_cast<long long>(y) * frameHeight / oh), 0, frameHeight); };
    return {sx(region.left), sy(region.top), sx(region.right), sy(region.bottom)};
}

std::vector<std::vector<POINT>> KWOutlinePieces(const POINT* outline, int count, int low, int high)
{
    std::vector<std::vector<POINT>> pieces(1);
    for (int k = 0; k < count; ++k) {
        const POINT p = outline[k];
        if (k > 0 && p.x == 0 && p.y == 0) {
            pieces.emplace_back();
            continue;
        }
        if (!pieces.back().empty()) {
            const POINT q = pieces.back().back();
            if ((q.x < low && p.x > high) || (p.x < low && q.x > high)) {
                pieces.emplace_back();
            }
        }
        pieces.back().push_back(p);
    }
    return pieces;
}

bool KWPointInPolygon(const std::vector<POINT>& polygon, int x, int y)
{
    bool inside = false;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const POINT& a = polygon[i];
        const POINT& b = polygon[j];
        if ((a.y > y) != (b.y > y)) {
            const double cross = static_cast<double>(b.x - a.x) * (y - a.y) / static_cast<double>(b.y - a.y) + a.x;
            if (x < cross) {
                inside = !inside;
            }
        }
    }
    return inside;
}
