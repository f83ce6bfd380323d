#include "Pose.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

TEST(PoseTest, BlendsPositionLinearly) {
    const Pose blended = Pose::blend({0.0f, 10.0f, 0.0f}, {4.0f, 20.0f, 1.0f}, 0.25f);
    EXPECT_FLOAT_EQ(blended.x, 1.0f);
    EXPECT_FLOAT_EQ(blended.y, 12.5f);
    EXPECT_FLOAT_EQ(blended.angle, 0.25f);
}

TEST(PoseTest, AnglesTurnAlongTheShorterArc) {
    // 3.1 and -3.1 are 0.083 apart through π, not 6.2 apart through 0.
    const float halfway = Pose::blend({0, 0, 3.1f}, {0, 0, -3.1f}, 0.5f).angle;
    EXPECT_NEAR(halfway, kPi, 1e-5f);
    const float other = Pose::blend({0, 0, -3.1f}, {0, 0, 3.1f}, 0.5f).angle;
    EXPECT_NEAR(other, kPi, 1e-5f);
    // Less than π apart: straight.
    EXPECT_NEAR(Pose::blend({0, 0, -1.5f}, {0, 0, 1.5f}, 0.5f).angle, 0.0f, 1e-6f);
    // The ends are kept exactly.
    EXPECT_FLOAT_EQ(Pose::blend({0, 0, 3.1f}, {0, 0, -3.1f}, 0.0f).angle, 3.1f);
}

} // namespace
