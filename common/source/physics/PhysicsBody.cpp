#include "PhysicsBody.h"

#include "lang/Exception.h"

#include <box2d/box2d.h>

#include <cmath>

namespace {

b2Vec2 toB2(Vector2 v) { return {v.x, v.y}; }
Vector2 fromB2(const b2Vec2& v) { return {v.x, v.y}; }

/// Box2D asserts when a body is moved or retyped while its world steps (from a contact callback).
void refuseWhileStepping(const b2Body* body) {
    if (body->GetWorld()->IsLocked())
        throw lang::Exception(lang::Format("not allowed while the physics world steps (from a contact callback)"));
}

template <class Change> void forEachFixture(b2Body* body, Change change) {
    for (b2Fixture* fixture = body->GetFixtureList(); fixture; fixture = fixture->GetNext())
        change(*fixture);
}

/// Changes the collision filter of every fixture of `body` with `change`.
template <class Change> void changeFilter(b2Body* body, Change change) {
    forEachFixture(body, [&change](b2Fixture& fixture) {
        b2Filter filter = fixture.GetFilterData();
        change(filter);
        fixture.SetFilterData(filter);
    });
}

} // namespace

Vector2 PhysicsBody::position() const { return fromB2(m_body->GetPosition()); }

float PhysicsBody::angle() const {
    const b2Rot& rotation = m_body->GetTransform().q;
    return std::atan2(rotation.s, rotation.c);
}

void PhysicsBody::setTransform(Vector2 position, float angle) {
    refuseWhileStepping(m_body);
    m_body->SetTransform(toB2(position), angle);
}

Vector2 PhysicsBody::linearVelocity() const { return fromB2(m_body->GetLinearVelocity()); }

void PhysicsBody::setLinearVelocity(Vector2 velocity) { m_body->SetLinearVelocity(toB2(velocity)); }

float PhysicsBody::angularVelocity() const { return m_body->GetAngularVelocity(); }

void PhysicsBody::setAngularVelocity(float radiansPerSecond) { m_body->SetAngularVelocity(radiansPerSecond); }

void PhysicsBody::setLinearDamping(float damping) { m_body->SetLinearDamping(damping); }

void PhysicsBody::setAngularDamping(float damping) { m_body->SetAngularDamping(damping); }

float PhysicsBody::angularDamping() const { return m_body->GetAngularDamping(); }

BodyType PhysicsBody::type() const {
    switch (m_body->GetType()) {
    case b2_staticBody:
        return BodyType::Static;
    case b2_kinematicBody:
        return BodyType::Kinematic;
    default:
        return BodyType::Dynamic;
    }
}

void PhysicsBody::setType(BodyType type) {
    refuseWhileStepping(m_body);
    static constexpr b2BodyType kTypes[] = {b2_staticBody, b2_kinematicBody, b2_dynamicBody};
    m_body->SetType(kTypes[static_cast<int>(type)]);
}

float PhysicsBody::mass() const { return m_body->GetMass(); }

bool PhysicsBody::isAwake() const { return m_body->IsAwake(); }

void PhysicsBody::setEnabled(bool enabled) {
    refuseWhileStepping(m_body);
    m_body->SetEnabled(enabled);
}

bool PhysicsBody::isEnabled() const { return m_body->IsEnabled(); }

void PhysicsBody::wake() { m_body->SetAwake(true); }

void PhysicsBody::sleep() { m_body->SetAwake(false); }

bool PhysicsBody::hasJoints() const { return m_body->GetJointList() != nullptr; }

void PhysicsBody::setBullet(bool bullet) { m_body->SetBullet(bullet); }

bool PhysicsBody::isBullet() const { return m_body->IsBullet(); }

void PhysicsBody::applyForceToCenter(Vector2 force) { m_body->ApplyForceToCenter(toB2(force), true); }

void PhysicsBody::applyForce(Vector2 force, Vector2 point) { m_body->ApplyForce(toB2(force), toB2(point), true); }

void PhysicsBody::applyLinearImpulse(Vector2 impulse, Vector2 point) {
    m_body->ApplyLinearImpulse(toB2(impulse), toB2(point), true);
}

Vector2 PhysicsBody::worldPoint(Vector2 local) const { return fromB2(m_body->GetWorldPoint(toB2(local))); }

Vector2 PhysicsBody::localPoint(Vector2 world) const { return fromB2(m_body->GetLocalPoint(toB2(world))); }

void PhysicsBody::setFriction(float friction) {
    forEachFixture(m_body, [friction](b2Fixture& fixture) { fixture.SetFriction(friction); });
}

void PhysicsBody::setRestitution(float restitution) {
    forEachFixture(m_body, [restitution](b2Fixture& fixture) { fixture.SetRestitution(restitution); });
}

void PhysicsBody::setDensity(float density) {
    forEachFixture(m_body, [density](b2Fixture& fixture) { fixture.SetDensity(density); });
}

void PhysicsBody::setFilterCategory(std::uint16_t category) {
    changeFilter(m_body, [category](b2Filter& filter) { filter.categoryBits = category; });
}

void PhysicsBody::setFilterMask(std::uint16_t mask) {
    changeFilter(m_body, [mask](b2Filter& filter) { filter.maskBits = mask; });
}

void PhysicsBody::setFilterGroup(std::int16_t group) {
    changeFilter(m_body, [group](b2Filter& filter) { filter.groupIndex = group; });
}

void PhysicsBody::setSensor(bool sensor) {
    forEachFixture(m_body, [sensor](b2Fixture& fixture) { fixture.SetSensor(sensor); });
}
