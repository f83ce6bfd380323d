#include "game/CompoSprite.h"

#include "game/AnchorPoint.h"
#include "game/Sprite.h"
#include "lang/Truncate.h"
#include "renderer/Context.h"

#include <algorithm>
#include <cmath>

namespace game {

namespace {

/// The render state's rotation origin, put back however drawing ends.
class PivotRestorer {
public:
    explicit PivotRestorer(gr::RenderState& state) : m_state(state), m_x(state.pivotX), m_y(state.pivotY) {}
    ~PivotRestorer() {
        m_state.pivotX = m_x;
        m_state.pivotY = m_y;
    }
    PivotRestorer(const PivotRestorer&) = delete;
    PivotRestorer& operator=(const PivotRestorer&) = delete;

private:
    gr::RenderState& m_state;
    float m_x;
    float m_y;
};

} // namespace

CompoSprite::CompoSprite() = default;

CompoSprite::~CompoSprite() = default;

void CompoSprite::addPart(const std::string& spriteName, float x, float y, Sprite& sprite) {
    m_parts.push_back({spriteName, &sprite, x, y});
    // The box around every part, each placed with its pivot on its (truncated) position.
    int minLeft = 0;
    int minTop = 0;
    int maxRight = 0;
    int maxBottom = 0;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const Part& part = m_parts[i];
        const int left = lang::truncateTo<int>(part.x) - part.sprite->pivotX();
        const int top = lang::truncateTo<int>(part.y) - part.sprite->pivotY();
        const int right = left + part.sprite->width();
        const int bottom = top + part.sprite->height();
        const bool first = i == 0;
        minLeft = first ? left : std::min(minLeft, left);
        minTop = first ? top : std::min(minTop, top);
        maxRight = first ? right : std::max(maxRight, right);
        maxBottom = first ? bottom : std::max(maxBottom, bottom);
    }
    m_width = maxRight - minLeft;
    m_height = maxBottom - minTop;
    m_pivotX = -minLeft;
    m_pivotY = -minTop;
}

void CompoSprite::draw(gr::Context& context, float x, float y, Anchors anchors) const {
    // Move (x, y) from the chosen point of the box to the composite's origin (its pivot).
    const AnchorOffset offset = anchorOffset(anchors, m_width, m_height, m_pivotX, m_pivotY);
    x += static_cast<float>(m_pivotX - offset.x);
    y += static_cast<float>(m_pivotY - offset.y);

    gr::RenderState& state = context.state();
    if (state.angle == 0.0f) {
        for (const Part& part : m_parts)
            part.sprite->draw(context, x + part.x, y + part.y, kAtPivot);
        return;
    }
    // Rotated: each part turns about its own pivot, and its offset from the origin turns too.
    const float c = std::cos(state.angle);
    const float s = std::sin(state.angle);
    const PivotRestorer restorer(state);
    for (const Part& part : m_parts) {
        state.pivotX = static_cast<float>(part.sprite->pivotX());
        state.pivotY = static_cast<float>(part.sprite->pivotY());
        part.sprite->draw(context, x + c * part.x - s * part.y, y + s * part.x + c * part.y, kAtPivot);
    }
}

} // namespace game
