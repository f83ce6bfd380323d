// The damaged states of a block. Cracks run in from the edge across the block's short side (a
// long beam splits across, not along), jagging as they go; broken blocks also lose their corners.
#include "Damage.h"

#include "Noise.h"
#include "Paints.h"
#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr float kTau = 6.2831853f;

// How a damage state cracks a block: how many cracks, how far in they reach (1 is to the middle),
// their half-width where they start, and whether each grows a branch.
struct CrackPattern {
    int count;
    float reach;
    float thickness;
    bool branches;
};

// The corners of a jagged line from `from` along (dx, dy), wandering to the sides as a crack does.
std::vector<Point> crackPath(Point from, float dx, float dy, int seed) {
    constexpr int kSteps = 4;
    const float length = std::hypot(dx, dy);
    const float nx = -dy / length, ny = dx / length;
    std::vector<Point> path{from};
    for (int i = 1; i <= kSteps; ++i) {
        const float t = static_cast<float>(i) / kSteps;
        const float wobble = (hashUnit(i, 0, seed) - 0.5f) * length * 0.4f;
        path.push_back({from.first + dx * t + nx * wobble, from.second + dy * t + ny * wobble});
    }
    return path;
}

// A line through `path`, `thickness` wide at its start and thinning to a hair at its end.
Shape strokeAlong(const std::vector<Point>& path, float thickness) {
    Shape line = taperedStroke(path[0], path[1], thickness, thickness * 0.85f);
    for (size_t i = 2; i < path.size(); ++i) {
        const float t0 = static_cast<float>(i - 1) / (path.size() - 1), t1 = static_cast<float>(i) / (path.size() - 1);
        line =
            unite(line, taperedStroke(path[i - 1], path[i], thickness * (1 - 0.7f * t0), thickness * (1 - 0.7f * t1)));
    }
    return line;
}

Shape cracks(const Shape& outline, float width, float height, const CrackPattern& pattern, int seed) {
    const float cx = width / 2, cy = height / 2;
    Shape lines = [](float, float) { return INFINITY; };
    for (int i = 0; i < pattern.count; ++i) {
        const int crackSeed = deriveSeed(seed, 16, i);
        const auto [sx, sy] = edgePoint(outline, cx, cy, hashUnit(i, 1, seed) * kTau);
        float dx = cx - sx, dy = cy - sy;
        if (width > 1.3f * height)
            dx *= 0.25f;
        else if (height > 1.3f * width)
            dy *= 0.25f;
        const float reach = pattern.reach * (0.8f + 0.4f * hashUnit(i, 2, seed));
        // Starting a little outside the edge, the crack opens right at it.
        const std::vector<Point> path = crackPath({sx - dx * 0.1f, sy - dy * 0.1f}, dx * reach, dy * reach, crackSeed);
        lines = unite(lines, strokeAlong(path, pattern.thickness));
        if (pattern.branches) {
            const float turn = hashUnit(i, 3, seed) < 0.5f ? 0.7f : -0.7f;
            const float bx = (dx * std::cos(turn) - dy * std::sin(turn)) * reach * 0.5f;
            const float by = (dx * std::sin(turn) + dy * std::cos(turn)) * reach * 0.5f;
            lines = unite(
                lines, strokeAlong(crackPath(path[2], bx, by, deriveSeed(crackSeed, 1, 8)), pattern.thickness * 0.7f));
        }
    }
    return lines;
}

// A jagged bite around `centre`, about `radius` pixels across its middle.
Shape chip(Point centre, float radius, int seed) {
    std::vector<Point> corners;
    for (int j = 0; j < 6; ++j) {
        const float angle = (j + 0.4f * hashUnit(j, 4, seed)) * kTau / 6;
        const float reach = radius * (0.55f + 0.6f * hashUnit(j, 5, seed));
        corners.push_back({centre.first + reach * std::cos(angle), centre.second + reach * std::sin(angle)});
    }
    return polygon(std::move(corners));
}

} // namespace

Shape chipped(Shape outline, float width, float height, Damage damage, int seed) {
    if (damage != Damage::Broken)
        return outline;
    const float radius = std::clamp(0.4f * std::min(width, height), 3.5f, 10.0f);
    // Two different corners: a first one, then one of the other three.
    const int first = static_cast<int>(hashUnit(0, 6, seed) * 4) % 4;
    const int second = (first + 1 + static_cast<int>(hashUnit(1, 6, seed) * 3) % 3) % 4;
    Shape result = outline;
    for (const int corner : {first, second}) {
        const float toCorner = std::atan2(corner / 2 == 0 ? -height : height, corner % 2 == 0 ? -width : width) +
                               0.15f - 0.3f * hashUnit(corner, 7, seed);
        result = subtract(
            result, chip(edgePoint(outline, width / 2, height / 2, toCorner), radius, deriveSeed(seed, 1, corner)));
    }
    return result;
}

void drawCracks(Canvas& canvas, const Shape& outline, const Material& material, Damage damage, int seed) {
    if (damage == Damage::Intact)
        return;
    const CrackPattern pattern =
        damage == Damage::Cracked ? CrackPattern{2, 1.0f, 1.0f, false} : CrackPattern{4, 1.3f, 1.3f, true};
    const Shape lines = cracks(outline, canvas.width(), canvas.height(), pattern, seed);
    const Shape inside = grow(outline, -0.5f);
    canvas.fill(intersect(inside, grow(lines, 0.9f)), flat(material.crackEdge));
    canvas.fill(intersect(inside, lines), flat(material.crack));
}

} // namespace art
