#include "game/Sprite.h"

#include "game/AnchorPoint.h"
#include "game/SpriteSheet.h"
#include "renderer/Context.h"

namespace game {

Sprite::Sprite(SpriteSheet& sheet, std::string name, std::int16_t x, std::int16_t y, std::int16_t width,
               std::int16_t height, std::int16_t pivotX, std::int16_t pivotY)
    : m_sheet(&sheet), m_name(std::move(name)), m_x(x), m_y(y), m_width(width), m_height(height), m_pivotX(pivotX),
      m_pivotY(pivotY) {
    const gr::Image* texture = sheet.texture().get();
    if (!texture || texture->width() <= 0 || texture->height() <= 0)
        return;
    const auto textureWidth = static_cast<float>(texture->width());
    const auto textureHeight = static_cast<float>(texture->height());
    const float left = static_cast<float>(x) / textureWidth;
    const float top = static_cast<float>(y) / textureHeight;
    const float right = static_cast<float>(x + width) / textureWidth;
    const float bottom = static_cast<float>(y + height) / textureHeight;
    m_texCoords = {{left, top, right, top, left, bottom, right, bottom}};
}

Sprite::~Sprite() = default;

void Sprite::draw(gr::Context& context, float x, float y, Anchors anchors) const {
    drawScaled(context, x, y, static_cast<float>(m_width), static_cast<float>(m_height), anchors);
}

void Sprite::drawScaled(gr::Context& context, float x, float y, float drawWidth, float drawHeight,
                        Anchors anchors) const {
    // A sheet read without its texture, one whose texture was released and one destroyed have
    // nothing to show.
    gr::Image* texture = m_sheet ? m_sheet->texture().get() : nullptr;
    if (!texture)
        return;
    const AnchorOffset offset = anchorOffset(anchors, m_width, m_height, m_pivotX, m_pivotY);
    texture->draw(context, x - static_cast<float>(offset.x), y - static_cast<float>(offset.y), drawWidth, drawHeight,
                  m_texCoords);
}

} // namespace game
