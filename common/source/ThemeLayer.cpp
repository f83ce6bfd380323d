#include "ThemeLayer.h"

#include <cmath>

std::uint8_t roundColourByte(float component) {
    // The comparisons also send NaN to 0.
    if (!(component > 0.0f))
        return 0;
    if (component >= 255.0f)
        return 255;
    return static_cast<std::uint8_t>(std::lround(component));
}

void resolveThemeLayer(ThemeLayer& layer, const game::Resources& resources) {
    layer.picture = ResolvedSprite::find(resources, layer.spriteName);
    layer.sprite = layer.picture.measure();
    for (ThemeSprite& placed : layer.themeSprites)
        placed.picture = ResolvedSprite::find(resources, placed.spriteName);
}
