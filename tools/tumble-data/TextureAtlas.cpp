#include "TextureAtlas.h"

#include "OutputFiles.h"

#include "lang/Exception.h"

namespace datatool {

TextureAtlas packPictures(const std::vector<RgbaImage>& pictures, int padding, int maxSize, const std::string& what) {
    std::vector<Size> sizes;
    sizes.reserve(pictures.size());
    for (const RgbaImage& picture : pictures)
        sizes.push_back({picture.width(), picture.height()});
    AtlasLayout layout = packRectangles(sizes, padding, maxSize, what);
    RgbaImage texture(layout.width, layout.height);
    for (std::size_t index = 0; index < pictures.size(); ++index)
        texture.copyFrom(pictures[index], layout.positions[index].x, layout.positions[index].y);
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
