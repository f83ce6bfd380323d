// The dunes theme's backdrop: a sunset sky with a low red sun, streaks of lit cloud, sand dunes far
// and near, the sand in front of the world and a cactus to place in a level.
#include "Backdrop.h"
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>

namespace art {

namespace {

constexpr float kTau = 6.2831853f;

// A dune's profile along one period (0 to 1): a gentle windward slope up to a sharp crest, then a
// steep fall, as wind shapes them; 0 at the foot, 1 at the crest.
float duneProfile(float phase) {
    const float t = phase - std::floor(phase);
    constexpr float kCrest = 0.7f;
    return t < kCrest ? std::pow(std::sin(t / kCrest * kTau / 4), 1.5f)
                      : std::pow(std::cos((t - kCrest) / (1 - kCrest) * kTau / 4), 2.0f);
}

// Sand lit by the low sun from the left: slopes that face it are bright, lee sides fall into shade.
// `slope` is the rise of the ridge at x (pixels of height per pixel across, up positive).
Colour sandLight(float slope, float depth, float grain) {
    const Colour lit{0.96f, 0.76f, 0.46f}, shadow{0.74f, 0.46f, 0.34f};
    return shade(mix(lit, shadow, 0.5f - 1.5f * slope + 0.3f * depth), 0.95f + 0.1f * grain);
}

Picture cloudStreaks() {
    Canvas canvas(128, 64);
    Shape shape = ellipse(60, 30, 52, 7);
    struct Streak {
        float x, y, rx, ry;
    };
    for (const Streak& streak : {Streak{40, 38, 34, 6}, Streak{82, 24, 38, 6}, Streak{96, 40, 24, 5}})
        shape = unite(shape, ellipse(streak.x, streak.y, streak.rx, streak.ry));
    // Lit from below by the setting sun: warm underneath, lilac on top.
    canvas.fill(shape, [](float, float y, float) {
        return mix({0.74f, 0.56f, 0.76f, 0.9f}, {1.0f, 0.74f, 0.56f, 0.95f}, (y - 20) / 24);
    });
    return {"cloud_dunes", canvas, 64, 32};
}

// A band of far dunes, hazy with distance, tiling side by side like the far hills.
Picture farDunes() {
    const auto top = [](float x) {
        return 150 - 55 * duneProfile(x / kFarLayerWidth * 3) - 12 * duneProfile(x / kFarLayerWidth * 5 + 0.3f);
    };
    return farLayer("dunes_far", top, {0.86f, 0.58f, 0.52f}, {0.72f, 0.48f, 0.50f});
}

// The near dunes: two crests per tile, with ripples the wind leaves, tiling side by side.
Picture nearDunes() {
    constexpr int kWidth = 360, kHeight = 140;
    const auto top = [](float x) {
        return 30 + 70 * (1 - duneProfile(x / kWidth * 2)) + 8 * std::sin(x / kWidth * kTau * 5);
    };
    const auto paint = [=](float x, float y, float) {
        const float slope = (top(x - 1) - top(x + 1)) / 2;
        const float ripples = 0.5f + 0.5f * std::sin((x + 3 * std::sin(y * 0.2f)) * kTau / 12 + y * 0.8f);
        const float grain = fractalNoise(x / 6, y / 6, 211, 2, kWidth / 6);
        return sandLight(slope, (y - top(x)) / kHeight, grain * 0.6f + ripples * 0.4f);
    };
    return {"dunes_near", ridgeBand(kWidth, kHeight, top, paint), kWidth / 2, kHeight};
}

// The sand in front of the world, tiling sideways; its pivot is the ground line.
Picture sand() {
    constexpr int kWidth = 128, kHeight = 24;
    const auto top = [](float x) { return 9 + 2 * std::sin(x / kWidth * kTau * 4) + std::sin(x / kWidth * kTau * 9); };
    const auto paint = [](float x, float y, float) {
        const float grain = fractalNoise(x / 2, y / 2, 223, 2, kWidth / 2);
        return shade(mix({0.96f, 0.80f, 0.52f}, {0.80f, 0.60f, 0.36f}, y / kHeight), 0.9f + 0.2f * grain);
    };
    return {"sand", ridgeBand(kWidth, kHeight, top, paint), 0, 12};
}

// A cactus with two arms and a flower on top; its pivot is the middle of its foot.
Picture cactus() {
    constexpr int kWidth = 48, kHeight = 88;
    Canvas canvas(kWidth, kHeight);
    const Shape trunk = taperedStroke({24, 84}, {24, 16}, 8, 7.5f);
    const Shape leftArm = unite(taperedStroke({22, 54}, {9, 54}, 5, 5), taperedStroke({9, 54}, {9, 34}, 5, 4.5f));
    const Shape rightArm = unite(taperedStroke({26, 44}, {39, 44}, 5, 5), taperedStroke({39, 44}, {39, 28}, 5, 4.5f));
    canvas.fill(unite(trunk, unite(leftArm, rightArm)), [](float x, float, float distance) {
        // Ribs along the stems, lit from the left.
        const float ribs = 0.5f + 0.5f * std::cos(x * kTau / 5);
        const Colour green = mix({0.45f, 0.68f, 0.32f}, {0.22f, 0.44f, 0.20f}, x / kWidth * 0.7f + ribs * 0.3f);
        return shade(green, 1 - 0.25f * rim(distance, 2));
    });
    for (int i = 0; i < 14; ++i) {
        const float sx = 18 + 12 * hashUnit(i, 0, 227), sy = 20 + 60 * hashUnit(i, 1, 227);
        canvas.fill(circle(sx, sy, 0.8f), flat({0.98f, 0.95f, 0.80f}));
    }
    for (int petal = 0; petal < 5; ++petal) {
        const float angle = petal * kTau / 5;
        canvas.fill(circle(24 + 3.5f * std::cos(angle), 9 + 3.5f * std::sin(angle), 2.8f), flat({0.96f, 0.42f, 0.62f}));
    }
    canvas.fill(circle(24, 9, 2), flat({1.0f, 0.86f, 0.30f}));
    return {"cactus", canvas, kWidth / 2, 84};
}

} // namespace

std::vector<Picture> dunesPictures() {
    return {skyStrip("sky_dunes", {0.24f, 0.18f, 0.42f}, {0.78f, 0.42f, 0.52f}, {1.0f, 0.74f, 0.44f}),
            sunDisc("sun_dunes", {1.0f, 0.55f, 0.3f, 0.5f}, {1.0f, 0.86f, 0.55f}, {0.95f, 0.40f, 0.16f}),
            cloudStreaks(),
            farDunes(),
            nearDunes(),
            sand(),
            cactus()};
}

} // namespace art
