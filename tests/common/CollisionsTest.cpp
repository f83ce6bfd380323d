// Contacts between game objects, driven by real bodies touching in the physics world.
#include "GameHarness.h"
#include "Impact.h"

#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gametest::GameHarness;

/// The callbacks the frame update calls, and collision callbacks that record for both objects
/// the kind of the call ("block" or "bird") in "seen", and the latest call's arguments in "last".
const char* const kCallbacks = R"(
seen = {}
function applyForcesAtPhysicsStep() end
function removeBlocks() end
function clearLuaForceFunctions() end
function update() end
local function record(kind, a, b, damage, applied)
    seen[a] = kind
    seen[b] = kind
    last = {a = a, b = b, damage = damage, applied = applied}
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
    lua::LuaTable worldTable() { return game().getTable("objects").getTable("world"); }
    lua::LuaTable tableOf(const std::string& name) { return worldTable().getTable(name); }
    /// The kind of collision call `name` took part in; empty for none.
    std::string seen(const std::string& name) { return game().getTable("seen").getString(name); }
    lua::LuaTable last() { return game().getTable("last"); }
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
        harness.run("createCircle('" + name + "', '', " + std::to_string(x) +
                    ", 0, 0.5, 1, 0, 0, true, 0)"
                    " setColliderType('" +
                    name + "', " + std::to_string(type) + ")");
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
        EXPECT_EQ(seen("a" + std::to_string(i++)), c.seen) << c.what;
}

} // namespace
