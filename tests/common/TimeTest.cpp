#include "CalendarTime.h"
#include "GameTimer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace {

TEST(GameTimerTest, RoundsToTheNearestWholeSecond) {
    GameTimer timer;
    timer.reset(10'000);
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {0, 0}, {499, 0}, {500, 1}, {1499, 1}, {1500, 2}, {59'999, 60}, {3'600'000'000, 3'600'000}};
    for (const auto& [elapsed, seconds] : cases)
        EXPECT_EQ(timer.seconds(10'000 + elapsed), seconds) << elapsed;
}

TEST(CalendarTimeTest, DifferencesCountRealSeconds) {
    const CalendarTime newYear{2024, 1, 1, 0, 0, 0};
    const CalendarTime later{2024, 1, 2, 1, 1, 1};
    EXPECT_EQ(later.toEpochSeconds() - newYear.toEpochSeconds(), 86400 + 3661);
    // Fields out of range carry over as the calendar does.
    EXPECT_EQ((CalendarTime{2023, 13, 1}).toEpochSeconds(), (CalendarTime{2024, 1, 1}).toEpochSeconds());
    // A whole year across any daylight-saving change is still 366 days in 2024.
    EXPECT_EQ((CalendarTime{2025, 1, 1}).toEpochSeconds() - newYear.toEpochSeconds(), 366 * 86400);
}

TEST(CalendarTimeTest, NowIsAPlausibleLocalTime) {
    const CalendarTime now = CalendarTime::now();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_NEAR(static_cast<double>(now.toEpochSeconds()), static_cast<double>(std::time(nullptr)), 2.0);
}

TEST(TimeSpanTest, SplitsTheTruncatedMagnitude) {
    const TimeSpan span = TimeSpan::fromSeconds(-(2 * 86400 + 5 * 3600 + 7 * 60 + 9.9));
    EXPECT_EQ(span.days, 2);
    EXPECT_EQ(span.hours, 5);
    EXPECT_EQ(span.minutes, 7);
    EXPECT_EQ(span.seconds, 9);
    const TimeSpan absurd = TimeSpan::fromSeconds(1e300);
    EXPECT_GT(absurd.days, 0);
    EXPECT_EQ(TimeSpan::fromSeconds(std::nan("")).days, 0);
}

} // namespace
