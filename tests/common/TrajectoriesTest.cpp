#include "Trajectories.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

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

TEST(TrajectoriesTest, PointsCycleTheTrailSpritesAndPuffsUseTheFourth) {
    Trajectories trajectories;
    // Points recorded before the first shot starts draw with the trail sprites too.
    trajectories.addPoint(0, {7, 0});
    trajectories.startNew();
    for (float x : {1.0f, 2.0f, 3.0f, 4.0f})
        trajectories.addPoint(3, {x, 0});
    trajectories.addPuff(3, {5, 0});
    trajectories.addPoint(4, {6, 0});
    std::vector<std::pair<std::string, float>> marks;
    trajectories.visitMarks([&](const std::string& sprite, Vector2 at) { marks.emplace_back(sprite, at.x); });
    const std::vector<std::pair<std::string, float>> expected = {
        {"TRAIL_WHITE_1", 7}, {"TRAIL_WHITE_1", 1}, {"TRAIL_WHITE_2", 2}, {"TRAIL_WHITE_3", 3},
        {"TRAIL_WHITE_1", 4}, {"BIRD_SPECIAL", 5},  {"TRAIL_WHITE_1", 6}};
    EXPECT_EQ(marks, expected);
}

TEST(TrajectoriesTest, AimingDotsFollowTheFlightAndShrinkTowardThreeSeconds) {
    const struct {
        float phase;
        std::size_t count;
        float firstTime;
    } cases[] = {
        {0.0f, 14, 0.2f},    {0.1f, 15, 0.1f},     {0.2f, 14, 0.2f}, {7.35f, 15, 0.15f},
        {-0.05f, 15, 0.15f}, {0.199f, 15, 0.199f}, {NAN, 14, 0.2f},
    };
    for (const auto& c : cases) {
        AimingInput input;
        input.start = {1.0f, 2.0f};
        input.velocity = {30.0f, -15.0f};
        input.gravityY = 20.0f;
        input.pushY = 7.0f;
        input.maxTranslation = 2.0f;
        input.phase = c.phase;
        const std::vector<AimingDot> dots = aimingDots(input);
        ASSERT_EQ(dots.size(), c.count) << c.phase;
        EXPECT_NEAR(dots.front().shrink, 1.0f - c.firstTime / 3.0f, 1e-4f) << c.phase;
        EXPECT_LT(dots.back().shrink, 0.07f) << c.phase;
        for (std::size_t i = 1; i < dots.size(); ++i)
            EXPECT_NEAR(dots[i - 1].shrink - dots[i].shrink, 0.2f / 3.0f, 1e-4f) << c.phase;
        // The dot lies on the predicted flight (the push added to gravity), between its steps.
        const auto flight = predictFlight(input.start, input.velocity, input.gravityY + input.pushY, 2.0f);
        const float steps = c.firstTime * 30.0f;
        const auto step = static_cast<std::size_t>(steps);
        const float between = steps - std::floor(steps);
        EXPECT_NEAR(dots.front().point.x, flight[step].x + (flight[step + 1].x - flight[step].x) * between, 1e-3f);
        EXPECT_NEAR(dots.front().point.y, flight[step].y + (flight[step + 1].y - flight[step].y) * between, 1e-3f);
    }
    // A launch faster than the world allows is aimed at the clamped speed.
    AimingInput fast;
    fast.velocity = {600.0f, 0.0f};
    fast.maxTranslation = 2.0f;
    fast.phase = 0.1f;
    EXPECT_NEAR(aimingDots(fast).front().point.x, 6.0f, 1e-4f);
}

} // namespace
