#pragma once
// Drawing on top of the picture: the renderer calls its owner with the device
// context of the overlay surface after each frame has been put there. In
// this build a device context (HDC) is a QPainter* on that surface.

#include "base/platform/KWWinTypes.h"

class IKWVideoRenderCallback {
public:
    // After each frame has been blitted into the overlay surface; the
    // integer is always 0.
    virtual void OnDrawOSD(int /*reserved*/, HDC /*dc*/) {}
    // After the secondary picture has been blitted into rect of the overlay
    // surface.
    virtual void OnDrawSubOSD(const RECT* /*rect*/, HDC /*dc*/) {}

protected:
    // Not deleted through this interface.
    ~IKWVideoRenderCallback() = default;
};
