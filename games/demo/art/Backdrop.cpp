#include "Backdrop.h"

#include "Paints.h"
#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

Picture skyStrip(const char* name, Colour top, Colour middle, Colour horizon) {
    constexpr int kHeight = 256;
    Canvas canvas(16, kHeight);
    canvas.fill(roundedRect(-4, -4, 20, kHeight + 4, 0), [=](float, float y, float) {
        const float t = std::min(y / (kHeight * 0.85f), 1.0f);
        const float eased = t * t * (3 - 2 * t);
        return eased < 0.5f ? mix(top, middle, eased * 2) : mix(middle, horizon, eased * 2 - 1);
    });
    return {name, canvas, 0, 0};
}

Picture sunDisc(const char* name, Colour glow, Colour lit, Colour dark) {
    Canvas canvas(72, 72);
    canvas.fill(circle(36, 36, 34),
                [=](float x, float y, float) { return fade(glow, 1 - std::hypot(x - 36, y - 36) / 34); });
    canvas.fill(circle(36, 36, 20), ballPaint(lit, dark, 36, 36, 20));
    return {name, canvas, 36, 36};
}

Canvas ridgeBand(int width, int height, const std::function<float(float x)>& top, const Paint& paint) {
    Canvas canvas(width, height);
    canvas.fill([&](float x, float y) { return top(x) - y; }, paint);
    return canvas;
}

Picture farLayer(const char* name, const std::function<float(float x)>& top, Colour high, Colour low) {
    constexpr int kHeight = 300;
    return {name,
            ridgeBand(kFarLayerWidth, kHeight, top, [=](float, float y, float) { return mix(high, low, y / kHeight); }),
            0, kHeight};
}

} // namespace art
