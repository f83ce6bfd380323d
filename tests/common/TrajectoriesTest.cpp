#include "Trajectories.h"

#include <gtest/gtest.h>

namespace {

TEST(TrajectoriesTest, NewShotsAlternateBetweenTheTwoSets) {
    Trajectories trajectories;
    EXPECT_EQ(trajectories.current(), 0);
    trajectories.addPoint(0, {1, 1});
    trajectories.addPuff(2, {2, 2});
    trajectories.startNew();
    EXPECT_EQ(trajectories.current(), 3);
    // The previous shot stays.
    EXPECT_EQ(trajectories.points(0).size(), 1u);
    EXPECT_EQ(trajectories.puffs(2).size(), 1u);
    trajectories.addPoint(4, {3, 3});
    trajectories.startNew();
    EXPECT_EQ(trajectories.current(), 0);
    EXPECT_TRUE(trajectories.points(0).empty());
    EXPECT_TRUE(trajectories.puffs(2).empty());
    EXPECT_EQ(trajectories.points(4).size(), 1u);
}

TEST(TrajectoriesTest, BuffersOutsideTheSixAreIgnored) {
    Trajectories trajectories;
    trajectories.addPoint(-1, {1, 1});
    trajectories.addPoint(6, {1, 1});
    trajectories.addPuff(100, {1, 1});
    for (int i = 0; i < Trajectories::kBufferCount; ++i)
        EXPECT_TRUE(trajectories.points(i).empty() && trajectories.puffs(i).empty());
}

TEST(TrajectoriesTest, PredictionFollowsFixedStepsVelocityFirst) {
    const auto points = predictFlight({1.0f, 2.0f}, {30.0f, -15.0f}, 20.0f, 2.0f);
    ASSERT_EQ(points.size(), 300u);
    EXPECT_FLOAT_EQ(points[0].x, 1.0f);
    EXPECT_FLOAT_EQ(points[0].y, 2.0f);
    EXPECT_FLOAT_EQ(points[0].t, 0.0f);
    // Step 1: one step of velocity, then the first step of gravity.
    EXPECT_NEAR(points[1].x, 2.0f, 1e-5f);
    EXPECT_NEAR(points[1].y, 2.0f - 0.5f + 20.0f / 900.0f, 1e-4f);
    EXPECT_NEAR(points[10].y, 2.0f - 5.0f + 20.0f / 900.0f * 55.0f, 1e-3f);
    EXPECT_NEAR(points[299].t, 299.0f / 30.0f, 1e-4f);
}

TEST(TrajectoriesTest, PredictionClampsToTheLargestStep) {
    // 300 units per second would be 10 units a step; the world allows 2.
    const auto points = predictFlight({0, 0}, {300.0f, 0.0f}, 0.0f, 2.0f);
    EXPECT_NEAR(points[1].x, 2.0f, 1e-4f);
    EXPECT_NEAR(points[5].x, 10.0f, 1e-3f);
}

} // namespace
