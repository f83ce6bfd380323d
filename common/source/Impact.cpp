#include "Impact.h"

#include <algorithm>
#include <cmath>

namespace impact {

namespace {

constexpr float kDamageScale = 0.1f;
/// Bird impacts are momentum over this.
constexpr float kBirdDivisor = 10.0f;
/// How strongly the older rule lets a bird keep its speed per unit of strength overshoot.
constexpr float kLegacyKeep = 1.75f;

float length(Vector2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

/// At most 1; a share that is no number (a zero damage or mass) keeps the velocity as it is
/// rather than handing the physics world infinities.
float share(float factor) { return std::isfinite(factor) ? std::min(1.0f, factor) : 1.0f; }

} // namespace

StrengthLoss strike(float strength, float defence, float damage) {
    StrengthLoss loss;
    if (damage <= defence)
        return loss;
    loss.hit = true;
    loss.newStrength = strength - (damage - defence);
    loss.destroyed = loss.newStrength <= 0.0f;
    loss.taken = loss.destroyed ? strength : damage - defence;
    return loss;
}

float birdOnBird(float massA, Vector2 velocityA, float massB, Vector2 velocityB) {
    const float squaredA = velocityA.x * velocityA.x + velocityA.y * velocityA.y;
    const float squaredB = velocityB.x * velocityB.x + velocityB.y * velocityB.y;
    if (squaredA > squaredB)
        return std::sqrt(squaredA) * massA / kBirdDivisor;
    return std::sqrt(squaredB) * massB / kBirdDivisor;
}

float blockOnBlock(float massA, Vector2 velocityA, float massB, Vector2 velocityB) {
    return kDamageScale *
           length({massB * velocityB.x - massA * velocityA.x, massB * velocityB.y - massA * velocityA.y});
}

float birdOnTarget(float birdMass, Vector2 birdVelocity, float damageMultiplier) {
    return length(birdVelocity) * birdMass / kBirdDivisor * damageMultiplier;
}

float legacySlowing(float newStrength, float birdMass, float damage) {
    return share(-newStrength / birdMass / damage * 10.0f * kLegacyKeep);
}

float slowing(float damage, float oldStrength, float velocityMultiplier) {
    return share((damage - oldStrength) / damage * velocityMultiplier);
}

} // namespace impact
