#include "Paints.h"

#include <algorithm>
#include <cmath>

namespace art {

Paint flat(Colour colour) {
    return [=](float, float, float) { return colour; };
}

Paint ballPaint(Colour lit, Colour dark, float cx, float cy, float radius) {
    return [=](float x, float y, float distance) {
        const float toLight = std::hypot(x - (cx - radius * 0.4f), y - (cy - radius * 0.45f)) / (radius * 1.6f);
        return shade(mix(lit, dark, toLight), 1 - 0.2f * rim(distance, 1.5f));
    };
}

float rim(float distance, float depth) { return std::clamp((distance + depth) / depth, 0.0f, 1.0f); }

} // namespace art
