#pragma once

#include "renderer/RenderState.h"

namespace gr {

/// Where a point of the window lies in a context of the given orientation (0 to 3; any other
/// value counts as 0) whose own size is width × height:
/// 0: (x, y); 1: (y, height - x); 2: (width - x, height - y); 3: (width - y, x).
Point windowToContext(int orientation, float width, float height, Point window);

/// The inverse of `windowToContext`: where a point of the context lies in the window.
Point contextToWindow(int orientation, float width, float height, Point context);

} // namespace gr
