#pragma once

#include <string>
#include <vector>

namespace datatool {

/// A width and height in pixels.
struct Size {
    int width = 0;
    int height = 0;
};

/// A top-left corner in pixels.
struct Position {
    int x = 0;
    int y = 0;
};

/// Where packed rectangles went, and the texture size they need.
struct AtlasLayout {
    int width = 0;
    int height = 0;
    /// One per rectangle, in the order given.
    std::vector<Position> positions;
};

/// Places rectangles without overlap into the smallest texture that holds them: a power-of-two
/// square or a 2:1 rectangle (wider rather than taller at equal area), no side over `maxSize`.
/// `padding` pixels separate the rectangles from each other and from the texture's edges.
/// Rectangles go largest first into free space found by the maximal-rectangles method.
/// Raises `lang::Exception` "the WHAT (N) do not fit in MAX x MAX with P pixels of padding" when
/// no size fits; `what` names the things packed ("sprites of FOLDER").
AtlasLayout packRectangles(const std::vector<Size>& sizes, int padding, int maxSize, const std::string& what);

} // namespace datatool
