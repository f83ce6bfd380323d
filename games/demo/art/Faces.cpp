#include "Faces.h"

#include "Paints.h"
#include "Shapes.h"

#include <cmath>

namespace art {

void drawEye(Canvas& canvas, Point centre, float radius, float lookX, float lookY, Colour iris, float lid,
             Colour skin) {
    const auto [cx, cy] = centre;
    canvas.fill(circle(cx, cy, radius), ballPaint({1, 1, 1}, {0.82f, 0.84f, 0.9f}, cx, cy, radius));
    const float px = cx + lookX * radius * 0.35f, py = cy + lookY * radius * 0.35f;
    canvas.fill(circle(px, py, radius * 0.55f), flat(iris));
    canvas.fill(circle(px, py, radius * 0.3f), flat({0.05f, 0.05f, 0.08f}));
    canvas.fill(circle(px - radius * 0.2f, py - radius * 0.25f, radius * 0.16f), flat({1, 1, 1, 0.95f}));
    if (lid <= 0)
        return;
    // The lid covers the eye down to its line and is edged by a dark lash line.
    const float line = cy - radius + 2 * radius * lid;
    const Shape cover = intersect(circle(cx, cy, radius + 0.5f), [=](float, float y) { return y - line; });
    canvas.fill(cover, flat(skin));
    canvas.fill(intersect(circle(cx, cy, radius + 0.5f), [=](float, float y) { return std::abs(y - line) - 0.7f; }),
                flat({0.1f, 0.05f, 0.08f}));
}

} // namespace art
