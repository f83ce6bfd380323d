// The title's emblem: a red banner in a gold frame with its tails folded behind, a wooden crate
// tumbling at its left end and a glass block at its right, and three stars above. The middle is
// left plain and dark: the game writes the title over it in its own font.
#include "Materials.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>
#include <tuple>

namespace art {

namespace {

constexpr int kWidth = 480, kHeight = 140;

} // namespace

std::vector<Picture> logoPictures() {
    Canvas canvas(kWidth, kHeight);
    const Colour deepRed{0.52f, 0.08f, 0.08f}, gold{1.0f, 0.80f, 0.30f}, darkGold{0.62f, 0.40f, 0.08f};
    // The tails, notched at their outer ends, behind the banner.
    for (const float side : {-1.0f, 1.0f}) {
        const float outer = kWidth / 2.0f + side * 240, inner = kWidth / 2.0f + side * 180;
        canvas.fill(
            polygon({{outer, 62}, {inner, 62}, {inner, 128}, {outer, 128}, {outer - side * 22, 95}}),
            [=](float, float y, float distance) {
                return mix(mix(Colour{0.78f, 0.16f, 0.14f}, deepRed, (y - 62) / 66), darkGold, rim(distance, 2));
            });
    }
    const Shape banner = roundedRect(36, 34, kWidth - 36, 122, 20);
    canvas.fill(grow(banner, 3), flat(darkGold));
    canvas.fill(banner, [=](float, float y, float distance) {
        const Colour cloth = mix({0.92f, 0.26f, 0.20f}, {0.62f, 0.10f, 0.10f}, (y - 34) / 88);
        return mix(cloth, gold, rim(distance, 4));
    });
    canvas.fill(roundedRect(112, 48, kWidth - 112, 108, 14), flat({0.35f, 0.04f, 0.06f, 0.45f}));
    const float crateSize = 40, blockSize = 36;
    const Shape crate = grow(turnedRect(78, 80, crateSize, crateSize, 0.35f), 1.5f);
    kWood.draw(canvas, crate);
    canvas.fill(intersect(grow(crate, -3),
                          unite(taperedStroke({62, 70}, {94, 90}, 2, 2), taperedStroke({68, 96}, {88, 64}, 2, 2))),
                flat({0.40f, 0.22f, 0.08f}));
    kGlass.draw(canvas, grow(turnedRect(kWidth - 80, 80, blockSize, blockSize, -0.3f), 1.5f));
    for (const auto& [x, y, radius] :
         {std::tuple{200.0f, 20.0f, 12.0f}, {240.0f, 14.0f, 15.0f}, {280.0f, 20.0f, 12.0f}}) {
        const Shape shape = grow(star(x, y, radius, radius * 0.42f), 1);
        canvas.fill(grow(shape, 1.5f), flat(darkGold));
        canvas.fill(shape, ballPaint({1.0f, 0.95f, 0.55f}, {0.95f, 0.62f, 0.08f}, x, y, radius));
    }
    return {{"logo", canvas, kWidth / 2, kHeight / 2}};
}

} // namespace art
