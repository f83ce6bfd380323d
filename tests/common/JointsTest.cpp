// Joints and links driven from Lua: defaults, anchors, parameters, limits, and their removal.
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using gametest::GameHarness;

class JointsTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        // Two dynamic 2 by 2 boxes at (1, 1) and (4, 5), in a world without gravity.
        harness.run("setWorldGravity(0, 0)\n"
                    "createBox('a', '', 1, 1, 2, 2, 1, 0, 0, true, false, 1)\n"
                    "createBox('b', '', 4, 5, 2, 2, 1, 0, 0, true, false, 1)");
    }
    GameLua& game() { return *harness.game; }
    bool holds(const std::string& condition) {
        harness.run("holds = " + condition);
        return game().getBoolean("holds");
    }
    const PhysicsJoint& lastJoint() { return game().joints().back().joint; }

    GameHarness harness;
};

TEST_F(JointsTest, EveryTypeIsRecordedWithItsDefaultsAndMirrored) {
    const struct {
        const char* name;
        const char* definition;
        const char* defaults;
    } cases[] = {
        {"j1", "type = 1, coordType = -0.5",
         "j.frequency == 4 and j.dampingRatio == 0.5 and j.collideConnected == false and j.coordType == 0"},
        {"j2", "type = 2, coordType = 1.5, x1 = 0.5", "j.collideConnected == false and j.coordType == 2"},
        {"j3", "type = 3, x1 = 0.5",
         "j.motor == false and j.motorSpeed == 0 and j.maxTorque == 10000 and j.limit == false and "
         "j.lowerLimit == 0 and math.abs(j.upperLimit - math.pi) < 1e-6 and j.backAndForth == false"},
        {"j4", "type = 4",
         "j.motor == true and j.maxTorque == 10000 and j.backAndForth == true and j.worldAxisX == 1 and j.worldAxisY "
         "== 0"},
        {"j5", "type = 5",
         "j.destroyTimer == 1 and j.end1 == 'a' and j.end2 == 'b' and j.type == 5 and j.name == 'j5'"},
    };
    for (const auto& c : cases) {
        const std::string name = c.name;
        harness.run("createJoint{end1 = 'a', end2 = 'b', name = '" + name + "', " + c.definition + "}");
        EXPECT_TRUE(holds("(function(j) return " + std::string(c.defaults) + " end)(objects.joints." + name + ")"))
            << name;
    }
    EXPECT_EQ(game().world().jointCount(), 4);
    EXPECT_EQ(game().links().size(), 1u);

    harness.run("function applyForcesAtPhysicsStep() end  function removeBlocks() end\n"
                "function clearLuaForceFunctions() end  function update() end");
    game().update(0.04f);
    // Welds keep the anchors the scripts gave; the others show where their anchors are in the world.
    harness.run("function near(value, expected) return math.abs(value - expected) < 1e-4 end");
    EXPECT_TRUE(
        holds("objects.joints.j2.x1 == 0.5 and near(objects.joints.j3.x1, 1.5) and near(objects.joints.j3.x2, 1.5)"));
    EXPECT_TRUE(holds("near(objects.joints.j1.x1, 1) and near(objects.joints.j1.y2, 5) and objects.joints.j5.x1 == 0"));
}

TEST_F(JointsTest, DistanceJointsArePlacedByCoordType) {
    // End1 turned a quarter turn: world points given directly (coordType 1) ignore its rotation.
    const struct {
        const char* call;
        float length;
        Vector2 anchorA;
    } cases[] = {
        {"createJoint{type = 1, name = 'd', end1 = 'a', end2 = 'b'}", 5.0f, {1, 1}},
        {"createJoint({type = 1, name = 'd', end1 = 'a', end2 = 'b', coordType = 1}, 2, 1, 4, 2)",
         std::sqrt(5.0f),
         {1, 2}},
        {"createJoint{type = 1, name = 'd', end1 = 'a', end2 = 'b', coordType = 2, x1 = 1, y1 = 0, x2 = 0, y2 = -1}",
         std::sqrt(13.0f),
         {1, 2}},
    };
    harness.run("setRotation('a', math.pi / 2)");
    for (const auto& c : cases) {
        harness.run(c.call);
        EXPECT_NEAR(lastJoint().length(), c.length, 1e-5f) << c.call;
        EXPECT_NEAR(lastJoint().anchorA().x, c.anchorA.x, 1e-5f) << c.call;
        EXPECT_NEAR(lastJoint().anchorA().y, c.anchorA.y, 1e-5f) << c.call;
        harness.run("destroyJoint('d')");
    }
}

TEST_F(JointsTest, MotorsTurnBackAtTheLimitTheyRunTowards) {
    const struct {
        float angle;
        float speed;
        float lower;
        bool limit;
        float expected;
    } cases[] = {{2, 1, 0, true, -1},
                 {0.5f, 1, 0, true, 1},
                 {0.5f, -1, 0.6f, true, 1},
                 {0, -1, 0, true, 1},
                 {2, 1, 0, false, 1}};
    for (const auto& c : cases) {
        game().set("angle", c.angle);
        game().set("speed", c.speed);
        game().set("lower", c.lower);
        game().set("limit", c.limit);
        harness.run("setRotation('b', 0)\n"
                    "createJoint{type = 3, name = 'r', end1 = 'a', end2 = 'b', motor = true, motorSpeed = speed,\n"
                    "            limit = limit, lowerLimit = lower, upperLimit = 1}\n"
                    "setRotation('b', angle)  checkJointLimits('r')");
        EXPECT_EQ(lastJoint().motorSpeed(), c.expected) << c.angle << " " << c.speed;
        harness.run("destroyJoint('r')");
    }
}

TEST_F(JointsTest, ParametersKeepTheOtherLimitAndAreWrittenBack) {
    harness.run("createJoint{type = 3, name = 'r', end1 = 'a', end2 = 'b'}\n"
                "setJointParameters{name = 'r', upperLimit = 2, motor = true, motorSpeed = 3}");
    EXPECT_EQ(lastJoint().lowerLimit(), 0.0f);
    EXPECT_EQ(lastJoint().upperLimit(), 2.0f);
    EXPECT_TRUE(lastJoint().isMotorEnabled());
    EXPECT_NE(harness.failureOf("setJointParameters{name = 'r', lowerLimit = 3}")
                  .find("setJointParameters: A joint's lower limit 3"),
              std::string::npos);
    EXPECT_TRUE(holds("objects.joints.r.upperLimit == 2 and objects.joints.r.lowerLimit == 0 and "
                      "objects.joints.r.motor == true and objects.joints.r.motorSpeed == 3"));
    harness.run(
        "createJoint{type = 1, name = 'd', end1 = 'a', end2 = 'b'}  setJointParameters{name = 'd', frequency = 2}");
    EXPECT_TRUE(holds("objects.joints.d.frequency == 2 and objects.joints.d.dampingRatio == 0.5"));
}

TEST_F(JointsTest, RemovingAnEndOrTheJointDropsTheRecords) {
    // Destroying a link leaves its ends alone; removing an end detaches the other one.
    harness.run("createBox('c', '', 9, 9, 2, 2, 1, 0, 0, true, false, 1)\n"
                "createJoint{type = 5, name = 'cb', end1 = 'c', end2 = 'b'}  createJoint{type = 4, name = 'p', end1 = "
                "'c', end2 = 'b'}\n"
                "createJoint{type = 5, name = 'l', end1 = 'a', end2 = 'b', destroyTimer = 2.5}\n"
                "createJoint{type = 3, name = 'r', end1 = 'a', end2 = 'b'}\n"
                "destroyJoint('p')  destroyJoint('cb')  removeObject('a')");
    const GameObject& other = *game().objects().at("b");
    EXPECT_TRUE(other.jointDetached);
    EXPECT_EQ(other.destroyTimer, 2.5f);
    EXPECT_FALSE(game().objects().at("c")->jointDetached);
    EXPECT_TRUE(game().links().empty());
    EXPECT_TRUE(game().joints().empty());
    EXPECT_EQ(game().world().jointCount(), 0);
    EXPECT_TRUE(holds("next(objects.joints) == nil"));
}

TEST_F(JointsTest, BadDefinitionsAreRefusedAndLeaveNothingBehind) {
    harness.run("createJoint{type = 2, name = 'w', end1 = 'a', end2 = 'b'}");
    const struct {
        const char* definition;
        const char* message;
    } cases[] = {
        {"type = 6, name = 'x', end1 = 'a', end2 = 'b'", "createJoint: joint type 6 is not 1 to 5"},
        {"type = 5, name = 'w', end1 = 'a', end2 = 'b'", "createJoint: a joint named \"w\" already exists"},
        {"type = 3, name = 'x', end1 = 'a', end2 = 'c'", "createJoint: no object named \"c\""},
        {"type = 3, name = 'x', end1 = 'a', end2 = 'a'", "createJoint: A joint needs two different bodies"},
        {"type = 3, name = 'x', end1 = 'a', end2 = 'b', lowerLimit = 2, upperLimit = 1",
         "createJoint: A joint's lower limit 2"},
        {"type = 4, name = 'x', end1 = 'a', end2 = 'b', worldAxisX = 0",
         "createJoint: A prismatic joint's axis must not be zero"},
        {"type = 1, name = 'x', end1 = 'a', end2 = 'b', coordType = 2.5", "createJoint: coordType 3 is not 0, 1 or 2"},
    };
    for (const auto& c : cases)
        EXPECT_NE(harness.failureOf(std::string("createJoint{") + c.definition + "}").find(c.message),
                  std::string::npos)
            << c.definition;
    EXPECT_EQ(game().world().jointCount(), 1);
    EXPECT_TRUE(game().links().empty());
    EXPECT_TRUE(holds("objects.joints.x == nil"));
}

} // namespace
