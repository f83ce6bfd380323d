#pragma once

#include "Particle.h"
#include "ParticleDefinition.h"

#include <cstdint>
#include <random>

/// Where one call to emit places its particles, pixels.
struct ParticleEmission {
    float x = 0.0f;
    float y = 0.0f;
    /// Births spread over an ellipse of these horizontal and vertical sizes around (x, y), for
    /// definitions that randomise birth positions; equal sizes give a circle.
    float spreadX = 0.0f;
    float spreadY = 0.0f;
    /// The group the particles belong to (see `Particle::layer`).
    std::int16_t layer = 0;
    /// Mirror the box and circle emitters left to right: velocity x and spin change sign. Aimed
    /// emitters (bat, target) still head for their points.
    bool mirrored = false;
    /// Turns the box and circle emitters' velocities by this angle (radians, after mirroring), so
    /// that an effect can face the way its source faces. Aimed emitters are not turned.
    float rotation = 0.0f;
};

/// Screen size in pixels, which the bat emitter's target fractions refer to.
struct ScreenSize {
    float width = 0.0f;
    float height = 0.0f;
};

/// A new particle of `definition` (stored under `id`) born by `emission`, its random choices
/// drawn from `generator`. A particle aimed at a point arrives there when its life ends: with
/// "particle_target" that life is shortened to the arrival time, so it dies on arrival. A life
/// of 0 seconds or less gives an aimed particle no velocity (it dies at its first update).
Particle emitParticle(const ParticleDefinition& definition, ParticleDefinitionId id, const ParticleEmission& emission,
                      ScreenSize screen, std::mt19937& generator);
