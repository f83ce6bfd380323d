#include "ScriptRandom.h"

#include "RunSeed.h"

ScriptRandom::ScriptRandom(std::optional<std::uint32_t> runSeed)
    : m_runSeed(runSeed), m_generator(streamSeed(runSeed, RandomStream::Scripts)) {}

float ScriptRandom::unit() {
    // 24 bits: every value is exact in a float, the largest is 1 - 2^-24.
    return static_cast<float>(m_generator() >> 8) * (1.0f / 16777216.0f);
}

// Scaled by hand rather than by a standard distribution, whose numbers differ between standard
// libraries: a replay must draw the same on every build.
long long ScriptRandom::between(long long low, long long high) {
    const double span = static_cast<double>(high) - static_cast<double>(low) + 1.0;
    const auto offset = static_cast<long long>(static_cast<double>(m_generator()) / 4294967296.0 * span);
    return low + offset;
}

void ScriptRandom::reseed(std::uint32_t seed) {
    m_generator.seed(m_runSeed ? streamSeed(m_runSeed, RandomStream::Scripts) : seed);
}
