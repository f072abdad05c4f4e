#include "app/SkinRectText.h"

std::wstring ScaledSkinRect(int x, int y, int width, int height, float scale)
{
    const auto scaled = [scale](int value) {
        return std::to_wstring(static_cast<int>(value * static_cast<double>(scale)));
    };
    return scaled(x) + L"," + scaled(y) + L"," + scaled(width) + L"," + scaled(height);
}
