// Blocks: rounded slabs of wood with grain, mottled stone with a bevel, and glass-like ice.
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace art {

namespace {

// A transparent picture as large as a block of that many world units.
Canvas blockCanvas(float widthUnits, float heightUnits) {
    return Canvas(static_cast<int>(std::lround(widthUnits * kPixelsPerUnit)),
                  static_cast<int>(std::lround(heightUnits * kPixelsPerUnit)));
}

Picture wood(const std::string& name, float widthUnits, float heightUnits) {
    Canvas canvas = blockCanvas(widthUnits, heightUnits);
    const int width = canvas.width(), height = canvas.height();
    const bool upright = height > width;
    canvas.fill(roundedRect(0, 0, width, height, 3), [=](float x, float y, float distance) {
        // Grain runs along the plank: bands across it, bent by noise along it.
        const float along = upright ? y : x, across = upright ? x : y;
        const float bend = fractalNoise(along * 0.03f, across * 0.12f, 3, 3) * 7;
        const float band = std::pow(0.5f + 0.5f * std::sin((across + bend) * 1.3f), 4.0f);
        const float fibre = fractalNoise(along * 0.4f, across * 1.5f, 5, 2);
        Colour colour = mix({0.80f, 0.57f, 0.31f}, {0.56f, 0.35f, 0.16f}, band * 0.7f + fibre * 0.25f);
        colour = shade(colour, 1.12f - 0.24f * y / height);
        return mix(colour, {0.38f, 0.22f, 0.09f}, rim(distance, 2.5f) * 0.85f);
    });
    return {name, canvas, width / 2, height / 2};
}

Picture stone(const std::string& name, float widthUnits, float heightUnits) {
    Canvas canvas = blockCanvas(widthUnits, heightUnits);
    const int width = canvas.width(), height = canvas.height();
    canvas.fill(roundedRect(0, 0, width, height, 4), [=](float x, float y, float distance) {
        const float mottle = fractalNoise(x * 0.11f, y * 0.11f, 7, 4);
        const Colour colour = mix({0.47f, 0.49f, 0.53f}, {0.70f, 0.72f, 0.74f}, mottle);
        const float speckle = std::clamp((noise(x * 0.55f, y * 0.55f, 11) - 0.72f) / 0.15f, 0.0f, 1.0f);
        // A bevel lit from the top left: the upper and left rims light up, the others darken.
        const float side = (x - width / 2.0f) / width + (y - height / 2.0f) / height;
        return shade(colour, (1 - 0.22f * speckle) * (1 + rim(distance, 3) * (side < 0 ? 0.3f : -0.35f)));
    });
    return {name, canvas, width / 2, height / 2};
}

Picture ice(const std::string& name, float widthUnits, float heightUnits) {
    Canvas canvas = blockCanvas(widthUnits, heightUnits);
    const int width = canvas.width(), height = canvas.height();
    const Shape slab = roundedRect(0, 0, width, height, 3);
    canvas.fill(slab, [=](float, float y, float distance) {
        const Colour body = mix({0.86f, 0.96f, 1.0f, 0.8f}, {0.58f, 0.82f, 0.95f, 0.8f}, y / height);
        return mix(body, {0.95f, 1.0f, 1.0f, 0.95f}, rim(distance, 2) * 0.8f);
    });
    // Reflections: slanted light bands, a broad one and a thin one, repeated along the slab.
    for (float start = 8; start < width + height; start += 46) {
        for (const auto& [offset, breadth] : {std::pair{0.0f, 7.0f}, std::pair{11.0f, 2.5f}}) {
            const float x0 = start + offset;
            const Shape band = polygon({{x0, 0}, {x0 + breadth, 0}, {x0 + breadth - height, height}, {x0 - height, height}});
            canvas.fill(intersect(grow(slab, -1.5f), band), flat({1, 1, 1, 0.45f}));
        }
    }
    return {name, canvas, width / 2, height / 2};
}

// A strip of grass over soil that repeats seamlessly side by side; as tall as the ground block.
Picture groundTile() {
    constexpr int kWidth = 64, kHeight = 5 * kPixelsPerUnit;
    constexpr int kPeriod = 8; // noise units across the tile at 1/8 pixel frequency
    Canvas canvas(kWidth, kHeight);
    canvas.fill(roundedRect(-10, 0, kWidth + 10, kHeight + 10, 0), [](float x, float y, float) {
        const float clods = fractalNoise(x / 8, y / 8, 21, 3, kPeriod);
        return shade(mix({0.55f, 0.38f, 0.22f}, {0.42f, 0.28f, 0.15f}, clods), 1.0f - 0.25f * y / kHeight);
    });
    for (int i = 0; i < 7; ++i) {
        // Pebbles at fixed places inside the tile, so that none is cut at its sides.
        const float px = 6 + (i * 37) % 52, py = 26 + (i * 23) % 66, size = 2.0f + (i % 3);
        canvas.fill(ellipse(px, py, size * 1.4f, size), [=](float, float y, float) {
            return mix({0.78f, 0.74f, 0.66f}, {0.52f, 0.48f, 0.42f}, (y - py + size) / (2 * size));
        });
    }
    const auto grassDepth = [](float x) {
        constexpr float kTwoPi = 6.2831853f;
        return 13 + 4 * noise(x / 8, 0.5f, 23, kPeriod) + 1.5f * std::sin(x * kTwoPi * 8 / kWidth);
    };
    canvas.fill([=](float x, float y) { return y - grassDepth(x); }, [=](float x, float y, float) {
        const float blades = fractalNoise(x / 2, y / 8, 25, 2, kPeriod * 4);
        return mix(mix({0.48f, 0.78f, 0.30f}, {0.30f, 0.58f, 0.20f}, y / grassDepth(x)), {0.26f, 0.50f, 0.17f},
                   blades * 0.4f);
    });
    return {"ground", canvas, 0, 0};
}

} // namespace

std::vector<Picture> blockPictures() {
    return {wood("wood_post", 1, 3), wood("wood_bar", 5, 1), stone("stone_bar", 6, 1), ice("ice_bar", 5, 1),
            groundTile()};
}

} // namespace art
