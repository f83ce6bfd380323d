#pragma once

#include "physics/Vector2.h"

/// The arithmetic of impacts between game objects: how hard a blow is, what it takes from an
/// object's strength and how much a bird keeps of its speed after breaking through. Masses are
/// in kilograms, velocities in world units per second, damage and strength in the scripts'
/// strength points.
namespace impact {

/// What one blow does to an object with a strength and a defence.
struct StrengthLoss {
    /// The damage exceeded the defence, so the strength changed.
    bool hit = false;
    float newStrength = 0.0f;
    /// The new strength is 0 or less.
    bool destroyed = false;
    /// What the blow took: the old strength when it destroyed the object, else the damage
    /// beyond the defence; 0 when it did not hit.
    float taken = 0.0f;
};

/// The blow of `damage` on an object of `strength` whose `defence` absorbs that much of it.
StrengthLoss strike(float strength, float defence, float damage);

/// Two birds: the momentum of the faster one (B on a tie) over 10.
float birdOnBird(float massA, Vector2 velocityA, float massB, Vector2 velocityB);

/// Two blocks: a tenth of the length of the momentum difference (B's minus A's).
float blockOnBlock(float massA, Vector2 velocityA, float massB, Vector2 velocityB);

/// A bird on a target: its momentum over 10 times the multiplier for the target's material.
float birdOnTarget(float birdMass, Vector2 birdVelocity, float damageMultiplier);

/// The share of its velocity a bird keeps after destroying a target, older rule: grows with
/// how far below zero the target's strength went. At most 1.
float legacySlowing(float newStrength, float birdMass, float damage);

/// The share of its velocity a bird keeps after destroying a target: the part of the damage the
/// target's strength did not use up, times the material's velocity multiplier. At most 1.
float slowing(float damage, float oldStrength, float velocityMultiplier);

} // namespace impact
