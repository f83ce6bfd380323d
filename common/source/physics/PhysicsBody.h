#pragma once

#include "Vector2.h"

#include <cstdint>

class b2Body;

/// A handle to one rigid body of a `PhysicsWorld`, which owns the body: the handle is valid from
/// `PhysicsWorld::createBody` until `PhysicsWorld::destroyBody`. Copying copies the handle.
/// Every game object's body has exactly one fixture; the fixture setters change all of a body's
/// fixtures, as a body made elsewhere may have more.
class PhysicsBody {
public:
    PhysicsBody() = default;
    explicit PhysicsBody(b2Body* body) : m_body(body) {}

    /// True when the handle names a body.
    explicit operator bool() const { return m_body != nullptr; }
    bool operator==(const PhysicsBody&) const = default;

    /// The body origin in world units.
    Vector2 position() const;
    /// The body angle in radians from its rotation, in -π to π (not Box2D's unbounded angle).
    float angle() const;
    /// Moves the body to `position` (world units) at `angle` (radians). Raises `lang::Exception`
    /// while the world steps, as `setType` does.
    void setTransform(Vector2 position, float angle);
    /// World units per second.
    Vector2 linearVelocity() const;
    void setLinearVelocity(Vector2 velocity);
    /// Radians per second, positive clockwise on screen.
    float angularVelocity() const;
    void setAngularVelocity(float radiansPerSecond);
    void setLinearDamping(float damping);
    void setAngularDamping(float damping);
    float angularDamping() const;
    BodyType type() const;
    /// Changes the type; a static body loses its velocity and the mass is recomputed.
    void setType(BodyType type);
    /// Mass in kilograms; 0 for static and kinematic bodies.
    float mass() const;
    /// True while the body takes part in the simulation (it has not fallen asleep).
    bool isAwake() const;
    /// Takes the body out of the simulation (no contacts, no motion, its contacts end) or puts it
    /// back. Raises `lang::Exception` while the world steps, as `setType` does.
    void setEnabled(bool enabled);
    bool isEnabled() const;
    /// Wakes the body up (sleep time 0).
    void wake();
    /// Puts the body to sleep at once: velocities, force and torque become zero.
    void sleep();
    /// True when at least one joint is attached to the body.
    bool hasJoints() const;
    /// Continuous collision against other moving bodies, for fast projectiles.
    void setBullet(bool bullet);
    bool isBullet() const;
    /// Adds `force` (newtons) at the centre of mass to the force of the next step, no torque.
    void applyForceToCenter(Vector2 force);
    /// Adds `force` (newtons) at the world point `point` to the force of the next step.
    void applyForce(Vector2 force, Vector2 point);
    /// Changes the velocity by `impulse` (newton-seconds) applied at the world point `point`.
    void applyLinearImpulse(Vector2 impulse, Vector2 point);
    /// The world position of the body-local point `local`, and the reverse.
    Vector2 worldPoint(Vector2 local) const;
    Vector2 localPoint(Vector2 world) const;

    /// Fixture material of every fixture; the mass is not recomputed.
    void setFriction(float friction);
    void setRestitution(float restitution);
    void setDensity(float density);
    /// Collision filter bits of every fixture; the other filter fields are kept.
    void setFilterCategory(std::uint16_t category);
    void setFilterMask(std::uint16_t mask);
    /// Collision group of every fixture: fixtures of the same positive group always collide, of
    /// the same negative group never; 0 leaves the decision to the category and mask bits.
    void setFilterGroup(std::int16_t group);
    void setSensor(bool sensor);

private:
    friend class PhysicsWorld;
    friend class PhysicsJoint;
    b2Body* m_body = nullptr;
};
