#pragma once

/// A vector in world units (one world unit is 20 pixels on screen at scale 1).
struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;
};

/// How a body moves: static bodies never move, kinematic ones move only as they are told,
/// dynamic ones respond to forces and contacts.
enum class BodyType { Static, Kinematic, Dynamic };

/// One rigid body of the physics world, as the frame update reads and nudges it. The world
/// owns the body; the game object holding this handle is the only one using it.
class PhysicsBody {
public:
    virtual ~PhysicsBody();

    /// The body origin in world units.
    virtual Vector2 position() const = 0;
    /// The body angle in radians, from its rotation (in -π to π).
    virtual float angle() const = 0;
    /// World units per second.
    virtual Vector2 linearVelocity() const = 0;
    virtual void setLinearVelocity(Vector2 velocity) = 0;
    /// Radians per second, positive clockwise on screen.
    virtual float angularVelocity() const = 0;
    virtual BodyType type() const = 0;
    /// Mass in kilograms; 0 for static and kinematic bodies.
    virtual float mass() const = 0;
    /// True while the body takes part in the simulation (it has not fallen asleep).
    virtual bool isAwake() const = 0;
    /// Wakes the body up.
    virtual void wake() = 0;
    /// True when at least one joint is attached to the body.
    virtual bool hasJoints() const = 0;
    /// Continuous collision against other moving bodies, for fast projectiles.
    virtual void setBullet(bool bullet) = 0;
    /// Adds `force` (newtons) at the centre of mass to the force accumulated for the next step,
    /// without torque.
    virtual void applyForceToCenter(Vector2 force) = 0;
};

/// The physics world the game objects live in. The game steps it in fixed steps.
class PhysicsWorld {
public:
    virtual ~PhysicsWorld();

    /// Advances the simulation by `seconds` with the given solver iteration counts.
    virtual void step(float seconds, int velocityIterations, int positionIterations) = 0;
    /// Forgets the forces accumulated on every body.
    virtual void clearForces() = 0;
    /// World units per second squared; y grows downwards.
    virtual Vector2 gravity() const = 0;
};
