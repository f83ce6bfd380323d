// The physics world: destruction deferred past the step, contact errors kept until it ends,
// creation refused while it steps, shapes Box2D would assert on refused, and queries.
#include "physics/PhysicsWorld.h"
#include "GameObject.h"
#include "lang/Exception.h"
#include "physics/ContactHandler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr float kStep = 1.0f / 30.0f;

BodyDefinition boxAt(Vector2 position, Vector2 halfExtents, bool dynamic, GameObject* owner) {
    BodyDefinition definition;
    definition.position = position;
    definition.dynamic = dynamic;
    definition.shape.halfExtents = halfExtents;
    definition.density = 1.0f;
    definition.owner = owner;
    return definition;
}

/// Runs `onBegin` for every contact that begins; remembers the objects each pre-solve reports.
class ScriptedHandler : public ContactHandler {
public:
    bool shouldCollide(GameObject&, GameObject&) override { return true; }
    void beginContact(Contact& contact) override {
        ++begun;
        if (onBegin)
            onBegin(contact);
    }
    void endContact(Contact&) override {}
    void preSolve(Contact& contact) override { presolved.push_back({contact.objectA(), contact.objectB()}); }

    std::function<void(Contact&)> onBegin;
    int begun = 0;
    std::vector<std::pair<GameObject*, GameObject*>> presolved;
};

/// A box that already overlaps a static ground: their contact begins in the first step.
class PhysicsWorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.setContactHandler(&handler);
        groundBody = world.createBody(boxAt({0.0f, 1.2f}, {5.0f, 0.5f}, false, &ground));
        fallingBody = world.createBody(boxAt({0.0f, 0.1f}, {0.5f, 0.5f}, true, &falling));
    }

    GameObject ground;
    GameObject falling;
    ScriptedHandler handler;
    PhysicsWorld world{{0.0f, 20.0f}};
    PhysicsBody groundBody;
    PhysicsBody fallingBody;
};

TEST_F(PhysicsWorldTest, DestructionDuringAStepWaitsForItsEnd) {
    int countInside = -1;
    std::vector<GameObject*> queriedInside;
    handler.onBegin = [&](Contact&) {
        world.destroyBody(fallingBody);
        countInside = world.bodyCount();
        queriedInside = world.query({-1.0f, -1.0f}, {1.0f, 1.0f});
    };
    world.step(kStep, 10, 10);
    EXPECT_EQ(handler.begun, 1);
    EXPECT_EQ(countInside, 2);
    EXPECT_EQ(world.bodyCount(), 1);
    // From the destruction on, the body's fixture names no object: nothing may reach a freed one.
    EXPECT_EQ(std::count(queriedInside.begin(), queriedInside.end(), &falling), 0);
    EXPECT_EQ(std::count(queriedInside.begin(), queriedInside.end(), &ground), 1);
    ASSERT_FALSE(handler.presolved.empty());
    for (const auto& [a, b] : handler.presolved) {
        EXPECT_NE(a, &falling);
        EXPECT_NE(b, &falling);
    }
    world.step(kStep, 10, 10);
    EXPECT_EQ(world.bodyCount(), 1);
}

TEST_F(PhysicsWorldTest, AContactErrorLeavesTheStepAfterItFinished) {
    handler.onBegin = [&](Contact&) {
        world.destroyBody(fallingBody);
        throw std::runtime_error("rule failed");
    };
    try {
        world.step(kStep, 10, 10);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "rule failed");
    }
    EXPECT_FALSE(world.isStepping());
    EXPECT_EQ(world.bodyCount(), 1);
    // The error is not raised twice, and the world goes on.
    handler.onBegin = nullptr;
    GameObject next;
    world.createBody(boxAt({3.0f, 0.1f}, {0.5f, 0.5f}, true, &next));
    EXPECT_NO_THROW(world.step(kStep, 10, 10));
    EXPECT_EQ(handler.begun, 2);
}

TEST_F(PhysicsWorldTest, CreationDuringAStepIsRefused) {
    std::vector<std::string> refusals;
    handler.onBegin = [&](Contact&) {
        const std::function<void()> creations[] = {
            [&] {
                world.createBody(boxAt({9.0f, 0.0f}, {0.5f, 0.5f}, true, nullptr));
            },
            [&] {
                JointDefinition weld;
                weld.bodyA = groundBody;
                weld.bodyB = fallingBody;
                world.createJoint(weld);
            },
            [&] { world.resizeCircle(fallingBody, 1.0f); },
        };
        for (const auto& create : creations) {
            try {
                create();
            } catch (const lang::Exception& error) {
                refusals.push_back(error.what());
            }
        }
    };
    world.step(kStep, 10, 10);
    ASSERT_EQ(refusals.size(), 3u);
    for (const std::string& refusal : refusals)
        EXPECT_NE(refusal.find("while the physics world steps"), std::string::npos) << refusal;
    EXPECT_EQ(world.bodyCount(), 2);
    EXPECT_EQ(world.jointCount(), 0);
}

TEST_F(PhysicsWorldTest, ShapesBox2DWouldAssertOnAreRefused) {
    const auto box = [](float halfWidth, float halfHeight) {
        FixtureShape shape;
        shape.halfExtents = {halfWidth, halfHeight};
        return shape;
    };
    const auto polygon = [](std::vector<Vector2> vertices) {
        FixtureShape shape;
        shape.kind = FixtureShape::Kind::Polygon;
        shape.vertices = std::move(vertices);
        return shape;
    };
    const auto circle = [](float radius) {
        FixtureShape shape;
        shape.kind = FixtureShape::Kind::Circle;
        shape.radius = radius;
        return shape;
    };
    const auto regular = [](int corners) {
        std::vector<Vector2> vertices;
        for (int i = 0; i < corners; ++i) {
            const float angle = 2.0f * 3.14159265f * static_cast<float>(i) / static_cast<float>(corners);
            vertices.push_back({std::cos(angle), std::sin(angle)});
        }
        return vertices;
    };
    const struct {
        const char* name;
        FixtureShape shape;
        bool accepted;
    } cases[] = {
        {"zero width box", box(0.0f, 1.0f), false},
        {"negative box", box(-1.0f, 1.0f), false},
        {"collinear polygon", polygon({{0, 0}, {1, 1}, {2, 2}}), false},
        {"two points", polygon({{0, 0}, {1, 1}}), false},
        {"points closer than Box2D merges", polygon({{0, 0}, {0.0001f, 0}, {0, 0.0001f}}), false},
        {"nine vertices", polygon(regular(9)), false},
        {"eight vertices", polygon(regular(8)), true},
        {"radius 0", circle(0.0f), false},
        {"negative radius", circle(-1.0f), false},
    };
    for (const auto& c : cases) {
        const int before = world.bodyCount();
        BodyDefinition definition = boxAt({0.0f, -5.0f}, {}, true, nullptr);
        definition.shape = c.shape;
        if (c.accepted) {
            EXPECT_NO_THROW(world.createBody(definition)) << c.name;
            EXPECT_EQ(world.bodyCount(), before + 1) << c.name;
        } else {
            EXPECT_THROW(world.createBody(definition), lang::Exception) << c.name;
            EXPECT_EQ(world.bodyCount(), before) << c.name;
        }
    }
    {
        BodyDefinition definition = boxAt({0.0f, -9.0f}, {}, true, nullptr);
        definition.shape = circle(1.0f);
        const PhysicsBody ball = world.createBody(definition);
        const float mass = ball.mass();
        EXPECT_THROW(world.resizeCircle(ball, 0.0f), lang::Exception);
        EXPECT_EQ(ball.mass(), mass) << "the old fixture stays";
    }
}

TEST_F(PhysicsWorldTest, QueryReportsOneEntryPerFixture) {
    GameObject beside;
    GameObject far;
    world.createBody(boxAt({0.5f, 0.1f}, {0.5f, 0.5f}, false, &beside));
    world.createBody(boxAt({20.0f, 0.0f}, {0.5f, 0.5f}, false, &far));
    world.createBody(boxAt({0.0f, 0.1f}, {0.5f, 0.5f}, false, nullptr));
    const struct {
        const char* name;
        Vector2 lower;
        Vector2 upper;
        std::vector<GameObject*> found;
    } cases[] = {
        {"box around the centre", {-1.0f, -1.0f}, {1.0f, 0.8f}, {&beside, &falling, &ground}},
        {"a point", {0.2f, 0.0f}, {0.2f, 0.0f}, {&beside, &falling}},
        {"empty space", {50.0f, 50.0f}, {51.0f, 51.0f}, {}},
    };
    for (const auto& c : cases) {
        std::vector<GameObject*> found = world.query(c.lower, c.upper);
        std::vector<GameObject*> expected = c.found;
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found, expected) << c.name;
    }
}

} // namespace
