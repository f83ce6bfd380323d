// Water: a tile of the surface that the game repeats along the water line, the drops of a splash,
// and an island standing out of the water.
#include "Materials.h"
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>

namespace art {

namespace {

// The top of a body of water, translucent so that what is in it shows: a bright crest along a
// gentle wave, then blue deepening downwards. The wave makes whole cycles across the tile, so
// copies side by side join without a seam; the game stretches the tile down to the water's bed.
Picture surface() {
    constexpr int kWidth = 64, kHeight = 64;
    constexpr float kTau = 6.2831853f;
    Canvas canvas(kWidth, kHeight);
    const auto waveTop = [=](float x) {
        return 4 + 1.6f * std::sin(x / kWidth * kTau * 2) + 0.8f * std::sin(x / kWidth * kTau * 3 + 1);
    };
    canvas.fill([=](float x, float y) { return waveTop(x) - y; },
                [=](float x, float y, float) {
                    const float depth = (y - waveTop(x)) / kHeight;
                    const float ripple = fractalNoise(x / 8, y / 3, 97, 2, kWidth / 8);
                    const Colour water =
                        mix({0.30f, 0.62f, 0.85f, 0.55f}, {0.12f, 0.34f, 0.62f, 0.72f}, depth + 0.15f * ripple);
                    // The crest: a light line just under the wave's edge.
                    const float crest = std::exp(-depth * kHeight / 1.8f);
                    return mix(water, {0.88f, 0.96f, 1.0f, 0.9f}, crest);
                });
    return {"water", canvas, 0, 0};
}

// A drop of water: round below, pointed above, with a glint.
Picture drop() {
    Canvas canvas(10, 14);
    canvas.fill(unite(circle(5, 9, 4), polygon({{5, 1}, {8.4f, 7.5f}, {1.6f, 7.5f}})),
                ballPaint({0.80f, 0.93f, 1.0f, 0.9f}, {0.25f, 0.55f, 0.85f, 0.9f}, 5, 9, 4));
    canvas.fill(circle(3.8f, 8, 1.1f), flat({1, 1, 1, 0.9f}));
    return {"PARTICLE_DROP", canvas, 5, 9};
}

// An islet of rock as large as its block (7 x 5 units) with turf on top; the water hides its foot.
Picture island() {
    constexpr int kWidth = 7 * kPixelsPerUnit, kHeight = 5 * kPixelsPerUnit;
    Canvas canvas(kWidth, kHeight);
    canvas.fill(roundedRect(0, 0, kWidth, kHeight + 12, 12), rockPaint(kHeight));
    const auto turfDepth = [](float x) { return 9 + 3 * noise(x / 7, 0.5f, 103); };
    canvas.fill(
        intersect(roundedRect(0, 0, kWidth, kHeight, 12), [=](float x, float y) { return y - turfDepth(x); }),
        [=](float x, float y, float) {
            return mix({0.48f, 0.78f, 0.30f}, {0.30f, 0.58f, 0.20f}, y / turfDepth(x) + 0.2f * noise(x / 2, y, 107));
        });
    return {"island", canvas, kWidth / 2, kHeight / 2};
}

} // namespace

std::vector<Picture> waterPictures() { return {surface(), drop(), island()}; }

} // namespace art
