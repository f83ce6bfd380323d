#pragma once

#include <cstdint>
#include <functional>

/// Frame timing arithmetic of the main loop.
namespace framework::pacing {

/// The longest frame time passed to the application, seconds.
inline constexpr float kMaxDt = 0.1f;

/// `dt` limited to 0 to 0.1 seconds: a clock that went backwards gives 0, a long stall 0.1.
float clampDt(float dt);

/// Seconds between two microsecond clock readings, as the frame's dt.
float dtBetween(std::int64_t previousMicros, std::int64_t nowMicros);

/// The shortest frame under a cap of `framerate` frames per second, in microseconds
/// (1000000 / framerate, rounded down); 0 (no wait) when `framerate` is 0 or less.
std::int64_t frameBudgetMicros(int framerate);

/// Waits until `budgetMicros` have passed since `frameStartMicros`, reading `nowMicros` and
/// calling `sleepOneMilli` while they have not. Returns the number of sleeps.
int waitForFrameEnd(std::int64_t frameStartMicros, std::int64_t budgetMicros,
                    const std::function<std::int64_t()>& nowMicros, const std::function<void()>& sleepOneMilli);

} // namespace framework::pacing
