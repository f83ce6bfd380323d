#pragma once

#include "Canvas.h"
#include "Shapes.h"

namespace art {

/// An eye of `radius` pixels at `centre` looking along (lookX, lookY): white, an `iris`, a dark
/// pupil and a glint. With `lid` above 0 a lid of the body's colour `skin` closes over that part
/// of it from the top (1 is shut), for creatures that are hurt or tired.
void drawEye(Canvas& canvas, Point centre, float radius, float lookX, float lookY, Colour iris, float lid = 0,
             Colour skin = {});

} // namespace art
