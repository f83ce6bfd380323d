#include "RectanglePacker.h"

#include "lang/Exception.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

namespace datatool {

namespace {

struct Rectangle {
    int x, y, width, height;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool contains(const Rectangle& other) const {
        return other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom();
    }
    bool overlaps(const Rectangle& other) const {
        return other.x < right() && x < other.right() && other.y < bottom() && y < other.bottom();
    }
};

/// The free space of one texture as the maximal empty rectangles (they may overlap each other).
class MaxRectsBin {
public:
    MaxRectsBin(int width, int height) : m_free{{0, 0, width, height}} {}

    /// Places a rectangle where it leaves the shortest leftover side, or nothing when it fits nowhere.
    std::optional<Position> insert(int width, int height) {
        const Rectangle* best = nullptr;
        int bestShortSide = std::numeric_limits<int>::max();
        int bestLongSide = std::numeric_limits<int>::max();
        for (const Rectangle& space : m_free) {
            if (space.width < width || space.height < height)
                continue;
            const int shortSide = std::min(space.width - width, space.height - height);
            const int longSide = std::max(space.width - width, space.height - height);
            if (shortSide < bestShortSide || (shortSide == bestShortSide && longSide < bestLongSide)) {
                best = &space;
                bestShortSide = shortSide;
                bestLongSide = longSide;
            }
        }
        if (!best)
            return std::nullopt;
        const Rectangle placed{best->x, best->y, width, height};
        occupy(placed);
        return Position{placed.x, placed.y};
    }

private:
    /// Cuts `placed` out of every free rectangle it overlaps, keeping the up to four maximal
    /// pieces around it, then drops pieces that lie inside others.
    void occupy(const Rectangle& placed) {
        std::vector<Rectangle> next;
        for (const Rectangle& space : m_free) {
            if (!space.overlaps(placed)) {
                next.push_back(space);
                continue;
            }
            if (placed.x > space.x)
                next.push_back({space.x, space.y, placed.x - space.x, space.height});
            if (placed.right() < space.right())
                next.push_back({placed.right(), space.y, space.right() - placed.right(), space.height});
            if (placed.y > space.y)
                next.push_back({space.x, space.y, space.width, placed.y - space.y});
            if (placed.bottom() < space.bottom())
                next.push_back({space.x, placed.bottom(), space.width, space.bottom() - placed.bottom()});
        }
        m_free.clear();
        for (std::size_t i = 0; i < next.size(); ++i) {
            bool redundant = false;
            for (std::size_t j = 0; j < next.size() && !redundant; ++j)
                redundant = i != j && next[j].contains(next[i]) && (!next[i].contains(next[j]) || j < i);
            if (!redundant)
                m_free.push_back(next[i]);
        }
    }

    std::vector<Rectangle> m_free;
};

/// The texture sizes to try, smallest area first; at equal area the wider one first.
std::vector<Size> candidateSizes(int maxSize) {
    std::vector<Size> sizes;
    for (long side = 1; side <= maxSize; side *= 2) {
        sizes.push_back({static_cast<int>(side), static_cast<int>(side)});
        if (side * 2 <= maxSize) {
            sizes.push_back({static_cast<int>(side * 2), static_cast<int>(side)});
            sizes.push_back({static_cast<int>(side), static_cast<int>(side * 2)});
        }
    }
    std::stable_sort(sizes.begin(), sizes.end(), [](const Size& a, const Size& b) {
        return static_cast<long>(a.width) * a.height < static_cast<long>(b.width) * b.height;
    });
    return sizes;
}

/// Packs into one texture size, or nothing when the rectangles do not all fit.
std::optional<std::vector<Position>> packInto(const Size& texture, const std::vector<Size>& sizes,
                                              const std::vector<std::size_t>& order, int padding) {
    // Each rectangle claims its padding on the right and below; the texture's own left and top
    // padding is kept out of the bin, so every gap and edge gets at least `padding` pixels.
    MaxRectsBin bin(texture.width - padding, texture.height - padding);
    std::vector<Position> positions(sizes.size());
    for (std::size_t index : order) {
        const auto placed = bin.insert(sizes[index].width + padding, sizes[index].height + padding);
        if (!placed)
            return std::nullopt;
        positions[index] = {placed->x + padding, placed->y + padding};
    }
    return positions;
}

} // namespace

AtlasLayout packRectangles(const std::vector<Size>& sizes, int padding, int maxSize, const std::string& what) {
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int longA = std::max(sizes[a].width, sizes[a].height);
        const int longB = std::max(sizes[b].width, sizes[b].height);
        if (longA != longB)
            return longA > longB;
        return sizes[a].width * sizes[a].height > sizes[b].width * sizes[b].height;
    });
    long area = 0;
    for (const Size& size : sizes)
        area += static_cast<long>(size.width + padding) * (size.height + padding);
    for (const Size& texture : candidateSizes(maxSize)) {
        if (texture.width <= padding || texture.height <= padding ||
            static_cast<long>(texture.width - padding) * (texture.height - padding) < area)
            continue;
        if (auto positions = packInto(texture, sizes, order, padding))
            return {texture.width, texture.height, std::move(*positions)};
    }
    throw lang::Exception(lang::Format("the {0} ({1}) do not fit in {2} x {3} with {4} pixels of padding", what,
                                       std::to_string(sizes.size()), std::to_string(maxSize), std::to_string(maxSize),
                                       std::to_string(padding)));
}

} // namespace datatool
