// The meadow theme's backdrop: a blue sky and a pale sun, green hills far and near, a cloud, and
// the grass in front of the world.
#include "Backdrop.h"
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>

namespace art {

namespace {

constexpr float kTau = 6.2831853f;

Picture hill() {
    constexpr int kWidth = 360, kHeight = 140;
    Canvas canvas(kWidth, kHeight);
    const Shape shape = intersect(unite(ellipse(130, 150, 130, 112), ellipse(250, 160, 115, 90)),
                                  roundedRect(-10, -10, kWidth + 10, kHeight, 0));
    canvas.fill(shape, [](float x, float y, float) {
        const float patches = fractalNoise(x / 30, y / 30, 41, 3);
        return mix(mix({0.56f, 0.78f, 0.52f}, {0.40f, 0.63f, 0.42f}, y / kHeight), {0.47f, 0.70f, 0.44f},
                   patches * 0.5f);
    });
    return {"hill", canvas, kWidth / 2, kHeight};
}

Picture cloud() {
    Canvas canvas(128, 64);
    Shape shape = roundedRect(18, 36, 116, 58, 11);
    struct Puff {
        float x, y, radius;
    };
    for (const Puff& puff : {Puff{36, 40, 18}, Puff{60, 28, 24}, Puff{88, 34, 20}, Puff{106, 44, 13}})
        shape = unite(shape, circle(puff.x, puff.y, puff.radius));
    canvas.fill(shape, [](float, float y, float) {
        return mix({1, 1, 1, 0.95f}, {0.84f, 0.89f, 0.96f, 0.95f}, (y - 20) / 40);
    });
    return {"cloud", canvas, 64, 32};
}

// A band of distant hills whose left and right edges meet, so the layer tiles without a seam.
Picture farHills() {
    const auto top = [](float x) {
        return 120 - 45 * std::sin(x / kFarLayerWidth * kTau * 2) - 25 * std::sin(x / kFarLayerWidth * kTau * 5 + 1);
    };
    return farLayer("hills_far", top, {0.55f, 0.70f, 0.80f}, {0.48f, 0.64f, 0.62f});
}

// The grass in front of the world: blades along its top edge over the ground's colour, tiling
// sideways. Its pivot is the ground line, a little below the blades' roots.
Picture grass() {
    constexpr int kWidth = 128, kHeight = 24;
    const auto tips = [](float x) {
        return 8 + 4 * std::sin(x / kWidth * kTau * 16) + 2 * std::sin(x / kWidth * kTau * 7);
    };
    return {"grass",
            ridgeBand(kWidth, kHeight, tips,
                      [](float x, float y, float) {
                          return mix({0.50f, 0.78f, 0.36f}, {0.36f, 0.62f, 0.26f},
                                     y / kHeight + 0.2f * noise(x / 4, 0, 5, kWidth / 4));
                      }),
            0, 12};
}

} // namespace

std::vector<Picture> meadowPictures() {
    return {skyStrip("sky", {0.26f, 0.52f, 0.84f}, {0.52f, 0.71f, 0.91f}, {0.78f, 0.90f, 0.98f}),
            sunDisc("sun", {1.0f, 0.95f, 0.6f, 0.45f}, {1.0f, 0.98f, 0.78f}, {1.0f, 0.82f, 0.30f}),
            hill(),
            cloud(),
            farHills(),
            grass()};
}

} // namespace art
