#include "Trajectories.h"

#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

constexpr int kPredictedSteps = 300;
constexpr float kStep = 1.0f / 30.0f;
/// The sprites the points of a track cycle through, and the puffs' sprite.
constexpr const char* kTrailSprites[] = {"TRAIL_WHITE_1", "TRAIL_WHITE_2", "TRAIL_WHITE_3"};
constexpr const char* kPuffSprite = "BIRD_SPECIAL";
/// Squared steps per second: gravity in world units per second squared times this is the
/// change of position per step squared.
constexpr float kPerStepSquared = 1.0f / 900.0f;
constexpr float kDotSpacing = 0.2f;
constexpr float kDotHorizon = 3.0f;
constexpr int kMaxDots = 15;

/// `velocity` scaled down to the speed of `maxTranslation` world units per step, as the world
/// would clamp it.
Vector2 clampedVelocity(Vector2 velocity, float maxTranslation) {
    const float maxSpeed = maxTranslation / kStep;
    const float speed = std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y);
    if (speed > maxSpeed) {
        velocity.x *= maxSpeed / speed;
        velocity.y *= maxSpeed / speed;
    }
    return velocity;
}

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

void Trajectories::visitMarks(const MarkVisitor& visit) const {
    for (size_t index = 0; index < kBufferCount; ++index) {
        const Points& points = m_points[index];
        for (size_t i = 0; i < points.size(); ++i)
            visit(kTrailSprites[i % std::size(kTrailSprites)], points[i]);
        for (const Vector2& puff : m_puffs[index])
            visit(kPuffSprite, puff);
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
    velocity = clampedVelocity(velocity, maxTranslation);
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

std::vector<AimingDot> aimingDots(const AimingInput& input) {
    const Vector2 velocity = clampedVelocity(input.velocity, input.maxTranslation);
    const float accel = (input.gravityY + input.pushY) * kPerStepSquared;
    // Position after `steps` fixed steps, velocity advanced before position.
    const auto after = [&](float steps) {
        return Vector2{input.start.x + steps * velocity.x * kStep, input.start.y + steps * velocity.y * kStep +
                                                                       accel * steps / 2.0f +
                                                                       accel * steps * steps / 2.0f};
    };
    float phase = std::isfinite(input.phase) ? std::fmod(input.phase, kDotSpacing) : 0.0f;
    if (phase < 0.0f)
        phase += kDotSpacing;
    std::vector<AimingDot> dots;
    for (int i = 0; i < kMaxDots; ++i) {
        const float t = phase + static_cast<float>(i) * kDotSpacing;
        if (t >= kDotHorizon)
            break;
        if (t <= 0.0f)
            continue;
        const float steps = std::floor(t / kStep);
        const float between = t / kStep - steps;
        const Vector2 from = after(steps);
        const Vector2 to = after(steps + 1.0f);
        dots.push_back(
            {{from.x + (to.x - from.x) * between, from.y + (to.y - from.y) * between}, 1.0f - t / kDotHorizon});
    }
    return dots;
}
