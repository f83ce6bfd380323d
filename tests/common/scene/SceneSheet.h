#pragma once

#include "PngBytes.h"
#include "ResourceFiles.h"

#include <cstdint>

namespace scenetest {

/// The colours of the test sheet's four stripes, 20 pixels wide each, left to right.
inline constexpr std::uint32_t kStripes[] = {0x00FF00, 0xFF0000, 0x0000FF, 0xFFFFFF};

/// Writes the sprite sheet "scene.dat" with its texture "scene.png" (80 x 40 pixels of the four
/// stripes) into the working folder: "FAR" is the left 40 pixels (green, red), "NEAR" the right
/// 40 (blue, white); both have their pivot at the bottom-left corner.
inline void writeSceneSheet() {
    writeFile("scene.png", pngBytes(80, 40, [](int x, int) { return 0xFF000000u | kStripes[x / 20]; }));
    writeFile("scene.dat", container("SPRT", {1, "scene.png", 2, "FAR", 0, 0, 40, 40, 0, 40, "NEAR", 40, 0, 40, 40,
                                              0, 40}));
}

} // namespace scenetest
