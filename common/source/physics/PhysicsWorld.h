#pragma once

#include "PhysicsBody.h"
#include "PhysicsJoint.h"
#include "Vector2.h"

#include <exception>
#include <memory>
#include <vector>

class ContactHandler;
class ContactAdapter;
class b2World;
struct GameObject;

/// The outline of a body's single fixture, centred on the body origin (world units).
struct FixtureShape {
    enum class Kind { Circle, Box, Polygon };
    Kind kind = Kind::Box;
    /// Circles.
    float radius = 0.0f;
    /// Boxes: half the width and half the height.
    Vector2 halfExtents;
    /// Polygons: 3 to 8 points of a convex outline, in body coordinates.
    std::vector<Vector2> vertices;
};

/// A body with one fixture, as the game creates them.
struct BodyDefinition {
    Vector2 position;
    bool dynamic = true;
    FixtureShape shape;
    float density = 0.0f;
    float friction = 0.0f;
    float restitution = 0.0f;
    /// The game object the fixture belongs to (contacts report it); may be null.
    GameObject* owner = nullptr;
};

/// The physics world (Box2D) the game objects live in. It owns every body and joint: they are
/// created and destroyed only through it. Destruction asked for while the world steps (from a
/// contact handler) is deferred to the end of the step; creation while it steps is refused with
/// `lang::Exception`. Every number handed in must be finite. Game thread only.
class PhysicsWorld {
public:
    /// The largest distance (world units) a body moves in one step when nothing else is set.
    static constexpr float kDefaultMaxTranslation = 2.0f;

    explicit PhysicsWorld(Vector2 gravity);
    ~PhysicsWorld();
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    /// Creates a body with its fixture: dynamic bodies get linear damping 0 and angular damping 1,
    /// box and polygon shapes a skin radius of 0.1. Raises `lang::Exception` for a shape Box2D
    /// cannot take (a size that is not positive, a polygon that is not 3 to 8 points enclosing an
    /// area) or while the world steps.
    PhysicsBody createBody(const BodyDefinition& definition);
    /// Replaces the circle fixture of `body` with one of `radius`, keeping its material, filter
    /// and owner, and recomputes the mass.
    void resizeCircle(PhysicsBody body, float radius);
    /// Destroys `body` with its fixtures and joints; during a step its fixtures stop reporting
    /// their object at once and the body goes when the step ends.
    void destroyBody(PhysicsBody body);
    /// Creates a joint; refused while the world steps, and for revolute and prismatic joints whose
    /// lower limit exceeds the upper one.
    PhysicsJoint createJoint(const JointDefinition& definition);
    /// Destroys `joint`; deferred to the end of the step when the world is stepping.
    void destroyJoint(PhysicsJoint joint);
    /// Destroys every joint attached to `body`, handles held elsewhere included (they become
    /// invalid). Raises `lang::Exception` while the world steps.
    void destroyJointsOf(PhysicsBody body);

    /// Advances the simulation by `seconds`. An exception raised by the contact handler during the
    /// step is kept (later handler calls of the step are skipped), the step finishes, the
    /// deferred destruction runs, and then the exception is rethrown.
    void step(float seconds, int velocityIterations, int positionIterations);
    /// True while the world steps (contact handlers run then).
    bool isStepping() const;
    /// Forgets the forces accumulated on every body.
    void clearForces();
    /// World units per second squared; y grows downwards.
    Vector2 gravity() const;
    void setGravity(Vector2 gravity);
    /// The rules for contacts; null (the default) lets every pair collide silently. The handler
    /// must outlive the world or be reset first.
    void setContactHandler(ContactHandler* handler);
    /// The game objects of the fixtures whose bounding boxes overlap the box from `lower` to
    /// `upper`, one entry per fixture, in the order the world reports them; fixtures without an
    /// object are left out.
    std::vector<GameObject*> query(Vector2 lower, Vector2 upper) const;
    /// Number of bodies and joints in the world (bodies waiting for deferred destruction count).
    int bodyCount() const;
    int jointCount() const;

    /// The largest distance (world units) any body may move in one step, for every world of the
    /// process (Box2D keeps it global). Raises `lang::Exception` for NaN, infinities and negatives.
    static void setMaxTranslation(float translation);
    static float maxTranslation();

private:
    void flushDeferred();

    std::unique_ptr<b2World> m_world;
    std::unique_ptr<ContactAdapter> m_adapter;
    std::vector<PhysicsBody> m_deferredBodies;
    std::vector<PhysicsJoint> m_deferredJoints;
};
