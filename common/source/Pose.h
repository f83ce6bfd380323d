#pragma once

/// A body pose in world units and radians.
struct Pose {
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;

    /// The pose a fraction `alpha` (0 to 1) of the way from `older` to `newer`. The angle turns
    /// along the shorter arc: when the two differ by more than π, the smaller one is taken 2π
    /// further round first, so 3.1 and -3.1 blend through π rather than through 0.
    static Pose blend(const Pose& older, const Pose& newer, float alpha);
};

/// `radians` reduced to [0, 2π): -π/2 gives 3π/2, 7 gives 7 - 2π.
float fullTurnAngle(float radians);
