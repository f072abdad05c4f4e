#pragma once
// The window services the renderer needs, answered from Qt: a window handle
// is the QWidget's address. Geometry is read from the widget as it stands;
// the render thread reads it without a lock, as it read the window system's
// geometry, so callers render from the thread that owns the widgets or accept
// a frame placed by a geometry one step old.

#include "base/platform/KWWinTypes.h"

class QImage;

// The window's rectangle in screen coordinates, right and bottom exclusive.
// A window whose top-level window is minimised reports four negative values,
// as a minimised window does on the desktop. False for a null handle.
bool KwGetWindowRect(HWND window, RECT* rect);
// The client area in screen coordinates (for a child widget the same as the
// window rectangle).
bool KwGetClientScreenRect(HWND window, RECT* rect);
// Size of the primary screen (SM_CXSCREEN, SM_CYSCREEN); a size set with
// KwSetScreenSizeOverride wins, so that a display-mode change can be acted.
void KwGetScreenSize(int& width, int& height);
void KwSetScreenSizeOverride(int width, int height); // 0, 0 ends the override
// Asks the window to repaint on its own thread.
void KwInvalidateWindow(HWND window);
