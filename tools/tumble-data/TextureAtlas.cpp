#include "TextureAtlas.h"

#include "OutputFiles.h"

#include "lang/Exception.h"

#include <algorithm>
#include <cstring>

namespace datatool {
namespace {

// Repeats a placed picture's outermost pixels `margin` pixels out into the padding around it. A
// sprite drawn with linear filtering samples up to half a texel past its edge: with transparent
// padding there, copies of a tile laid side by side would show a faint seam where they meet.
void extrudeEdges(RgbaImage& texture, Position at, Size size, int margin) {
    if (size.width == 0 || size.height == 0)
        return;
    for (int dy = -margin; dy < size.height + margin; ++dy) {
        const int sourceY = std::clamp(dy, 0, size.height - 1);
        for (int dx = -margin; dx < size.width + margin; ++dx) {
            const int sourceX = std::clamp(dx, 0, size.width - 1);
            if (sourceX != dx || sourceY != dy)
                std::memcpy(texture.row(at.y + dy) + 4 * (at.x + dx),
                            texture.row(at.y + sourceY) + 4 * (at.x + sourceX), 4);
        }
    }
}

} // namespace

TextureAtlas packPictures(const std::vector<RgbaImage>& pictures, int padding, int maxSize, const std::string& what) {
    std::vector<Size> sizes;
    sizes.reserve(pictures.size());
    for (const RgbaImage& picture : pictures)
        sizes.push_back({picture.width(), picture.height()});
    AtlasLayout layout = packRectangles(sizes, padding, maxSize, what);
    RgbaImage texture(layout.width, layout.height);
    for (std::size_t index = 0; index < pictures.size(); ++index) {
        texture.copyFrom(pictures[index], layout.positions[index].x, layout.positions[index].y);
        // Half the padding each side: neighbours' margins meet but never overlap.
        extrudeEdges(texture, layout.positions[index], sizes[index], padding / 2);
    }
    return {std::move(layout), std::move(texture)};
}

std::string textureNameFor(const std::filesystem::path& output) { return output.stem().string() + ".png"; }

void writeWithTexture(const std::filesystem::path& output, const std::vector<std::uint8_t>& container,
                      const RgbaImage& texture) {
    const std::filesystem::path texturePath = output.parent_path() / textureNameFor(output);
    if (texturePath == output)
        throw lang::Exception(
            lang::Format("{0} would be overwritten by its own texture; give it another extension", output.string()));
    StagedFile textureFile(texturePath);
    texture.savePng(textureFile.temporary());
    StagedFile containerFile(output);
    containerFile.write(container);
    textureFile.commit();
    containerFile.commit();
}

} // namespace datatool
