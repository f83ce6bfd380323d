#pragma once

#include "framework/App.h"

#include <vector>

/// The camera zoom factor that the mouse wheel and a two-finger pinch drive. The wheel starts
/// an ease-out animation towards a target; the frame advances it. The wheel and the animation
/// keep the zoom within `kMinZoom` to `kMaxZoom`; the pinch does not clamp it.
class CameraZoom {
public:
    static constexpr float kMinZoom = 0.01f;
    static constexpr float kMaxZoom = 100.0f;
    /// Seconds a wheel step animates for when no animation runs.
    static constexpr float kWheelDuration = 0.5f;

    /// The current zoom factor (1.0 at start).
    float zoom() const { return m_zoom; }
    /// The zoom as it was when the last wheel step began (1.0 at start).
    float zoomBeforeWheel() const { return m_zoomBeforeWheel; }
    /// True while a wheel animation runs.
    bool isAnimating() const { return m_animationTime > -1.0f; }
    /// The zoom the running animation ends at.
    float animationTarget() const { return m_animationTarget; }
    /// Seconds the running animation takes from its (re)start.
    float animationDuration() const { return m_animationDuration; }

    /// Follows a pinch: with exactly two touch points the zoom scales with their distance
    /// relative to the distance when the pinch began; any other count ends the pinch.
    void pinch(const std::vector<framework::TouchPoint>& touches);
    /// Advances a running animation by `dt` seconds.
    void advance(float dt);
    /// A wheel turn of `steps` notches: starts or extends the animation. A notch is 0.1 while
    /// the zoom before the turn is below 1.0, else 0.2, in either direction (so 1.0 turns down
    /// to 0.8 but 0.9 turns up to 1.0); with `fine` (the shift key held) twenty times smaller.
    void wheel(int steps, bool fine);

private:
    float m_zoom = 1.0f;
    /// The wheel's upper bound for extending a running animation; never changed, so the
    /// condition that reads it is inert at the largest zoom.
    float m_threshold = kMaxZoom;
    float m_animationStart = 0.0f;
    float m_animationTarget = 0.0f;
    float m_animationTime = -1.0f;
    float m_animationDuration = -1.0f;
    float m_zoomBeforeWheel = 1.0f;
    bool m_pinching = false;
    float m_pinchDistance = 0.0f;
    float m_pinchZoom = 0.0f;
};
