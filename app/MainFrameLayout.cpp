#include "app/MainFrameLayout.h"

#include "app/LayoutRect.h"
#include "base/ScaledLength.h"
#include "ui/qt/KWFrameShadow.h"

MainFrameLayout ComputeMainFrameLayout(int width, int height, float scale)
{
    // Positions are main-window coordinates. Inside the shadow margin, which
    // is 10 pixels at every scale, the 4K layout is the normal one at twice
    // the size: a design x of the normal window becomes 10 + (x - 10) * s.
    const double s = scale;
    const int m = kKWFrameShadowMargin;
    const int w = width - 2 * m;
    const int h = height - 2 * m;
    const int t = Trunc(62 * s);
    MainFrameLayout out;

    // The band under the title and the chooser page are exactly their size,
    // 1000 x 62 and the rest of the window's inside under the band (twice
    // both at scale 2): the tool bar and the page read their rectangles
    // inclusive, and a row or column more would stand in the shadow margin,
    // where a compositing manager shows it.
    const int underBand = m + t;
    out.toolBar = CKWRect(m, m, m + w - 1, underBand - 1);
    out.chooser = CKWRect(m, Trunc(underBand + 5 * s), m + w - 1, m + h - 1);

    CKWRect button(0, 0, Trunc(280 * s), Trunc(280 * s));
    // The buttons' x in the normal window, int(((w - 2 * 280) - 100) / 2.0),
    // taken to this scale about the margin. Truncating the design x before
    // scaling keeps it exact at scale 1 for every width, a narrow window's
    // negative x included, and exactly doubled at scale 2.
    const double designSpare = ((w - 2 * button.Width()) - 100 * s) / s;
    const int x = m + Trunc((Trunc(designSpare / 2.0) - m) * s);
    button.MoveToXY(x, Trunc(out.chooser.top + 146 * s));
    out.ipcButton = button;
    CKWRect title(0, 0, button.Width(), Trunc(20 * s));
    title.MoveToXY(button.left, Trunc(button.bottom + 30 * s));
    out.ipcTitle = title;
    button.MoveToX(Trunc(button.right + 100 * s));
    out.fishButton = button;
    title.MoveToXY(button.left, Trunc(button.bottom + 30 * s));
    out.fishTitle = title;

    CKWRect panel(0, 0, Trunc(520 * s), Trunc(300 * s));
    panel.MoveToXY(m, Trunc(underBand + 5 * s));
    out.panel = panel;
    out.view3D = CKWRect(Trunc(panel.right + 5 * s), panel.top, Trunc((w + m) - s), panel.bottom);

    const int fishSideRight = m + Trunc((420 - m) * s);
    out.ipcSide = CKWRect(m, Trunc(panel.bottom + 5 * s), m + Trunc((700 - m) * s), h + m - 1);
    out.fishSide = out.ipcSide;
    out.fishSide.right = fishSideRight;
    out.ipcTop = CKWRect(
        Trunc(out.ipcSide.right + 5 * s), out.ipcSide.top, Trunc((w + m) - s), Trunc(h + m - (113 + m) * s));
    out.fishTop = CKWRect(Trunc(fishSideRight + 5 * s), out.ipcSide.top, Trunc((w + m) - s), h + m - 1);
    out.ppmArea
        = CKWRect(out.ipcTop.left, Trunc(out.ipcTop.bottom + 5 * s), out.ipcTop.right, Trunc((h + m) - s));
    return out;
}

namespace {

// Steps shared by the layout inside the area and LayoutPPMArea(true): the
// value, unit, picture and button below a density caption already placed.
void LayoutBelowCaption(PPMDisplayLayout& out, int areaLeft, int pictureTop, double s)
{
    CKWRect r = out.densityCaption;
    r.MoveToXY(Trunc(areaLeft + 10 * s), Trunc(r.bottom + 3 * s));
    r.right = Trunc(r.left + 90 * s);
    out.densityValue = r;

    r.MoveToX(Trunc(r.right + s));
    r.top = Trunc(r.top + 5 * s);
    r.right = Trunc(r.left + 40 * s);
    out.unitCaption = r;

    out.picture = RectAt(Trunc(r.right + 5 * s), pictureTop, Trunc(100 * s), Trunc(100 * s));
    out.explainButton = RectAt(Trunc(areaLeft + 30 * s), r.bottom, Trunc(120 * s), Trunc(24 * s));
}

} // namespace

PPMAreaLayout ComputePPMAreaLayout(const CKWRect& area, float scale)
{
    const double s = scale;
    PPMAreaLayout out;
    CKWRect r(0, 0, Trunc(93 * s), Trunc(20 * s));
    r.MoveToXY(Trunc(area.left + 10 * s), Trunc(area.top + 5 * s));
    out.pixelCountCaption = r;
    r.MoveToY(r.bottom);
    r.right = Trunc(r.left + 90 * s);
    out.pixelCountValue = r;

    out.areaLeft = area.left;
    out.densityCaptionTop = Trunc(r.bottom + 3 * s);
    out.pictureTop = Trunc(area.top + (area.Height() - 100 * s) / 2.0);

    out.display.densityCaption
        = RectAt(Trunc(area.left + 10 * s), Trunc(r.bottom + 5 * s), Trunc(152 * s), Trunc(20 * s));
    LayoutBelowCaption(out.display, area.left, out.pictureTop, s);
    return out;
}

PPMDisplayLayout ComputeStandardPPMLayout(int areaLeft, int densityCaptionTop, int pictureTop, float scale)
{
    const double s = scale;
    PPMDisplayLayout out;
    out.densityCaption = RectAt(Trunc(areaLeft + 8 * s), densityCaptionTop, Trunc(152 * s), Trunc(20 * s));
    LayoutBelowCaption(out, areaLeft, pictureTop, s);
    return out;
}

PPMDisplayLayout ComputeFixedPPMLayout(float scale)
{
    const double s = scale;
    // Main-window positions of the design: the 10-pixel shadow margin stays
    // 10 pixels at every scale, what lies inside it scales.
    const auto at
        = [s](int design) { return kKWFrameShadowMargin + Trunc((design - kKWFrameShadowMargin) * s); };
    PPMDisplayLayout out;
    CKWRect r(0, 0, Trunc(152 * s), Trunc(20 * s));
    r.MoveToXY(at(810), at(457));
    out.densityCaption = r;

    r.MoveToXY(at(810), Trunc(r.bottom + 5 * s));
    r.right = Trunc(r.left + 85 * s);
    out.densityValue = r;

    r.MoveToXY(Trunc(r.right + s), Trunc(r.top + 5 * s));
    r.right = Trunc(r.left + 55 * s);
    out.unitCaption = r;

    out.explainButton = CKWRect(
        at(815), Trunc(r.bottom + 5 * s), Trunc(at(825) + 120 * s), Trunc(r.bottom + 5 * s + 24 * s));
    const CKWRect& b = out.explainButton;
    out.picture = CKWRect(
        at(835), Trunc(b.bottom + 10 * s), Trunc(at(835) + 100 * s), Trunc(b.bottom + 10 * s + 100 * s));
    return out;
}

const wchar_t* PpmPictureFor(int value, bool metric)
{
    // Lower bounds of the four upper levels: 251/126/64/26 pixels per metre,
    // 77/39/20/9 per foot; anything below, negative included, is the lowest.
    const int bounds[2][4] = { { 77, 39, 20, 9 }, { 251, 126, 64, 26 } };
    const wchar_t* const pictures[] = { L"ppmpic250_nor100.png", L"ppmpic125_nor100.png",
        L"ppmpic63_nor100.png", L"ppmpic25_nor100.png" };
    const int* level = bounds[metric ? 1 : 0];
    for (int i = 0; i < 4; ++i) {
        if (value >= level[i]) {
            return pictures[i];
        }
    }
    return L"ppmpic15_nor.png";
}

std::wstring PpmValueText(int value)
{
    return value < 0 ? std::wstring(L"N/A") : std::to_wstring(value);
}

int MainWindowWidth(float screenScale)
{
    return Trunc(1000 * static_cast<double>(screenScale) + 2 * kKWFrameShadowMargin);
}

int MainWindowHeight(float screenScale)
{
    return Trunc(700 * static_cast<double>(screenScale) + 2 * kKWFrameShadowMargin);
}
