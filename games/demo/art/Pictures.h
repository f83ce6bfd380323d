#pragma once

#include "Canvas.h"

#include <vector>

namespace art {

/// The demo draws its world at this many pixels per world unit: a block picture is its block's
/// size in the level's units times this, so that the sprite covers exactly the physics body.
constexpr int kPixelsPerUnit = 20;

/// Every picture of the game, under the names its scripts draw them by.
std::vector<Picture> allPictures();

/// The breakable blocks (named after the block definitions they show) in their intact, cracked
/// and broken states, the rock pieces and the ground tile.
std::vector<Picture> blockPictures();
/// The birds of every kind.
std::vector<Picture> birdPictures();
/// The target creatures, small and big, well and hurt.
std::vector<Picture> targetPictures();
/// The parts of the slingshot, assembled by the composite description beside this file.
std::vector<Picture> slingshotPictures();
/// The meadow theme: sky, sun, hills far and near, cloud, grass.
std::vector<Picture> meadowPictures();
/// The dunes theme: sunset sky, sun, cloud, dunes far and near, sand, cactus.
std::vector<Picture> dunesPictures();
/// The flight trail, the aiming dots, the particles and the rubber band, under the names the
/// engine and the particle table use.
std::vector<Picture> effectPictures();
/// The entry (blue) and exit (orange) portals and the sparks of each colour.
std::vector<Picture> portalPictures();
/// The water surface tile ("water", tiling sideways), the drop of a splash and the island.
std::vector<Picture> waterPictures();
/// The menus' buttons, level tiles, panel, slider and check boxes.
std::vector<Picture> widgetPictures();
/// The buttons' glyphs, the stars of the score and the lock.
std::vector<Picture> iconPictures();
/// The title's emblem.
std::vector<Picture> logoPictures();

} // namespace art
