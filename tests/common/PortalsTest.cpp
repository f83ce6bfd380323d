// Portals: the passage geometry by hand-computed cases, then objects going through real sensor
// portals in a world without gravity, frame by frame.
#include "GameHarness.h"
#include "PortalGeometry.h"
#include "PortalObjectTeleporter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using gametest::GameHarness;
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kFrame = 1.0f / 60.0f;

TEST(PortalGeometryTest, ExitVelocityTurnsByThePortalsAnglesAndKeepsAtLeastMinSpeedOut) {
    // Portal body angles (the face's direction), the velocity going in, minSpeedOut, the velocity
    // coming out.
    struct Case {
        const char* what;
        float entry, exit;
        Vector2 in;
        float minSpeedOut;
        Vector2 out;
    };
    const Case cases[] = {
        {"180 degrees apart (a tunnel) keeps the velocity", 0.0f, kPi, {-4, 1}, 0, {-4, 1}},
        {"0 degrees apart sends it back out, mirrored", 0.0f, 0.0f, {-4, 1}, 0, {4, 1}},
        {"90 degrees: out of an upward face", 0.0f, -kPi / 2, {-4, 1}, 0, {1, -4}},
        {"90 degrees: out of a downward face", 0.0f, kPi / 2, {-4, 1}, 0, {-1, 4}},
        {"an entry reported at -180 degrees turns as at 180", -kPi, kPi / 2, {4, 1}, 0, {1, 4}},
        {"an entry reported at 180 degrees", kPi, kPi / 2, {4, 1}, 0, {1, 4}},
        {"a fast traveller keeps its speed over minSpeedOut", 0.0f, kPi, {-4, 1}, 2, {-4, 1}},
        {"a slow traveller leaves at exactly minSpeedOut", 0.0f, kPi, {-1, 0}, 3, {-3, 0}},
        {"one at rest leaves straight out of the exit face", 0.0f, kPi, {0, 0}, 2, {-2, 0}},
    };
    for (const Case& c : cases) {
        const Vector2 out =
            portal::exitVelocity(c.in, portal::travelAngle(c.entry), portal::travelAngle(c.exit), c.minSpeedOut);
        EXPECT_NEAR(out.x, c.out.x, 1e-4f) << c.what;
        EXPECT_NEAR(out.y, c.out.y, 1e-4f) << c.what;
    }
    const Vector2 slow = portal::exitVelocity({0.6f, -0.8f}, kPi, 0.5f, 2.5f);
    EXPECT_FLOAT_EQ(std::hypot(slow.x, slow.y), 2.5f);
}

TEST(PortalGeometryTest, ExitPositionKeepsTheDistanceOnTheMirroredSide) {
    struct Case {
        const char* what;
        Vector2 traveller, entry;
        float entryAngle;
        Vector2 exit;
        float exitAngle;
        Vector2 expected;
    };
    const Case cases[] = {
        {"a tunnel keeps the offset below the centre", {1, 0.5f}, {0, 0}, 0, {10, 0}, kPi, {9, 0.5f}},
        {"touching at the centre comes out at the centre", {3, 2}, {3, 2}, 0, {10, 0}, kPi, {10, 0}},
        {"an upward exit face", {1, 0}, {0, 0}, 0, {10, 0}, -kPi / 2, {10, -1}},
    };
    for (const Case& c : cases) {
        const Vector2 at = portal::exitPosition(c.traveller, c.entry, portal::travelAngle(c.entryAngle), c.exit,
                                                portal::travelAngle(c.exitAngle));
        EXPECT_NEAR(at.x, c.expected.x, 1e-4f) << c.what;
        EXPECT_NEAR(at.y, c.expected.y, 1e-4f) << c.what;
    }
}

/// Every portal callback notes "kind:name" in the list "calls"; "removed" also tells whether the
/// object still existed when the scripts heard of it.
const char* const kScripts = R"(
calls = {}
local function note(kind) return function(name) calls[#calls + 1] = kind .. ':' .. name end end
birdTravellingThroughPortal = note('bird')
objectExitingThroughPortal = note('exit')
objectTeleportationAborted = note('abort')
function onObjectRemoved(name)
    calls[#calls + 1] = 'removed:' .. name .. (pcall(getSpeed, name) and ':present' or ':gone')
end
function applyForcesAtPhysicsStep() end
function removeBlocks() end
function clearLuaForceFunctions() end
function update() end
function blockCollision() end
function birdCollision() end
physicsToWorld = 10
particleTable = { particles = {
    spark = { sprites = { 'spark' }, lifeTime = 10, randomizeBirthPosition = false,
              emitter_box = { minVelX = 0, maxVelX = 0, minVelY = 0, maxVelY = 0 } },
} }
-- A static portal 0.5 wide (along the way its face looks) and 4 high at (x, 0), a sensor unless
-- `solid`; `rules` is its "portal" table (nil: an exit only).
function portal(name, x, angle, rules, solid)
    createBox(name, '', x, 0, 0.5, 4, 0, 0, 0, true, false, 0)
    setColliderType(name, 8)
    setRotation(name, angle)
    if not solid then setSensor(name, true) end
    objects.world[name].portal = rules
end
-- Takes every object out of the world and forgets the calls.
function clearWorld()
    local names = {}
    for name in pairs(objects.world) do names[#names + 1] = name end
    for _, name in ipairs(names) do removeObject(name) objects.world[name] = nil end
    calls = {}
end
-- A bouncing ball of radius 0.25 at (x, y) moving at vx.
function ball(name, x, vx, y)
    createCircle(name, '', x, y or 0, 0.25, 1, 0, 1, false, 0)
    setVelocity(name, vx, 0)
end
)";

class PortalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        harness.run(kScripts);
        game().world().setGravity({0.0f, 0.0f});
    }

    GameLua& game() { return *harness.game; }
    GameObject* find(const std::string& name) {
        const auto found = game().objects().find(name);
        return found == game().objects().end() ? nullptr : found->second.get();
    }
    std::vector<std::string> calls() {
        std::vector<std::string> all;
        const lua::LuaTable list = game().getTable("calls");
        for (int i = 1; list.isString(i); ++i)
            all.push_back(list.getString(i));
        return all;
    }
    /// Runs frames until the last call is `call` (true) or `limit` frames have gone by.
    bool runUntil(const std::string& call, int limit) {
        for (int frame = 0; frame < limit; ++frame) {
            game().update(kFrame);
            if (!calls().empty() && calls().back() == call)
                return true;
        }
        return false;
    }
    std::size_t particleCount() { return game().particleSystem().list(ParticleListKind::InGame).particles().size(); }

    GameHarness harness;
};

TEST_F(PortalsTest, TravellersThatDoNotHeadInThroughTheFaceAreNeverMovedAndAbortOnLeaving) {
    struct Case {
        const char* what;
        const char* setup;
    };
    const Case cases[] = {
        {"bounces off a solid face", "portal('a', 0, 0, {target = 'b'}, true) ball('ball', 2, -6)"},
        {"passes through from behind", "portal('a', 0, 0, {target = 'b'}) ball('ball', -2, 6)"},
        {"leaves through the back from beyond the centre line",
         "portal('a', 0, 0, {target = 'b'}) ball('ball', -0.4, -6)"},
    };
    for (const Case& c : cases) {
        harness.run(std::string("clearWorld() portal('b', 20, math.pi) ") + c.setup);
        EXPECT_TRUE(runUntil("abort:ball", 120)) << c.what;
        for (int frame = 0; frame < 30; ++frame)
            game().update(kFrame);
        EXPECT_EQ(calls(), std::vector<std::string>{"abort:ball"}) << c.what;
        EXPECT_LT(std::abs(find("ball")->body.position().x), 5.0f) << c.what;
    }
}

TEST_F(PortalsTest, WithoutDelayTheTravellerIsAtTheExitInTheFrameItGoesIn) {
    harness.run("portal('a', 0, 0, {target = 'b'}) portal('b', 20, math.pi) ball('ball', 2, -6)");
    GameObject& ball = *find("ball");
    int framesTouching = 0;
    while (calls().empty() && framesTouching < 60) {
        if (ball.body.position().x < 0.5f + 0.1f)
            ++framesTouching;
        game().update(kFrame);
    }
    ASSERT_EQ(calls(), std::vector<std::string>{"exit:ball"});
    // Contact begins in a step; the next frame's update moves it.
    EXPECT_LE(framesTouching, 3);
    // Out of the exit's face as far from it as the ball was from the entry when they touched.
    EXPECT_NEAR(ball.body.position().x, 19.5f, 0.25f);
    EXPECT_NEAR(ball.render.x, ball.body.position().x, 1e-5f);
    EXPECT_NEAR(ball.body.linearVelocity().x, -6.0f, 1e-4f);
    EXPECT_TRUE(ball.visible);
    EXPECT_EQ(ball.stateName, "a");
    EXPECT_EQ(ball.stateCount, 1);
}

TEST_F(PortalsTest, ADelayHidesTheTravellerWithItsBodyOutOfTheWorldThenPlaysTheEffects) {
    harness.run(R"(portal('a', 0, 0, {target = 'b', delay = 0.5, effect = {
        {type = 'particle', direction = 'in', particle = 'spark', positionFromPortal = true},
        {type = 'particle', direction = 'out', particle = {'spark'}, count = 2},
        {type = 'sound', direction = 'both', sound = 'whoosh'}}})
        portal('b', 20, math.pi) ball('ball', 2, -6))");
    GameObject& ball = *find("ball");
    int frames = 0;
    while (ball.visible && frames++ < 60)
        game().update(kFrame);
    ASSERT_FALSE(ball.visible);
    EXPECT_FALSE(ball.body.isEnabled());
    EXPECT_NEAR(ball.body.position().x, 19.5f, 0.25f);
    // The entry's effect at the entry portal (scaled by physicsToWorld), none yet of the exit's.
    ASSERT_EQ(particleCount(), 5u);
    EXPECT_FLOAT_EQ(game().particleSystem().list(ParticleListKind::InGame).particles()[0].x, 0.0f);
    EXPECT_TRUE(calls().empty());

    int hidden = 0;
    while (!ball.visible && hidden++ < 60)
        game().update(kFrame);
    EXPECT_NEAR(hidden, 30, 1);
    EXPECT_TRUE(ball.body.isEnabled());
    EXPECT_EQ(calls(), std::vector<std::string>{"exit:ball"});
    ASSERT_EQ(particleCount(), 7u);
    EXPECT_NEAR(game().particleSystem().list(ParticleListKind::InGame).particles()[6].x, 10.0f * ball.body.position().x,
                1e-3f);
}

TEST_F(PortalsTest, AnObjectTrappedBetweenFacingPortalsIsRemovedOnItsEleventhPass) {
    harness.run("portal('a', 0, 0, {target = 'b'}) portal('b', 6, math.pi, {target = 'a'}) ball('ball', 3, -15)");
    ASSERT_TRUE(runUntil("removed:ball:present", 600));
    int exits = 0;
    for (const std::string& call : calls())
        exits += call == "exit:ball";
    EXPECT_EQ(exits, PortalObjectTeleporter::kMaxConsecutivePasses);
    EXPECT_EQ(find("ball"), nullptr);
    game().update(kFrame);
    EXPECT_EQ(calls().back(), "removed:ball:present");
}

TEST_F(PortalsTest, AnObjectSplitOffATravellerInheritsItsPassage) {
    // The traveller rests in the portal's face: its passage waits. The piece, heading in from the
    // face side, is moved to where the traveller would come out, with its own speed.
    harness.run("portal('a', 0, 0, {target = 'b'}) portal('b', 20, math.pi) ball('ball', 0.4, 0)"
                " ball('anchor', 5, 0) createJoint{type = 1, name = 'rope', end1 = 'ball', end2 = 'anchor'}");
    for (int frame = 0; frame < 3; ++frame)
        game().update(kFrame);
    EXPECT_TRUE(game().joints().empty()) << "a traveller's joints are destroyed";
    harness.run(
        "ball('piece', 3, -6, 10) inheritTeleportation('ball', 'piece') inheritTeleportation('anchor', 'ball')");
    game().update(kFrame);
    EXPECT_EQ(calls(), std::vector<std::string>{"exit:piece"});
    // At the traveller's exit (0.4 from the exit portal), less the frame's step at -6.
    EXPECT_NEAR(find("piece")->body.position().x, 19.6f - 6.0f * GameLua::kStep, 1e-3f);
    EXPECT_NEAR(find("piece")->body.position().y, 0.0f, 0.05f);
    EXPECT_NEAR(find("piece")->body.linearVelocity().x, -6.0f, 1e-4f);
    EXPECT_NEAR(find("ball")->body.position().x, 0.4f, 0.01f) << "the traveller still waits";
}

} // namespace
