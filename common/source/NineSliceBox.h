#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace game {
class Resources;
}
namespace gr {
class Context;
}

/// The sprite names of a nine-slice box's pieces, row by row; empty for a piece it lacks.
struct NineSlicePieces {
    std::string topLeft, topMiddle, topRight;
    std::string left, center, right;
    std::string bottomLeft, bottomMiddle, bottomRight;
};

/// A rectangle in pixels by its top-left corner and size.
struct BoxRect {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

/// Draws a nine-slice box filling `box` through the context's render state. The left column is
/// as wide as its widest piece, the right column likewise, the top and bottom rows as high as
/// their highest pieces; the middle column and row take what is left of the box (none when the
/// box is smaller than its borders). Corners are drawn at their own size, edges stretched along
/// the box, the centre stretched from "center" or, without one, filled with `fill` (0xAARRGGBB)
/// when given. Pieces that are not loaded plain sprites are left out.
void drawNineSliceBox(gr::Context& context, const game::Resources& resources, const NineSlicePieces& pieces,
                      const BoxRect& box, std::optional<std::uint32_t> fill);
