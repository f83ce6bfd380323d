#include "framework/FramePacing.h"

#include <algorithm>

namespace framework::pacing {

float clampDt(float dt) { return std::clamp(dt, 0.0f, kMaxDt); }

float dtBetween(std::int64_t previousMicros, std::int64_t nowMicros) {
    return static_cast<float>(static_cast<double>(nowMicros - previousMicros) * 0.000001);
}

std::int64_t frameBudgetMicros(int framerate) { return framerate > 0 ? 1000000 / framerate : 0; }

int waitForFrameEnd(std::int64_t frameStartMicros, std::int64_t budgetMicros,
                    const std::function<std::int64_t()>& nowMicros, const std::function<void()>& sleepOneMilli) {
    int sleeps = 0;
    while (budgetMicros > 0 && nowMicros() - frameStartMicros < budgetMicros) {
        sleepOneMilli();
        ++sleeps;
    }
    return sleeps;
}

} // namespace framework::pacing
