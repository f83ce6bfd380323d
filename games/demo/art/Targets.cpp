// The targets: friendly round jellies with feelers and a toothy grin. The big one is teal, has two
// eyes and freckles. Hurt, they squint and frown, with a bruise and a plaster. Everything is
// measured against the small one (16 pixels across its radius), so both sizes share one drawing.
#include "Faces.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>
#include <vector>

namespace art {

namespace {

struct TargetLook {
    Colour lit, dark, bulbLit, bulbDark, stalk, iris;
    int eyes;
    bool freckles;
};

const TargetLook kSmall{{0.78f, 0.56f, 0.95f},
                        {0.40f, 0.20f, 0.58f},
                        {1.0f, 0.70f, 0.86f},
                        {0.85f, 0.32f, 0.58f},
                        {0.38f, 0.22f, 0.52f},
                        {0.20f, 0.62f, 0.30f},
                        1,
                        false};
const TargetLook kBig{{0.45f, 0.88f, 0.86f},
                      {0.08f, 0.45f, 0.52f},
                      {1.0f, 0.86f, 0.40f},
                      {0.90f, 0.55f, 0.12f},
                      {0.10f, 0.40f, 0.44f},
                      {0.55f, 0.32f, 0.12f},
                      2,
                      true};

Picture target(const char* name, float radius, const TargetLook& look, bool hurt) {
    const float s = radius / 16;
    const int width = 2 * static_cast<int>(std::round(1.4f * radius)), height = static_cast<int>(std::ceil(3 * radius));
    const float cx = width / 2.0f, cy = std::round(1.875f * radius);
    Canvas canvas(width, height);
    for (const float side : {-1.0f, 1.0f}) {
        const float tipX = cx + side * 11 * s, tipY = cy - 25 * s;
        canvas.fill(taperedStroke({cx + side * 6 * s, cy - 12 * s}, {tipX, tipY + s}, 2 * s, s), flat(look.stalk));
        canvas.fill(circle(tipX, tipY, 3.2f * s), ballPaint(look.bulbLit, look.bulbDark, tipX, tipY, 3.2f * s));
    }
    // Slightly wider than tall and flat at the bottom, so it sits on what carries it.
    const Shape body =
        intersect(ellipse(cx, cy, radius + s, radius), [=](float, float y) { return y - (cy + radius - s); });
    canvas.fill(body, ballPaint(look.lit, look.dark, cx, cy, radius));
    canvas.fill(ellipse(cx - 6 * s, cy - 8 * s, 4 * s, 2.5f * s), flat({1, 1, 1, 0.35f}));
    if (look.freckles)
        for (int i = 0; i < 6; ++i)
            canvas.fill(
                circle(cx + (i % 2 == 0 ? -1 : 1) * (8 + 2.2f * (i / 2)) * s, cy + (3 + 1.6f * (i % 3)) * s, 1.1f * s),
                flat(fade(shade(look.dark, 0.9f), 0.6f)));
    const float eyeRadius = look.eyes == 1 ? 7 * s : 5 * s;
    for (int i = 0; i < look.eyes; ++i) {
        const float ex = look.eyes == 1 ? cx : cx + (i == 0 ? -5.5f : 5.5f) * s;
        drawEye(canvas, {ex, cy - 2 * s}, eyeRadius, -0.3f, 0.2f, look.iris, hurt ? 0.45f : 0, shade(look.lit, 0.9f));
    }
    if (hurt) {
        // A frown, a bruise on one cheek and a crossed plaster on the other.
        canvas.fill(intersect(outline(circle(cx, cy + 13 * s, 4.5f * s), 1.1f * s),
                              [=](float, float y) { return y - (cy + 10 * s); }),
                    flat({0.22f, 0.08f, 0.22f}));
        canvas.fill(ellipse(cx - 9.5f * s, cy + 5 * s, 3.5f * s, 2.5f * s), flat(fade(shade(look.dark, 0.6f), 0.55f)));
        const Colour plaster{0.96f, 0.84f, 0.66f};
        for (const float angle : {0.6f, -0.6f})
            canvas.fill(turnedRect(cx + 10 * s, cy + 4 * s, 9 * s, 3 * s, angle), flat(plaster));
        canvas.fill(circle(cx + 10 * s, cy + 4 * s, 1.2f * s), flat(shade(plaster, 0.8f)));
    } else {
        // A toothy grin: a dark mouth with two small white teeth.
        const Shape mouth =
            intersect(ellipse(cx, cy + 7 * s, 6 * s, 4 * s), [=](float, float y) { return cy + 7 * s - y; });
        canvas.fill(mouth, flat({0.22f, 0.08f, 0.22f}));
        for (const float side : {-1.0f, 1.0f})
            canvas.fill(roundedRect(cx + side * 2.25f * s - 1.25f * s, cy + 7 * s, cx + side * 2.25f * s + 1.25f * s,
                                    cy + 9.5f * s, 0.5f * s),
                        flat({1, 1, 1}));
    }
    return {name, canvas, width / 2, static_cast<int>(cy)};
}

} // namespace

std::vector<Picture> targetPictures() {
    constexpr float kRadius = 0.8f * kPixelsPerUnit, kBigRadius = 1.1f * kPixelsPerUnit;
    return {target("target", kRadius, kSmall, false), target("target_hurt", kRadius, kSmall, true),
            target("target_big", kBigRadius, kBig, false), target("target_big_hurt", kBigRadius, kBig, true)};
}

} // namespace art
