#include "ThemeTiling.h"

#include <cmath>

TileRun tileRun(float left, float span, float step, float scroll) {
    if (!(step > 0.0f) || !std::isfinite(left) || !std::isfinite(span) || !std::isfinite(scroll) || span < 0.0f)
        return {};
    float into = std::fmod(left - scroll, step);
    if (into < 0.0f)
        into += step;
    const float first = left - into;
    const double tiles = std::ceil((static_cast<double>(left) + span - first) / step);
    return {first, step, tiles >= kMaxTiles ? kMaxTiles : static_cast<int>(tiles)};
}
