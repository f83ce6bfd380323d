#pragma once

#include "game/Anchor.h"
#include "game/Sprite.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <string>
#include <vector>

namespace gr {
class Context;
}

namespace game {

/// A picture assembled from loaded sprites placed around a common origin. Counted; it holds its
/// parts' sprites, so releasing their sheet leaves parts that draw nothing, never dangling ones.
class CompoSprite : public lang::Object {
public:
    /// One placed sprite: the position of its pivot relative to the composite's origin, pixels.
    struct Part {
        std::string spriteName;
        lang::Ref<Sprite> sprite;
        float x = 0.0f;
        float y = 0.0f;
    };

    CompoSprite();
    ~CompoSprite() override;

    /// Appends a part (drawn after the earlier ones) and recomputes the bounds.
    void addPart(const std::string& spriteName, float x, float y, Sprite& sprite);
    /// The parts in drawing order.
    const std::vector<Part>& parts() const { return m_parts; }
    /// Size of the box around all parts, pixels.
    int width() const { return m_width; }
    int height() const { return m_height; }
    /// The origin measured from the box's top-left corner, pixels.
    int pivotX() const { return m_pivotX; }
    int pivotY() const { return m_pivotY; }

    /// Draws the parts with the point chosen by `anchors` at (x, y). When the context's render
    /// state is rotated, each part turns about its own pivot and the offsets turn with it.
    void draw(gr::Context& context, float x, float y, Anchors anchors) const;

private:
    std::vector<Part> m_parts;
    int m_width = 0;
    int m_height = 0;
    int m_pivotX = 0;
    int m_pivotY = 0;
};

} // namespace game
