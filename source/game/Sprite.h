#pragma once

#include "game/Anchor.h"
#include "lang/Object.h"
#include "renderer/Image.h"

#include <cstdint>
#include <string>

namespace gr {
class Context;
}

namespace game {

class SpriteSheet;

/// One named rectangle of a sprite sheet's texture with a pivot point, drawn through the
/// renderer. Counted; owned by its sheet's map, and it points back at the sheet without counting
/// it. Others may keep a sprite (game objects, composite sprites): when its sheet is destroyed
/// first, the sprite keeps its measurements and draws nothing. Positions and sizes are texture
/// pixels.
class Sprite : public lang::Object {
public:
    /// A sprite on `sheet`; its texture coordinates are computed now if the sheet's texture is
    /// loaded (from the texture's backing size), else they stay zero.
    Sprite(SpriteSheet& sheet, std::string name, std::int16_t x, std::int16_t y, std::int16_t width,
           std::int16_t height, std::int16_t pivotX, std::int16_t pivotY);
    ~Sprite() override;

    const std::string& name() const { return m_name; }
    /// The sheet the sprite is on, or null once that sheet is gone.
    const SpriteSheet* sheet() const { return m_sheet; }
    int x() const { return m_x; }
    int y() const { return m_y; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    /// The pivot, measured from the rectangle's left edge.
    int pivotX() const { return m_pivotX; }
    /// The pivot, measured from the rectangle's top edge.
    int pivotY() const { return m_pivotY; }
    /// The rectangle's corners in the texture (top-left, top-right, bottom-left, bottom-right).
    const gr::TexCoords& texCoords() const { return m_texCoords; }

    /// Draws the sprite at its own size with its reference point (chosen by `anchors`) at
    /// (x, y), through the context's render state. Nothing is drawn while the sheet has no texture
    /// or is gone.
    void draw(gr::Context& context, float x, float y, Anchors anchors) const;
    /// The same, stretched to `drawWidth` × `drawHeight`; the anchor offsets still use the
    /// sprite's own size and pivot.
    void drawScaled(gr::Context& context, float x, float y, float drawWidth, float drawHeight, Anchors anchors) const;

private:
    friend class SpriteSheet;

    SpriteSheet* m_sheet;
    std::string m_name;
    std::int16_t m_x;
    std::int16_t m_y;
    std::int16_t m_width;
    std::int16_t m_height;
    std::int16_t m_pivotX;
    std::int16_t m_pivotY;
    gr::TexCoords m_texCoords{};
};

} // namespace game
