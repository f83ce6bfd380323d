#pragma once

#include "Canvas.h"

#include <utility>
#include <vector>

namespace art {

/// A point in pixels, y downwards.
using Point = std::pair<float, float>;

/// A disc of `radius` pixels around (cx, cy).
Shape circle(float cx, float cy, float radius);
/// An axis-aligned ellipse with half-axes rx, ry around (cx, cy).
Shape ellipse(float cx, float cy, float rx, float ry);
/// The rectangle from (x0, y0) to (x1, y1) with corners rounded by `radius`.
Shape roundedRect(float x0, float y0, float x1, float y1, float radius);
/// A stroke from `from` to `to` whose half-width changes linearly from `fromRadius` to
/// `toRadius`, with round ends.
Shape taperedStroke(Point from, Point to, float fromRadius, float toRadius);
/// A `length` x `breadth` rectangle around (cx, cy), its length turned `angle` radians from the
/// x axis towards y (clockwise on screen).
Shape turnedRect(float cx, float cy, float length, float breadth, float angle);
/// A five-pointed star around (cx, cy), one point straight up, its points `outerRadius` and the
/// notches between them `innerRadius` from the centre; sharp-cornered (grow it to round them).
Shape star(float cx, float cy, float outerRadius, float innerRadius);
/// The polygon through `corners` (either winding; simple polygons only).
Shape polygon(std::vector<Point> corners);

/// Everything inside either shape.
Shape unite(Shape a, Shape b);
/// Only what is inside both shapes.
Shape intersect(Shape a, Shape b);
/// What is inside `shape` but not inside `cut`.
Shape subtract(Shape shape, Shape cut);
/// `shape` grown by `amount` pixels (shrunk when negative); growing rounds convex corners.
Shape grow(Shape shape, float amount);
/// A band `halfWidth` pixels to either side of `shape`'s edge: rings, arcs and outlines.
Shape outline(Shape shape, float halfWidth);

/// Where the ray from (cx, cy) at `angle` (radians, y downwards) first leaves `shape`, found by
/// stepping along it; (cx, cy) must lie inside the shape.
Point edgePoint(const Shape& shape, float cx, float cy, float angle);

} // namespace art
