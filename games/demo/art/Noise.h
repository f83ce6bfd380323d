#pragma once

#include <cstdint>

namespace art {

/// `seed` * `factor` + `offset` for a seed derived from another. Seeds are bit patterns that
/// may use every bit (name hashes), so the arithmetic wraps as unsigned numbers do: in ints the
/// overflow would be undefined.
inline int deriveSeed(int seed, int factor, int offset) {
    return static_cast<int>(static_cast<std::uint32_t>(seed) * static_cast<std::uint32_t>(factor) +
                            static_cast<std::uint32_t>(offset));
}

/// A value in 0..1 that looks random but is fixed by (x, y, seed) on every machine: for the
/// placement of cracks, chips and other details that must come out the same in every build.
float hashUnit(int x, int y, int seed);

/// Smooth value noise in 0..1 at (x, y), the same for the same arguments on every machine.
/// `seed` picks an independent pattern. With `periodX` > 0 the pattern repeats every `periodX`
/// units along x (for pictures that tile side by side).
float noise(float x, float y, int seed, int periodX = 0);

/// Sum of `octaves` layers of noise, each at twice the frequency and half the weight of the last,
/// scaled back to 0..1. `periodX` as for noise (each octave keeps the repetition).
float fractalNoise(float x, float y, int seed, int octaves, int periodX = 0);

} // namespace art
