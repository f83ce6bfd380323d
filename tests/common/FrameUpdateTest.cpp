// The frame update: input and screen state, the fixed physics steps on the real world and the
// object mirror.
#include "GameHarness.h"

#include "framework/KeyCodes.h"
#include "io/PathName.h"
#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

using gametest::GameHarness;
using gametest::MaxTranslationGuard;

constexpr const char* kCallbacks = R"(
    steps = 0  removals = 0  clears = 0  updates = 0
    function applyForcesAtPhysicsStep() steps = steps + 1 end
    function removeBlocks() removals = removals + 1 end
    function clearLuaForceFunctions() clears = clears + 1 end
    function update(dt, dt2) updates = updates + 1  lastDt = dt  lastDt2 = dt2 end
    function blockCollision() end  function birdCollision() end)";

class FrameUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        harness.run(kCallbacks);
    }

    GameLua& game() { return *harness.game; }
    GameObject& object(const std::string& name) { return *game().objects().at(name); }
    PhysicsBody& body(const std::string& name) { return object(name).body; }
    lua::LuaTable& table(const std::string& name) { return object(name).table; }

    /// A 1 x 1 box made by the scripts, dynamic unless `density` is 0.
    PhysicsBody& box(const std::string& name, float x, float y, float density = 1.0f) {
        harness.run("createBox('" + name + "', '', " + std::to_string(x) + ", " + std::to_string(y) + ", 1, 1, " +
                    std::to_string(density) + ", 0.5, 0, true, false, 0)");
        return body(name);
    }
    /// Bodies keep the velocities the tests give them.
    void weightless() { game().world().setGravity({0.0f, 0.0f}); }
    int steps() { return static_cast<int>(game().getNumber("steps")); }

    GameHarness harness;
};

TEST_F(FrameUpdateTest, PublishesScreenStateAndCallsUpdateWithDtTwice) {
    harness.context.resize(1024, 768);
    harness.run("g_safeToQuit = true");
    game().update(0.02f);
    EXPECT_EQ(game().getNumber("screenWidth"), 1024.0f);
    EXPECT_EQ(game().getNumber("screenHeight"), 768.0f);
    EXPECT_TRUE(game().isSafeToQuit());
    EXPECT_EQ(game().getNumber("updates"), 1.0f);
    EXPECT_EQ(game().getNumber("lastDt"), 0.02f);
    EXPECT_EQ(game().getNumber("lastDt2"), 0.02f);
    EXPECT_FLOAT_EQ(game().levelClock(), 0.02f);
    harness.run("g_safeToQuit = nil");
    game().update(0.0f);
    EXPECT_FALSE(game().isSafeToQuit());
}

TEST_F(FrameUpdateTest, AMissingCallbackFailsNamingIt) {
    gametest::writeScript("logic.lua", "function updateValues() end");
    game().loadGameLogic(io::PathName("logic.lua"));
    const struct {
        const char* callback;
        std::function<void(GameLua&)> trigger;
    } cases[] = {
        {"update", [](GameLua& game) { game.update(0.0f); }},
        {"applyForcesAtPhysicsStep", [](GameLua& game) { game.update(0.05f); }},
        {"removeBlocks", [](GameLua& game) { game.update(0.05f); }},
        {"clearLuaForceFunctions", [](GameLua& game) { game.update(0.0f); }},
        {"gamePaused", [](GameLua& game) { game.setActive(false); }},
        {"gameResumed", [](GameLua& game) { game.setActive(true); }},
    };
    for (const auto& missing : cases) {
        harness.run(kCallbacks);
        game().setNil(missing.callback);
        try {
            missing.trigger(game());
            ADD_FAILURE() << missing.callback << ": no exception";
        } catch (const lua::LuaException& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string("Error calling \"") + missing.callback + "\": attempt to call a nil value");
        }
    }
    // The interpreter goes on working afterwards.
    harness.run("function update() updates = 100 end");
    game().update(0.0f);
    EXPECT_EQ(game().getNumber("updates"), 100.0f);
}

TEST_F(FrameUpdateTest, HeldLeftButtonIsTouchOne) {
    game().cursorTable().set("x", 12.0f);
    game().cursorTable().set("y", 34.0f);
    game().update(0.0f);
    EXPECT_EQ(game().getNumber("touchcount"), 0.0f);
    EXPECT_EQ(game().getTable("touches").count(), 0);

    harness.app.setKeyDown(framework::kKeyLButton, true);
    game().update(0.0f);
    EXPECT_EQ(game().getNumber("touchcount"), 1.0f);
    const lua::LuaTable touch = game().getTable("touches").getTable("1");
    EXPECT_EQ(touch.getNumber("x"), 12.0f);
    EXPECT_EQ(touch.getNumber("y"), 34.0f);

    // Real touches win over the mouse and are keyed by their identifiers.
    harness.app.touchBegan({7, 5, 6});
    harness.app.touchBegan({9, 8, 9});
    game().update(0.0f);
    EXPECT_EQ(game().getNumber("touchcount"), 2.0f);
    const lua::LuaTable touches = game().getTable("touches");
    EXPECT_TRUE(touches.isNil("1"));
    EXPECT_EQ(touches.getTable("7").getNumber("x"), 5.0f);
    EXPECT_EQ(touches.getTable("9").getNumber("y"), 9.0f);
}

TEST_F(FrameUpdateTest, ZoomLevelFollowsHalfTheWheelZoomWhileItDiffers) {
    harness.run("zoomLevel = 2");
    game().update(0.0f);
    EXPECT_EQ(game().getNumber("zoomLevel"), 2.0f);
    harness.zoom.wheel(1, false);
    harness.zoom.advance(1.0f);
    game().update(0.0f);
    EXPECT_FLOAT_EQ(game().getNumber("zoomLevel"), 2.1f);
    game().update(0.0f);
    EXPECT_FLOAT_EQ(game().getNumber("zoomLevel"), 2.2f);
}

TEST_F(FrameUpdateTest, BodiesMoveExactlyAsBox2DStepsThem) {
    // A tilted box falls onto the ground and tumbles: contacts make the iteration counts matter.
    harness.run("createBox('ground', '', 0, 10, 20, 1, 0, 0.5, 0, true, false, 0)");
    box("falling", 0.0f, 0.0f).setTransform({0.0f, 0.0f}, 0.3f);

    PhysicsWorld reference(GameLua::kDefaultGravity);
    BodyDefinition definition;
    definition.shape.halfExtents = {10.0f, 0.5f};
    definition.position = {0.0f, 10.0f};
    definition.dynamic = false;
    definition.friction = 0.5f;
    reference.createBody(definition);
    definition.shape.halfExtents = {0.5f, 0.5f};
    definition.position = {0.0f, 0.0f};
    definition.dynamic = true;
    definition.density = 1.0f;
    PhysicsBody expected = reference.createBody(definition);
    expected.setTransform({0.0f, 0.0f}, 0.3f);

    Vector2 previous = expected.position();
    int checkedDrawn = 0;
    for (int step = 1; step <= 60; ++step) {
        game().update(GameLua::kStep);
        reference.step(GameLua::kStep, 10, 10);
        reference.clearForces();
        const PhysicsBody& falling = body("falling");
        ASSERT_EQ(falling.position().x, expected.position().x) << step;
        ASSERT_EQ(falling.position().y, expected.position().y) << step;
        ASSERT_EQ(falling.angle(), expected.angle()) << step;
        // Drawing lags one step: a whole step leaves nothing to blend towards the newer pose.
        if (falling.isAwake()) {
            EXPECT_EQ(table("falling").getNumber("x"), previous.x) << step;
            EXPECT_EQ(table("falling").getNumber("y"), previous.y) << step;
            ++checkedDrawn;
        }
        previous = expected.position();
    }
    EXPECT_GT(expected.position().y, 8.5f) << "the box must have landed";
    EXPECT_GT(checkedDrawn, 30);
    EXPECT_EQ(steps(), 60);
}

TEST_F(FrameUpdateTest, AtSixtyFramesASecondTheWorldStepsEverySecondFrame) {
    weightless();
    box("block", 0.0f, 0.0f).setLinearVelocity({3.0f, 0.0f});
    std::vector<int> stepCounts;
    std::vector<float> alphas;
    for (int frame = 0; frame < 6; ++frame) {
        game().update(1.0f / 60.0f);
        stepCounts.push_back(steps());
        alphas.push_back(game().stepAccumulator() / GameLua::kStep);
    }
    EXPECT_EQ(stepCounts, (std::vector<int>{0, 1, 1, 2, 2, 3}));
    for (size_t i = 0; i < alphas.size(); ++i)
        EXPECT_NEAR(alphas[i], i % 2 == 0 ? 0.5f : 0.0f, 0.01f) << i;
    EXPECT_EQ(game().getNumber("removals"), 3.0f);
    EXPECT_EQ(game().getNumber("clears"), 6.0f);
    // Drawn between the last two steps (0.2 and 0.3; each step moves the body 0.1): right
    // after a step at the older one, half way a frame later.
    EXPECT_NEAR(object("block").render.x, 0.2f, 1e-3f);
    game().update(1.0f / 60.0f);
    EXPECT_NEAR(object("block").render.x, 0.25f, 1e-3f);
    EXPECT_NEAR(table("block").getNumber("x"), 0.25f, 1e-3f);
}

TEST_F(FrameUpdateTest, ASlowFrameRecordsItsFirstStepAndSnapshotsTheRest) {
    weightless();
    box("block", 0.0f, 0.0f).setLinearVelocity({31.0f, 0.0f});
    harness.run("flyingBird = objects.world.block");
    game().update(0.02f);
    EXPECT_EQ(steps(), 0);
    // 0.12 seconds pending: three steps. After the first more than two are still pending, so its
    // pose is recorded from the body and never snapshotted.
    game().update(0.1f);
    EXPECT_EQ(steps(), 3);
    const float step = 31.0f * GameLua::kStep;
    const auto& points = game().trajectories().points(0);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_NEAR(points[0].x, step * 20.0f, 1e-3f);
    // Then the frame records from the older snapshot, the second step's pose.
    EXPECT_NEAR(points[1].x, 2.0f * step * 20.0f, 1e-2f);
    const float alpha = game().stepAccumulator() / GameLua::kStep;
    EXPECT_NEAR(alpha, 0.6f, 1e-3f);
    EXPECT_NEAR(object("block").render.x, 2.0f * step * (1.0f - alpha) + 3.0f * step * alpha, 1e-3f);
}

TEST_F(FrameUpdateTest, SleepingBodiesKeepTheirDrawnPoseAndTable) {
    box("block", 5.0f, 5.0f).sleep();
    harness.run("objects.world.block.x = 99");
    for (int i = 0; i < 4; ++i)
        game().update(GameLua::kStep);
    EXPECT_EQ(body("block").position().y, 5.0f);
    EXPECT_EQ(object("block").render.y, 5.0f);
    EXPECT_EQ(table("block").getNumber("x"), 99.0f);
    EXPECT_TRUE(table("block").getBoolean("sleeping"));
    EXPECT_FALSE(game().getBoolean("hasAwakeObjects"));
}

TEST_F(FrameUpdateTest, AnglesInterpolateThroughPi) {
    weightless();
    box("spinner", 0.0f, 0.0f).setTransform({0.0f, 0.0f}, 3.1f);
    game().update(GameLua::kStep);
    body("spinner").setTransform({0.0f, 0.0f}, -3.1f);
    game().update(GameLua::kStep * 1.5f);
    // Half way from 3.1 to -3.1 the short way round.
    EXPECT_NEAR(object("spinner").render.angle, std::numbers::pi_v<float>, 0.01f);
}

TEST_F(FrameUpdateTest, FrozenIsSetBelowTheGroundOrOutsideTheLimitsAndStays) {
    weightless();
    box("low", 0.0f, 21.0f);
    box("left", -11.0f, 0.0f);
    box("inside", 0.0f, 0.0f);
    // Awake but without mass: never frozen.
    box("massless", 0.0f, 30.0f).setType(BodyType::Kinematic);
    harness.run("setLevelLimits(-10, 0, 50, 0)");
    game().update(GameLua::kStep);
    EXPECT_TRUE(table("low").getBoolean("frozen"));
    EXPECT_TRUE(table("left").getBoolean("frozen"));
    EXPECT_TRUE(table("inside").isNil("frozen"));
    EXPECT_TRUE(table("massless").isNil("frozen"));
    // Coming back up does not unfreeze.
    body("low").setTransform({5.0f, 0.0f}, 0.0f);
    for (int i = 0; i < 3; ++i)
        game().update(GameLua::kStep);
    EXPECT_EQ(table("low").getNumber("y"), 0.0f);
    EXPECT_TRUE(table("low").getBoolean("frozen"));
}

TEST_F(FrameUpdateTest, MovingAndAwakeGlobals) {
    struct Case {
        const char* name;
        Vector2 velocity;
        float spin;
        bool jointed;
        int colliderType;
        const char* script;
        bool moving;
        bool aboveTolerance;
    };
    const Case cases[] = {
        {"resting", {0, 0}, 0, false, 0, "", false, false},
        {"creeping", {0.03f, 0}, 0, false, 0, "", false, true},
        {"creeping jointed", {0.03f, 0}, 0, true, 0, "", false, false},
        {"creeping bird", {0.03f, 0}, 0, false, 3, "", false, false},
        {"fast", {3.1f, 0}, 0, false, 0, "", true, true},
        {"fast jointed", {3.1f, 0}, 0, true, 0, "", true, false},
        {"turning back", {0, 0}, -5.0f, false, 0, "", false, false},
        {"turning", {0, 0}, 0.2f, false, 0, "", true, false},
        {"turning jointed", {0, 0}, 0.2f, true, 0, "", false, false},
        {"in a bubble", {0, 0}, 0, false, 0, "objects.world.o.inBubble = true", true, false},
        {"in a bubble of 1", {0, 0}, 0, false, 0, "objects.world.o.inBubble = 1", false, false},
        {"bird with a timer", {0, 0}, 0, false, 3, "objects.world.o.bombTimer = 1", true, false},
        {"other with a timer", {0, 0}, 0, false, 0, "objects.world.o.bombTimer = 1", false, false},
    };
    weightless();
    // Static, so asleep: it never counts itself.
    PhysicsBody anchor = box("anchor", 5.0f, 0.0f, 0.0f);
    for (const Case& c : cases) {
        PhysicsBody& o = box("o", 0.0f, 0.0f);
        object("o").colliderType = c.colliderType;
        o.setLinearVelocity(c.velocity);
        o.setAngularVelocity(c.spin);
        if (c.jointed) {
            JointDefinition weld;
            weld.bodyA = anchor;
            weld.bodyB = o;
            game().world().createJoint(weld);
        }
        harness.run(c.script);
        // No step: the mirror sees the velocities given.
        game().update(0.0f);
        EXPECT_EQ(game().getBoolean("hasMovingObjects"), c.moving) << c.name;
        EXPECT_EQ(game().getBoolean("hasMovingObjectsAboveTolerance"), c.aboveTolerance) << c.name;
        EXPECT_TRUE(game().getBoolean("hasAwakeObjects")) << c.name;
        harness.run("removeObject('o')");
    }
}

TEST_F(FrameUpdateTest, BirdsMirrorTheirVelocityAndBecomeBullets) {
    weightless();
    box("bird", 0.0f, 0.0f).setLinearVelocity({2.0f, -1.0f});
    box("block", 0.0f, 5.0f).setLinearVelocity({2.0f, -1.0f});
    object("bird").colliderType = 3;
    game().update(GameLua::kStep);
    EXPECT_EQ(table("bird").getNumber("xVel"), 2.0f);
    EXPECT_EQ(table("bird").getNumber("yVel"), -1.0f);
    EXPECT_EQ(table("block").getNumber("xVel"), 0.0f);
    EXPECT_FALSE(table("block").getBoolean("sleeping"));
    EXPECT_TRUE(body("bird").isBullet());
    EXPECT_FALSE(body("block").isBullet());
}

TEST_F(FrameUpdateTest, ATrajectoryGainsAPointOnlyAfterTwentyPoints) {
    weightless();
    box("bird", 0.0f, 0.0f).setLinearVelocity({29.0f, 0.0f}); // 19.3 points a step
    harness.run(R"(flyingBird = objects.world.bird  flyingBird.lastTrajectoryX = 0  flyingBird.lastTrajectoryY = 0)");
    // Drawing lags a step behind the body: the first pose away from the start is drawn in the
    // second frame, 19.3 points from it, the next in the third, 38.7 points from it.
    game().update(GameLua::kStep);
    game().update(GameLua::kStep);
    EXPECT_TRUE(game().trajectories().points(0).empty());
    game().update(GameLua::kStep);
    ASSERT_EQ(game().trajectories().points(0).size(), 1u);
    EXPECT_NEAR(table("bird").getNumber("lastTrajectoryX"), 38.67f, 0.01f);
    // A bird that asks not to be recorded is not.
    harness.run("flyingBird.recordTrajectory = false");
    game().update(GameLua::kStep * 3);
    EXPECT_EQ(game().trajectories().points(0).size(), 1u);
}

TEST_F(FrameUpdateTest, OtherBirdsRecordIntoTheFollowingBuffers) {
    weightless();
    box("first", 0.0f, 0.0f).setLinearVelocity({60.0f, 0.0f});
    box("second", 0.0f, 5.0f).setLinearVelocity({0.0f, 60.0f});
    harness.run(R"(flyingBird = objects.world.first  otherBirds = { "second", "ghost" })");
    harness.run("startNewTrajectory()");
    game().update(GameLua::kStep);
    game().update(GameLua::kStep);
    EXPECT_FALSE(game().trajectories().points(3).empty());
    EXPECT_FALSE(game().trajectories().points(4).empty());
    EXPECT_TRUE(game().trajectories().points(5).empty());
}

TEST_F(FrameUpdateTest, PredictedTrajectoryStartsAtTheDrawnPoseUnderTheWorldsGravity) {
    PhysicsBody& bird = box("bird", 2.0f, 3.0f);
    // The body has moved on; drawing still shows it where it was created.
    bird.setTransform({9.0f, 9.0f}, 0.0f);
    bird.setLinearVelocity({30.0f, 0.0f});
    game().world().setGravity({0.0f, 45.0f});
    harness.run("path = getTrajectory('bird')");
    const lua::LuaTable path = game().getTable("path");
    EXPECT_EQ(path.count(), 300);
    EXPECT_EQ(path.getTable(0).getNumber("x"), 2.0f);
    EXPECT_NEAR(path.getTable(1).getNumber("x"), 3.0f, 1e-4f);
    EXPECT_NEAR(path.getTable(1).getNumber("y"), 3.0f + 45.0f / 900.0f, 1e-4f);
}

TEST_F(FrameUpdateTest, DestroyTimersHandTheObjectToTheDeadBlocks) {
    box("loose", 0.0f, 0.0f);
    object("loose").jointDetached = true;
    object("loose").destroyTimer = 0.05f;
    game().update(0.03f);
    EXPECT_TRUE(game().getTable("deadBlocks").isNil("loose"));
    game().update(0.03f);
    const lua::LuaTable dead = game().getTable("deadBlocks").getTable("loose");
    EXPECT_EQ(dead.getNumber("strength"), 0.0f);
    EXPECT_TRUE(dead.isNumber("strength"));
    EXPECT_EQ(table("loose").getNumber("strength"), 0.0f);
    EXPECT_FALSE(object("loose").jointDetached);
}

TEST_F(FrameUpdateTest, DirectionalFrictionBrakesAlongTheFrictionAxis) {
    weightless();
    const float pi = std::numbers::pi_v<float>;
    const struct {
        const char* name;
        float angle;
        Vector2 velocity;
        Vector2 force; // k v, with k = v . d along the turned friction axis
    } cases[] = {
        {"sliding", 0.0f, {-2.0f, 0.0f}, {4.0f, 0.0f}},
        {"away", 0.0f, {2.0f, 0.0f}, {0.0f, 0.0f}},
        // A quarter turn makes x-friction act along -y.
        {"turned", pi / 2.0f, {0.0f, 2.0f}, {0.0f, -4.0f}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        PhysicsBody& b = box(cases[i].name, 0.0f, 3.0f * static_cast<float>(i));
        b.setTransform(b.position(), cases[i].angle);
        b.setLinearVelocity(cases[i].velocity);
        table(cases[i].name).set("frictionXRelative", 1.0f);
    }
    const float mass = body("sliding").mass();
    game().update(GameLua::kStep);
    for (const auto& c : cases) {
        const Vector2 v = body(c.name).linearVelocity();
        EXPECT_NEAR(v.x, c.velocity.x + c.force.x / mass * GameLua::kStep, 1e-5f) << c.name;
        EXPECT_NEAR(v.y, c.velocity.y + c.force.y / mass * GameLua::kStep, 1e-5f) << c.name;
    }
    // A force the scripts add lasts one step only: the world forgets it after the step.
    body("away").applyForceToCenter({mass * 30.0f, 0.0f});
    game().update(GameLua::kStep);
    const float once = body("away").linearVelocity().x;
    game().update(GameLua::kStep);
    EXPECT_NEAR(once, 3.0f, 1e-5f);
    EXPECT_EQ(body("away").linearVelocity().x, once);
}

TEST_F(FrameUpdateTest, PassThroughObjectsTurnAndCountDown) {
    box("portal", 0.0f, 0.0f);
    object("portal").colliderType = 5;
    object("portal").passThroughTime = 0.5f;
    object("portal").passThroughAngle = 6.2f;
    game().update(0.1f);
    EXPECT_NEAR(object("portal").passThroughAngle, std::fmod(6.2f + 0.12f, 2.0f * std::numbers::pi_v<float>), 1e-5f);
    EXPECT_NEAR(object("portal").passThroughTime, 0.4f, 1e-6f);
}

TEST_F(FrameUpdateTest, PhysicsOffSkipsTheStepsButNotUpdate) {
    box("block", 0.0f, 0.0f).setLinearVelocity({3.0f, 0.0f});
    harness.run("setPhysicsEnabled(false)");
    game().update(0.1f);
    EXPECT_EQ(steps(), 0);
    EXPECT_EQ(body("block").position().x, 0.0f);
    EXPECT_EQ(game().getNumber("clears"), 0.0f);
    EXPECT_EQ(game().getNumber("updates"), 1.0f);
    EXPECT_EQ(game().stepAccumulator(), 0.0f);
}

TEST_F(FrameUpdateTest, MaxTranslationLimitsHowFarABodyMovesInOneStep) {
    MaxTranslationGuard restore;
    weightless();
    for (const float limit : {2.0f, 5.0f}) {
        harness.run("setMaxTranslation(" + std::to_string(limit) + ")");
        PhysicsBody& fast = box("fast", 0.0f, 0.0f);
        fast.setLinearVelocity({600.0f, 0.0f});
        game().update(GameLua::kStep);
        EXPECT_NEAR(fast.position().x, limit, 1e-4f) << limit;
        harness.run("removeObject('fast')");
    }
    for (const char* bad : {"0/0", "1/0", "-1/0", "-1"}) {
        const std::string message = harness.failureOf(std::string("setMaxTranslation(") + bad + ")");
        EXPECT_NE(message.find("setMaxTranslation"), std::string::npos) << bad << ": " << message;
        EXPECT_EQ(PhysicsWorld::maxTranslation(), 5.0f) << bad;
    }
}

TEST_F(FrameUpdateTest, ActivationCallsTheScriptsOnceTheGameLogicIsLoaded) {
    harness.run("function gamePaused() state = 'paused' end  function gameResumed() state = 'resumed' end");
    game().setActive(false);
    EXPECT_TRUE(game().isNil("state"));
    gametest::writeScript("logic.lua", "function updateValues() end");
    game().loadGameLogic(io::PathName("logic.lua"));
    game().setActive(false);
    EXPECT_EQ(game().getString("state"), "paused");
    game().setActive(true);
    EXPECT_EQ(game().getString("state"), "resumed");
}

} // namespace
