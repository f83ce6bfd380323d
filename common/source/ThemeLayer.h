#pragma once

#include "ResolvedSprite.h"
#include "ThemeSprite.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace game {
class Resources;
}

/// A colour of a theme, components 0 to 255 as the theme gives them.
struct ThemeColour {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

/// One background or foreground layer of a theme, built from its layer table when a theme is
/// set. Entries [1] to [6] are the layer table's array entries; a field keeps its default when
/// the table does not give it.
struct ThemeLayer {
    /// [1]: the layer's name ("particles" for a particle layer).
    std::string name;
    /// [2]: the sprite (or composite sprite) the layer draws.
    std::string spriteName;
    /// That sprite as last resolved, and its measurements (zero for colour and particle layers
    /// and for a sprite that is not loaded). Tiles are `sprite.width` apart.
    ResolvedSprite picture;
    SpriteMeasurements sprite;
    /// [3]: the horizontal parallax factor of the layer's theme sprites, default 1.
    float spriteParallax = 1.0f;
    /// [4]: the layer's depth factor; drawn at parallax × world scale, default 1.
    float parallax = 1.0f;
    /// [5]: the sprite repeats across the screen (otherwise it is drawn once), default true.
    /// Foreground layers have no [5] and keep the default.
    bool tiled = true;
    /// A foreground layer marked "water".
    bool water = false;
    /// The "rect" form: the layer is a fill of `colour` and nothing else.
    bool colourOnly = false;
    /// The particle form ([1] is "particles"): the particle system draws it; it has no sprite.
    bool deferred = false;
    /// Red, green, blue and alpha bytes: a colour-only layer's fill; on other layers an alpha
    /// below 255 fades the layer.
    std::array<std::uint8_t, 4> colour{255, 255, 255, 255};
    /// "v": speed of the layer's time-driven horizontal scroll, layer pixels per second, default 0.
    float velocity = 0.0f;
    /// "scaleWobbleY": amplitude of the vertical scale's wobble, default 0.
    float wobbleAmplitude = 0.0f;
    /// [6]: the width, pixels, that tiling adds to the screen's width, and the margin at which
    /// drifting theme sprites wrap; default 4. Foreground layers have no [6] and keep the default.
    float extent = 4.0f;
    /// Vertical offset of a foreground layer, layer pixels ("setThemeForegroundOffsetY").
    float offsetY = 0.0f;
    /// The sprites the scripts placed on the layer, drawn in this order after its own sprite.
    std::vector<ThemeSprite> themeSprites;
};

/// Finds the layer's sprite and its placed sprites' pictures in `resources` again and measures
/// the layer's sprite (sheets may have been loaded or reloaded since).
void resolveThemeLayer(ThemeLayer& layer, const game::Resources& resources);

/// A colour component of a theme's "rect" as a byte: rounded half away from zero (127.5 gives
/// 128), then clamped to 0 to 255; NaN gives 0.
std::uint8_t roundColourByte(float component);
