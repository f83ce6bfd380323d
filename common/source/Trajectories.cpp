#include "Trajectories.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kPredictedSteps = 300;
constexpr float kStep = 1.0f / 30.0f;

} // namespace

int Trajectories::bufferOfSlot(int slot) const {
    // Scripts pass any number; a slot near the int limits must not overflow the sum.
    const std::int64_t index = std::int64_t{m_current} + slot - 1;
    return index >= 0 && index < kBufferCount ? static_cast<int>(index) : -1;
}

void Trajectories::startNew() {
    m_current += kSetSize;
    if (m_current > kSetSize)
        m_current = 0;
    for (int index = m_current; index < m_current + kSetSize; ++index) {
        m_points[static_cast<size_t>(index)].clear();
        m_puffs[static_cast<size_t>(index)].clear();
    }
}

void Trajectories::clear() {
    for (Points& points : m_points)
        points.clear();
    for (Points& puffs : m_puffs)
        puffs.clear();
}

void Trajectories::addPoint(int index, Vector2 point) {
    if (index >= 0 && index < kBufferCount)
        m_points[static_cast<size_t>(index)].push_back(point);
}

void Trajectories::addPuff(int index, Vector2 point) {
    if (index >= 0 && index < kBufferCount)
        m_puffs[static_cast<size_t>(index)].push_back(point);
}

std::vector<FlightPoint> predictFlight(Vector2 start, Vector2 velocity, float gravityY, float maxTranslation) {
    const float maxSpeed = maxTranslation / kStep;
    const float speed = std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y);
    if (speed > maxSpeed) {
        velocity.x *= maxSpeed / speed;
        velocity.y *= maxSpeed / speed;
    }
    const float dx = velocity.x * kStep;
    const float dy = velocity.y * kStep;
    const float g = gravityY * 0.00111111f;
    std::vector<FlightPoint> points;
    points.reserve(kPredictedSteps);
    for (int i = 0; i < kPredictedSteps; ++i) {
        const auto n = static_cast<float>(i);
        points.push_back({start.x + n * dx, start.y + n * dy + g * n * (n + 1.0f) / 2.0f, n * kStep});
    }
    return points;
}
