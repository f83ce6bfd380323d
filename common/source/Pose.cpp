#include "Pose.h"

#include <cmath>
#include <numbers>

Pose Pose::blend(const Pose& older, const Pose& newer, float alpha) {
    constexpr float kPi = std::numbers::pi_v<float>;
    float from = older.angle;
    float to = newer.angle;
    if (std::fabs(from - to) > kPi) {
        if (from < to)
            from += 2.0f * kPi;
        else
            to += 2.0f * kPi;
    }
    const float keep = 1.0f - alpha;
    return {older.x * keep + newer.x * alpha, older.y * keep + newer.y * alpha, from * keep + to * alpha};
}

float fullTurnAngle(float radians) {
    constexpr float kTurn = 2.0f * std::numbers::pi_v<float>;
    float angle = std::fmod(radians, kTurn);
    if (angle < 0.0f)
        angle += kTurn;
    // A tiny negative remainder plus a full turn rounds to the full turn itself.
    return angle < kTurn ? angle : 0.0f;
}
