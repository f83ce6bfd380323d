// The surfaces of the block materials. Each is drawn for any outline (slab, ball, chipped slab)
// sized to its canvas, so that the intact and damaged pictures of a block share one look.
#include "Materials.h"

#include "Noise.h"
#include "Paints.h"
#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {

namespace {

void drawWood(Canvas& canvas, const Shape& outline) {
    const float width = canvas.width(), height = canvas.height();
    const bool upright = height > width;
    canvas.fill(outline, [=](float x, float y, float distance) {
        // Grain runs along the plank: bands across it, bent by noise along it.
        const float along = upright ? y : x, across = upright ? x : y;
        const float bend = fractalNoise(along * 0.03f, across * 0.12f, 3, 3) * 7;
        const float band = std::pow(0.5f + 0.5f * std::sin((across + bend) * 1.3f), 4.0f);
        const float fibre = fractalNoise(along * 0.4f, across * 1.5f, 5, 2);
        Colour colour = mix({0.80f, 0.57f, 0.31f}, {0.56f, 0.35f, 0.16f}, band * 0.7f + fibre * 0.25f);
        colour = shade(colour, 1.12f - 0.24f * y / height);
        return mix(colour, {0.38f, 0.22f, 0.09f}, rim(distance, 2.5f) * 0.85f);
    });
}

void drawStone(Canvas& canvas, const Shape& outline) {
    const float width = canvas.width(), height = canvas.height();
    canvas.fill(outline, [=](float x, float y, float distance) {
        const float mottle = fractalNoise(x * 0.11f, y * 0.11f, 7, 4);
        const Colour colour = mix({0.47f, 0.49f, 0.53f}, {0.70f, 0.72f, 0.74f}, mottle);
        const float speckle = std::clamp((noise(x * 0.55f, y * 0.55f, 11) - 0.72f) / 0.15f, 0.0f, 1.0f);
        // A bevel lit from the top left: the upper and left rims light up, the others darken.
        const float side = (x - width / 2) / width + (y - height / 2) / height;
        return shade(colour, (1 - 0.22f * speckle) * (1 + rim(distance, 3) * (side < 0 ? 0.3f : -0.35f)));
    });
}

void drawGlass(Canvas& canvas, const Shape& outline) {
    const float width = canvas.width(), height = canvas.height();
    canvas.fill(outline, [=](float x, float y, float distance) {
        const float tint = 0.5f * y / height + 0.25f * fractalNoise(x * 0.05f, y * 0.05f, 13, 2);
        const Colour body = mix({0.74f, 0.96f, 0.92f, 0.55f}, {0.36f, 0.74f, 0.76f, 0.68f}, tint);
        return mix(body, {0.94f, 1.0f, 0.98f, 0.95f}, rim(distance, 2) * 0.85f);
    });
    // Reflections: slanted light bands, a broad one and a thin one, repeated along the pane.
    const Shape inner = grow(outline, -1.5f);
    for (float start = 8; start < width + height; start += 46) {
        for (const auto& [offset, breadth] : {std::pair{0.0f, 7.0f}, std::pair{11.0f, 2.5f}}) {
            const float x0 = start + offset;
            const Shape band =
                polygon({{x0, 0}, {x0 + breadth, 0}, {x0 + breadth - height, height}, {x0 - height, height}});
            canvas.fill(intersect(inner, band), flat({1, 1, 1, 0.42f}));
        }
    }
}

} // namespace

const Material kWood{"wood", drawWood, {0.24f, 0.12f, 0.04f, 0.95f}, {0.93f, 0.74f, 0.48f, 0.55f}};
const Material kGlass{"glass", drawGlass, {1, 1, 1, 0.95f}, {0.16f, 0.42f, 0.48f, 0.45f}};
const Material kStone{"stone", drawStone, {0.17f, 0.17f, 0.19f, 0.95f}, {0.88f, 0.89f, 0.91f, 0.5f}};

Paint rockPaint(float height) {
    return [=](float x, float y, float distance) {
        const float strata = fractalNoise(x / 40, y / 9, 101, 3);
        const Colour rock = mix({0.58f, 0.54f, 0.48f}, {0.36f, 0.33f, 0.30f}, strata * 0.8f + 0.3f * y / height);
        return shade(rock, 1 - 0.3f * rim(distance, 4));
    };
}

} // namespace art
