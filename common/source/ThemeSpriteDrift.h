#pragma once

#include "ThemeLayer.h"

#include <vector>

/// What one frame's drift of theme sprites depends on besides the sprites and their layer.
struct DriftFrame {
    /// The frame's time step, seconds.
    float dt = 0.0f;
    /// The physics simulation scale: placed sprites are drawn at x times it.
    float simulationScale = 1.0f;
    /// The graphics context's width, pixels.
    float screenWidth = 0.0f;
    float worldScale = 1.0f;
};

/// The x of `placed` (on `layer`) after one frame of its drift: moved by its velocity, then,
/// when it had passed out of the screen's span on the side it moves towards, put back on the
/// other side. The span runs from the layer's extent margin, less half the layer sprite's
/// width times its parallax and 1.1 times the sprite's own width, to the visible width plus
/// that margin.
float driftedX(const ThemeSprite& placed, const ThemeLayer& layer, const DriftFrame& frame);

/// Moves every drifting sprite (velocity not 0) of every layer in `layers` by one frame.
void driftThemeSprites(std::vector<ThemeLayer>& layers, const DriftFrame& frame);
