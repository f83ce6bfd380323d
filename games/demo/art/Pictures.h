#pragma once

#include "Canvas.h"

#include <vector>

namespace art {

/// The demo draws its world at this many pixels per world unit: a block picture is its block's
/// size in the level's units times this, so that the sprite covers exactly the physics body.
constexpr int kPixelsPerUnit = 20;

/// The level's blocks (named after the block definitions they show) and the ground tile.
std::vector<Picture> blockPictures();
/// The bird and the target creature.
std::vector<Picture> creaturePictures();
/// The parts of the slingshot, assembled by the composite description beside this file.
std::vector<Picture> slingshotPictures();
/// Sky, sun, hills, cloud, grass, the stars of the score.
std::vector<Picture> sceneryPictures();
/// The flight trail, the aiming dots, the particles and the rubber band, under the names the
/// engine and the particle table use.
std::vector<Picture> effectPictures();
/// The entry (blue) and exit (orange) portals and the sparks of each colour.
std::vector<Picture> portalPictures();
/// The water surface tile ("water", tiling sideways), the drop of a splash and the island.
std::vector<Picture> waterPictures();

} // namespace art
