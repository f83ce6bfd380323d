#pragma once

#include "game/Sprite.h"
#include "lang/Object.h"
#include "lang/Ref.h"
#include "renderer/Image.h"

#include <map>
#include <string>

namespace gr {
class Context;
}

namespace game {

class ChunkReader;
class ContainerFile;

/// A texture and the named sprites on it, read from a resource container's "SPRT" chunk (or a
/// file of the older layout without the magic). Counted. Main thread only.
class SpriteSheet : public lang::Object {
public:
    /// Reads the sheet at `path` (in the game's data folder). With `loadTexture` the texture file
    /// it names (relative to the container's folder) is decoded through `context` at once.
    /// Raises `io::IOException` for a malformed or truncated file and passes the renderer's
    /// error for a texture that does not load. A "SPRT" chunk of another version than 1 is
    /// skipped whole.
    SpriteSheet(gr::Context& context, const std::string& path, bool loadTexture);
    /// Reads the sheet from a file already in memory.
    SpriteSheet(gr::Context& context, const ContainerFile& file, bool loadTexture);
    /// An empty sheet around an existing texture (a captured screen, a font's glyph texture).
    explicit SpriteSheet(lang::Ref<gr::Image> texture);
    ~SpriteSheet() override;

    /// Makes a sprite on this sheet and stores it under `name`, replacing one of the same name.
    Sprite& addSprite(const std::string& name, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height,
                      std::int16_t pivotX, std::int16_t pivotY);
    /// The sprite called `name`, or null.
    lang::Ref<Sprite> findSprite(const std::string& name) const;
    /// Every sprite, in name order.
    const std::map<std::string, lang::Ref<Sprite>>& sprites() const { return m_sprites; }
    /// The texture, or null when it was not loaded or was released.
    const lang::Ref<gr::Image>& texture() const { return m_texture; }
    /// Drops the texture; the sprites stay (with their texture coordinates).
    void releaseTexture() { m_texture = nullptr; }
    /// The texture file's path: the name from the file joined to the container's folder.
    const std::string& texturePath() const { return m_texturePath; }

private:
    /// Reads a sheet body from the texture name on; `containerPath` locates the texture.
    void readBody(gr::Context& context, ChunkReader& reader, const std::string& containerPath, bool loadTexture);

    std::string m_texturePath;
    lang::Ref<gr::Image> m_texture;
    std::map<std::string, lang::Ref<Sprite>> m_sprites;
};

} // namespace game
