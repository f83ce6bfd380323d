// Portals: upright ovals of swirling light, blue where objects go in and orange where they come
// out, and the sparks each colour throws.
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>
#include <string>

namespace art {

namespace {

// A portal's colours: its glowing rim, the deep centre, and the sparks around it.
struct PortalColours {
    Colour rim, centre, spark;
};

constexpr PortalColours kBlue{{0.45f, 0.85f, 1.0f}, {0.08f, 0.25f, 0.65f}, {0.70f, 0.93f, 1.0f}};
constexpr PortalColours kOrange{{1.0f, 0.72f, 0.25f}, {0.65f, 0.22f, 0.04f}, {1.0f, 0.88f, 0.55f}};

// An oval taller than its body (3.5 units), a halo around a bright rim, and bands of light
// spiralling towards a dark centre. The picture is symmetric both ways, so that a portal turned
// half round looks the same.
Picture portal(const std::string& name, const PortalColours& colours) {
    constexpr int kWidth = 30, kHeight = 84;
    constexpr float kCx = kWidth / 2.0f, kCy = kHeight / 2.0f, kRx = 10, kRy = 38;
    Canvas canvas(kWidth, kHeight);
    canvas.fill(ellipse(kCx, kCy, kRx + 4, kRy + 4), [=](float x, float y, float) {
        const float t = std::hypot((x - kCx) / (kRx + 4), (y - kCy) / (kRy + 4));
        return fade(colours.rim, 0.5f * (1 - t));
    });
    canvas.fill(ellipse(kCx, kCy, kRx, kRy), [=](float x, float y, float distance) {
        const float u = (x - kCx) / kRx, v = (y - kCy) / kRy;
        const float radius = std::hypot(u, v);
        // The swirl: brightness along a spiral, mirrored so that both halves match.
        const float turn = std::atan2(std::abs(v), std::abs(u)) * 2 + radius * 9;
        const float swirl = 0.5f + 0.5f * std::sin(turn + 2 * noise(u * 3, v * 3, 91));
        const Colour inside = mix(colours.centre, colours.rim, radius * (0.3f + 0.6f * swirl));
        return mix(inside, {1, 1, 1}, rim(distance, 3) * 0.55f + rim(distance, 1.2f) * 0.3f);
    });
    return {name, canvas, kWidth / 2, kHeight / 2};
}

// A small four-pointed glint with a soft glow, for the particles around a portal.
Picture spark(const std::string& name, Colour colour) {
    Canvas canvas(14, 14);
    canvas.fill(circle(7, 7, 6),
                [=](float x, float y, float) { return fade(colour, 0.55f * (1 - std::hypot(x - 7, y - 7) / 6)); });
    const Shape glint = unite(taperedStroke({7, 1}, {7, 13}, 1.3f, 1.3f), taperedStroke({1, 7}, {13, 7}, 1.3f, 1.3f));
    canvas.fill(unite(glint, circle(7, 7, 2)), flat(mix(colour, {1, 1, 1}, 0.5f)));
    return {name, canvas, 7, 7};
}

} // namespace

std::vector<Picture> portalPictures() {
    return {portal("portal_blue", kBlue), portal("portal_orange", kOrange), spark("PARTICLE_PORTAL_BLUE", kBlue.spark),
            spark("PARTICLE_PORTAL_ORANGE", kOrange.spark)};
}

} // namespace art
