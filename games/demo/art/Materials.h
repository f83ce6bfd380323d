#pragma once

#include "Canvas.h"

namespace art {

/// How a block's material looks. `draw` fills `outline` on `canvas` with the material's surface,
/// sized to the canvas; the cracks of a damaged block are a line of `crack` over a wider line of
/// `crackEdge`.
struct Material {
    const char* name;
    void (*draw)(Canvas& canvas, const Shape& outline);
    Colour crack;
    Colour crackEdge;
};

/// Planks with grain along their length.
extern const Material kWood;
/// Translucent blue-green panes with a white rim and slanted reflections.
extern const Material kGlass;
/// Mottled grey stone with a bevel lit from the top left.
extern const Material kStone;

/// Weathered rock in layers, darker towards the bottom of a picture `height` pixels tall: the
/// island and the rock pieces that never break.
Paint rockPaint(float height);

} // namespace art
