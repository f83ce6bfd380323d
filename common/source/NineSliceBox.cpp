#include "NineSliceBox.h"

#include "game/Resources.h"
#include "renderer/Context.h"

#include <algorithm>
#include <array>

namespace {

constexpr game::Anchors kTopLeft{game::VerticalAnchor::Top, game::HorizontalAnchor::Left};

/// One column or row of the box: where it starts and how far it reaches.
struct Band {
    float start = 0.0f;
    float size = 0.0f;
};

float widthOf(const game::Sprite* sprite) { return sprite ? static_cast<float>(sprite->width()) : 0.0f; }
float heightOf(const game::Sprite* sprite) { return sprite ? static_cast<float>(sprite->height()) : 0.0f; }

/// The three bands across `length` from `start` whose outer two are `first` and `last` long.
std::array<Band, 3> bands(float start, float length, float first, float last) {
    const float middle = std::max(length - first - last, 0.0f);
    return {{{start, first}, {start + first, middle}, {start + length - last, last}}};
}

} // namespace

void drawNineSliceBox(gr::Context& context, const game::Resources& resources, const NineSlicePieces& pieces,
                      const BoxRect& box, std::optional<std::uint32_t> fill) {
    const auto find = [&](const std::string& name) { return name.empty() ? nullptr : resources.findSprite(name); };
    const std::array<std::array<const game::Sprite*, 3>, 3> grid = {{
        {find(pieces.topLeft), find(pieces.topMiddle), find(pieces.topRight)},
        {find(pieces.left), find(pieces.center), find(pieces.right)},
        {find(pieces.bottomLeft), find(pieces.bottomMiddle), find(pieces.bottomRight)},
    }};
    const auto widest = [&](int column) {
        return std::max({widthOf(grid[0][column]), widthOf(grid[1][column]), widthOf(grid[2][column])});
    };
    const auto highest = [&](int row) {
        return std::max({heightOf(grid[row][0]), heightOf(grid[row][1]), heightOf(grid[row][2])});
    };
    const std::array<Band, 3> columns = bands(box.left, box.width, widest(0), widest(2));
    const std::array<Band, 3> rows = bands(box.top, box.height, highest(0), highest(2));

    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const game::Sprite* piece = grid[row][column];
            if (!piece)
                continue;
            // The middle column and row stretch; the others keep the piece's own size.
            const float width = column == 1 ? columns[1].size : widthOf(piece);
            const float height = row == 1 ? rows[1].size : heightOf(piece);
            if (width > 0.0f && height > 0.0f)
                piece->drawScaled(context, columns[column].start, rows[row].start, width, height, kTopLeft);
        }
    }
    if (!grid[1][1] && fill && columns[1].size > 0.0f && rows[1].size > 0.0f)
        context.fillRect(*fill, columns[1].start, rows[1].start, columns[1].size, rows[1].size);
}
