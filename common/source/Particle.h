#pragma once

#include <cstdint>

/// Index of a definition in the particle system's table of definitions.
using ParticleDefinitionId = std::uint16_t;

/// One live particle, kept by value in its list and copied over when a dead one is removed, so
/// it stays small (56 bytes) and trivially copyable: the definition and the sprite are indexes
/// rather than names (the definition table knows both). Pixels, seconds and radians.
struct Particle {
    /// Position; in scene pixels for the in-game and level lists, screen pixels for the menu.
    float x = 0.0f;
    float y = 0.0f;
    /// Pixels per second.
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    /// Rotation and spin (radians per second).
    float angle = 0.0f;
    float angularVelocity = 0.0f;
    /// The scale at birth and at the end of life.
    float scaleBegin = 1.0f;
    float scaleEnd = 1.0f;
    /// The scale at the particle's age, set by each update.
    float scale = 1.0f;
    /// Seconds lived and seconds to live.
    float age = 0.0f;
    float lifetime = 0.0f;
    /// Current animation frame, 1-based; only animated particles advance it.
    std::int32_t frame = 1;
    ParticleDefinitionId definition = 0;
    /// Index into the definition's sprite names.
    std::uint16_t sprite = 0;
    /// The group the level drawing selects by; 1 and more also multiply the drawn scale.
    std::int16_t layer = 0;
    /// Plays the definition's sprites as frames over its life.
    bool animated = false;
};
