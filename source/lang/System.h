#pragma once

#include <cstdint>

namespace lang {

/// Clocks.
class System {
public:
    /// Milliseconds of a monotonic clock with an arbitrary origin; for measuring intervals.
    /// Logs an error and returns 0 if the clock cannot be read.
    static std::int64_t currentTimeMillis();
    /// Microseconds of the same clock. Logs an error and returns 0 if it cannot be read.
    static std::int64_t currentTimeMicros();
    /// Milliseconds since 1 January 1970: the monotonic clock plus an offset to the calendar
    /// taken once, on first use, so later changes of the system time do not make it jump.
    static std::int64_t wallTimeMillis();
};

} // namespace lang
