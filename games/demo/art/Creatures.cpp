// The bird (a round flyer facing right) and the target creature (a one-eyed jelly with feelers).
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

namespace art {

namespace {

// An eye looking along (lookX, lookY): white, a dark pupil and a glint.
void eye(Canvas& canvas, float cx, float cy, float radius, float lookX, float lookY, Colour iris) {
    canvas.fill(circle(cx, cy, radius), ballPaint({1, 1, 1}, {0.82f, 0.84f, 0.9f}, cx, cy, radius));
    const float px = cx + lookX * radius * 0.35f, py = cy + lookY * radius * 0.35f;
    canvas.fill(circle(px, py, radius * 0.55f), flat(iris));
    canvas.fill(circle(px, py, radius * 0.3f), flat({0.05f, 0.05f, 0.08f}));
    canvas.fill(circle(px - radius * 0.2f, py - radius * 0.25f, radius * 0.16f), flat({1, 1, 1, 0.95f}));
}

Picture bird() {
    constexpr float kRadius = 0.6f * kPixelsPerUnit; // the bird's body in the world
    constexpr float kCx = 19, kCy = 17;
    Canvas canvas(42, 34);
    // Tail feathers behind (left), then body, wing, beak and eyes on top.
    canvas.fill(taperedStroke({kCx - 8, kCy + 1}, {3, kCy - 6}, 3, 1.5f), flat({0.10f, 0.33f, 0.52f}));
    canvas.fill(taperedStroke({kCx - 8, kCy + 3}, {2, kCy - 1}, 3, 1.5f), flat({0.13f, 0.40f, 0.60f}));
    canvas.fill(circle(kCx, kCy, kRadius), ballPaint({0.36f, 0.74f, 0.92f}, {0.10f, 0.36f, 0.60f}, kCx, kCy, kRadius));
    canvas.fill(ellipse(kCx + 1, kCy + 6, 8, 4.5f), ballPaint({0.96f, 0.92f, 0.78f}, {0.80f, 0.74f, 0.58f}, kCx + 1, kCy + 6, 8));
    canvas.fill(ellipse(kCx - 4, kCy + 1, 5.5f, 3.5f), flat({0.12f, 0.42f, 0.66f}));
    canvas.fill(polygon({{kCx + 9, kCy - 3}, {kCx + 19, kCy + 1}, {kCx + 9, kCy + 4}}),
                ballPaint({1.0f, 0.78f, 0.25f}, {0.88f, 0.46f, 0.08f}, kCx + 12, kCy, 6));
    eye(canvas, kCx + 2, kCy - 4, 4, 1, 0, {0.30f, 0.20f, 0.10f});
    eye(canvas, kCx + 9, kCy - 4, 3.2f, 1, 0, {0.30f, 0.20f, 0.10f});
    return {"bird", canvas, static_cast<int>(kCx), static_cast<int>(kCy)};
}

Picture target() {
    constexpr float kRadius = 0.8f * kPixelsPerUnit; // the target's body in the world
    constexpr float kCx = 22, kCy = 30;
    Canvas canvas(44, 48);
    const Colour stalk{0.38f, 0.22f, 0.52f};
    for (const float side : {-1.0f, 1.0f}) {
        canvas.fill(taperedStroke({kCx + side * 6, kCy - 12}, {kCx + side * 11, kCy - 24}, 2, 1), flat(stalk));
        canvas.fill(circle(kCx + side * 11, kCy - 25, 3.2f),
                    ballPaint({1.0f, 0.70f, 0.86f}, {0.85f, 0.32f, 0.58f}, kCx + side * 11, kCy - 25, 3.2f));
    }
    // A jelly body, slightly wider than tall and flat at the bottom, so it sits on what carries it.
    const Shape body = intersect(ellipse(kCx, kCy, kRadius + 1, kRadius), roundedRect(0, 0, 44, kCy + kRadius - 1, 0));
    canvas.fill(body, ballPaint({0.78f, 0.56f, 0.95f}, {0.40f, 0.20f, 0.58f}, kCx, kCy, kRadius));
    canvas.fill(ellipse(kCx - 6, kCy - 8, 4, 2.5f), flat({1, 1, 1, 0.35f}));
    eye(canvas, kCx, kCy - 2, 7, -0.3f, 0.2f, {0.20f, 0.62f, 0.30f});
    // A toothy grin: a dark mouth with two small white teeth.
    const Shape mouth = intersect(ellipse(kCx, kCy + 7, 6, 4), roundedRect(0, kCy + 7, 44, 48, 0));
    canvas.fill(mouth, flat({0.22f, 0.08f, 0.22f}));
    canvas.fill(roundedRect(kCx - 3.5f, kCy + 7, kCx - 1, kCy + 9.5f, 0.5f), flat({1, 1, 1}));
    canvas.fill(roundedRect(kCx + 1, kCy + 7, kCx + 3.5f, kCy + 9.5f, 0.5f), flat({1, 1, 1}));
    return {"target", canvas, static_cast<int>(kCx), static_cast<int>(kCy)};
}

} // namespace

std::vector<Picture> creaturePictures() { return {bird(), target()}; }

} // namespace art
