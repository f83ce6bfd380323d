// The pictures the engine draws by name for effects: the flight trail, the aiming dots, the
// particles of breaking blocks and landing birds, and the slingshot's rubber band.
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>
#include <string>

namespace art {

namespace {

// A soft white disc: the trail's dots (three sizes that the trail cycles through) and the puff
// left where a bird used its ability.
Picture dot(const std::string& name, int size, float alpha) {
    Canvas canvas(size, size);
    const float centre = size / 2.0f, radius = size / 2.0f - 1;
    canvas.fill(circle(centre, centre, radius), [=](float x, float y, float) {
        const float t = std::hypot(x - centre, y - centre) / radius;
        return Colour{1, 1, 1, alpha * (1 - 0.35f * t * t)};
    });
    return {name, canvas, size / 2, size / 2};
}

// A splinter: a thin sliver of the material's colour, pivoting about its middle so that it spins.
Picture splinter(const std::string& name, Colour light, Colour dark) {
    Canvas canvas(18, 8);
    canvas.fill(polygon({{1, 5}, {6, 1}, {17, 3}, {12, 7}}), [=](float x, float, float distance) {
        return mix(mix(light, dark, x / 18), dark, rim(distance, 1.5f));
    });
    return {name, canvas, 9, 4};
}

// A round cloud of dust, faint at its edge.
Picture dust() {
    Canvas canvas(24, 24);
    canvas.fill(circle(12, 12, 11), [](float x, float y, float) {
        const float t = std::hypot(x - 12, y - 12) / 11;
        const float grain = fractalNoise(x / 5, y / 5, 19, 2);
        return Colour{0.82f, 0.76f, 0.64f, (0.75f - 0.2f * grain) * (1 - t * t)};
    });
    return {"PARTICLE_DUST", canvas, 12, 12};
}

Picture feather() {
    Canvas canvas(20, 10);
    canvas.fill(unite(ellipse(11, 5, 8, 3.5f), taperedStroke({1, 5}, {18, 5}, 0.6f, 0.6f)),
                [](float x, float, float distance) {
                    return mix(mix(Colour{0.35f, 0.62f, 0.92f}, {0.16f, 0.38f, 0.70f}, x / 20), {0.10f, 0.22f, 0.45f},
                               rim(distance, 1.2f));
                });
    return {"PARTICLE_FEATHER", canvas, 10, 5};
}

Picture sparkle() {
    Canvas canvas(16, 16);
    const Shape cross = unite(taperedStroke({8, 1}, {8, 15}, 1.6f, 1.6f), taperedStroke({1, 8}, {15, 8}, 1.6f, 1.6f));
    canvas.fill(unite(cross, circle(8, 8, 3)), flat({1.0f, 0.95f, 0.55f, 0.95f}));
    return {"PARTICLE_SPARKLE", canvas, 8, 8};
}

// One unit of the rubber band: the engine stretches it between two points.
Picture rubberBand() {
    Canvas canvas(16, 8);
    canvas.fill(roundedRect(0, 0, 16, 8, 0), [](float, float y, float) {
        return mix({0.45f, 0.22f, 0.10f}, {0.25f, 0.11f, 0.05f}, std::abs(y - 4) / 4);
    });
    return {"RUBBERBAND", canvas, 0, 4};
}

} // namespace

std::vector<Picture> effectPictures() {
    return {dot("TRAIL_WHITE_1", 12, 0.9f),
            dot("TRAIL_WHITE_2", 9, 0.85f),
            dot("TRAIL_WHITE_3", 6, 0.8f),
            dot("BIRD_SPECIAL", 26, 0.7f),
            dot("PARTICLE_SLINGDOT", 10, 0.95f),
            splinter("PARTICLE_WOOD", {0.85f, 0.62f, 0.34f}, {0.52f, 0.32f, 0.14f}),
            splinter("PARTICLE_STONE", {0.72f, 0.73f, 0.76f}, {0.42f, 0.44f, 0.48f}),
            splinter("PARTICLE_ICE", {0.82f, 0.98f, 0.95f, 0.9f}, {0.40f, 0.76f, 0.78f, 0.9f}),
            dust(),
            feather(),
            sparkle(),
            rubberBand()};
}

} // namespace art
