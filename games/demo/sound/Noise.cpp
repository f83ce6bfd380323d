#include "Noise.h"

namespace sound {

Noise::Noise(std::uint32_t seed) : m_state(seed * 0x9E3779B9u + 0x6D2B79F5u) {
    if (m_state == 0)
        m_state = 0x6D2B79F5u;
}

float Noise::nextUnit() {
    // Marsaglia's xorshift: a full period over the non-zero 32-bit states.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state >> 8) / static_cast<float>(1u << 24);
}

float Noise::next() { return nextUnit() * 2 - 1; }

} // namespace sound
