#include "app/calc/ViewControllerLayout.h"

#include "base/ScaledLength.h"

#include <algorithm>

CKWRect ViewTitleRect(double scale)
{
    CKWRect title(0, 0, Trunc(200 * scale), Trunc(22 * scale));
    title.MoveToXY(Trunc(5 * scale), Trunc(1 * scale));
    return title;
}

int ViewTitleTextSize(double scale)
{
    return Trunc(14 * scale);
}

CKWRect ViewSceneRect(const CKWRect& title, int cx, int cy, double scale, bool keepBottomMargin)
{
    const int top = static_cast<int>(title.bottom + scale);
    const int bottom = keepBottomMargin ? static_cast<int>(cy - scale) : cy;
    return CKWRect(0, top, cx, bottom);
}

std::wstring ModelPictureName(const wchar_t* modelName)
{
    if (modelName == nullptr) {
        return std::wstring();
    }
    std::wstring picture = modelName;
    std::replace(picture.begin(), picture.end(), L' ', L'_');
    return picture + L".png";
}

Image3DViewBtnStyle MarkerButtonStyle3D()
{
    Image3DViewBtnStyle style;
    style.strHeight = L"h_nor.png";
    style.strDistance = L"d_nor.png";
    style.strAngle = L"a_nor.png";
    style.strWidth = L"w_nor.png";
    style.strHeight2 = L"h2_nor.png";
    return style;
}

ImageVericalStyle SideViewHandleStyle()
{
    return ImageVericalStyle { L"move_shangxia_nor.PNG", L"move_shangxia_hov.PNG", L"move_shangxia_pre.PNG",
        L"move_zuoyou_nor.PNG", L"move_zuoyou_hov.PNG", L"move_zuoyou_pre.PNG", L"besidepeople_nor.PNG", {}, {}, {},
        {}, {} };
}
