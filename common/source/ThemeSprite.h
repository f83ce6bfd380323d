#pragma once

#include "ResolvedSprite.h"

#include <string>

/// A sprite the scripts placed on a theme layer ("createThemeSprite"). Positions are in
/// simulation units (drawn times the simulation scale); (px, py) is its own parallax.
struct ThemeSprite {
    /// The picture found under `spriteName` when it was placed (or the sheets last reloaded).
    ResolvedSprite picture;
    std::string spriteName;
    float x = 0.0f;
    float y = 0.0f;
    /// Horizontal drift velocity, simulation units per second; 0 stands still.
    float extra = 0.0f;
    float px = 1.0f;
    float py = 1.0f;
    /// Rotation about the sprite's pivot, radians.
    float angle = 0.0f;
    /// The name the scripts find it by; names need not be unique.
    std::string name;
};
