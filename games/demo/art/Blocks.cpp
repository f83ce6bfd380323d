// Blocks: every breakable block in its three states (intact, cracked, broken), the rock pieces that
// never break, and the ground tile.
#include "Damage.h"
#include "Materials.h"
#include "Noise.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace art {

namespace {

// A transparent picture as large as a block of that many world units.
Canvas blockCanvas(float widthUnits, float heightUnits) {
    return Canvas(static_cast<int>(std::lround(widthUnits * kPixelsPerUnit)),
                  static_cast<int>(std::lround(heightUnits * kPixelsPerUnit)));
}

// The slabs every breakable material comes in, in world units.
struct BlockShape {
    const char* name;
    float width, height;
};

constexpr BlockShape kSlabs[] = {{"post", 1, 3}, {"beam", 5, 1}, {"block", 1.5f, 1.5f}, {"plank", 8, 0.6f}};

struct DamageState {
    Damage damage;
    const char* suffix;
};

constexpr DamageState kStates[] = {{Damage::Intact, ""}, {Damage::Cracked, "_cracked"}, {Damage::Broken, "_broken"}};

// The picture of a block whose intact outline is `outline` on `canvas`, in `state`. The seed comes
// from the block's name, so that each block cracks its own way, the same in every build.
Picture block(const std::string& name, Canvas canvas, const Shape& outline, const Material& material,
              const DamageState& state) {
    // A name hash that wraps as unsigned numbers do: signed overflow would be undefined.
    std::uint32_t hash = 0;
    for (const char c : name)
        hash = hash * 31u + static_cast<std::uint32_t>(c);
    const int seed = static_cast<int>(hash);
    const float width = canvas.width(), height = canvas.height();
    const Shape shape = chipped(outline, width, height, state.damage, seed);
    material.draw(canvas, shape);
    drawCracks(canvas, shape, material, state.damage, seed);
    return {name + state.suffix, canvas, canvas.width() / 2, canvas.height() / 2};
}

void addBreakableBlocks(std::vector<Picture>& pictures) {
    for (const Material* material : {&kWood, &kGlass, &kStone}) {
        for (const BlockShape& slab : kSlabs) {
            const Canvas canvas = blockCanvas(slab.width, slab.height);
            const float corner = std::min(3.0f, canvas.height() / 4.0f);
            const Shape outline = roundedRect(0, 0, canvas.width(), canvas.height(), corner);
            for (const DamageState& state : kStates)
                pictures.push_back(
                    block(std::string(material->name) + "_" + slab.name, canvas, outline, *material, state));
        }
    }
    constexpr float kBallRadius = 0.75f;
    const Canvas canvas = blockCanvas(2 * kBallRadius, 2 * kBallRadius);
    const float radius = canvas.width() / 2.0f;
    for (const DamageState& state : kStates)
        pictures.push_back(block("stone_ball", canvas, circle(radius, radius, radius), kStone, state));
}

// A piece of bare rock as large as its block.
Picture rock(const char* name, float widthUnits, float heightUnits) {
    Canvas canvas = blockCanvas(widthUnits, heightUnits);
    canvas.fill(roundedRect(0, 0, canvas.width(), canvas.height(), 5), rockPaint(canvas.height()));
    return {name, canvas, canvas.width() / 2, canvas.height() / 2};
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
    canvas.fill([=](float x, float y) { return y - grassDepth(x); },
                [=](float x, float y, float) {
                    const float blades = fractalNoise(x / 2, y / 8, 25, 2, kPeriod * 4);
                    return mix(mix({0.48f, 0.78f, 0.30f}, {0.30f, 0.58f, 0.20f}, y / grassDepth(x)),
                               {0.26f, 0.50f, 0.17f}, blades * 0.4f);
                });
    return {"ground", canvas, 0, 0};
}

} // namespace

std::vector<Picture> blockPictures() {
    std::vector<Picture> pictures;
    addBreakableBlocks(pictures);
    pictures.push_back(rock("rock_pillar", 6, 1));
    pictures.push_back(rock("rock_block", 3, 3));
    pictures.push_back(groundTile());
    return pictures;
}

} // namespace art
