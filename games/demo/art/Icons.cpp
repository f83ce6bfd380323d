// Glyphs for the buttons (pause, restart, menu, next, back, settings), the stars of the score in two
// sizes, and the lock of a level not yet open. Glyphs are white with a dark outline, so that they
// read on any button; each picture's pivot is its centre.
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>
#include <string>

namespace art {

namespace {

constexpr float kTau = 6.2831853f;
constexpr int kIconSize = 32;

Picture icon(const char* name, const Shape& glyph) {
    Canvas canvas(kIconSize, kIconSize);
    canvas.fill(grow(glyph, 1.8f), flat({0.26f, 0.14f, 0.05f, 0.9f}));
    canvas.fill(glyph, [](float, float y, float) { return mix({1, 1, 1}, {0.93f, 0.88f, 0.78f}, y / kIconSize); });
    return {name, canvas, kIconSize / 2, kIconSize / 2};
}

Shape pauseGlyph() { return unite(roundedRect(8, 7, 13.5f, 25, 1.5f), roundedRect(18.5f, 7, 24, 25, 1.5f)); }

Shape menuGlyph() {
    Shape bars = roundedRect(7, 8, 25, 11.5f, 1.75f);
    for (const float y : {14.25f, 20.5f})
        bars = unite(bars, roundedRect(7, y, 25, y + 3.5f, 1.75f));
    return bars;
}

Shape nextGlyph() { return grow(polygon({{11, 8}, {24, 16}, {11, 24}}), 1.5f); }

Shape backGlyph() {
    return unite(taperedStroke({12, 16}, {25, 16}, 2.2f, 2.2f), grow(polygon({{7, 16}, {15, 9}, {15, 23}}), 1));
}

// An arrow going round, clockwise, with its head at the gap in the top right.
Shape restartGlyph() {
    const Shape ring = outline(circle(16, 17, 8.5f), 2.2f);
    const Shape gap = polygon({{16, 17}, {16, 0}, {32, 0}, {32, 10}});
    return unite(subtract(ring, gap), polygon({{12, 3.5f}, {20.5f, 8.5f}, {12, 13.5f}}));
}

Shape settingsGlyph() {
    Shape gear = circle(16, 16, 8.5f);
    for (int tooth = 0; tooth < 8; ++tooth) {
        const float angle = tooth * kTau / 8;
        gear = unite(gear,
                     taperedStroke({16, 16}, {16 + 11.5f * std::cos(angle), 16 + 11.5f * std::sin(angle)}, 2.4f, 2.4f));
    }
    return subtract(gear, circle(16, 16, 3.5f));
}

// A five-pointed star with rounded points filling a `size` x `size` picture (a little below its
// middle, so it looks centred), outlined in brown.
Picture starPicture(const std::string& name, int size, bool full) {
    const float scale = size / 32.0f, cx = size / 2.0f, cy = 17 * scale;
    const auto shape = [&](float grown) { return grow(star(cx, cy, 12 * scale, 5 * scale), (1.5f + grown) * scale); };
    Canvas canvas(size, size);
    canvas.fill(shape(1.3f), flat({0.30f, 0.20f, 0.08f, 0.85f}));
    canvas.fill(shape(0), full ? ballPaint({1.0f, 0.94f, 0.50f}, {0.93f, 0.58f, 0.05f}, cx, cy, 12 * scale)
                               : flat({0.72f, 0.74f, 0.78f, 0.75f}));
    return {name, canvas, size / 2, size / 2};
}

Picture lock() {
    Canvas canvas(32, 36);
    const Shape shackle =
        intersect(outline(taperedStroke({16, 12}, {16, 18}, 7, 7), 2.2f), [](float, float y) { return y - 18; });
    canvas.fill(grow(shackle, 1), flat({0.20f, 0.20f, 0.24f}));
    canvas.fill(shackle, ballPaint({0.86f, 0.88f, 0.92f}, {0.46f, 0.48f, 0.54f}, 16, 10, 9));
    const Shape body = roundedRect(4, 16, 28, 35, 4);
    canvas.fill(grow(body, 1), flat({0.36f, 0.22f, 0.04f}));
    canvas.fill(body, ballPaint({1.0f, 0.86f, 0.40f}, {0.78f, 0.50f, 0.12f}, 16, 25, 14));
    canvas.fill(unite(circle(16, 23.5f, 2.6f), polygon({{14.8f, 24}, {17.2f, 24}, {18.2f, 31}, {13.8f, 31}})),
                flat({0.22f, 0.12f, 0.02f}));
    return {"lock", canvas, 16, 18};
}

} // namespace

std::vector<Picture> iconPictures() {
    return {icon("icon_pause", pauseGlyph()),
            icon("icon_restart", restartGlyph()),
            icon("icon_menu", menuGlyph()),
            icon("icon_next", nextGlyph()),
            icon("icon_back", backGlyph()),
            icon("icon_settings", settingsGlyph()),
            starPicture("star_full", 28, true),
            starPicture("star_empty", 28, false),
            starPicture("star_big_full", 64, true),
            starPicture("star_big_empty", 64, false),
            lock()};
}

} // namespace art
