#pragma once

#include <cstdint>

namespace sound {

/// White noise from a fixed integer sequence rather than a library generator, so that every build
/// on every machine makes the same sounds.
class Noise {
public:
    /// A sequence picked by `seed` (any value; 0 is moved off the sequence's one stuck state).
    explicit Noise(std::uint32_t seed);

    /// The next sample, evenly spread over -1 to 1.
    float next();
    /// The next value, evenly spread over 0 to 1: for random choices while making a sound.
    float nextUnit();

private:
    std::uint32_t m_state;
};

} // namespace sound
