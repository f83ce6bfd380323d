#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gr::gl2 {

/// Pixels in R, G, B, A byte order, rows from the top, no padding.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

/// Decodes an image file held in memory with SDL2_image and multiplies its colour by its
/// alpha. `path` names the file in the error. Throws `gr::GraphicsException`
/// "Failed to load image {0}: {1}" (path, decoder's reason).
Pixels decodeImage(const std::vector<std::uint8_t>& file, const std::string& path);

/// Writes `pixels` to `path` as a PNG with every pixel opaque. Throws `gr::GraphicsException`
/// "Failed to save screen to {0}: {1}" (path, reason).
void writeOpaquePng(const Pixels& pixels, const std::string& path);

} // namespace gr::gl2
