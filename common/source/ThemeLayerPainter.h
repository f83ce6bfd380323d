#pragma once

#include "ThemeLayer.h"
#include "renderer/RenderState.h"

namespace gr {
class Context;
}

/// Where the scene's camera is when theme layers are drawn.
struct SceneCamera {
    /// The screen's top-left corner in the scene, pixels.
    float x = 0.0f;
    float y = 0.0f;
    /// Uniform zoom of everything drawn in scene space.
    float worldScale = 1.0f;
    /// Multiplies the positions of placed theme sprites.
    float simulationScale = 1.0f;
};

/// Draws theme layers through the context's render state for one pass. Construction sets the
/// state's translation to the camera; every layer starts from the state as it was then and
/// leaves it so, whatever scale, alpha and rotation it used. Main thread only.
class ThemeLayerPainter {
public:
    /// `context` must outlive the painter.
    ThemeLayerPainter(gr::Context& context, const SceneCamera& camera);

    /// Draws one layer: a colour layer fills the screen (unless its alpha is 0); a particle
    /// layer draws nothing here; a sprite layer draws its sprite scaled by parallax × world
    /// scale (once, or tiled across the screen), then the sprites placed on it.
    void draw(const ThemeLayer& layer);
    /// Fills the screen with `colour` from where `firstForeground` lies on the screen down to
    /// one pixel past its bottom.
    void fillGround(const ThemeLayer& firstForeground, const ThemeColour& colour);

private:
    void drawOwnSprite(const ThemeLayer& layer);
    void drawPlacedSprites(const ThemeLayer& layer);
    /// Fills the screen from `top` (screen pixels) to one pixel past its bottom, ignoring the
    /// render state's transform.
    void fillScreenFrom(float top, std::uint32_t colour);

    gr::Context& m_context;
    SceneCamera m_camera;
    gr::RenderState m_base;
};
