#pragma once

#include "framework/Replay.h"

#include <optional>
#include <vector>

namespace demotest {

/// One shot as a player makes it: the bird is grabbed in the slingshot and pulled `pull` pixels
/// (at most 80) away from the way it is to fly, `angle` radians above the horizontal, to the
/// right; `ability` seconds after the release a second press sets off its ability, if ever.
struct Shot {
    float angle = 0.0f;
    float pull = 0.0f;
    std::optional<float> ability;
};

/// The frames of `shot`, from grabbing the bird, which sits at screen (x, y) pixels, to the
/// ability's press (or the release without one): press, a drag over a few frames, release.
std::vector<framework::ReplayFrame> shotFrames(const Shot& shot, float x, float y);

} // namespace demotest
