// The backdrop (sky, sun, hills, a cloud, the grass in front) and the small pictures of the score
// display.
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>

namespace art {

namespace {

// A vertical strip the game stretches across the screen: deep blue at the top, pale at the horizon.
Picture sky() {
    constexpr int kHeight = 256;
    Canvas canvas(16, kHeight);
    canvas.fill(roundedRect(-4, -4, 20, kHeight + 4, 0), [](float, float y, float) {
        const float t = y / (kHeight * 0.85f);
        return mix({0.26f, 0.52f, 0.84f}, {0.78f, 0.90f, 0.98f}, t * t * (3 - 2 * t));
    });
    return {"sky", canvas, 0, 0};
}

Picture sun() {
    Canvas canvas(72, 72);
    canvas.fill(circle(36, 36, 34), [](float x, float y, float) {
        return Colour{1.0f, 0.95f, 0.6f, 0.45f * (1 - std::hypot(x - 36, y - 36) / 34)};
    });
    canvas.fill(circle(36, 36, 20), ballPaint({1.0f, 0.98f, 0.78f}, {1.0f, 0.82f, 0.30f}, 36, 36, 20));
    return {"sun", canvas, 36, 36};
}

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

// A five-pointed star with rounded points around (16, 17) in a 32 x 32 picture.
Shape starShape(float grown) {
    std::vector<Point> corners;
    for (int i = 0; i < 10; ++i) {
        const float angle = -1.5707963f + i * 0.62831853f, radius = i % 2 == 0 ? 12.5f : 5.2f;
        corners.push_back({16 + radius * std::cos(angle), 17 + radius * std::sin(angle)});
    }
    return grow(polygon(std::move(corners)), 1.5f + grown);
}

Picture star(const char* name, Paint inside) {
    Canvas canvas(32, 32);
    canvas.fill(starShape(1.3f), flat({0.30f, 0.20f, 0.08f, 0.85f}));
    canvas.fill(starShape(0), std::move(inside));
    return {name, canvas, 16, 16};
}

// A band of distant hills whose left and right edges meet, so the layer tiles without a seam.
Picture farHills() {
    constexpr int kWidth = 512, kHeight = 300;
    constexpr float kTau = 6.2831853f;
    Canvas canvas(kWidth, kHeight);
    const Shape ridge = [](float x, float y) {
        const float top = 120 - 45 * std::sin(x / kWidth * kTau * 2) - 25 * std::sin(x / kWidth * kTau * 5 + 1);
        return top - y;
    };
    canvas.fill(ridge, [](float, float y, float) {
        return mix({0.55f, 0.70f, 0.80f}, {0.48f, 0.64f, 0.62f}, y / kHeight);
    });
    return {"hills_far", canvas, 0, kHeight};
}

// The grass in front of the world: blades along its top edge over the ground's colour, tiling
// sideways. Its pivot is the ground line, a little below the blades' roots.
Picture grass() {
    constexpr int kWidth = 128, kHeight = 24;
    constexpr float kTau = 6.2831853f;
    Canvas canvas(kWidth, kHeight);
    const Shape blades = [](float x, float y) {
        const float tips = 8 + 4 * std::sin(x / kWidth * kTau * 16) + 2 * std::sin(x / kWidth * kTau * 7);
        return tips - y;
    };
    canvas.fill(blades, [](float x, float y, float) {
        return mix({0.50f, 0.78f, 0.36f}, {0.36f, 0.62f, 0.26f}, y / kHeight + 0.2f * noise(x * 0.3f, 0, 5));
    });
    return {"grass", canvas, 0, 12};
}

} // namespace

std::vector<Picture> sceneryPictures() {
    return {sky(),
            sun(),
            hill(),
            cloud(),
            star("star_full", ballPaint({1.0f, 0.94f, 0.50f}, {0.93f, 0.58f, 0.05f}, 16, 17, 12)),
            star("star_empty", flat({0.72f, 0.74f, 0.78f, 0.75f})),
            farHills(),
            grass()};
}

} // namespace art
