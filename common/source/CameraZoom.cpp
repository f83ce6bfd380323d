#include "CameraZoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

float distance(const framework::TouchPoint& a, const framework::TouchPoint& b) {
    const float dx = static_cast<float>(a.x) - static_cast<float>(b.x);
    const float dy = static_cast<float>(a.y) - static_cast<float>(b.y);
    return std::sqrt(dx * dx + dy * dy);
}

float clampZoom(float zoom) { return std::clamp(zoom, CameraZoom::kMinZoom, CameraZoom::kMaxZoom); }

} // namespace

void CameraZoom::pinch(const std::vector<framework::TouchPoint>& touches) {
    if (touches.size() != 2) {
        m_pinching = false;
        return;
    }
    if (!m_pinching) {
        m_pinchDistance = distance(touches[0], touches[1]);
        m_pinchZoom = m_zoom;
        m_pinching = true;
    }
    // Two points that started on top of each other give no scale to follow.
    if (m_pinchDistance > std::numeric_limits<float>::min() && m_pinchDistance < std::numeric_limits<float>::max())
        m_zoom = distance(touches[0], touches[1]) / m_pinchDistance * m_pinchZoom;
}

void CameraZoom::advance(float dt) {
    if (!isAnimating())
        return;
    m_animationTime += dt;
    const float u = m_animationTime / m_animationDuration - 1.0f;
    m_zoom = (u * u * u + 1.0f) * (m_animationTarget - m_animationStart) + m_animationStart;
    if (m_animationTime > m_animationDuration) {
        m_animationTime = -1.0f;
        m_zoom = m_animationTarget;
    }
    m_zoom = clampZoom(m_zoom);
}

void CameraZoom::wheel(int steps, bool fine) {
    m_zoomBeforeWheel = m_zoom;
    float step = m_zoom < 1.0f ? 0.1f : 0.2f;
    if (fine)
        step *= 0.05f;
    if (!isAnimating() || m_zoom <= 0.6f || m_zoom >= m_threshold) {
        m_animationTarget = clampZoom(static_cast<float>(steps) * step + m_zoom);
        m_animationDuration = kWheelDuration;
    } else {
        m_animationTarget = clampZoom(m_animationTarget + step * 0.5f * static_cast<float>(steps));
        m_animationDuration = (kWheelDuration - m_animationTime) + kWheelDuration;
    }
    m_animationStart = m_zoom;
    m_animationTime = 0.0f;
}
