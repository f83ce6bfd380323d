#pragma once

#include "Canvas.h"
#include "Materials.h"

namespace art {

/// The states a breakable block is shown in as it weakens.
enum class Damage { Intact, Cracked, Broken };

/// `outline` (a block filling a `width` x `height` picture) as `damage` leaves it: a broken block
/// has bites chipped out at two of its corners; otherwise the outline as it is. `seed` picks where.
Shape chipped(Shape outline, float width, float height, Damage damage, int seed);

/// Draws the cracks of `damage` on the block of `material` filling `outline` on `canvas`: a cracked
/// block has two thin cracks running in from its edge, a broken one four heavy, branching ones.
/// An intact block draws nothing. `seed` picks where they run.
void drawCracks(Canvas& canvas, const Shape& outline, const Material& material, Damage damage, int seed);

} // namespace art
