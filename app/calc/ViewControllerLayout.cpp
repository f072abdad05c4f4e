#include "app/calc/ViewControllerLayout.h"

#include <algorithm>

CKWRect ViewTitleRect(double scale)
{
    CKWRect title(0, 0, static_cast<int>(200 * scale), static_cast<int>(22 * scale));
    title.MoveToXY(static_cast<int>(5 * scale), static_cast<int>(1 * scale));
    return title;
}

int ViewTitleTextSize(double scale)
{
    return static_cast<int>(14 * scale);
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
