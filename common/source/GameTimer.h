#pragma once

#include <cstdint>

/// The game timer the scripts read in whole seconds ("resetTimer", "getGameTimer").
class GameTimer {
public:
    /// Starts counting from `nowMillis` (milliseconds of a monotonic clock).
    void reset(std::int64_t nowMillis) { m_start = nowMillis; }
    /// Whole seconds since the last reset, rounded to the nearest second (half a second up).
    std::int64_t seconds(std::int64_t nowMillis) const { return (nowMillis - m_start + 500) / 1000; }

private:
    std::int64_t m_start = 0;
};
