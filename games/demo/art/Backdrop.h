#pragma once

#include "Canvas.h"

#include <functional>

namespace art {

/// A vertical strip the game stretches across the screen: `top` at the top, through `middle` to
/// `horizon` low down; 16 x 256 pixels, its pivot at the top-left corner.
Picture skyStrip(const char* name, Colour top, Colour middle, Colour horizon);

/// A sun of 72 x 72 pixels, pivot at its centre: a ball from `lit` to `dark` in a soft `glow`.
Picture sunDisc(const char* name, Colour glow, Colour lit, Colour dark);

/// A `width` x `height` picture filled with `paint` below the line `top(x)` (pixels from the
/// picture's top): hills, dunes and the strips in front of them. A line whose ends meet at x = 0
/// and x = `width` makes a band that tiles side by side.
Canvas ridgeBand(int width, int height, const std::function<float(float x)>& top, const Paint& paint);

/// The width of a far layer in pixels: its ridge repeats over this.
constexpr int kFarLayerWidth = 512;

/// A far layer of kFarLayerWidth x 300 pixels, pivot at its bottom-left corner: the land below the ridge
/// `top(x)` (whose ends must meet, so that it tiles), shading from `high` at the top of the picture
/// to `low` at its bottom as haze thins towards the ground.
Picture farLayer(const char* name, const std::function<float(float x)>& top, Colour high, Colour low);

} // namespace art
