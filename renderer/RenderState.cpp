#include "renderer/RenderState.h"

#include <cmath>

namespace gr {

void RenderState::setAngle(float radians) {
    angle = radians;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    rotation[0] = c;
    rotation[1] = s;
    rotation[2] = -s;
    rotation[3] = c;
}

Point RenderState::apply(Point origin, Point local) const {
    const float dx = local.x - pivotX;
    const float dy = local.y - pivotY;
    const float x = origin.x + pivotX + rotation[0] * dx + rotation[2] * dy;
    const float y = origin.y + pivotY + rotation[1] * dx + rotation[3] * dy;
    return {(x + translateX) * scaleX, (y + translateY) * scaleY};
}

} // namespace gr
