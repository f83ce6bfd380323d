#include "framework/FramePacing.h"
#include "framework/WindowTitle.h"

#include <gtest/gtest.h>

namespace {

namespace pacing = framework::pacing;

TEST(FramePacingTest, DtIsClampedToATenthOfASecond) {
    EXPECT_EQ(pacing::clampDt(0.5f), 0.1f);
    EXPECT_EQ(pacing::clampDt(0.1f), 0.1f);
    EXPECT_EQ(pacing::clampDt(0.016f), 0.016f);
    EXPECT_EQ(pacing::clampDt(0.0f), 0.0f);
    EXPECT_EQ(pacing::clampDt(-0.02f), 0.0f); // a clock that went backwards
}

TEST(FramePacingTest, DtIsTheClockDifferenceInSeconds) {
    EXPECT_FLOAT_EQ(pacing::dtBetween(1000000, 1016667), 0.016667f);
    EXPECT_FLOAT_EQ(pacing::dtBetween(5000000000000, 5000000500000), 0.5f); // large clock values keep precision
    EXPECT_LT(pacing::dtBetween(2000, 1000), 0.0f);
}

TEST(FramePacingTest, FrameBudgetOfACap) {
    EXPECT_EQ(pacing::frameBudgetMicros(30), 33333);
    EXPECT_EQ(pacing::frameBudgetMicros(60), 16666);
    EXPECT_EQ(pacing::frameBudgetMicros(1), 1000000);
    EXPECT_EQ(pacing::frameBudgetMicros(0), 0);
    EXPECT_EQ(pacing::frameBudgetMicros(-5), 0);
}

TEST(FramePacingTest, WaitsInMillisecondSleepsUntilTheBudgetHasPassed) {
    // The frame started at 0; the work took 10 ms; each sleep lasts 1 ms.
    std::int64_t now = 10000;
    const auto clock = [&now] { return now; };
    const auto sleep = [&now] { now += 1000; };
    EXPECT_EQ(pacing::waitForFrameEnd(0, 33333, clock, sleep), 24);
    EXPECT_EQ(now, 34000);
    // Sleeping oversleeps by a little: still measured from the frame's own start.
    now = 20500;
    EXPECT_EQ(pacing::waitForFrameEnd(0, 20000, clock, sleep), 0);
    EXPECT_EQ(pacing::waitForFrameEnd(100, 0, clock, sleep), 0);
}

TEST(WindowTitleTest, NameAndDrawableSize) {
    EXPECT_EQ(framework::windowTitle("Demo", 800, 600), "Demo (800x600)");
    EXPECT_EQ(framework::windowTitle("", 1, 2), " (1x2)");
    EXPECT_EQ(framework::windowTitle("100% %s %d", 3, 4), "100% %s %d (3x4)");
    EXPECT_EQ(framework::windowTitle(std::string(300, 'x'), 5, 6), std::string(300, 'x') + " (5x6)");
}

} // namespace
