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

Shape turnedRect(float cx, float cy, float length, float breadth, float angle) {
    const float ux = std::cos(angle) * length / 2, uy = std::sin(angle) * length / 2;
    const float vx = -std::sin(angle) * breadth / 2, vy = std::cos(angle) * breadth / 2;
    return polygon({{cx - ux - vx, cy - uy - vy},
                    {cx + ux - vx, cy + uy - vy},
                    {cx + ux + vx, cy + uy + vy},
                    {cx - ux + vx, cy - uy + vy}});
}

Shape star(float cx, float cy, float outerRadius, float innerRadius) {
    constexpr float kTau = 6.2831853f;
    std::vector<Point> corners;
    for (int i = 0; i < 10; ++i) {
        const float angle = -kTau / 4 + i * kTau / 10, radius = i % 2 == 0 ? outerRadius : innerRadius;
        corners.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
    }
    return polygon(std::move(corners));
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

Shape subtract(Shape shape, Shape cut) {
    return [shape = std::move(shape), cut = std::move(cut)](float x, float y) {
        return std::max(shape(x, y), -cut(x, y));
    };
}

Shape grow(Shape shape, float amount) {
    return [shape = std::move(shape), amount](float x, float y) { return shape(x, y) - amount; };
}

Shape outline(Shape shape, float halfWidth) {
    return [shape = std::move(shape), halfWidth](float x, float y) { return std::abs(shape(x, y)) - halfWidth; };
}

Point edgePoint(const Shape& shape, float cx, float cy, float angle) {
    const float dx = std::cos(angle), dy = std::sin(angle);
    // The distance is exact enough near the edge and never overshoots inside a convex shape, so
    // stepping by it (at least a little) lands on the edge.
    float travelled = 0;
    for (int step = 0; step < 200; ++step) {
        const float distance = shape(cx + dx * travelled, cy + dy * travelled);
        if (distance >= -0.05f)
            break;
        travelled += std::max(-distance, 0.1f);
    }
    return {cx + dx * travelled, cy + dy * travelled};
}

} // namespace art
