// Drawing natives.
#include "GameLua.h"

#include "lang/Truncate.h"
#include "renderer/Context.h"

#include <algorithm>
#include <cstdint>

namespace {

/// A colour component of 0..1 as a byte; out-of-range values (and NaN) are clamped.
std::uint32_t unitByte(float component) {
    return component > 0.0f ? static_cast<std::uint32_t>(std::min(component, 1.0f) * 255.0f) : 0;
}

} // namespace

void GameLua::registerDrawingNatives() { registerMethod("drawRect", &GameLua::drawRect); }

// drawRect(r, g, b, a, x1, y1, x2, y2, keepState): components 0..1; the corners in pixels
void GameLua::drawRect(float red, float green, float blue, float alpha, float x1, float y1, float x2, float y2,
                       bool keepState) {
    if (!keepState)
        m_context.state() = gr::RenderState();
    const std::uint32_t colour = unitByte(alpha) << 24 | unitByte(red) << 16 | unitByte(green) << 8 | unitByte(blue);
    m_context.fillRect(colour, x1, y1, static_cast<float>(lang::truncateTo<int>(x2 - x1)),
                       static_cast<float>(lang::truncateTo<int>(y2 - y1)));
}
