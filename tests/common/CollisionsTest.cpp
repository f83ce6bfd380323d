// Contacts between game objects, driven by real bodies touching in the physics world.
#include "GameHarness.h"
#include "Impact.h"

#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using gametest::GameHarness;

/// The callbacks the frame update calls, and collision callbacks that record, for both objects
/// under their names in "seen", the kind of call ("block" or "bird") and its two numbers, and
/// remove the objects whose "removeWhenHit" is set.
const char* const kCallbacks = R"(
seen = {}
function applyForcesAtPhysicsStep() end
function removeBlocks() end
function clearLuaForceFunctions() end
function update() end
local function record(kind, a, b, damage, applied)
    seen[a] = {kind = kind, damage = damage, applied = applied}
    seen[b] = seen[a]
    for _, name in ipairs({a, b}) do
        if objects.world[name].removeWhenHit then removeObject(name) end
    end
end
function blockCollision(...) record('block', ...) end
function birdCollision(...) record('bird', ...) end
)";

class CollisionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gametest::writeScript("scripts/blocks.lua", "damageFactors = { heavy = { damageMultiplier = { wood = 2 },"
                                                    " velocityMultiplier = { wood = 0.5 } } }");
        harness.start(paths());
        harness.run(kCallbacks);
        harness.run("function createStartUpAssets() end");
        game().finishStartUp();
        // Without gravity the velocities at the contact are exactly the ones set.
        game().world().setGravity({0.0f, 0.0f});
    }

    static PathsAndFlags paths() {
        PathsAndFlags paths;
        paths.scriptPath = "scripts";
        return paths;
    }

    GameLua& game() { return *harness.game; }
    GameObject& object(const std::string& name) { return *game().objects().at(name); }
    lua::LuaTable& tableOf(const std::string& name) { return object(name).table; }
    /// Runs the assignments `fields` ("a = 1, b = true") in the object's script table.
    void setFields(const std::string& name, const std::string& fields) {
        harness.run("for k, v in pairs({" + fields + "}) do objects.world." + name + "[k] = v end");
    }
    /// The collision call `name` took part in: "kind", "damage", "applied"; an empty table for none.
    lua::LuaTable seen(const std::string& name) {
        const lua::LuaTable all = game().getTable("seen");
        return all.isTable(name) ? all.getTable(name) : lua::LuaTable(*harness.lua);
    }
    bool isDead(const std::string& name) { return !game().getTable("deadBlocks").isNil(name); }

    /// A unit box at (x, 0) of collider type `type`: of mass 1, or static.
    GameObject& box(const std::string& name, float x, int type, bool dynamic = true, bool solid = true) {
        harness.run("createBox('" + name + "', '', " + std::to_string(x) + ", 0, 1, 1, " + (dynamic ? "1" : "0") +
                    ", 0, 0, " + (solid ? "true" : "false") + ", false, 0) setColliderType('" + name + "', " +
                    std::to_string(type) + ")");
        return object(name);
    }
    /// A circle of radius 0.5 at (x, 0) of collider type `type`, a projectile.
    GameObject& circle(const std::string& name, float x, int type) {
        harness.run("createCircle('" + name + "', '', " + std::to_string(x) + ", 0, 0.5, 1, 0, 0, true, 0)");
        harness.run("setColliderType('" + name + "', " + std::to_string(type) + ")");
        return object(name);
    }
    void step() { game().world().step(GameLua::kStep, 10, 10); }

    GameHarness harness;
};

TEST_F(CollisionsTest, TheMatrixGroupsAndSolidityDecideWhoTouches) {
    struct Case {
        const char* what;
        int typeA, typeB, groupA, groupB;
        bool solidB;
        const char* seen;
    };
    const Case cases[] = {
        {"blocks", 0, 0, 0, 0, true, "block"},
        {"the matrix keeps birds off the ground", 1, 2, 0, 0, true, ""},
        {"a shared positive group overrides the matrix", 1, 2, 3, 3, true, "bird"},
        {"a shared negative group never collides", 0, 0, -3, -3, true, ""},
        {"different groups follow the matrix", 0, 0, 3, -3, true, "block"},
        {"a box that is not solid touches no object", 0, 0, 0, 0, false, ""},
    };
    // Each pair far from the others, all stepped at once.
    for (int i = 0; const Case& c : cases) {
        const std::string index = std::to_string(i);
        const float x = 10.0f * static_cast<float>(i++);
        box("a" + index, x, c.typeA).body.setFilterGroup(static_cast<std::int16_t>(c.groupA));
        box("b" + index, x + 0.5f, c.typeB, true, c.solidB).body.setFilterGroup(static_cast<std::int16_t>(c.groupB));
    }
    step();
    for (int i = 0; const Case& c : cases)
        EXPECT_EQ(seen("a" + std::to_string(i++)).getString("kind"), c.seen) << c.what;
}

TEST_F(CollisionsTest, ColliderTypesOutsideTheMatrixAreRefused) {
    box("block", 0.0f, 0);
    for (const char* type : {"-1", "12"})
        EXPECT_EQ(harness.failureOf(std::string("setColliderType('block', ") + type + ")"),
                  std::string("setColliderType: collider type ") + type + " of \"block\" is not between 0 and 11");
    EXPECT_EQ(object("block").colliderType, 0);
}

TEST_F(CollisionsTest, BlocksLoseStrengthUnlessTheGroundSparesThem) {
    // The moving block hits at 30 units per second with mass 1: damage 3.
    struct Case {
        const char* what;
        int struckType;
        const char* fields;
        float strength, applied;
        bool dead;
    };
    const Case cases[] = {
        {"the damage beyond the defence", 0, "strength = 10, defence = 1", 8, 2, false},
        {"destroyed: reports the old strength", 0, "strength = 0.25", -2.75f, 0.25f, true},
        {"the ground spares a block that ignores ground damage", 2, "strength = 10, ignoreGroundDamage = true", 10, 0,
         false},
        {"the ground alone spares nothing", 2, "strength = 10", 7, 3, false},
    };
    for (int i = 0; const Case& c : cases) {
        const std::string index = std::to_string(i);
        const float x = 10.0f * static_cast<float>(i++);
        box("struck" + index, x, c.struckType, c.struckType != 2);
        box("moving" + index, x + 0.5f, 0).body.setLinearVelocity({-30.0f, 0.0f});
        setFields("moving" + index, c.fields);
    }
    step();
    for (int i = 0; const Case& c : cases) {
        const std::string moving = "moving" + std::to_string(i++);
        const lua::LuaTable call = seen(moving);
        EXPECT_EQ(call.getString("kind"), "block") << c.what;
        EXPECT_FLOAT_EQ(call.getNumber("damage"), 3.0f) << c.what;
        EXPECT_FLOAT_EQ(call.getNumber("applied"), c.applied) << c.what;
        EXPECT_FLOAT_EQ(tableOf(moving).getNumber("strength"), c.strength) << c.what;
        EXPECT_EQ(isDead(moving), c.dead) << c.what;
    }
}

TEST_F(CollisionsTest, ABirdBreakingThroughIsSlowedByItsRule) {
    // A bird at 20 units per second strikes a wooden block.
    const Vector2 velocity{20.0f, 0.0f};
    struct Case {
        const char* what;
        const char* birdFields;
        float strength;
        bool defenceIsTheDamage, destroyed, legacy;
        float damageMultiplier, velocityMultiplier;
    };
    const Case cases[] = {
        {"the material's factors, slowed after the step", "damageFactors = 'heavy'", 1.0f, false, true, false, 2, 0.5f},
        {"an unknown factor set counts 1", "damageFactors = 'light'", 1.0f, false, true, false, 1, 1},
        {"the older rule slows at once", "useLegacyCollisionPath = true", 1.55f, false, true, true, 1, 1},
        {"a defence equal to the damage", "", 1.0f, true, false, false, 1, 1},
    };
    for (int i = 0; const Case& c : cases) {
        const std::string index = std::to_string(i);
        const float x = 10.0f * static_cast<float>(i++);
        GameObject& bird = circle("bird" + index, x, 3);
        bird.body.setLinearVelocity(velocity);
        const lua::LuaTable wood = box("wood" + index, x + 0.8f, 0).table;
        wood.set("materialName", "wood");
        wood.set("strength", c.strength);
        if (c.defenceIsTheDamage)
            wood.set("defence", impact::birdOnTarget(bird.body.mass(), velocity, 1.0f));
        setFields("bird" + index, c.birdFields);
    }
    step();
    for (int i = 0; const Case& c : cases) {
        const std::string index = std::to_string(i++);
        GameObject& bird = object("bird" + index);
        const lua::LuaTable call = seen(bird.name);
        const float mass = bird.body.mass();
        const float damage = impact::birdOnTarget(mass, velocity, c.damageMultiplier);
        EXPECT_EQ(call.getString("kind"), "bird") << c.what;
        EXPECT_FLOAT_EQ(call.getNumber("damage"), damage) << c.what;
        EXPECT_EQ(call.getNumber("applied"), c.destroyed ? std::floor(c.strength) : 0.0f) << c.what;
        EXPECT_EQ(isDead("wood" + index), c.destroyed) << c.what;
        if (!c.destroyed) {
            EXPECT_EQ(tableOf("wood" + index).getNumber("strength"), c.strength) << c.what;
        }
        EXPECT_EQ(bird.hasPendingVelocity, c.destroyed && !c.legacy) << c.what;
        // The broken block lets the bird through: the older rule slows it during the step, the
        // other after it; a block that holds stops it.
        const float now = bird.body.linearVelocity().x;
        if (c.legacy) {
            const float factor = impact::legacySlowing(c.strength - damage, mass, damage);
            EXPECT_LT(factor, 1.0f) << c.what;
            EXPECT_FLOAT_EQ(now, velocity.x * factor) << c.what;
        } else if (c.destroyed) {
            EXPECT_FLOAT_EQ(now, velocity.x) << c.what;
            EXPECT_FLOAT_EQ(bird.pendingVelocity.x,
                            velocity.x * impact::slowing(damage, c.strength, c.velocityMultiplier))
                << c.what;
        } else {
            EXPECT_LT(now, velocity.x) << c.what;
        }
    }
}

TEST_F(CollisionsTest, TwoBirdsReportTheFasterOnesMomentum) {
    // The resting bird is the heavier one.
    harness.run("createCircle('slow', '', 0, 0, 1, 1, 0, 0, true, 0) setColliderType('slow', 1)");
    GameObject& fast = circle("fast", 1.4f, 3);
    fast.body.setLinearVelocity({-10.0f, 0.0f});
    step();
    const lua::LuaTable call = seen("fast");
    EXPECT_EQ(call.getString("kind"), "bird");
    // Speed 10 times the mass, over 10.
    EXPECT_FLOAT_EQ(call.getNumber("damage"), fast.body.mass());
    EXPECT_EQ(call.getNumber("applied"), 0.0f);
}

TEST_F(CollisionsTest, GlueWeldsItsPlungerToABirdAfterTheStep) {
    struct Case {
        const char* what;
        int otherType;
        const char* glueFields;
        bool removedByCallback, welded;
    };
    const Case cases[] = {
        {"a bird", 3, "plungerName = 'plunger'", false, true},
        {"a type-6 block", 6, "plungerName = 'plunger'", false, true},
        {"any other block", 0, "plungerName = 'plunger'", false, false},
        {"glue used already", 3, "plungerName = 'plunger', glueActivated = true", false, false},
        {"a plunger that does not exist", 3, "plungerName = 'nothing'", false, false},
        {"a bird the callback removed", 3, "plungerName = 'plunger'", true, false},
    };
    box("plunger", -50.0f, 0, false);
    for (int i = 0; const Case& c : cases) {
        const std::string index = std::to_string(i);
        const float x = 10.0f * static_cast<float>(i++);
        box("glue" + index, x, 10, false);
        box("other" + index, x + 0.5f, c.otherType).table.set("removeWhenHit", c.removedByCallback);
        setFields("glue" + index, c.glueFields);
    }
    game().update(GameLua::kStep);
    EXPECT_EQ(game().world().jointCount(), 2);
    for (int i = 0; const Case& c : cases) {
        const std::string index = std::to_string(i++);
        if (c.removedByCallback) {
            EXPECT_FALSE(game().objects().contains("other" + index)) << c.what;
            continue;
        }
        EXPECT_EQ(tableOf("other" + index).getBoolean("gluedToBlock"), c.welded) << c.what;
        if (c.welded) {
            EXPECT_TRUE(tableOf("glue" + index).getBoolean("glueActivated")) << c.what;
        }
    }
    // Welded pairs are not welded again.
    game().update(GameLua::kStep);
    EXPECT_EQ(game().world().jointCount(), 2);
}

TEST_F(CollisionsTest, ABubbleCapturesOnlyAShotBird) {
    for (const bool shot : {true, false}) {
        const std::string index = std::to_string(shot);
        const float x = shot ? 0.0f : 10.0f;
        box("bubble" + index, x, 11, false);
        circle("bird" + index, x + 0.8f, 3).body.setLinearVelocity({-5.0f, 0.0f});
        tableOf("bubble" + index).set("strength", 1.0f);
        tableOf("bird" + index).set("shot", shot);
    }
    step();
    for (const bool shot : {true, false}) {
        const std::string index = std::to_string(shot);
        const lua::LuaTable bird = tableOf("bird" + index);
        EXPECT_EQ(bird.getBoolean("inBubble"), shot);
        EXPECT_EQ(isDead("bubble" + index), shot);
        EXPECT_EQ(tableOf("bubble" + index).getNumber("strength"), shot ? 0.0f : 1.0f);
        if (shot) {
            EXPECT_EQ(bird.getNumber("bubbleAntiGravityTimer"), 5.0f);
            EXPECT_EQ(bird.getString("bubbleSprite"), "BUBBLE_PARTICLE_6");
            EXPECT_EQ(bird.getNumber("bubbleSpriteScale"), 0.5f);
        }
    }
}

TEST_F(CollisionsTest, NothingCountsWhileEditing) {
    harness.run("setEditing(true)");
    box("struck", 0.0f, 0);
    box("moving", 0.5f, 0).body.setLinearVelocity({-30.0f, 0.0f});
    tableOf("struck").set("strength", 0.5f);
    step();
    EXPECT_EQ(game().getTable("seen").count(), 0);
    EXPECT_EQ(tableOf("struck").getNumber("strength"), 0.5f);
    EXPECT_FALSE(isDead("struck"));
}

TEST_F(CollisionsTest, AFailingCallbackLeavesAfterTheStep) {
    harness.run("function blockCollision() error('broken callback') end");
    box("struck", 0.0f, 0);
    box("moving", 0.5f, 0).body.setLinearVelocity({-30.0f, 0.0f});
    try {
        game().update(GameLua::kStep);
        ADD_FAILURE() << "the script error was lost";
    } catch (const lua::LuaException& error) {
        EXPECT_NE(std::string(error.what()).find("broken callback"), std::string::npos) << error.what();
    }
    // The step finished: the world is usable and the bodies moved apart as a step moves them.
    EXPECT_FALSE(game().world().isStepping());
    EXPECT_EQ(game().world().bodyCount(), 2);
    EXPECT_GT(object("moving").body.position().x - object("struck").body.position().x, 0.5f);
    step();
    game().update(GameLua::kStep);
}

} // namespace
