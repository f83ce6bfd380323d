#pragma once

#include "GlTestWindow.h"
#include "PngBytes.h"
#include "ResourceFiles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scenetest {

/// The colours of the test sheet's four stripes, 20 pixels wide each, left to right.
inline constexpr std::uint32_t kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

/// Writes the sprite sheet "scene.dat" with its texture "scene.png" (80 x 40 pixels of the four
/// stripes) into the working folder: "FAR" is the left 40 pixels (green, red), "NEAR" the right
/// 40 (blue, white); both have their pivot at the bottom-left corner.
inline void writeSceneSheet() {
    const std::uint32_t stripes[] = {kGreen, kRed, kBlue, kWhite};
    writeFile("scene.png", pngBytes(80, 40, [&](int x, int) { return 0xFF000000u | stripes[x / 20]; }));
    writeFile("scene.dat",
              container("SPRT", {1, "scene.png", 2, "FAR", 0, 0, 40, 40, 0, 40, "NEAR", 40, 0, 40, 40, 0, 40}));
}

/// A pixel a picture should show: its position and 0xRRGGBB colour.
struct Pixel {
    int x, y;
    std::uint32_t colour;
};

/// Checks each pixel within `tolerance` per channel; failures name `what` and the position.
inline void expectPixels(const Picture& picture, const std::vector<Pixel>& pixels, const std::string& what,
                         int tolerance = 2) {
    for (const Pixel& pixel : pixels)
        EXPECT_TRUE(colourNear(picture.rgb(pixel.x, pixel.y), pixel.colour, tolerance))
            << what << " at " << pixel.x << "," << pixel.y;
}

} // namespace scenetest
