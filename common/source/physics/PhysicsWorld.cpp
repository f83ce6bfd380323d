#include "PhysicsWorld.h"

#include "ContactAdapter.h"
#include "lang/Exception.h"

#include <box2d/box2d.h>

#include <cmath>
#include <cstdint>

namespace {

/// Box and polygon shapes keep this skin around their outline (world units).
constexpr float kPolygonSkin = 0.1f;
constexpr float kAngularDamping = 1.0f;
/// Twice the smallest area Box2D accepts for a polygon's mass (it asserts on less).
constexpr float kMinTwiceArea = 1e-6f;

b2Vec2 toB2(Vector2 v) { return {v.x, v.y}; }

/// Box2D merges points closer than half its linear slop and needs three points that are not on
/// one line; anything less makes it assert (or silently use a unit box).
bool enclosesArea(const std::vector<Vector2>& points) {
    if (points.size() < 3 || points.size() > b2_maxPolygonVertices)
        return false;
    for (size_t i = 0; i < points.size(); ++i)
        for (size_t j = i + 1; j < points.size(); ++j)
            for (size_t k = j + 1; k < points.size(); ++k) {
                const float cross = (points[j].x - points[i].x) * (points[k].y - points[i].y) -
                                    (points[j].y - points[i].y) * (points[k].x - points[i].x);
                if (std::fabs(cross) > kMinTwiceArea)
                    return true;
            }
    return false;
}

void refuseWhileStepping(const b2World& world, const char* what) {
    if (world.IsLocked())
        throw lang::Exception(lang::Format("{0} cannot be created while the physics world steps", what));
}

b2PolygonShape polygonOf(const std::vector<Vector2>& points) {
    if (!enclosesArea(points))
        throw lang::Exception(lang::Format("A polygon needs 3 to 8 points that enclose an area, not {0} points", points.size()));
    b2Vec2 vertices[b2_maxPolygonVertices];
    for (size_t i = 0; i < points.size(); ++i)
        vertices[i] = toB2(points[i]);
    b2PolygonShape shape;
    shape.Set(vertices, static_cast<int32>(points.size()));
    shape.m_radius = kPolygonSkin;
    return shape;
}

b2CircleShape circleOf(float radius) {
    if (!(radius > 0.0f))
        throw lang::Exception(lang::Format("A circle's radius must be positive, not {0}", radius));
    b2CircleShape shape;
    shape.m_radius = radius;
    return shape;
}

/// The motor and limits of a revolute or prismatic joint, whose fields differ only in name.
template <class Definition>
void copyMotorAndLimits(const JointDefinition& from, Definition& to, float Definition::*maxMotor,
                        float Definition::*lower, float Definition::*upper) {
    to.collideConnected = from.collideConnected;
    to.enableMotor = from.motor;
    to.motorSpeed = from.motorSpeed;
    to.*maxMotor = from.maxMotorTorque;
    to.enableLimit = from.limit;
    to.*lower = from.lowerLimit;
    to.*upper = from.upperLimit;
}

} // namespace

PhysicsWorld::PhysicsWorld(Vector2 gravity)
    : m_world(std::make_unique<b2World>(toB2(gravity))), m_adapter(std::make_unique<ContactAdapter>()) {
    m_world->SetContactFilter(m_adapter.get());
    m_world->SetContactListener(m_adapter.get());
}

PhysicsWorld::~PhysicsWorld() {
    // Box2D reports nothing while the world itself goes away.
    m_adapter->setHandler(nullptr);
}

PhysicsBody PhysicsWorld::createBody(const BodyDefinition& definition) {
    refuseWhileStepping(*m_world, "Bodies");
    const FixtureShape& shape = definition.shape;
    b2PolygonShape polygon;
    b2CircleShape circle;
    b2FixtureDef fixture;
    switch (shape.kind) {
    case FixtureShape::Kind::Circle:
        circle = circleOf(shape.radius);
        fixture.shape = &circle;
        break;
    case FixtureShape::Kind::Box: {
        const Vector2 h = shape.halfExtents;
        // Box2D asserts on a box without area, however small its sides.
        if (!(h.x > 0.0f && h.y > 0.0f) || !enclosesArea({{-h.x, -h.y}, {h.x, -h.y}, {h.x, h.y}}))
            throw lang::Exception(lang::Format("A box's width and height must be positive, not {0} by {1}", 2 * h.x, 2 * h.y));
        polygon.SetAsBox(h.x, h.y);
        polygon.m_radius = kPolygonSkin;
        fixture.shape = &polygon;
        break;
    }
    case FixtureShape::Kind::Polygon:
        polygon = polygonOf(shape.vertices);
        fixture.shape = &polygon;
        break;
    }
    b2BodyDef body;
    body.type = definition.dynamic ? b2_dynamicBody : b2_staticBody;
    body.position = toB2(definition.position);
    body.angularDamping = kAngularDamping;
    fixture.density = definition.density;
    fixture.friction = definition.friction;
    fixture.restitution = definition.restitution;
    fixture.userData.pointer = reinterpret_cast<std::uintptr_t>(definition.owner);
    b2Body* created = m_world->CreateBody(&body);
    created->CreateFixture(&fixture);
    return PhysicsBody(created);
}

void PhysicsWorld::resizeCircle(PhysicsBody body, float radius) {
    refuseWhileStepping(*m_world, "Fixtures");
    b2Fixture* old = body.m_body->GetFixtureList();
    const b2CircleShape circle = circleOf(radius);
    b2FixtureDef fixture;
    fixture.shape = &circle;
    fixture.density = old->GetDensity();
    fixture.friction = old->GetFriction();
    fixture.restitution = old->GetRestitution();
    fixture.isSensor = old->IsSensor();
    fixture.filter = old->GetFilterData();
    fixture.userData = old->GetUserData();
    body.m_body->DestroyFixture(old);
    body.m_body->CreateFixture(&fixture);
    m_adapter->rethrowKept();
}

void PhysicsWorld::destroyBody(PhysicsBody body) {
    if (m_world->IsLocked()) {
        // The step may still report this body's contacts: they must not name a freed object.
        for (b2Fixture* fixture = body.m_body->GetFixtureList(); fixture; fixture = fixture->GetNext())
            fixture->GetUserData().pointer = 0;
        m_deferredBodies.push_back(body);
        return;
    }
    m_world->DestroyBody(body.m_body);
    m_adapter->rethrowKept();
}

PhysicsJoint PhysicsWorld::createJoint(const JointDefinition& definition) {
    refuseWhileStepping(*m_world, "Joints");
    b2Body* a = definition.bodyA.m_body;
    b2Body* b = definition.bodyB.m_body;
    if (a == b)
        throw lang::Exception(lang::Format("A joint needs two different bodies"));
    const b2Vec2 anchor = toB2(definition.worldAnchor);
    if (definition.kind == JointKind::Revolute || definition.kind == JointKind::Prismatic)
        PhysicsJoint::requireOrderedLimits(definition.lowerLimit, definition.upperLimit);
    switch (definition.kind) {
    case JointKind::Distance: {
        b2DistanceJointDef joint;
        joint.bodyA = a;
        joint.bodyB = b;
        joint.localAnchorA = toB2(definition.localAnchorA);
        joint.localAnchorB = toB2(definition.localAnchorB);
        joint.length = joint.minLength = joint.maxLength = definition.length;
        joint.collideConnected = definition.collideConnected;
        b2LinearStiffness(joint.stiffness, joint.damping, definition.frequency, definition.dampingRatio, a, b);
        return PhysicsJoint(m_world->CreateJoint(&joint));
    }
    case JointKind::Weld: {
        b2WeldJointDef joint;
        joint.Initialize(a, b, anchor);
        joint.collideConnected = definition.collideConnected;
        return PhysicsJoint(m_world->CreateJoint(&joint));
    }
    case JointKind::Revolute: {
        b2RevoluteJointDef joint;
        joint.Initialize(a, b, anchor);
        copyMotorAndLimits(definition, joint, &b2RevoluteJointDef::maxMotorTorque, &b2RevoluteJointDef::lowerAngle,
                           &b2RevoluteJointDef::upperAngle);
        return PhysicsJoint(m_world->CreateJoint(&joint));
    }
    case JointKind::Prismatic: {
        b2PrismaticJointDef joint;
        b2Vec2 axis = toB2(definition.axis);
        if (axis.Normalize() == 0.0f)
            throw lang::Exception(lang::Format("A prismatic joint's axis must not be zero"));
        joint.Initialize(a, b, anchor, axis);
        copyMotorAndLimits(definition, joint, &b2PrismaticJointDef::maxMotorForce,
                           &b2PrismaticJointDef::lowerTranslation, &b2PrismaticJointDef::upperTranslation);
        return PhysicsJoint(m_world->CreateJoint(&joint));
    }
    }
    throw lang::Exception(lang::Format("Unknown joint kind {0}", static_cast<int>(definition.kind)));
}

void PhysicsWorld::destroyJoint(PhysicsJoint joint) {
    if (m_world->IsLocked())
        m_deferredJoints.push_back(joint);
    else
        m_world->DestroyJoint(joint.m_joint);
}

void PhysicsWorld::destroyJointsOf(PhysicsBody body) {
    if (m_world->IsLocked())
        throw lang::Exception(lang::Format("not allowed while the physics world steps (from a contact callback)"));
    while (b2JointEdge* edge = body.m_body->GetJointList())
        m_world->DestroyJoint(edge->joint);
}

void PhysicsWorld::step(float seconds, int velocityIterations, int positionIterations) {
    m_world->Step(seconds, velocityIterations, positionIterations);
    flushDeferred();
    m_adapter->endStep();
    m_adapter->rethrowKept();
}

void PhysicsWorld::flushDeferred() {
    // Joints first: destroying a body also destroys its joints, which must not go twice.
    for (PhysicsJoint joint : m_deferredJoints)
        m_world->DestroyJoint(joint.m_joint);
    m_deferredJoints.clear();
    for (PhysicsBody body : m_deferredBodies)
        m_world->DestroyBody(body.m_body);
    m_deferredBodies.clear();
}

bool PhysicsWorld::isStepping() const { return m_world->IsLocked(); }

void PhysicsWorld::clearForces() { m_world->ClearForces(); }

Vector2 PhysicsWorld::gravity() const {
    const b2Vec2 g = m_world->GetGravity();
    return {g.x, g.y};
}

void PhysicsWorld::setGravity(Vector2 gravity) { m_world->SetGravity(toB2(gravity)); }

void PhysicsWorld::setContactHandler(ContactHandler* handler) { m_adapter->setHandler(handler); }

std::vector<GameObject*> PhysicsWorld::query(Vector2 lower, Vector2 upper) const {
    class Collector : public b2QueryCallback {
    public:
        bool ReportFixture(b2Fixture* fixture) override {
            if (GameObject* owner = ContactAdapter::ownerOf(*fixture))
                found.push_back(owner);
            return true;
        }
        std::vector<GameObject*> found;
    } collector;
    b2AABB box;
    box.lowerBound = toB2(lower);
    box.upperBound = toB2(upper);
    m_world->QueryAABB(&collector, box);
    return collector.found;
}

int PhysicsWorld::bodyCount() const { return m_world->GetBodyCount(); }

int PhysicsWorld::jointCount() const { return m_world->GetJointCount(); }

void PhysicsWorld::setMaxTranslation(float translation) {
    if (!std::isfinite(translation) || translation < 0.0f)
        throw lang::Exception(
            lang::Format("The largest translation per step must be a finite number of at least 0, not {0}", translation));
    b2_maxTranslation = translation;
    b2_maxTranslationSquared = translation * translation;
}

float PhysicsWorld::maxTranslation() { return b2_maxTranslation; }
