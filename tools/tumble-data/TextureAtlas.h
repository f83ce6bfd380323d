#pragma once

#include "RectanglePacker.h"
#include "RgbaImage.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace datatool {

/// Pictures packed into one texture.
struct TextureAtlas {
    /// Where each picture went, in the order given.
    AtlasLayout layout;
    /// The texture: every picture copied to its place with its edge pixels repeated half the
    /// padding out (so that filtering at a sprite's edge samples the sprite), transparent elsewhere.
    RgbaImage texture;
};

/// Packs `pictures` with `packRectangles` and copies them into a new texture, each picture's edge
/// pixels repeated `padding` / 2 pixels out.
TextureAtlas packPictures(const std::vector<RgbaImage>& pictures, int padding, int maxSize, const std::string& what);

/// The file name of the texture that travels with the container `output`: its base name with
/// ".png", relative, so the two files can move together.
std::string textureNameFor(const std::filesystem::path& output);

/// Writes the container bytes to `output` and `texture` beside it under `textureNameFor(output)`;
/// neither file is replaced unless both were written.
void writeWithTexture(const std::filesystem::path& output, const std::vector<std::uint8_t>& container,
                      const RgbaImage& texture);

} // namespace datatool
