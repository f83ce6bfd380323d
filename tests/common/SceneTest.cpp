// How drawGameNative places each kind of object, read from the quads a recording context receives.
#include "GameHarness.h"
#include "RecordingContext.h"
#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct RecordingScreen {
    RecordingContext context;
};

/// A game whose sheet "s.dat" holds "dot" and "PARTICLE_SLINGDOT", 8 x 8 with their pivots in the
/// middle, and the first trail sprite; camera at (20, 10), world scale 2.
class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        writeFile("s.png", pngHeader(64, 64));
        Fields sheet = {1, "s.png", 3};
        for (const Fields& sprite : {Fields{"dot", 0, 0, 8, 8, 4, 4}, Fields{"TRAIL_WHITE_1", 8, 0, 4, 4, 2, 2},
                                     Fields{"PARTICLE_SLINGDOT", 0, 0, 8, 8, 4, 4}})
            sheet = sheet + sprite;
        writeFile("s.dat", container("SPRT", sheet));
        // A sheet read without its texture: a texture from it cannot be shown.
        writeFile("t.dat", container("SPRT", {1, "t.png", 1, "bare", 0, 0, 4, 4, 0, 0}));
        harness.run("res.createSpriteSheet('t.dat', false, false)");
        harness.run("res.createSpriteSheet('s.dat', false, true)\nsetTopLeft(20, 10)\nsetWorldScale(2)\n");
    }
    std::vector<RecordedQuad>& quads() { return harness.context.quads; }
    /// Where the point (x, y) of the quad's picture (its pivot, for a sprite of this sheet) lands
    /// on screen.
    static gr::Point onScreen(const RecordedQuad& quad, float x = 4.0f, float y = 4.0f) {
        return quad.state.apply({quad.x, quad.y}, {x, y});
    }

    gametest::BasicGameHarness<RecordingScreen> harness;
};

TEST_F(SceneTest, EveryKindOfObjectKeepsItsPlaceOnScreenAtItsOwnSize) {
    // An object at world (10, 5) is scene pixel (200, 100), screen ((200 - 20) * 2, (100 - 10) * 2).
    const float pivotX = 360.0f;
    const float pivotY = 180.0f;
    const struct {
        const char* setup;
        int quads;
        float screenWidth;
    } cases[] = {
        {"", 1, 16},
        {"setRotation('o', 1)", 1, 16},
        {"setColliderType('o', 5)  setObjectParameter('o', 7, 1)", 2, 16},
        {"setColliderType('o', 3)  setObjectParameter('o', 5, 1.5)  setObjectParameter('o', 6, 1)", 1, 24},
        {"setColliderType('o', 4)  setScale('o', 3, 1)", 1, 48},
        {"setColliderType('o', 6)  setScale('o', 3, 1)", 1, 16},
        {"setColliderType('o', 1)", 1, 32},
        {"setColliderType('o', 1)  setScale('o', 2, 2)", 1, 16},
        {"setObjectParameter('o', 2, 0)  setTexture('o', 'bare')", 1, 16},
        {"setColliderType('o', 7)", 0, 0},
        {"setVisible('o', false)", 0, 0},
    };
    for (const auto& c : cases) {
        harness.run(std::string("createBox('o', 'dot', 10, 5, 1, 1, 1, 0.5, 0, true, false, 1)\n") + c.setup);
        // A pass-through object's two images stand 5 scene pixels either way along its angle.
        const float angle = harness.game->objects().at("o")->passThroughAngle;
        const float dx = 5.0f * 2.0f * std::cos(angle);
        const float dy = 5.0f * 2.0f * std::sin(angle);
        quads().clear();
        harness.run("drawGameNative()  removeObject('o')");
        ASSERT_EQ(quads().size(), static_cast<std::size_t>(c.quads)) << c.setup;
        for (int i = 0; i < c.quads; ++i) {
            const RecordedQuad& quad = quads()[static_cast<std::size_t>(i)];
            const float side = c.quads == 1 ? 0.0f : (i == 0 ? -1.0f : 1.0f);
            const gr::Point pivot = onScreen(quad);
            EXPECT_NEAR(pivot.x, pivotX + side * dx, 1e-3f) << c.setup;
            EXPECT_NEAR(pivot.y, pivotY + side * dy, 1e-3f) << c.setup;
            EXPECT_NEAR(quad.w * quad.state.scaleX, c.screenWidth, 1e-3f) << c.setup;
        }
    }
}

TEST_F(SceneTest, TrajectoriesGoUnderTheFirstBirdUnrotatedAndTheStateComesBack) {
    harness.run("startNewTrajectory()  addToTrajectory(1, 100, 50)\n"
                "createBox('block', 'dot', 0, 0, 1, 1, 1, 0.5, 0, true, false, 0)  setRotation('block', 1)\n"
                "createBox('bird', 'dot', 10, 5, 1, 1, 1, 0.5, 0, true, false, 2)  setColliderType('bird', 3)\n"
                "createBox('other', 'dot', 10, 5, 1, 1, 1, 0.5, 0, true, false, 3)  setColliderType('other', 4)\n");
    gr::RenderState& state = harness.context.state();
    state.setAngle(0.5f);
    state.pivotX = 7.0f;
    harness.run("drawGameNative()");
    ASSERT_EQ(quads().size(), 4u);
    EXPECT_EQ(quads()[1].w, 4.0f) << "the trail sprite comes after the block, before the bird";
    EXPECT_EQ(quads()[1].angle, 0.0f);
    // The trail sprite's pivot is (2, 2).
    const gr::Point trail = onScreen(quads()[1], 2.0f, 2.0f);
    EXPECT_NEAR(trail.x, (100.0f - 20.0f) * 2.0f, 1e-3f);
    EXPECT_NEAR(trail.y, (50.0f - 10.0f) * 2.0f, 1e-3f);
    EXPECT_EQ(
        (std::vector<float>{state.translateX, state.translateY, state.scaleX, state.scaleY, state.angle, state.pivotX}),
        (std::vector<float>{-20.0f, -10.0f, 2.0f, 2.0f, 0.5f, 7.0f}));
}

TEST_F(SceneTest, TheSlingsDotsAndBandLandWhereAimedAndLeaveTheStateAsItWas) {
    gr::RenderState& state = harness.context.state();
    state.translateX = -20.0f;
    state.translateY = -10.0f;
    state.scaleX = state.scaleY = 2.0f;
    const gr::RenderState before = state;
    harness.run("rubberBandPos = {x = 5, y = 5}  physicsToWorld = 20  g_sling_scope_animation = 0.1\n"
                "createBox('pulled', '', 0, 0, 1, 1, 1, 0.5, 0, true, false, 0)\n"
                "createBox('fixed', '', 0, 0, 1, 1, 0, 0.5, 0, true, false, 0)\n"
                "currentBirdName = 'pulled'  drawSlingScopeNative(30, 0, 5)\n"
                "currentBirdName = 'fixed'  drawSlingScopeNative(30, 0, 5)\n"
                "drawRubberband(100, 100, 100, 140, 4, 'dot')  drawRubberband(0, 0, 9, 9, 4, 'nothing')");
    AimingInput aim;
    aim.start = {5.0f, 5.0f};
    aim.velocity = {30.0f, 0.0f};
    aim.gravityY = GameLua::kDefaultGravity.y;
    aim.maxTranslation = PhysicsWorld::maxTranslation();
    aim.phase = 0.1f;
    // The sling pushes a bird by force over mass; a bird without mass is not pushed at all.
    std::vector<AimingDot> dots;
    for (const float push : {5.0f / harness.game->objects().at("pulled")->body.mass(), 0.0f}) {
        aim.pushY = push;
        const std::vector<AimingDot> shot = aimingDots(aim);
        dots.insert(dots.end(), shot.begin(), shot.end());
    }
    ASSERT_EQ(quads().size(), dots.size() + 1);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const gr::Point pivot = onScreen(quads()[i]);
        EXPECT_NEAR(pivot.x, (dots[i].point.x * 20.0f - 20.0f) * 2.0f, 1e-2f) << i;
        EXPECT_NEAR(pivot.y, (dots[i].point.y * 20.0f - 10.0f) * 2.0f, 1e-2f) << i;
        EXPECT_NEAR(quads()[i].w * quads()[i].state.scaleX, 8.0f * 2.0f * dots[i].shrink, 1e-3f) << i;
    }
    // The band runs down from (100, 100), 40 long and 4 across, centred on its line.
    const RecordedQuad& band = quads().back();
    const gr::Point start = onScreen(band, 0.0f, 0.0f);
    const gr::Point end = onScreen(band, band.w, band.h);
    EXPECT_NEAR(start.x, (102.0f - 20.0f) * 2.0f, 1e-3f);
    EXPECT_NEAR(start.y, (100.0f - 10.0f) * 2.0f, 1e-3f);
    EXPECT_NEAR(end.x, (98.0f - 20.0f) * 2.0f, 1e-3f);
    EXPECT_NEAR(end.y, (140.0f - 10.0f) * 2.0f, 1e-3f);
    EXPECT_EQ((std::vector<float>{state.translateX, state.scaleX, state.angle, state.pivotY}),
              (std::vector<float>{before.translateX, before.scaleX, before.angle, before.pivotY}));
}

} // namespace
