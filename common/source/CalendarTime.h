#pragma once

#include <cstdint>

/// A local calendar time as the scripts see it: "year" (full year), "month" (1 to 12), "day",
/// "hour", "minutes", "seconds".
struct CalendarTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minutes = 0;
    int seconds = 0;

    /// The current local time.
    static CalendarTime now();
    /// The largest magnitude of a field that `toEpochSeconds` takes. Within it every carried-over
    /// time fits the system's calendar arithmetic; callers refuse larger values.
    static constexpr int kFieldLimit = 1000000000;

    /// Seconds since 1 January 1970 of this local time. Whether daylight saving applies is
    /// decided by the system for that date, so differences count the seconds that really
    /// passed. Out-of-range fields carry over (month 13 is January of the next year). Every
    /// field must lie within -kFieldLimit..kFieldLimit.
    std::int64_t toEpochSeconds() const;
};

/// A span of time split for display: whole days, then hours, minutes and seconds within them.
struct TimeSpan {
    std::int64_t days = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    /// The absolute value of `seconds`, truncated to whole seconds, split up.
    static TimeSpan fromSeconds(double seconds);
};
