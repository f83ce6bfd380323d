// The menus' widgets: raised buttons (up and pressed), the level tiles, the panel behind dialogs,
// the slider and the check boxes. Each has its pivot at its centre.
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <algorithm>
#include <string>

namespace art {

namespace {

// The colours of something raised: its face from top to bottom and the edge under and around it.
struct Raised {
    Colour top, bottom, edge;
};

constexpr Raised kOrange{{1.0f, 0.82f, 0.34f}, {0.95f, 0.56f, 0.12f}, {0.48f, 0.24f, 0.06f}};
constexpr Raised kSky{{0.56f, 0.84f, 0.98f}, {0.22f, 0.56f, 0.86f}, {0.10f, 0.26f, 0.46f}};
constexpr Raised kGrey{{0.72f, 0.74f, 0.78f}, {0.48f, 0.50f, 0.55f}, {0.24f, 0.25f, 0.28f}};

constexpr float kLift = 4; // how far a face stands above its base, in pixels

// A face standing on its base, `width` x `height` pixels in all; pressed, it sinks onto the base
// and darkens, and its gloss goes.
Picture raised(const std::string& name, int width, int height, const Raised& colours, bool pressed) {
    Canvas canvas(width, height);
    const float radius = std::min(14.0f, height / 3.0f);
    canvas.fill(roundedRect(0, kLift, width, height, radius), flat(colours.edge));
    const float faceTop = pressed ? kLift - 1 : 0;
    const Shape face = roundedRect(0, faceTop, width, height - (pressed ? 1 : kLift), radius);
    const float tone = pressed ? 0.85f : 1.0f;
    canvas.fill(face, [=](float, float y, float distance) {
        const Colour body = shade(mix(colours.top, colours.bottom, (y - faceTop) / (height - kLift)), tone);
        return mix(body, colours.edge, rim(distance, 2.5f) * 0.9f);
    });
    if (!pressed) {
        const Shape gloss = intersect(grow(face, -4), [=](float, float y) { return y - height * 0.42f; });
        canvas.fill(gloss, flat({1, 1, 1, 0.3f}));
    }
    return {name, canvas, width / 2, height / 2};
}

// The board behind dialogs: cream paper in a wooden frame with a thin inner line.
Picture panel() {
    constexpr int kWidth = 400, kHeight = 320;
    Canvas canvas(kWidth, kHeight);
    const Shape board = roundedRect(0, 0, kWidth, kHeight, 18);
    canvas.fill(board, [](float, float y, float distance) {
        const Colour paper = mix({0.99f, 0.95f, 0.84f}, {0.93f, 0.84f, 0.66f}, y / kHeight);
        return distance > -6 ? mix({0.62f, 0.38f, 0.16f}, {0.40f, 0.22f, 0.08f}, rim(distance, 6)) : paper;
    });
    canvas.fill(outline(grow(board, -12), 0.8f), flat({0.62f, 0.42f, 0.22f, 0.6f}));
    return {"panel", canvas, kWidth / 2, kHeight / 2};
}

Picture sliderTrack() {
    constexpr int kWidth = 240, kHeight = 12;
    Canvas canvas(kWidth, kHeight);
    // A groove: dark, with light catching its lower lip.
    canvas.fill(roundedRect(0, 0, kWidth, kHeight, kHeight / 2.0f), [](float, float y, float distance) {
        return mix({0.22f, 0.16f, 0.10f}, {0.86f, 0.74f, 0.56f}, rim(distance, 2) * (y > kHeight / 2.0f ? 0.9f : 0.2f));
    });
    return {"slider_track", canvas, kWidth / 2, kHeight / 2};
}

Picture sliderKnob() {
    Canvas canvas(28, 28);
    canvas.fill(circle(14, 14, 13.5f), flat(kOrange.edge));
    canvas.fill(circle(14, 13, 11.5f), ballPaint(kOrange.top, kOrange.bottom, 14, 13, 11.5f));
    return {"slider_knob", canvas, 14, 14};
}

Picture checkBox(const char* name, bool checked) {
    Canvas canvas(32, 32);
    const Shape box = roundedRect(2, 2, 30, 30, 6);
    canvas.fill(box, [](float, float y, float distance) {
        return mix(mix(Colour{1, 1, 1}, {0.88f, 0.86f, 0.80f}, y / 32), kOrange.edge, rim(distance, 2.5f));
    });
    if (checked) {
        const Shape tick =
            unite(taperedStroke({8, 16}, {14, 23}, 2.8f, 2.8f), taperedStroke({14, 23}, {25, 8}, 2.8f, 2.4f));
        canvas.fill(grow(tick, 1.2f), flat({0.08f, 0.30f, 0.08f}));
        canvas.fill(tick, flat({0.30f, 0.78f, 0.26f}));
    }
    return {name, canvas, 16, 16};
}

} // namespace

std::vector<Picture> widgetPictures() {
    return {raised("button", 240, 56, kOrange, false),
            raised("button_pressed", 240, 56, kOrange, true),
            raised("button_small", 56, 56, kOrange, false),
            raised("level_tile", 80, 80, kSky, false),
            raised("level_tile_locked", 80, 80, kGrey, false),
            panel(),
            sliderTrack(),
            sliderKnob(),
            checkBox("check_on", true),
            checkBox("check_off", false)};
}

} // namespace art
