#include "CalendarTime.h"

#include <cmath>
#include <ctime>

CalendarTime CalendarTime::now() {
    const std::time_t clock = std::time(nullptr);
    std::tm local{};
    localtime_r(&clock, &local);
    CalendarTime time;
    time.year = local.tm_year + 1900;
    time.month = local.tm_mon + 1;
    time.day = local.tm_mday;
    time.hour = local.tm_hour;
    time.minutes = local.tm_min;
    time.seconds = local.tm_sec;
    return time;
}

std::int64_t CalendarTime::toEpochSeconds() const {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minutes;
    local.tm_sec = seconds;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

TimeSpan TimeSpan::fromSeconds(double seconds) {
    // Beyond the int64 range the cast would be undefined; no script time span comes near it.
    double magnitude = std::fabs(seconds);
    if (!(magnitude < 9.0e18))
        magnitude = std::isnan(magnitude) ? 0.0 : 9.0e18;
    const auto total = static_cast<std::int64_t>(magnitude);
    TimeSpan span;
    span.days = total / 86400;
    span.hours = static_cast<int>(total / 3600 % 24);
    span.minutes = static_cast<int>(total / 60 % 60);
    span.seconds = static_cast<int>(total % 60);
    return span;
}
