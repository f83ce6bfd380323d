#pragma once

#include "PhysicsWorld.h"

#include <vector>

namespace gametest {

/// A body whose state the test sets directly; the fake world moves it by its velocity.
class FakeBody : public PhysicsBody {
public:
    Vector2 position() const override { return pos; }
    float angle() const override { return ang; }
    Vector2 linearVelocity() const override { return velocity; }
    void setLinearVelocity(Vector2 v) override { velocity = v; }
    float angularVelocity() const override { return spin; }
    BodyType type() const override { return bodyType; }
    float mass() const override { return bodyMass; }
    bool isAwake() const override { return awake; }
    void wake() override { awake = true; }
    bool hasJoints() const override { return jointed; }
    void setBullet(bool value) override { bullet = value; }
    void applyForceToCenter(Vector2 f) override {
        force.x += f.x;
        force.y += f.y;
    }

    Vector2 pos;
    float ang = 0.0f;
    Vector2 velocity;
    float spin = 0.0f;
    BodyType bodyType = BodyType::Dynamic;
    float bodyMass = 1.0f;
    bool awake = true;
    bool jointed = false;
    bool bullet = false;
    Vector2 force;
    /// The force accumulated when the world last stepped.
    Vector2 forceAtStep;
};

/// A world that moves its awake bodies in a straight line by their velocity and turns them by
/// their spin; it counts steps and records the bodies' positions after each one.
class FakeWorld : public PhysicsWorld {
public:
    void step(float seconds, int velocityIterations, int positionIterations) override {
        ++steps;
        lastIterations = {static_cast<float>(velocityIterations), static_cast<float>(positionIterations)};
        for (FakeBody* body : bodies) {
            body->forceAtStep = body->force;
            if (!body->awake || body->bodyType == BodyType::Static)
                continue;
            body->pos.x += body->velocity.x * seconds;
            body->pos.y += body->velocity.y * seconds;
            body->ang += body->spin * seconds;
        }
    }
    void clearForces() override {
        ++forceClears;
        for (FakeBody* body : bodies)
            body->force = {};
    }
    Vector2 gravity() const override { return {0.0f, 20.0f}; }

    std::vector<FakeBody*> bodies;
    int steps = 0;
    int forceClears = 0;
    Vector2 lastIterations;
};

} // namespace gametest
