#pragma once

#include <random>

/// Uniform random numbers for particles, drawn from the engine's generator and mapped by hand
/// rather than through the standard distributions, whose results differ between standard
/// libraries: a seeded replay must emit the same particles everywhere. Borrows the generator.
class ParticleRandom {
public:
    explicit ParticleRandom(std::mt19937& generator) : m_generator(generator) {}

    /// Uniform in [0, 1), from the generator's top 24 bits.
    float unit() { return static_cast<float>(m_generator() >> 8) * (1.0f / 16777216.0f); }
    /// Uniform between `low` and `high` (either may be the larger).
    float between(float low, float high) { return low + (high - low) * unit(); }
    /// Uniform in 0 .. count - 1; `count` must be positive.
    int index(int count) {
        const int picked = static_cast<int>(unit() * static_cast<float>(count));
        return picked < count ? picked : count - 1;
    }

private:
    std::mt19937& m_generator;
};
