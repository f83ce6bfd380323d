#include "WaterForce.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

/// The lift at the surface, in units of the object's weight: floating objects always rise a bit.
constexpr float kSurfaceLift = 1.05f;
/// The extra lift at full depth for a bird that is not sinking, and for everything else.
constexpr float kRisingBirdLift = 1.2f;
constexpr float kLift = 0.8f;
/// Below this speed (world units per second) the water does not drag.
constexpr float kDragSpeed = 5.0f;
/// Half the water's density times the drag coefficient.
constexpr float kDrag = 0.5f * 0.48f;
/// Non-birds rising faster than this (world units per second) lose their lift.
constexpr float kRiseLimit = 20.0f;
/// Tilts between these angles (radians from upright) are righted.
constexpr float kLeastTilt = std::numbers::pi_v<float> / 18.0f;
constexpr float kMostTilt = 17.0f * std::numbers::pi_v<float> / 18.0f;
/// How far off the centre (world units) the lift acts on a tilted object.
constexpr float kRightingOffset = 0.07f;
constexpr float kEggGrenadeDrift = 35.0f;
/// An egg grenade sinking faster than this (world units per second) gets this many times the lift.
constexpr float kEggGrenadeSinkSpeed = 1.0f;
constexpr float kEggGrenadeLift = 3.5f;

float rightingOffset(float angle) {
    const float tilt = std::abs(std::fmod(angle, 2.0f * std::numbers::pi_v<float>));
    if (tilt <= kLeastTilt || tilt >= kMostTilt)
        return 0.0f;
    return tilt < std::numbers::pi_v<float> / 2.0f ? kRightingOffset : -kRightingOffset;
}

} // namespace

float fullBuoyancyDepth(float waterMaxBuoyancyDepth) {
    return waterMaxBuoyancyDepth > 0.0f ? waterMaxBuoyancyDepth : 0.0f;
}

WaterPush waterForce(const SubmergedObject& object) {
    const Vector2 velocity = object.velocity;
    const float depthShare =
        object.fullDepth > 0.0f ? std::min(object.depth, object.fullDepth) / object.fullDepth : 1.0f;
    const float lift = object.bird && velocity.y <= 0.0f ? kRisingBirdLift : kLift;
    WaterPush push;
    push.force.y = (lift * depthShare + kSurfaceLift) * -object.gravityY * object.mass * object.floatability;
    if (std::hypot(velocity.x, velocity.y) > kDragSpeed) {
        const float sign = velocity.x > 0.0f ? 1.0f : velocity.x < 0.0f ? -1.0f : 0.0f;
        push.force.x = -sign * kDrag * velocity.x * velocity.x * object.dragRadius;
        push.force.y -= kDrag * velocity.y * velocity.y * object.dragRadius;
        if (!object.bird && velocity.y < -kRiseLimit)
            push.force.y = 0.0f;
    }
    if (!object.bird && !object.circle)
        push.offsetX = rightingOffset(object.angle);
    if (object.eggGrenade) {
        push.force.x = kEggGrenadeDrift;
        if (velocity.y > kEggGrenadeSinkSpeed)
            push.force.y *= kEggGrenadeLift;
    }
    return push;
}
