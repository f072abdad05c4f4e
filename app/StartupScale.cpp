#include "app/StartupScale.h"

float g_screenScale = 1.0f;

namespace {

// The main window's size at scale 1.0.
const float kDesignWidth = 1020.0f;
const float kDesignHeight = 720.0f;

} // namespace

float ComputeScreenScale(int availableWidth, int availableHeight)
{
    const float sx = static_cast<float>(availableWidth / static_cast<double>(kDesignWidth));
    const float sy = static_cast<float>(availableHeight / static_cast<double>(kDesignHeight));
    const float s = sx <= sy ? sx : sy;
    if (s < 1.0f) {
        return s;
    }
    return s < 2.0f ? 1.0f : 2.0f;
}

float UiScaleFrom(float screenScale)
{
    return screenScale < 1.0f ? 1.0f : screenScale;
}

bool UsesLargeLook(float screenScale)
{
    return screenScale >= 2.0f;
}

StartupScale ComputeStartupScale(int availableWidth, int availableHeight)
{
    StartupScale result;
    result.screenScale = ComputeScreenScale(availableWidth, availableHeight);
    result.uiScale = UiScaleFrom(result.screenScale);
    if (UsesLargeLook(result.screenScale)) {
        result.styleSheet = L"/Lumivane_Style_4K.css";
        result.skinDir = L"/Skin/4K/";
    }
    return result;
}
