#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

Shape circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape ellipse(float cx, float cy, float rx, float ry) {
    // Distance in the unit circle's space scaled by the shorter half-axis: exact on the axes and
    // close enough near the edge for the coverage.
    return [=](float x, float y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1.0f) * std::min(rx, ry); };
}

Shape roundedRect(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape taperedStroke(Point from, Point to, float fromRadius, float toRadius) {
    const float dx = to.first - from.first, dy = to.second - from.second;
    const float lengthSquared = dx * dx + dy * dy;
    return [=](float x, float y) {
        const float t = std::clamp(((x - from.first) * dx + (y - from.second) * dy) / lengthSquared, 0.0f, 1.0f);
        const float radius = fromRadius + (toRadius - fromRadius) * t;
        return std::hypot(x - from.first - dx * t, y - from.second - dy * t) - radius;
    };
}

Shape polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](float x, float y) {
        // The distance to the nearest side, negative when an upward ray crossing count says inside.
        float nearest = INFINITY;
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const auto [ax, ay] = corners[j];
            const auto [bx, by] = corners[i];
            const float ex = bx - ax, ey = by - ay;
            const float t = std::clamp(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
            nearest = std::min(nearest, std::hypot(x - ax - ex * t, y - ay - ey * t));
            if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey)
                inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

Shape unite(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape grow(Shape shape, float amount) {
    return [shape = std::move(shape), amount](float x, float y) { return shape(x, y) - amount; };
}

} // namespace art
