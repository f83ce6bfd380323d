#include "ThemeLayerPainter.h"

#include "ColourBytes.h"
#include "ThemeTiling.h"
#include "renderer/Context.h"

#include <algorithm>
#include <cmath>

namespace {

/// Tiles meet edge to edge: each is placed by its left edge.
constexpr game::Anchors kTile{game::VerticalAnchor::VPivot, game::HorizontalAnchor::Left};

} // namespace

ThemeLayerPainter::ThemeLayerPainter(gr::Context& context, const SceneCamera& camera)
    : m_context(context), m_camera(camera), m_base(context.state()) {
    m_base.translateX = -camera.x;
    m_base.translateY = -camera.y;
    m_context.state() = m_base;
}

void ThemeLayerPainter::draw(const ThemeLayer& layer) {
    if (layer.colourOnly) {
        const auto& [red, green, blue, alpha] = layer.colour;
        if (alpha != 0)
            fillScreenFrom(0.0f, packArgb(alpha, red, green, blue));
    } else if (!layer.deferred) {
        drawOwnSprite(layer);
        drawPlacedSprites(layer);
    }
    m_context.state() = m_base;
}

void ThemeLayerPainter::drawOwnSprite(const ThemeLayer& layer) {
    gr::RenderState& state = m_context.state();
    const float scale = layer.parallax * m_camera.worldScale;
    state.scaleX = scale;
    state.scaleY = layer.wobbleAmplitude == 0.0f
                       ? scale
                       : (layer.parallax + std::sin(m_context.time()) * layer.wobbleAmplitude) * m_camera.worldScale;
    if (layer.colour[3] != 255)
        state.alpha = static_cast<float>(layer.colour[3]) / 255.0f;
    // Horizontally the layer moves by the camera times its parallax, vertically with the camera.
    state.translateY = -m_camera.y / layer.parallax;
    state.setAngle(0.0f);
    state.pivotX = 0.0f;
    state.pivotY = 0.0f;
    if (!layer.tiled) {
        layer.picture.draw(m_context, 0.0f, layer.offsetY, game::kAtPivot);
        return;
    }
    const float visibleWidth = static_cast<float>(m_context.width()) / scale;
    const TileRun run =
        tileRun(m_camera.x, visibleWidth + layer.extent, layer.sprite.width, m_context.time() * layer.velocity);
    for (int i = 0; i < run.count; ++i)
        layer.picture.draw(m_context, run.first + static_cast<float>(i) * run.step, layer.offsetY, kTile);
}

void ThemeLayerPainter::drawPlacedSprites(const ThemeLayer& layer) {
    gr::RenderState& state = m_context.state();
    for (const ThemeSprite& placed : layer.themeSprites) {
        if (!placed.picture)
            continue;
        const SpriteMeasurements own = placed.picture.measure();
        state.scaleX = placed.px * m_camera.worldScale;
        state.scaleY = placed.py * m_camera.worldScale;
        state.translateX = -m_camera.x * layer.spriteParallax / placed.px;
        state.translateY = -m_camera.y / placed.py;
        state.pivotX = own.pivotX;
        state.pivotY = own.pivotY;
        state.setAngle(placed.angle);
        placed.picture.draw(m_context, placed.x * m_camera.simulationScale / placed.px,
                            placed.y * m_camera.simulationScale / placed.py, game::kAtPivot);
    }
}

void ThemeLayerPainter::fillGround(const ThemeLayer& firstForeground, const ThemeColour& colour) {
    // Where the layer's sprite line (its pivot row) lands on the screen.
    const float parallax = firstForeground.parallax;
    const float top = (firstForeground.offsetY - m_camera.y / parallax) * parallax * m_camera.worldScale;
    fillScreenFrom(
        top, packArgb(255, roundColourByte(colour.red), roundColourByte(colour.green), roundColourByte(colour.blue)));
    m_context.state() = m_base;
}

void ThemeLayerPainter::fillScreenFrom(float top, std::uint32_t colour) {
    const float bottom = static_cast<float>(m_context.height()) + 1.0f;
    // Also false for NaN (a layer of parallax 0): nothing is filled then.
    if (!(top < bottom))
        return;
    top = std::max(top, 0.0f);
    m_context.state() = gr::RenderState();
    m_context.fillRect(colour, 0.0f, top, static_cast<float>(m_context.width()), bottom - top);
}
