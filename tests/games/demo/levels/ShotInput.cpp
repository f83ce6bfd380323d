#include "ShotInput.h"

#include "DemoSession.h"

#include <cmath>

namespace demotest {

namespace {

using Kind = framework::ReplayEvent::Kind;

/// Frames the pull takes, and how long the finger holds still before letting go.
constexpr int kDragFrames = 6;
constexpr int kHoldFrames = 2;
/// Where the second press for the ability lands, pixels: the middle of the screen, away from the
/// slingshot.
constexpr int kAbilityX = 400;
constexpr int kAbilityY = 300;

framework::ReplayFrame touch(Kind kind, float x, float y) {
    const framework::TouchPoint point{1, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    return {kFrameDt, {{kind, 0, point, {}}}};
}

} // namespace

std::vector<framework::ReplayFrame> shotFrames(const Shot& shot, float x, float y) {
    // The bird flies away from the pull: screen y grows downwards.
    const float pullX = -shot.pull * std::cos(shot.angle);
    const float pullY = shot.pull * std::sin(shot.angle);
    std::vector<framework::ReplayFrame> frames{touch(Kind::TouchBegan, x, y)};
    for (int step = 1; step <= kDragFrames; ++step) {
        const float done = static_cast<float>(step) / kDragFrames;
        frames.push_back(touch(Kind::TouchMoved, x + pullX * done, y + pullY * done));
    }
    for (int step = 0; step < kHoldFrames; ++step)
        frames.push_back({kFrameDt, {}});
    frames.push_back(touch(Kind::TouchEnded, x + pullX, y + pullY));
    if (shot.ability) {
        const int wait = static_cast<int>(std::lround(*shot.ability / kFrameDt));
        frames.insert(frames.end(), wait, {kFrameDt, {}});
        frames.push_back(touch(Kind::TouchBegan, kAbilityX, kAbilityY));
        frames.push_back(touch(Kind::TouchEnded, kAbilityX, kAbilityY));
    }
    return frames;
}

} // namespace demotest
