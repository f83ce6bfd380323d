// The frame update: input and screen state, the fixed physics steps and the object mirror.
#include "FakePhysics.h"
#include "GameHarness.h"

#include "framework/KeyCodes.h"
#include "io/PathName.h"
#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using gametest::FakeBody;
using gametest::FakeWorld;
using gametest::GameHarness;

constexpr const char* kCallbacks = R"(
    steps = 0  removals = 0  clears = 0  updates = 0
    function applyForcesAtPhysicsStep() steps = steps + 1 end
    function removeBlocks() removals = removals + 1 end
    function clearLuaForceFunctions() clears = clears + 1 end
    function update(dt, dt2) updates = updates + 1  lastDt = dt  lastDt2 = dt2 end
    objects.world = {}  deadBlocks = {})";

/// Adds an awake dynamic object at (x, y) whose table is objects.world[name]; its body moves
/// with `world` when there is one.
FakeBody& addObject(GameHarness& harness, FakeWorld* world, const std::string& name, float x, float y,
                    int colliderType = 0) {
    auto object = std::make_unique<GameObject>();
    auto body = std::make_unique<FakeBody>();
    FakeBody& fake = *body;
    fake.pos = {x, y};
    object->name = name;
    object->colliderType = colliderType;
    object->body = std::move(body);
    object->stepPoses[0] = object->stepPoses[1] = object->render = {x, y, 0.0f};
    object->table = lua::LuaTable(*harness.lua);
    object->table.set("name", name);
    harness.game->getTable("objects").getTable("world").set(name, object->table);
    if (world)
        world->bodies.push_back(&fake);
    harness.game->addObject(std::move(object));
    return fake;
}

class FrameUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        harness.run(kCallbacks);
        auto world = std::make_unique<FakeWorld>();
        m_world = world.get();
        game().setWorld(std::move(world));
    }

    GameLua& game() { return *harness.game; }

    FakeBody& add(const std::string& name, float x, float y, int colliderType = 0) {
        return addObject(harness, m_world, name, x, y, colliderType);
    }
    GameObject& object(const std::string& name) { return *game().objects().at(name); }
    lua::LuaTable table(const std::string& name) { return object(name).table; }

    GameHarness harness;
    FakeWorld* m_world = nullptr;
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

TEST_F(FrameUpdateTest, AtSixtyFramesASecondTheWorldStepsEverySecondFrame) {
    FakeBody& body = add("block", 0.0f, 0.0f);
    body.velocity = {3.0f, 0.0f};
    std::vector<int> steps;
    std::vector<float> alphas;
    for (int frame = 0; frame < 6; ++frame) {
        game().update(1.0f / 60.0f);
        steps.push_back(m_world->steps);
        alphas.push_back(game().stepAccumulator() / GameLua::kStep);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 1, 2, 2, 3}));
    for (size_t i = 0; i < alphas.size(); ++i)
        EXPECT_NEAR(alphas[i], i % 2 == 0 ? 0.5f : 0.0f, 0.01f) << i;
    EXPECT_EQ(game().getNumber("steps"), 3.0f);
    EXPECT_EQ(game().getNumber("removals"), 3.0f);
    EXPECT_EQ(game().getNumber("clears"), 6.0f);
    EXPECT_EQ(m_world->lastIterations.x, 10.0f);
    EXPECT_EQ(m_world->lastIterations.y, 10.0f);
    // Drawn between the last two steps (0.2 and 0.3; each step moves the body 0.1): right
    // after a step at the older one, half way a frame later.
    EXPECT_NEAR(object("block").render.x, 0.2f, 1e-3f);
    game().update(1.0f / 60.0f);
    EXPECT_NEAR(object("block").render.x, 0.25f, 1e-3f);
    EXPECT_NEAR(table("block").getNumber("x"), 0.25f, 1e-3f);
}

TEST_F(FrameUpdateTest, ASlowFrameRecordsItsFirstStepAndSnapshotsTheRest) {
    add("block", 0.0f, 0.0f).velocity = {31.0f, 0.0f};
    harness.run(R"(flyingBird = { name = "block" })");
    game().update(0.02f);
    EXPECT_EQ(m_world->steps, 0);
    // 0.12 seconds pending: three steps. After the first more than two are still pending, so its
    // pose is recorded from the body and never snapshotted.
    game().update(0.1f);
    EXPECT_EQ(m_world->steps, 3);
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

TEST_F(FrameUpdateTest, SleepingBodiesKeepTheirDrawnPose) {
    FakeBody& body = add("block", 5.0f, 5.0f);
    body.awake = false;
    body.velocity = {9.0f, 9.0f};
    for (int i = 0; i < 4; ++i)
        game().update(1.0f / 30.0f);
    EXPECT_EQ(object("block").render.x, 5.0f);
    EXPECT_TRUE(table("block").isNil("x"));
    EXPECT_TRUE(table("block").getBoolean("sleeping"));
    EXPECT_FALSE(game().getBoolean("hasAwakeObjects"));
}

TEST_F(FrameUpdateTest, AnglesInterpolateThroughPi) {
    FakeBody& body = add("spinner", 0.0f, 0.0f);
    body.ang = 3.1f;
    game().update(GameLua::kStep);
    body.ang = -3.1f;
    game().update(GameLua::kStep * 1.5f);
    // Half way from 3.1 to -3.1 the short way round.
    EXPECT_NEAR(object("spinner").render.angle, std::numbers::pi_v<float>, 0.01f);
}

TEST_F(FrameUpdateTest, FrozenIsSetBelowTheGroundOrOutsideTheLimitsAndStays) {
    add("low", 0.0f, 21.0f);
    add("left", -11.0f, 0.0f);
    add("inside", 0.0f, 0.0f);
    FakeBody& fixed = add("static", 0.0f, 30.0f);
    fixed.bodyMass = 0.0f;
    fixed.bodyType = BodyType::Static;
    harness.run("setLevelLimits(-10, 0, 50, 0)");
    game().update(GameLua::kStep);
    EXPECT_TRUE(table("low").getBoolean("frozen"));
    EXPECT_TRUE(table("left").getBoolean("frozen"));
    EXPECT_TRUE(table("inside").isNil("frozen"));
    EXPECT_TRUE(table("static").isNil("frozen"));
    // Coming back up does not unfreeze.
    object("low").stepPoses[0] = object("low").stepPoses[1] = {0, 0, 0};
    dynamic_cast<FakeBody&>(*object("low").body).pos = {0, 0};
    game().update(GameLua::kStep);
    EXPECT_LT(table("low").getNumber("y"), 20.0f);
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
        {"turning back", {0, 0}, -5.0f, false, 0, "", false, false},
        {"turning", {0, 0}, 0.2f, false, 0, "", true, false},
        {"turning jointed", {0, 0}, 0.2f, true, 0, "", false, false},
        {"in a bubble", {0, 0}, 0, false, 0, "objects.world.o.inBubble = true", true, false},
        {"bird with a timer", {0, 0}, 0, false, 3, "objects.world.o.bombTimer = 1", true, false},
        {"other with a timer", {0, 0}, 0, false, 0, "objects.world.o.bombTimer = 1", false, false},
    };
    for (const Case& c : cases) {
        GameHarness local;
        local.start();
        local.run(kCallbacks);
        FakeBody& body = addObject(local, nullptr, "o", 0.0f, 0.0f, c.colliderType);
        body.velocity = c.velocity;
        body.spin = c.spin;
        body.jointed = c.jointed;
        local.run(c.script);
        local.game->update(0.01f);
        EXPECT_EQ(local.game->getBoolean("hasMovingObjects"), c.moving) << c.name;
        EXPECT_EQ(local.game->getBoolean("hasMovingObjectsAboveTolerance"), c.aboveTolerance) << c.name;
        EXPECT_TRUE(local.game->getBoolean("hasAwakeObjects")) << c.name;
    }
}

TEST_F(FrameUpdateTest, BirdsAndBubblesMirrorTheirVelocity) {
    add("bird", 0.0f, 0.0f, 3).velocity = {2.0f, -1.0f};
    add("block", 0.0f, 0.0f).velocity = {2.0f, -1.0f};
    game().update(0.01f);
    EXPECT_EQ(table("bird").getNumber("xVel"), 2.0f);
    EXPECT_EQ(table("bird").getNumber("yVel"), -1.0f);
    EXPECT_TRUE(table("block").isNil("xVel"));
    EXPECT_FALSE(table("block").getBoolean("sleeping"));
}

TEST_F(FrameUpdateTest, BirdsBecomeBulletsWhenSnapshotted) {
    FakeBody& bird = add("bird", 0.0f, 0.0f, 3);
    FakeBody& block = add("block", 0.0f, 0.0f, 0);
    game().update(GameLua::kStep);
    EXPECT_TRUE(bird.bullet);
    EXPECT_FALSE(block.bullet);
}

TEST_F(FrameUpdateTest, ATrajectoryGainsAPointOnlyAfterTwentyPoints) {
    FakeBody& bird = add("bird", 0.0f, 0.0f, 3);
    harness.run(R"(flyingBird = objects.world.bird  flyingBird.lastTrajectoryX = 0  flyingBird.lastTrajectoryY = 0)");
    bird.velocity = {29.0f, 0.0f}; // 19.3 points a step
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
    add("first", 0.0f, 0.0f, 3).velocity = {60.0f, 0.0f};
    add("second", 0.0f, 0.0f, 3).velocity = {0.0f, 60.0f};
    harness.run(R"(flyingBird = objects.world.first  otherBirds = { "second", "ghost" })");
    harness.run("startNewTrajectory()");
    game().update(GameLua::kStep);
    game().update(GameLua::kStep);
    EXPECT_FALSE(game().trajectories().points(3).empty());
    EXPECT_FALSE(game().trajectories().points(4).empty());
    EXPECT_TRUE(game().trajectories().points(5).empty());
}

TEST_F(FrameUpdateTest, PredictedTrajectoryStartsAtTheDrawnPose) {
    add("bird", 2.0f, 3.0f, 3).velocity = {30.0f, 0.0f};
    harness.run("path = getTrajectory('bird')");
    const lua::LuaTable path = game().getTable("path");
    EXPECT_EQ(path.count(), 300);
    EXPECT_EQ(path.getTable(0).getNumber("x"), 2.0f);
    EXPECT_NEAR(path.getTable(1).getNumber("x"), 3.0f, 1e-4f);
    EXPECT_NEAR(path.getTable(1).getNumber("y"), 3.0f + 20.0f / 900.0f, 1e-4f);
}

TEST_F(FrameUpdateTest, DestroyTimersHandTheObjectToTheDeadBlocks) {
    add("loose", 0.0f, 0.0f);
    object("loose").jointDetached = true;
    object("loose").destroyTimer = 0.05f;
    game().update(0.03f);
    EXPECT_TRUE(game().getTable("deadBlocks").isNil("loose"));
    game().update(0.03f);
    const lua::LuaTable dead = game().getTable("deadBlocks").getTable("loose");
    EXPECT_EQ(dead.getNumber("strength"), 0.0f);
    EXPECT_TRUE(dead.isNumber("strength"));
    EXPECT_FALSE(object("loose").jointDetached);
}

TEST_F(FrameUpdateTest, DirectionalFrictionBrakesAlongTheFrictionAxis) {
    FakeBody& sliding = add("sliding", 0.0f, 0.0f);
    sliding.velocity = {-2.0f, 0.0f};
    sliding.awake = false;
    FakeBody& away = add("away", 0.0f, 0.0f);
    away.velocity = {2.0f, 0.0f};
    FakeBody& turned = add("turned", 0.0f, 0.0f);
    turned.ang = std::numbers::pi_v<float> / 2.0f;
    turned.velocity = {0.0f, 2.0f};
    FakeBody& fixed = add("fixed", 0.0f, 0.0f);
    fixed.velocity = {-2.0f, 0.0f};
    fixed.bodyType = BodyType::Kinematic;
    harness.run("for _, name in ipairs({'sliding', 'away', 'turned', 'fixed'}) do "
                "objects.world[name].frictionXRelative = 1 end");
    game().update(GameLua::kStep);
    // k = v . d = -2 along the friction axis: the force k v opposes the motion, and wakes.
    EXPECT_TRUE(sliding.awake);
    EXPECT_FLOAT_EQ(sliding.forceAtStep.x, 4.0f);
    EXPECT_FLOAT_EQ(sliding.forceAtStep.y, 0.0f);
    EXPECT_FLOAT_EQ(away.forceAtStep.x, 0.0f);
    // The friction axis turns with the body: a quarter turn makes x-friction act on -y.
    EXPECT_NEAR(turned.forceAtStep.y, -4.0f, 1e-5f);
    EXPECT_FLOAT_EQ(fixed.forceAtStep.x, 0.0f);
    // The world's forces are cleared after each step and once more after the steps.
    EXPECT_EQ(m_world->forceClears, 2);
    EXPECT_FLOAT_EQ(sliding.force.x, 0.0f);
}

TEST_F(FrameUpdateTest, PassThroughObjectsTurnAndCountDown) {
    add("portal", 0.0f, 0.0f, 5);
    object("portal").passThroughTime = 0.5f;
    object("portal").passThroughAngle = 6.2f;
    game().update(0.1f);
    EXPECT_NEAR(object("portal").passThroughAngle, std::fmod(6.2f + 0.12f, 2.0f * std::numbers::pi_v<float>), 1e-5f);
    EXPECT_NEAR(object("portal").passThroughTime, 0.4f, 1e-6f);
}

TEST_F(FrameUpdateTest, PhysicsOffSkipsTheStepsButNotUpdate) {
    add("block", 0.0f, 0.0f).velocity = {3.0f, 0.0f};
    harness.run("setPhysicsEnabled(false)");
    game().update(0.1f);
    EXPECT_EQ(m_world->steps, 0);
    EXPECT_EQ(game().getNumber("clears"), 0.0f);
    EXPECT_EQ(game().getNumber("updates"), 1.0f);
    EXPECT_EQ(game().stepAccumulator(), 0.0f);
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
