#pragma once

#include "game/Anchor.h"

namespace game {

/// A point in a box, pixels from the box's top-left corner.
struct AnchorOffset {
    int x = 0;
    int y = 0;
};

/// The point `anchors` choose in a box of `width` × `height` pixels whose pivot is (pivotX,
/// pivotY) from its top-left corner: TOP and LEFT the corner, VCENTER and HCENTER the middle
/// rounded down (size >> 1), BOTTOM and RIGHT the far edge, BASELINE, VPIVOT and HPIVOT the pivot.
AnchorOffset anchorOffset(Anchors anchors, int width, int height, int pivotX, int pivotY);

} // namespace game
