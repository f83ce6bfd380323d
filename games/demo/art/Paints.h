#pragma once

#include "Canvas.h"

namespace art {

/// One colour everywhere.
Paint flat(Colour colour);
/// Soft shading of a ball of `radius` around (cx, cy) lit from the upper left: `lit` there,
/// `dark` towards the lower right, with a darker rim along the edge.
Paint ballPaint(Colour lit, Colour dark, float cx, float cy, float radius);
/// 1 on a shape's edge, falling to 0 at `depth` pixels inside it: for rims and bevels.
float rim(float distance, float depth);

} // namespace art
