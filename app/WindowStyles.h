#pragma once
// Window-style bits the application hands to the framework's Create calls
// beyond those the platform layer declares. The framework reads only
// WS_VISIBLE; the others keep the values the windows were designed with.

#include "base/platform/KWWinTypes.h"

constexpr DWORD kWsTabStop = 0x00010000;
