#pragma once
// The look chosen at start-up, put in place: device pixels instead of Qt's
// own high-DPI scaling, the two scale factors, the style sheet, the skin
// folder and the size of the default font. The program and the tests that
// draw it at either scale go through the same steps.

#include "app/StartupScale.h"

#include <string>

// Call before the application object exists. The program measures the screen
// and scales itself (the 4K skin is drawn at twice the size already), so Qt
// must not scale it a second time: automatic high-DPI scaling, a scale factor
// from the environment and a font DPI other than 96 (a desktop at 200 %) are
// turned off, and every size is a device pixel.
void UseDevicePixels();

// The size of the default font at a UI scale: 12 px at 1.0, the size Qt's
// default font has at 96 DPI, which every control without a font of its own
// was designed with.
int DefaultFontPixelSize(float uiScale);

// Decides the scale from the available screen area (device pixels), assigns
// g_screenScale and g_uiScale, loads that look's style sheet, sets its skin
// folder under appDir and sizes the application's default font. Returns the
// decision.
StartupScale ApplyStartupLook(int availableWidth, int availableHeight, const std::wstring& appDir);
