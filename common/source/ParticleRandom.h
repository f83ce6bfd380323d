#pragma once

#include <random>

/// The particle system's random numbers, mapped from the engine's generator by hand rather than
/// through the standard distributions, whose results differ between standard libraries: a seeded
/// replay must emit the same particles everywhere.
namespace particlerandom {

/// Uniform in [0, 1), from the generator's top 24 bits.
inline float unit(std::mt19937& random) { return static_cast<float>(random() >> 8) * (1.0f / 16777216.0f); }

/// Uniform between `low` and `high` (either may be the larger).
inline float between(std::mt19937& random, float low, float high) { return low + (high - low) * unit(random); }

/// Uniform in 0 .. count - 1; `count` must be positive.
inline int index(std::mt19937& random, int count) {
    const int picked = static_cast<int>(unit(random) * static_cast<float>(count));
    return picked < count ? picked : count - 1;
}

} // namespace particlerandom
