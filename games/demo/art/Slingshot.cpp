// The slingshot: a forked branch in three pieces (trunk, back arm drawn behind, front arm) and the
// band holder with its leather pouch. slingshot.compo places them around the launch point.
#include "Noise.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

namespace art {

namespace {

// Branch wood: bark streaks along the branch, rounded by light from the left.
Paint bark(Colour light, Colour dark, float centreX) {
    return [=](float x, float y, float distance) {
        const float streaks = fractalNoise(x * 0.9f, y * 0.08f, 31, 3);
        const float roundness = (x - centreX) / 8 + 0.5f;
        return shade(mix(light, dark, roundness * 0.6f + streaks * 0.4f), 1 - 0.3f * rim(distance, 1.5f));
    };
}

const Colour kLightWood{0.66f, 0.44f, 0.22f};
const Colour kDarkWood{0.40f, 0.24f, 0.10f};

// One arm from the fork (bottom) up to its tip; the pivot is the fork end.
Picture arm(const char* name, float bottomX, float topX, float tone) {
    Canvas canvas(24, 46);
    canvas.fill(taperedStroke({bottomX, 42}, {topX, 5}, 4.5f, 3),
                bark(shade(kLightWood, tone), shade(kDarkWood, tone), (bottomX + topX) / 2));
    return {name, canvas, static_cast<int>(bottomX), 42};
}

Picture trunk() {
    Canvas canvas(24, 70);
    canvas.fill(unite(taperedStroke({12, 3}, {12, 60}, 5, 6.5f), ellipse(12, 64, 10, 5)),
                bark(kLightWood, kDarkWood, 12));
    return {"sling_base", canvas, 12, 3};
}

Picture bandHolder() {
    Canvas canvas(30, 16);
    const Colour band{0.45f, 0.12f, 0.10f}, leather{0.30f, 0.18f, 0.10f};
    canvas.fill(taperedStroke({5, 5}, {15, 10}, 1.3f, 1.3f), flat(band));
    canvas.fill(taperedStroke({15, 10}, {25, 5}, 1.3f, 1.3f), flat(band));
    canvas.fill(ellipse(15, 10, 6, 3.5f), ballPaint({0.48f, 0.32f, 0.18f}, leather, 15, 10, 6));
    for (const float x : {5.0f, 25.0f})
        canvas.fill(roundedRect(x - 3, 1, x + 3, 9, 1.5f), ballPaint({0.50f, 0.34f, 0.20f}, leather, x, 5, 4));
    return {"sling_band", canvas, 15, 5};
}

} // namespace

std::vector<Picture> slingshotPictures() {
    return {arm("sling_back_arm", 15, 5, 0.75f), arm("sling_front_arm", 9, 19, 1.0f), trunk(), bandHolder()};
}

} // namespace art
