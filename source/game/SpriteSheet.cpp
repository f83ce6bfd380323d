#include "game/SpriteSheet.h"

#include "game/ChunkReading.h"
#include "game/Container.h"

namespace game {

SpriteSheet::SpriteSheet(gr::Context& context, const std::string& path, bool loadTexture)
    : SpriteSheet(context, ContainerFile::openBundle(path), loadTexture) {}

SpriteSheet::SpriteSheet(gr::Context& context, const ContainerFile& file, bool loadTexture) {
    if (!file.isContainer()) {
        ChunkReader reader = file.readWhole();
        readBody(context, reader, file.name(), loadTexture);
        return;
    }
    readChunks(file, kSpriteChunk, {1},
               [&](ChunkReader& reader, int) { readBody(context, reader, file.name(), loadTexture); });
}

SpriteSheet::SpriteSheet(lang::Ref<gr::Image> texture) : m_texture(std::move(texture)) {}

SpriteSheet::~SpriteSheet() {
    for (const auto& entry : m_sprites)
        entry.second->m_sheet = nullptr;
}

void SpriteSheet::readBody(gr::Context& context, ChunkReader& reader, const std::string& containerPath,
                           bool loadTexture) {
    io::DataInput& data = reader.data();
    m_texturePath = texturePathBeside(containerPath, data.readUTF());
    // The texture comes before the sprites: their texture coordinates need its size.
    if (loadTexture)
        m_texture = loadBundleTexture(context, m_texturePath);
    const int count = data.readShort();
    for (int i = 0; i < count; ++i) {
        const std::string name = data.readUTF();
        const std::int16_t x = data.readShort();
        const std::int16_t y = data.readShort();
        const std::int16_t width = data.readShort();
        const std::int16_t height = data.readShort();
        const std::int16_t pivotX = data.readShort();
        const std::int16_t pivotY = data.readShort();
        addSprite(name, x, y, width, height, pivotX, pivotY);
    }
}

Sprite& SpriteSheet::addSprite(const std::string& name, std::int16_t x, std::int16_t y, std::int16_t width,
                               std::int16_t height, std::int16_t pivotX, std::int16_t pivotY) {
    lang::Ref<Sprite>& slot = m_sprites[name];
    // A replaced sprite that someone still holds must not outlive this sheet pointing at it.
    if (slot)
        slot->m_sheet = nullptr;
    slot = new Sprite(*this, name, x, y, width, height, pivotX, pivotY);
    return *slot;
}

lang::Ref<Sprite> SpriteSheet::findSprite(const std::string& name) const {
    const auto found = m_sprites.find(name);
    return found == m_sprites.end() ? nullptr : found->second;
}

} // namespace game
