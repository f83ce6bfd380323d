// Game objects driven from Lua: body types, setters, queries, names, and what the natives do
// while the physics world steps.
#include "GameHarness.h"
#include "ResourceFiles.h"
#include "physics/ContactHandler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

using gametest::GameHarness;
constexpr float kPi = std::numbers::pi_v<float>;

/// A 2 by 2 box centred at (x, y).
std::string box(const std::string& name, float x, float y, float density) {
    return "createBox('" + name + "', '', " + std::to_string(x) + ", " + std::to_string(y) + ", 2, 2, " +
           std::to_string(density) + ", 0.5, 0, true, false, 1)\n";
}

class ObjectsTest : public ::testing::Test {
protected:
    void SetUp() override { harness.start(); }
    GameLua& game() { return *harness.game; }
    PhysicsBody body(const std::string& name) { return game().objects().at(name)->body; }
    float number(const char* global) { return game().getNumber(global); }

    GameHarness harness;
};

TEST_F(ObjectsTest, OnlyParameterTwoChangesStaticAndDynamic) {
    const struct {
        float density;
        const char* change;
        BodyType expected;
    } cases[] = {
        {0, "", BodyType::Static},
        {1, "", BodyType::Dynamic},
        {0, "setDensity('b', 5)", BodyType::Static},
        {1, "setDensity('b', 0)", BodyType::Dynamic},
        {1, "setObjectParameter('b', 2, 0)", BodyType::Static},
        {0, "setObjectParameter('b', 2, 0.5)", BodyType::Dynamic},
    };
    for (const auto& c : cases) {
        harness.run(box("b", 0, 0, c.density) + c.change);
        EXPECT_EQ(body("b").type(), c.expected) << c.change;
        harness.run("removeObject('b')");
    }
}

TEST_F(ObjectsTest, SetRotationKeepsTheAngleWithinOneTurn) {
    const struct {
        float angle;
        float expected;
    } cases[] = {{-kPi / 2, 3 * kPi / 2}, {7.0f, 7.0f - 2 * kPi}, {2 * kPi, 0.0f}, {1.0f, 1.0f}};
    harness.run(box("b", 3, 4, 1));
    for (const auto& c : cases) {
        game().set("turn", c.angle);
        harness.run("setRotation('b', turn)  drawn = getAngle('b')  stored = objects.world.b.angle");
        EXPECT_NEAR(number("drawn"), c.expected, 1e-5f) << c.angle;
        EXPECT_NEAR(number("stored"), c.expected, 1e-5f) << c.angle;
        EXPECT_NEAR(std::remainder(body("b").angle() - c.expected, 2 * kPi), 0.0f, 1e-5f) << c.angle;
    }
    EXPECT_LT(fullTurnAngle(-1e-9f), 2 * kPi);
    EXPECT_EQ(body("b").position().x, 3.0f);
}

TEST_F(ObjectsTest, ImpulseSpinsTheBodyOnlyAwayFromItsCentre) {
    const struct {
        const char* call;
        bool spins;
    } cases[] = {{"applyImpulse('b', 0, -4)", false}, {"applyImpulse('b', 0, -4, 1, 0)", true}};
    for (const auto& c : cases) {
        harness.run(box("b", 0, 0, 1) + c.call + "  vx, vy = getVelocity('b')");
        EXPECT_FLOAT_EQ(number("vy"), -4.0f / body("b").mass()) << c.call;
        EXPECT_EQ(body("b").angularVelocity() != 0.0f, c.spins) << c.call;
        harness.run("removeObject('b')");
    }
}

TEST_F(ObjectsTest, IntersectingObjectsIncludeBoxesHoldingAZeroBox) {
    harness.run(box("a", 0, 0, 0) + box("b", 10, 0, 1) +
                "one = getIntersectingObjects{x = 0.5, y = 0.5, left = 0, right = 0, down = 0, up = 0}\n"
                "both = getIntersectingObjects{x = 5, y = 0, left = -6, right = 6, down = -1, up = 1}\n"
                "found = #one .. one[1] .. #both");
    EXPECT_EQ(game().getString("found"), "1a2");
}

TEST_F(ObjectsTest, UnknownNamesAreIgnoredLoggedOrRefused) {
    enum Outcome { Ignored, Logged, Refused };
    const struct {
        const char* call;
        Outcome outcome;
        const char* text;
    } cases[] = {
        {"setVelocity('x', 1, 1)", Ignored, ""},
        {"setAngularVelocity('x', 1)", Ignored, ""},
        {"applyImpulse('x', 1, 1)", Ignored, ""},
        {"applyForceNative('x', 1, 1, 0, 0)", Ignored, ""},
        {"setSleeping('x', true)", Ignored, ""},
        {"speed = getSpeed('x')", Ignored, ""},
        {"setJointParameters{name = 'x', motor = true}", Ignored, ""},
        {"checkJointLimits('x')", Ignored, ""},
        {"destroyJoint('x')", Ignored, ""},
        {"setLinearDamping('x', 1)", Logged, "Body name : x"},
        {"setAngularDamping('x', 1)", Logged, "Body x not found in GameLua::setAngularDamping"},
        {"setPosition('x', 1, 1)", Refused, "setPosition: no object named \"x\""},
        {"setSprite('x', 's')", Refused, "setSprite: no object named"},
        {"a = getAngle('x')", Refused, "getAngle: no object named"},
        {"removeObject('x')", Refused, "removeObject: no object named"},
    };
    for (const auto& c : cases) {
        gametest::LogCapture log;
        const std::string failure = harness.failureOf(c.call);
        EXPECT_EQ(failure.find(c.text) != std::string::npos && !failure.empty(), c.outcome == Refused) << c.call;
        bool logged = false;
        for (const auto& record : log.records)
            logged = logged || (*c.text && record.message.find(c.text) != std::string::npos);
        EXPECT_EQ(logged, c.outcome == Logged) << c.call;
    }
    EXPECT_EQ(number("speed"), 0.0f);
}

TEST_F(ObjectsTest, BadNumbersAndNamesInUseAreRefusedNamingTheNative) {
    harness.run(box("b", 0, 0, 1) + box("c", 5, 0, 1));
    for (const char* call :
         {"setPosition('b', 0/0, 1)", "setRotation('b', 1/0)", "setVelocity('b', 0/0, 0)",
          "setAngularVelocity('b', -1/0)", "setLinearDamping('b', 0/0)", "setDensity('b', 0/0)",
          "applyImpulse('b', 1, 1, 0/0, 0)", "applyForceNative('b', 1/0, 0, 0, 0)", "setWorldGravity(0, 0/0)",
          "getIntersectingObjects{x = 0/0}",
          "createJoint{type = 3, name = 'j', end1 = 'b', end2 = 'c', motorSpeed = 0/0}", "setColliderType('b', 12)",
          "createBox('z', '', 0, 0, 0, 2, 1, 0, 0, true, false, 1)", "setLinearDamping('b', -30)",
          "setDensity('b', -1)", "setFriction('b', -0.5)", "createCircle('z', '', 0, 0, 1, 1, -1, 0, false, 1)",
          "createBox('b', '', 4, 0, 2, 2, 1, 0, 0, true, false, 1)"}) {
        const std::string native = std::string(call).substr(0, std::string(call).find_first_of("({"));
        EXPECT_EQ(harness.failureOf(call).find(native + ": "), 0u) << call;
    }
    // The name already in use kept its object, and nothing refused left a body or joint behind.
    EXPECT_EQ(body("b").position().x, 0.0f);
    EXPECT_EQ(game().world().bodyCount(), 2);
    EXPECT_EQ(game().world().jointCount(), 0);
}

/// Runs Lua calls from inside the step, on the first contact, and keeps what each one raised.
class ScriptDuringStep : public ContactHandler {
public:
    ScriptDuringStep(GameHarness& harness, std::vector<std::string> calls)
        : m_harness(harness), m_calls(std::move(calls)) {}
    bool shouldCollide(GameObject&, GameObject&) override { return true; }
    void beginContact(Contact& contact) override {
        if (m_calls.empty())
            return;
        for (const std::string& call : std::exchange(m_calls, {}))
            failures.push_back(m_harness.failureOf(call));
        // An object the calls removed stays readable until the step ends.
        touched = contact.objectA()->name + contact.objectB()->name;
    }
    void endContact(Contact&) override {}
    void preSolve(Contact&) override {}

    std::vector<std::string> failures;
    std::string touched;

private:
    GameHarness& m_harness;
    std::vector<std::string> m_calls;
};

TEST_F(ObjectsTest, DuringTheStepBodyChangesAreRefusedAndRemovalsDeferred) {
    harness.run(box("ground", 0, 0, 0) + box("b", 0, -1.9f, 1) + box("c", 8, 0, 1) + box("d", 12, 0, 1) +
                "createJoint{type = 1, name = 'j', end1 = 'c', end2 = 'd'}");
    const struct {
        std::string call;
        const char* refusal;
    } cases[] = {
        {"setPosition('b', 1, 1)", "setPosition: not allowed while the physics world steps"},
        {"setRotation('b', 1)", "setRotation: not allowed while the physics world steps"},
        {"setObjectParameter('b', 2, 0)", "setObjectParameter: not allowed while the physics world steps"},
        {"resizeCircle('b', 2)", "resizeCircle: Fixtures cannot be created while the physics world steps"},
        {box("e", 20, 0, 1), "createBox: Bodies cannot be created while the physics world steps"},
        {"createJoint{type = 2, name = 'w', end1 = 'b', end2 = 'c'}", "createJoint: Joints cannot be created"},
        {"setVelocity('b', 1, 0)  applyImpulse('b', 1, 0)  setSleeping('c', false)", ""},
        {"destroyJoint('j')  removeObject('d')  removeObject('b')", ""},
    };
    std::vector<std::string> calls;
    for (const auto& c : cases)
        calls.push_back(c.call);
    ScriptDuringStep handler(harness, calls);
    game().world().setContactHandler(&handler);
    game().world().step(GameLua::kStep, 10, 10);
    game().world().setContactHandler(nullptr);
    ASSERT_EQ(handler.failures.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string& failure = handler.failures[i];
        EXPECT_TRUE(failure.starts_with(cases[i].refusal) && failure.empty() == !*cases[i].refusal) << failure;
    }
    EXPECT_TRUE(handler.touched == "groundb" || handler.touched == "bground") << handler.touched;
    EXPECT_EQ(game().world().bodyCount(), 2);
    EXPECT_EQ(game().world().jointCount(), 0);
    EXPECT_FALSE(game().objects().contains("d") || game().objects().contains("b"));
    EXPECT_TRUE(game().joints().empty());
}

} // namespace

TEST_F(ObjectsTest, SpritesAndTexturesAreFoundThroughTheResourceRegistry) {
    writeFile("s.dat", container("SPRT", {1, "s.png", 2, "wood", 0, 0, 8, 8, 4, 4, "glass", 8, 0, 8, 8, 4, 4}));
    writeFile("c.dat", container("COMP", {1, 1, "tower", 2, "wood", 0, 0, "glass", 0, -8}));
    harness.run("res.createSpriteSheet('s.dat', false, false)\nres.createCompoSpriteSet('c.dat')\n");
    gametest::LogCapture log;
    harness.run("createBox('plain', 'wood', 0, 0, 1, 1, 1, 0.5, 0, true, false, 1)\n"
                "createBox('built', 'tower', 3, 0, 1, 1, 1, 0.5, 0, true, false, 1)\n"
                "createBox('bare', 'nothing', 6, 0, 1, 1, 1, 0.5, 0, true, false, 1)\n"
                "setSprite('bare', 'glass')\n"
                "setTexture('plain', 'glass')\n"
                "setTexture('built', 'tower')\n");
    const auto& objects = game().objects();
    EXPECT_EQ(objects.at("plain")->sprite->name(), "wood");
    EXPECT_FALSE(objects.at("plain")->compositeSprite);
    EXPECT_EQ(objects.at("built")->compositeSprite->parts().size(), 2u);
    EXPECT_FALSE(objects.at("built")->sprite);
    EXPECT_EQ(objects.at("bare")->sprite->name(), "glass") << "setSprite finds the new picture";
    EXPECT_EQ(objects.at("plain")->texture->name(), "glass");
    EXPECT_FALSE(objects.at("built")->texture) << "a texture is a plain sprite";
    std::vector<std::string> messages;
    for (const auto& record : log.records)
        messages.push_back(record.message);
    EXPECT_EQ(messages, (std::vector<std::string>{"Sprite nothing not found for game object bare",
                                                  "Texture tower not found for game object built"}));
}
