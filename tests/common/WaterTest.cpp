// The water: the force on one submerged object, and the pass over the world's objects that
// marks them wet or dry, splashes, lifts, lets still ones settle and sinks blocks at the bottom.
#include "GameHarness.h"
#include "WaterForce.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numbers>
#include <string>

namespace {

using gametest::GameHarness;

constexpr float kGravity = 20.0f;
constexpr float kFullDepth = 4.0f;
/// Half the drag coefficient: the drag is this times speed squared times the radius.
constexpr float kDrag = 0.24f;

TEST(WaterForce, LiftDragRightingAndEggGrenadesFollowTheObject) {
    constexpr float kMass = 2.0f;
    constexpr float kWeight = kGravity * kMass;
    constexpr float kPi = std::numbers::pi_v<float>;
    SubmergedObject base;
    base.fullDepth = kFullDepth;
    base.gravityY = kGravity;
    base.mass = kMass;
    base.depth = kFullDepth;
    const auto with = [&](auto change) {
        SubmergedObject object = base;
        change(object);
        return object;
    };
    const struct {
        const char* what;
        SubmergedObject object;
        float forceX;
        float forceY;
        float offsetX;
    } cases[] = {
        {"rising bird at full depth", with([](auto& o) {
             o.bird = true;
             o.velocity = {0, -1};
         }),
         0, -(1.2f + 1.05f) * kWeight, 0},
        {"sinking bird", with([](auto& o) {
             o.bird = true;
             o.velocity = {0, 1};
         }),
         0, -(0.8f + 1.05f) * kWeight, 0},
        {"block at half depth", with([](auto& o) { o.depth = 2; }), 0, -(0.8f * 0.5f + 1.05f) * kWeight, 0},
        {"below full depth lifts as at it", with([](auto& o) { o.depth = 9; }), 0, -(0.8f + 1.05f) * kWeight, 0},
        {"no full depth lifts fully", with([](auto& o) {
             o.fullDepth = 0;
             o.depth = 0.5f;
         }),
         0, -(0.8f + 1.05f) * kWeight, 0},
        {"floatability", with([](auto& o) { o.floatability = 0.5f; }), 0, -(0.8f + 1.05f) * kWeight * 0.5f, 0},
        {"slow: no drag", with([](auto& o) {
             o.velocity = {3, 4};
         }),
         0, -(0.8f + 1.05f) * kWeight, 0},
        {"circle dragged by its radius", with([](auto& o) {
             o.circle = true;
             o.dragRadius = 0.5f;
             o.velocity = {-6, 2};
         }),
         kDrag * 36 * 0.5f, -(0.8f + 1.05f) * kWeight - kDrag * 4 * 0.5f, 0},
        {"block rising fast loses its lift", with([](auto& o) {
             o.velocity = {1, -21};
         }),
         -kDrag, 0, 0},
        {"bird rising fast keeps it", with([](auto& o) {
             o.bird = true;
             o.velocity = {0, -21};
         }),
         0, -(1.2f + 1.05f) * kWeight - kDrag * 21 * 21, 0},
        {"tilted forward", with([](auto& o) { o.angle = 0.5f; }), 0, -(0.8f + 1.05f) * kWeight, 0.07f},
        {"tilted backward", with([](auto& o) { o.angle = -0.5f; }), 0, -(0.8f + 1.05f) * kWeight, 0.07f},
        {"past the side", with([](auto& o) { o.angle = 2.0f; }), 0, -(0.8f + 1.05f) * kWeight, -0.07f},
        {"nearly upright", with([](auto& o) { o.angle = kPi / 20; }), 0, -(0.8f + 1.05f) * kWeight, 0},
        {"nearly upside down", with([](auto& o) { o.angle = -kPi * 0.95f; }), 0, -(0.8f + 1.05f) * kWeight, 0},
        {"tilted circle", with([](auto& o) {
             o.circle = true;
             o.angle = 0.5f;
         }),
         0, -(0.8f + 1.05f) * kWeight, 0},
        {"tilted bird", with([](auto& o) {
             o.bird = true;
             o.angle = 0.5f;
         }),
         0, -(1.2f + 1.05f) * kWeight, 0},
        {"egg grenade drifting", with([](auto& o) {
             o.eggGrenade = true;
             o.velocity = {-1, 1};
         }),
         35, -(0.8f + 1.05f) * kWeight, 0},
        {"egg grenade sinking", with([](auto& o) {
             o.eggGrenade = true;
             o.velocity = {0, 2};
         }),
         35, -(0.8f + 1.05f) * kWeight * 3.5f, 0},
    };
    for (const auto& c : cases) {
        const WaterPush push = waterForce(c.object);
        EXPECT_FLOAT_EQ(push.force.x, c.forceX) << c.what;
        EXPECT_FLOAT_EQ(push.force.y, c.forceY) << c.what;
        EXPECT_FLOAT_EQ(push.offsetX, c.offsetX) << c.what;
    }
    for (const float unset : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()})
        EXPECT_EQ(fullBuoyancyDepth(unset), 0.0f) << unset;
    EXPECT_EQ(fullBuoyancyDepth(3.0f), 3.0f);
}

/// Particles that stay where they are born, so a test can see where a splash was.
constexpr const char* kWaterWorld = R"(
    function applyForcesAtPhysicsStep() end  function removeBlocks() end  function clearLuaForceFunctions() end
    function update() end  function blockCollision() end  function birdCollision() end
    splashes = {}
    function playWaterSplash(bird)
        splashes[#splashes + 1] = bird
        for _, name in ipairs(removedOnSplash or {}) do removeObject(name) end
        removedOnSplash = nil
    end
    local still = { sprites = { 'drop' }, lifeTime = 10, randomizeBirthPosition = false,
                    emitter_box = { minVelX = 0, maxVelX = 0, minVelY = 0, maxVelY = 0 } }
    particleTable = { particles = { waterSplashUp = still, waterSplash = still } }
    waterMaxBuoyancyDepth = 4
    function box(name, x, y, density) createBox(name, '', x, y, 1, 1, density or 1, 0.5, 0, true, false, 0) end)";

class WaterTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        harness.run(kWaterWorld);
    }

    GameLua& game() { return *harness.game; }
    PhysicsBody& body(const std::string& name) { return game().objects().at(name)->body; }
    lua::LuaTable& table(const std::string& name) { return game().objects().at(name)->table; }
    /// Runs frames of one physics step each for `seconds`.
    void runFor(float seconds) {
        for (float t = 0.0f; t < seconds; t += GameLua::kStep)
            game().update(GameLua::kStep);
    }
    int splashCount() { return static_cast<int>(game().getTable("splashes").count()); }
    const std::vector<Particle>& splashParticles() {
        return game().particleSystem().list(ParticleListKind::InGame).particles();
    }

    GameHarness harness;
};

TEST_F(WaterTest, AngularDampingMarksWhatIsInTheWaterOnlyWhileThereIsWater) {
    harness.run(R"(box('dry', 0, -5)  box('asleep', 3, -5)  setSleeping('asleep', true)
                   box('homing', 6, -5)  objects.world.homing.homing = true  box('wet', 9, 2))");
    game().update(GameLua::kStep);
    for (const char* name : {"dry", "asleep", "homing", "wet"})
        EXPECT_EQ(body(name).angularDamping(), 1.0f) << "without water " << name;

    harness.run("objects.waterLevel = 0");
    game().update(GameLua::kStep);
    const struct {
        const char* name;
        float damping;
    } marks[] = {{"dry", 0.0f}, {"asleep", 0.0f}, {"homing", 1.0f}, {"wet", 1.0f}};
    for (const auto& mark : marks) {
        EXPECT_EQ(body(mark.name).angularDamping(), mark.damping) << mark.name;
        EXPECT_FALSE(table(mark.name).getBoolean("waterTimerIsActive")) << mark.name;
    }
    // The water never hands the physics world a force it cannot take.
    harness.run("objects.world.wet.floatability = 1 / 0");
    EXPECT_THAT(testsupport::failureOf([&] { game().update(GameLua::kStep); }),
                ::testing::StartsWith("The water cannot push \"wet\" with the force"));
}

TEST_F(WaterTest, ObjectsSplashInAndOutOnlyAfterTheLevelsFirstTwoSeconds) {
    game().world().setGravity({0.0f, 0.0f});
    harness.run(R"(objects.waterLevel = 5  timeSinceLevelStart = 1
                   box('early', 0, -5.5)  setVelocity('early', 0, 3))");
    runFor(0.5f);
    EXPECT_EQ(body("early").angularDamping(), 0.5f);
    EXPECT_TRUE(table("early").getBoolean("waterTimerIsActive"));
    EXPECT_EQ(splashCount(), 0);
    EXPECT_TRUE(splashParticles().empty());

    // Particles in the game die below y = 0, so this water lies above that. Later, a fast bird splashes big where it
    // enters, at 20 pixels per world unit until the scripts say otherwise, but not when it is first seen in the air;
    // the block leaving fast splashes small.
    harness.run(R"(timeSinceLevelStart = 3
                   createCircle('bird', '', 4, -5.2, 0.5, 1, 0.5, 0, false, 0)  setColliderType('bird', 3)
                   setVelocity('bird', 0, 20)  setPosition('early', 0, -4.9)  setVelocity('early', 0, -6)
                   box('gone1', 8, -5.15)  box('gone2', 10, -5.15)  box('last', 12, -5.15)
                   for _, name in ipairs({'gone1', 'gone2', 'last'}) do setVelocity(name, 0, 3) end)");
    runFor(2.0f * GameLua::kStep);
    ASSERT_EQ(splashCount(), 2);
    EXPECT_TRUE(game().getTable("splashes").getBoolean(1)) << "the bird";
    EXPECT_FALSE(game().getTable("splashes").getBoolean(2)) << "the block leaving";
    EXPECT_EQ(body("early").angularDamping(), 0.0f);
    EXPECT_FALSE(table("early").getBoolean("waterTimerIsActive"));
    const struct {
        const char* particles;
        Vector2 at;
    } splashes[] = {{"waterSplash", {4.0f, -5.2f + 20.0f * GameLua::kStep}}, {"waterSplashUp", {0.0f, -5.1f}}};
    ASSERT_EQ(splashParticles().size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const Particle& particle = splashParticles()[i];
        const auto& splash = splashes[i / 3];
        EXPECT_EQ(particle.definition, game().particleSystem().findDefinition(splash.particles)) << i;
        EXPECT_NEAR(particle.x, splash.at.x * 20.0f, 1e-3f) << i;
        EXPECT_NEAR(particle.y, splash.at.y * 20.0f, 0.2f) << i;
    }

    // The scripts may remove objects while they hear a splash, the one splashing and the next.
    harness.run("physicsToWorld = 10  removedOnSplash = {'gone1', 'gone2'}");
    runFor(0.2f);
    EXPECT_EQ(game().objects().count("gone1") + game().objects().count("gone2"), 0u);
    EXPECT_EQ(splashCount(), 4) << "gone1 and last";
    EXPECT_NEAR(splashParticles().back().x, 12.0f * 10.0f, 1e-3f);
}

TEST_F(WaterTest, AnObjectStillInTheWaterForTwoSecondsFloatsNoMore) {
    // The lift at full depth just carries this box: it hangs in the water, drifting sideways
    // too slowly to count as moving but fast enough to stay awake.
    harness.run(R"(objects.waterLevel = 0  box('still', 0, 6)  objects.world.still.floatability = 1 / 1.85
                   setVelocity('still', 0.2, 0))");
    float elapsed = 0.0f;
    while (table("still").getNumber("timeWithoutMoving") < 2.0f) {
        game().update(GameLua::kStep);
        elapsed += GameLua::kStep;
        ASSERT_NEAR(body("still").linearVelocity().y, 0.0f, 1e-3f) << elapsed;
    }
    EXPECT_NEAR(elapsed, 2.0f, 2.0f * GameLua::kStep);
    // One step falling freely, then the motion counts again and the lift is back.
    game().update(GameLua::kStep);
    const float falling = body("still").linearVelocity().y;
    EXPECT_NEAR(falling, kGravity * GameLua::kStep, 1e-3f);
    game().update(GameLua::kStep);
    EXPECT_EQ(table("still").getNumber("timeWithoutMoving"), 0.0f);
    EXPECT_NEAR(body("still").linearVelocity().y, falling, 1e-3f);
}

TEST_F(WaterTest, BlocksThatComeToRestAtFullDepthSink) {
    // A floor 6 below the surface and a shelf 3 below it; the blocks are too heavy to float.
    harness.run(R"(objects.waterLevel = 0
                   createBox('floor', '', 0, 6.5, 12, 1, 0, 0.5, 0, true, false, 0)  setColliderType('floor', 2)
                   createBox('shelf', '', 20, 3.5, 4, 1, 0, 0.5, 0, true, false, 0)  setColliderType('shelf', 2)
                   createBox('fixed', '', 30, 5, 1, 1, 0, 0.5, 0, true, false, 0)  setColliderType('fixed', 4)
                   for _, b in ipairs({{'deep', 0, 4}, {'deepStone', 3, 0}, {'shallow', 20, 4}}) do
                       box(b[1], b[2], 3)  setColliderType(b[1], b[3])  objects.world[b[1]].floatability = 0.3
                   end
                   box('asleep', 40, 5)  setColliderType('asleep', 4)  setSleeping('asleep', true)
                   for name, t in pairs(objects.world) do t.strength = 100 end)");
    runFor(4.0f);
    const lua::LuaTable dead = game().getTable("deadBlocks");
    // Whether a block comes to rest awake or asleep, and a resting body falls asleep.
    for (const char* sunk : {"deep", "asleep"}) {
        ASSERT_TRUE(dead.isTable(sunk)) << sunk;
        EXPECT_EQ(dead.getTable(sunk).getNumber("strength"), 0.0f) << sunk;
        EXPECT_EQ(table(sunk).getNumber("strength"), 0.0f) << sunk;
    }
    for (const char* survivor : {"deepStone", "shallow", "fixed"}) {
        EXPECT_TRUE(dead.isNil(survivor)) << survivor;
        EXPECT_NE(table(survivor).getNumber("strength"), 0.0f) << survivor;
    }
}

TEST_F(WaterTest, AFloatingBoxSettlesWhereTheLiftEqualsItsWeight) {
    // Lift and weight both grow with the mass, so the density drops out: with floatability f,
    // (0.8 * depth / fullDepth + 1.05) * f = 1 at the resting depth. At f = 1 the lift beats the
    // weight even at the surface: the box would bob there instead. The stillness rule is kept
    // out of this test by the scripts, and linear damping calms the bob.
    constexpr float kFloatability = 0.8f;
    constexpr float kExpectedDepth = kFullDepth * (1.0f / kFloatability - 1.05f) / 0.8f;
    harness.run(R"(objects.waterLevel = 2  box('floater', 0, -3, 3)  setLinearDamping('floater', 3)
                   objects.world.floater.floatability = 0.8
                   function applyForcesAtPhysicsStep() objects.world.floater.timeWithoutMoving = 0 end)");
    runFor(6.0f);
    EXPECT_NEAR(body("floater").position().y + 2.0f, kExpectedDepth, 0.02f);
    EXPECT_NEAR(body("floater").linearVelocity().y, 0.0f, 0.02f);
}

} // namespace
