#pragma once
// How big the program draws itself, decided once at start-up from the screen's
// available area, and which look (style sheet and skin folder) goes with it.

// The main window's scale: below 1.0 on screens smaller than the design size
// of 1020 x 720, exactly 1.0 up to twice that size, exactly 2.0 from there.
extern float g_screenScale;

struct StartupScale {
    float screenScale = 1.0f;
    // Factor for every size, margin and font: never below 1.0, so fonts stay
    // readable while the window shrinks.
    float uiScale = 1.0f;
    // Appended to the application directory.
    const wchar_t* styleSheet = L"/Lumivane_Style.css";
    const wchar_t* skinDir = L"/Skin/";
};

// s = min(width / 1020, height / 720) in float; s below 1, 1.0 for 1 <= s < 2,
// 2.0 from 2 up.
float ComputeScreenScale(int availableWidth, int availableHeight);
float UiScaleFrom(float screenScale);
// The 4K style sheet and skins belong to a screen scale of 2.0.
bool UsesLargeLook(float screenScale);

StartupScale ComputeStartupScale(int availableWidth, int availableHeight);
