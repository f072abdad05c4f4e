#pragma once
// What a scene hears from the draggable handles it holds.

class IKWSliderEvent {
public:
    // The handle sliderId was dragged so that its centre is at pos, in scene
    // coordinates: y for a vertical handle, x for a horizontal one.
    virtual void OnSliderPos(int /*sliderId*/, double /*pos*/) { }

protected:
    // Scenes are never deleted through their handles' listener.
    ~IKWSliderEvent() = default;
};
