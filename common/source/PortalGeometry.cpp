#include "PortalGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
/// How far behind a portal's position (in portal widths) its centre line runs.
constexpr float kEntryDepth = 0.3f;

float dot(Vector2 a, Vector2 b) { return a.x * b.x + a.y * b.y; }

Vector2 minus(Vector2 a, Vector2 b) { return {a.x - b.x, a.y - b.y}; }

float length(Vector2 v) { return std::hypot(v.x, v.y); }

/// `angle` brought into (-π, π].
float wrapped(float angle) {
    const float turned = std::remainder(angle, 2.0f * kPi);
    return turned == -kPi ? kPi : turned;
}

/// Portals at right angles must not fall to either side by rounding (π + π is not exactly 2π in
/// floats): what counts as more than a quarter turn apart.
constexpr float kRightAngleCosine = -1e-5f;

/// True when the two unit directions are more than a quarter turn apart.
bool faceApart(Vector2 a, Vector2 b) { return dot(a, b) < kRightAngleCosine; }

} // namespace

namespace portal {

float travelAngle(float portalAngle) { return portalAngle + kPi; }

Vector2 direction(float angle) { return {std::cos(angle), std::sin(angle)}; }

Vector2 entryCentre(Vector2 portalPosition, float portalWidth, Vector2 entryDirection) {
    const float depth = kEntryDepth * portalWidth;
    return {portalPosition.x + depth * entryDirection.x, portalPosition.y + depth * entryDirection.y};
}

Vector2 exitPosition(Vector2 traveller, Vector2 entryPortal, float entryAngle, Vector2 exitPortal, float exitAngle) {
    const Vector2 offset = minus(traveller, entryPortal);
    const float distance = length(offset);
    if (distance == 0.0f)
        return exitPortal;
    const Vector2 in = direction(entryAngle);
    // The offset's angle seen from the entry direction, mirrored for portals that face apart.
    float side = std::atan2(in.y * offset.x - in.x * offset.y, dot(offset, in));
    if (faceApart(in, direction(exitAngle)))
        side = -side;
    return {exitPortal.x + distance * std::cos(exitAngle - side), exitPortal.y + distance * std::sin(exitAngle - side)};
}

Vector2 exitVelocity(Vector2 velocity, float entryAngle, float exitAngle, float minSpeedOut) {
    const Vector2 in = direction(entryAngle);
    const Vector2 out = direction(exitAngle);
    const float speed = length(velocity);
    Vector2 result;
    if (faceApart(in, out)) {
        const float heading = std::atan2(velocity.y, velocity.x) + kPi - (entryAngle - exitAngle);
        result = {speed * std::cos(heading), speed * std::sin(heading)};
    } else {
        const float along = dot(in, velocity);
        const Vector2 mirrored{velocity.x - 2.0f * along * in.x, velocity.y - 2.0f * along * in.y};
        // The turn's sense comes from the angles' difference brought into (-π, π], so that the
        // same portal reported at -π or at π turns travellers the same way.
        const float apart = std::acos(std::clamp(dot(in, out), -1.0f, 1.0f));
        const float difference = wrapped(entryAngle - exitAngle);
        const float turn = difference > 0.0f && difference < kPi ? apart : -apart;
        const float c = std::cos(turn);
        const float s = std::sin(turn);
        result = {c * mirrored.x + s * mirrored.y, c * mirrored.y - s * mirrored.x};
    }
    if (minSpeedOut > speed) {
        if (speed == 0.0f)
            return {-out.x * minSpeedOut, -out.y * minSpeedOut};
        const float scale = minSpeedOut / speed;
        result = {result.x * scale, result.y * scale};
    }
    return result;
}

bool isHeadingIn(Vector2 velocity, Vector2 entryDirection) { return dot(velocity, entryDirection) > 0.0f; }

bool isBeforeCentreLine(Vector2 position, Vector2 entryCentre, Vector2 entryDirection) {
    const Vector2 offset = minus(position, entryCentre);
    return (offset.x != 0.0f || offset.y != 0.0f) && dot(offset, entryDirection) <= 0.0f;
}

} // namespace portal
