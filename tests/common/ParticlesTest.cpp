#include "GameHarness.h"
#include "ParticleEmitter.h"
#include "ParticleList.h"
#include "RecordingContext.h"
#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Kind = ParticleListKind;

// Still particles born exactly where they are emitted: "still" lives 10 s; "spark" shows the
// 8 x 8 sprite "spark" (pivot 4, 4) at scale 1.5; "flip" plays four sprites twice.
constexpr const char* kParticleTable = R"(particleTable = { particles = {
    still = { sprites = { 'spark' }, lifeTime = 10, randomizeBirthPosition = false,
              minScaleBegin = 1, maxScaleBegin = 1, minScaleEnd = 1, maxScaleEnd = 1,
              emitter_box = { minVelX = 0, maxVelX = 0, minVelY = 0, maxVelY = 0 } },
    spark = { sprites = { 'spark' }, lifeTime = 10, randomizeBirthPosition = false,
              minScaleBegin = 1.5, maxScaleBegin = 1.5, minScaleEnd = 1.5, maxScaleEnd = 1.5,
              emitter_box = { minVelX = 0, maxVelX = 0, minVelY = 0, maxVelY = 0 } },
    flip = { sprites = { 'a', 'b', 'c', 'd' }, lifeTime = 1, animation = 'lifeTime', animationLoop = 2,
             emitter_circle = { minVel = 0, maxVel = 0 } },
} })";

class ParticlesTest : public ::testing::Test {
protected:
    void SetUp() override {
        PathsAndFlags paths;
        paths.scriptPath = "scripts";
        harness.start(paths);
        harness.run(kParticleTable);
    }
    ParticleSystem& particles() { return harness.game->particleSystem(); }
    std::size_t count(Kind kind) { return particles().list(kind).size(); }

    gametest::GameHarness harness;
};

TEST_F(ParticlesTest, EmissionsAreCutBySoftThenHardLimitUnlessForced) {
    const struct {
        int softLimit;
        float softFactor;
        int hardLimit, live, requested;
        bool ignoreLimits;
        std::size_t expected;
    } cases[] = {
        {1000, 0.5f, 100, 95, 10, false, 100}, // the hard limit leaves room for 5
        {40, 0.5f, 125, 30, 20, false, 40},    // past the soft limit: half
        {40, 0.5f, 125, 30, 10, false, 40},    // reaching the soft limit is no cut
        {40, 0.5f, 98, 95, 10, false, 98},     // halved to 5, then 3 by the hard limit
        {1000, 0.5f, 100, 120, 5, false, 120}, // already beyond: nothing, nothing removed
        {1000, 0.5f, 100, 10, -3, false, 10},  {10, 0.5f, 10, 10, 7, true, 17}, // forced
    };
    for (const auto& c : cases) {
        particles().clearAll();
        harness.run("particles:setSoftLimit(" + std::to_string(c.softLimit) + ", " + std::to_string(c.softFactor) +
                    ")\nparticles.setHardLimit(" + std::to_string(c.hardLimit) + ")\n" +
                    "particles.addParticles('still', " + std::to_string(c.live) + ", 0, -10, 0, 0, 0, true)\n" +
                    "particles:addParticles('still', " + std::to_string(c.requested) + ", 0, -10, 0, 0, 0, " +
                    (c.ignoreLimits ? "true" : "false") + ")");
        EXPECT_EQ(count(Kind::InGame), c.expected) << c.live << " + " << c.requested;
    }
    // A level starts over with the limits 40, 0.5 and 125.
    harness.run("particles.addLevelParticles('still', 3, 0, -10, 0, 0, 1, true)\n"
                "particles.addParticles('still', 3, 0, 10, 0, 0, 0, true, true)\n"
                "loadLevel('/levels/none', '')\nparticles.addParticles('still', 300, 0, -10)");
    EXPECT_EQ(count(Kind::InGame), 125u);
    EXPECT_EQ(count(Kind::Level) + count(Kind::Menu), 0u);
    EXPECT_EQ(harness.failureOf("particles.addParticles('smoke', 1, 0, 0)"),
              "There is no particle definition \"smoke\" in particleTable.particles");
}

TEST_F(ParticlesTest, AnimatedParticlesPlayTheirSpritesAnimationLoopTimesOverTheirLife) {
    for (const int loops : {1, 2, 3}) {
        particles().clearAll();
        harness.run("particleTable.particles.flip.animationLoop = " + std::to_string(loops) +
                    "\nparticleTable.particles.flip.alwaysLoad = true\n"
                    "particles.addParticles('flip', 1, 0, 50, 0, 0, 0, true, true)");
        std::vector<int> shown{particles().list(Kind::Menu).particles().at(0).sprite};
        while (count(Kind::Menu) == 1) {
            const int sprite = particles().list(Kind::Menu).particles()[0].sprite;
            if (sprite != shown.back())
                shown.push_back(sprite);
            particles().update(Kind::Menu, 0.01f);
        }
        std::vector<int> expected;
        for (int loop = 0; loop < loops; ++loop)
            expected.insert(expected.end(), {0, 1, 2, 3});
        EXPECT_EQ(shown, expected) << loops << " loops";
    }
}

TEST_F(ParticlesTest, OnlyWorldParticlesDieBelowTheGroundLineAndAllDieOfAge) {
    const struct {
        const char* add; // the arguments after the name and count
        Kind list;
        float lifeTime, y;
        bool survives;
    } cases[] = {
        {"0, 5, 0, 0, 0, true", Kind::InGame, 10, 5, false},
        {"0, -5, 0, 0, 0, true", Kind::InGame, 10, -5, true},
        {"0, 5, 0, 0, 0, true, true", Kind::Menu, 10, 5, true},
        {"0, 5, 0, 0, 0, true, true", Kind::Menu, 0.05f, 5, false},
        {"0, 5, 0, 0, 0, true", Kind::Level, 10, 5, false},
        {"0, -5, 0, 0, 0, true", Kind::Level, 0.05f, -5, false},
    };
    for (const auto& c : cases) {
        particles().clearAll();
        const std::string function = c.list == Kind::Level ? "addLevelParticles" : "addParticles";
        harness.run("particleTable.particles.still.lifeTime = " + std::to_string(c.lifeTime) +
                    "\nparticleTable.particles.still.alwaysLoad = true\n"
                    "particles." +
                    function + "('still', 1, " + c.add + ")");
        ASSERT_EQ(count(c.list), 1u);
        particles().update(c.list, 0.1f);
        EXPECT_EQ(count(c.list), c.survives ? 1u : 0u) << function << " y " << c.y << " life " << c.lifeTime;
    }
}

TEST_F(ParticlesTest, OnlyAlwaysLoadDefinitionsFollowChangesOfTheScripts) {
    gametest::writeScript("scripts/particles.lua", "particles = { fresh = { lifeTime = 1, alwaysLoad = true, "
                                                   "emitter_bat = { targetX = 0.5, targetY = 0.5 } },"
                                                   "cached = { lifeTime = 1, emitter_bat = {} } }");
    harness.run("loadParticleFile()");
    for (const char* name : {"fresh", "cached"}) {
        harness.run(std::string("particles.addParticles('") + name + "', 1, 0, -10, 0, 0, 0, true)\n" +
                    "particleTable.particles." + name + ".lifeTime = 2\n" + "particles.addParticles('" + name +
                    "', 1, 0, -10, 0, 0, 0, true)");
    }
    std::vector<float> lifetimes;
    for (const Particle& particle : particles().list(Kind::InGame).particles())
        lifetimes.push_back(particle.lifetime);
    EXPECT_EQ(lifetimes, (std::vector<float>{1, 2, 1, 1}));
}

TEST(ParticleEmitter, EmittersSetVelocityHeadingSpinAndLife) {
    using E = ParticleEmitterKind;
    constexpr float kPi = std::numbers::pi_v<float>;
    const struct {
        std::function<void(ParticleDefinition&)> define;
        bool mirrored;
        std::vector<float> expected; // velocity x and y, angle, spin, lifetime
        float rotation = 0.0f;
    } cases[] = {
        // a quarter turn of the emission turns a box emitter's velocity, not an aimed one's
        {[](auto& d) { d.minVelocityX = d.maxVelocityX = 3, d.minVelocityY = d.maxVelocityY = -4; },
         false,
         {4, 3, std::atan2(3.0f, 4.0f), 2, 4},
         kPi / 2},
        {[](auto& d) { d.emitter = E::Bat, d.batTargetX = 0.5f, d.batTargetY = 0.25f; },
         false,
         {75, 25, std::atan2(25.0f, 75.0f), 2, 4},
         kPi / 2},
        {[](auto& d) { d.minVelocityX = d.maxVelocityX = 3, d.minVelocityY = d.maxVelocityY = -4; },
         false,
         {3, -4, 2 * kPi + std::atan2(-4.0f, 3.0f), 2, 4}},
        {[](auto& d) {
             d.emitter = E::Circle, d.minSpeed = d.maxSpeed = 10, d.minEmitterAngle = d.maxEmitterAngle = 90;
         },
         false,
         {0, 10, kPi / 2, 2, 4}},
        {[](auto& d) {
             d.emitter = E::Circle, d.minSpeed = d.maxSpeed = 10, d.minEmitterAngle = d.maxEmitterAngle = 0;
         },
         true,
         {-10, 0, kPi, -2, 4}},
        // a quarter of the screen down, half across, reached when the life ends; mirroring keeps the aim
        {[](auto& d) { d.emitter = E::Bat, d.batTargetX = 0.5f, d.batTargetY = 0.25f; },
         true,
         {75, 25, std::atan2(25.0f, 75.0f), 2, 4}},
        {[](auto& d) { d.emitter = E::Bat, d.lifeTime = 0; }, false, {0, 0, 0, 2, 0}},
        // a target reached at half the life ends the life there; one reached later does not
        {[](auto& d) { d.targeted = true, d.targetX = 200, d.targetY = 0, d.killEarly = 2; },
         false,
         {50, -25, 2 * kPi - std::atan2(25.0f, 50.0f), 2, 2}},
        {[](auto& d) { d.targeted = true, d.targetX = 200, d.targetY = 0, d.killEarly = 0.5f; },
         true,
         {12.5f, -6.25f, 2 * kPi - std::atan2(6.25f, 12.5f), 2, 4}},
    };
    std::mt19937 random(7);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ParticleDefinition definition;
        definition.lifeTime = 4;
        definition.minAngleVelocity = definition.maxAngleVelocity = 2;
        definition.randomizeBirthPosition = false;
        cases[i].define(definition);
        ParticleEmission emission;
        emission.x = 100;
        emission.y = 50;
        emission.mirrored = cases[i].mirrored;
        emission.rotation = cases[i].rotation;
        const Particle p = emitParticle(definition, 0, emission, {800, 600}, random);
        const std::vector<float> got{p.velocityX, p.velocityY, p.angle, p.angularVelocity, p.lifetime};
        for (std::size_t k = 0; k < got.size(); ++k)
            EXPECT_NEAR(got[k], cases[i].expected[k], 1e-4f) << "case " << i << " value " << k;
    }
}

TEST(ParticleList, ARemovedParticleMakesWayForTheLastOne) {
    const struct {
        std::vector<bool> dies;
        std::vector<int> survivors; // by their place at the start
    } cases[] = {
        {{false, true, false, false}, {0, 3, 2}},
        {{true, false, false}, {2, 1}},
        {{false, false, true}, {0, 1}},
        {{true, true, false}, {2}},
        {{true, false, true}, {1}},
        {{true, true}, {}},
    };
    const ParticleDefinition definitions[1];
    for (const auto& c : cases) {
        ParticleList list(false);
        for (std::size_t i = 0; i < c.dies.size(); ++i) {
            Particle particle;
            particle.x = static_cast<float>(i);
            particle.lifetime = c.dies[i] ? 0.5f : 10.0f;
            list.add(particle);
        }
        list.update(1.0f, definitions);
        std::vector<int> survivors;
        for (const Particle& particle : list.particles())
            survivors.push_back(static_cast<int>(particle.x));
        EXPECT_EQ(survivors, c.survivors);
    }
}

// Records where each textured quad lands on the screen, through the whole render state.
struct ScreenQuad {
    float left, top, right, bottom;
};
class ScreenRecordingContext : public RecordingContext {
public:
    void drawTexturedQuad(gr::Image& image, float x, float y, float w, float h, const gr::TexCoords& coords) override {
        RecordingContext::drawTexturedQuad(image, x, y, w, h, coords);
        const gr::Point topLeft = state().apply({x, y}, {0, 0});
        const gr::Point bottomRight = state().apply({x, y}, {w, h});
        onScreen.push_back({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    }
    std::vector<ScreenQuad> onScreen;
};
struct RecordingScreen {
    ScreenRecordingContext context;
};

TEST(ParticleDrawing, ParticlesLandWhereTheCameraAndTheirScaleSay) {
    gametest::BasicGameHarness<RecordingScreen> harness;
    harness.start();
    writeFile("s.dat", container("SPRT", {1, "s.png", 1, "spark", 0, 0, 8, 8, 4, 4}));
    writeFile("s.png", pngHeader(16, 16));
    harness.run(std::string("res.createSpriteSheet('s.dat')\n") + kParticleTable +
                "\nsetTopLeft(100, 50)\nsetWorldScale(2)\ng_menu_particle_scale = 2\n"
                "particles.addParticles('spark', 1, 300, -40)\n"
                "particles.addLevelParticles('spark', 1, 300, -40, 0, 0, 2)\n"
                "particles.addParticles('spark', 1, 300, 40, 0, 0, 0, false, true)\n"
                "function update() end");
    const struct {
        const char* draw;
        std::vector<float> screen; // left, top, right, bottom; empty: nothing drawn
    } cases[] = {
        // (300 - 100) * 2 less the pivot at 2 * 1.5 times its size
        {"drawParticlesNative()", {388, -192, 412, -168}},
        // group 2 doubles the scale
        {"drawLevelParticlesNative(2)", {776, -384, 824, -336}},
        {"drawLevelParticlesNative(0)", {776, -384, 824, -336}},
        {"drawLevelParticlesNative(1)", {}},
        // screen pixels, scaled by 2 * 1.5 about the particle
        {"drawMenuParticlesInAdvance()", {288, 28, 312, 52}},
    };
    gr::RenderState& state = harness.context.state();
    for (const auto& c : cases) {
        harness.context.onScreen.clear();
        state.translateX = 7.0f;
        harness.run(c.draw);
        std::vector<float> screen;
        for (const ScreenQuad& quad : harness.context.onScreen)
            for (const float edge : {quad.left, quad.top, quad.right, quad.bottom})
                screen.push_back(std::round(edge * 1000.0f) / 1000.0f);
        EXPECT_EQ(screen, c.screen) << c.draw;
        EXPECT_EQ(state.translateX, 7.0f) << c.draw << " puts the render state back";
    }
    // The menu particles are drawn once a frame: at its end unless the scripts drew them.
    for (const bool inAdvance : {false, true}) {
        harness.run(std::string("setPhysicsEnabled(false)\nfunction update() ") +
                    (inAdvance ? "drawMenuParticlesInAdvance()" : "") + " end");
        harness.context.onScreen.clear();
        harness.game->update(0.0f);
        ASSERT_EQ(harness.context.onScreen.size(), 1u) << inAdvance;
        EXPECT_EQ(harness.context.onScreen[0].left, 288.0f) << inAdvance;
    }
}

} // namespace
