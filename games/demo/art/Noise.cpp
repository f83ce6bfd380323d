#include "Noise.h"

#include <cmath>
#include <cstdint>

namespace art {

namespace {

float smooth(float t) { return t * t * (3 - 2 * t); }

int wrap(int value, int period) {
    if (period <= 0)
        return value;
    const int rest = value % period;
    return rest < 0 ? rest + period : rest;
}

} // namespace

// An integer hash rather than a library random generator, so that the pictures come out identical
// from every build.
float hashUnit(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^
                      static_cast<std::uint32_t>(seed) * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFFu) / static_cast<float>(0xFFFFFFu);
}

float noise(float x, float y, int seed, int periodX) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const int left = wrap(x0, periodX), right = wrap(x0 + 1, periodX);
    const float top = hashUnit(left, y0, seed) + (hashUnit(right, y0, seed) - hashUnit(left, y0, seed)) * tx;
    const float bottom =
        hashUnit(left, y0 + 1, seed) + (hashUnit(right, y0 + 1, seed) - hashUnit(left, y0 + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, int seed, int octaves, int periodX) {
    float sum = 0, weight = 1, total = 0, scale = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += noise(x * scale, y * scale, deriveSeed(seed, 1, octave), periodX * static_cast<int>(scale)) * weight;
        total += weight;
        weight /= 2;
        scale *= 2;
    }
    return sum / total;
}

} // namespace art
