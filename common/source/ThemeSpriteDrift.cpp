#include "ThemeSpriteDrift.h"

float driftedX(const ThemeSprite& placed, const ThemeLayer& layer, const DriftFrame& frame) {
    const SpriteMeasurements own = placed.picture.measure();
    const float pivotOffset = own.pivotX * placed.px;
    const float leftEdge = placed.x * frame.simulationScale - pivotOffset;
    const float rightBound = frame.screenWidth / frame.worldScale + layer.extent;
    const float leftBound = layer.extent - layer.parallax * layer.sprite.width * 0.5f - own.width * placed.px * 1.1f;
    // The bounds are compared with where the sprite was at the start of the frame.
    if (leftBound > leftEdge && placed.extra < 0.0f)
        return (rightBound + pivotOffset) / frame.simulationScale;
    if (rightBound < leftEdge && placed.extra > 0.0f)
        return (leftBound + pivotOffset) / frame.simulationScale;
    return placed.x + placed.extra * frame.dt;
}

void driftThemeSprites(std::vector<ThemeLayer>& layers, const DriftFrame& frame) {
    for (ThemeLayer& layer : layers)
        for (ThemeSprite& placed : layer.themeSprites)
            if (placed.extra != 0.0f)
                placed.x = driftedX(placed, layer, frame);
}
