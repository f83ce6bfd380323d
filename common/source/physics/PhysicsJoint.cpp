#include "PhysicsJoint.h"

#include "lang/Exception.h"

#include <box2d/box2d.h>

namespace {

Vector2 fromB2(const b2Vec2& v) { return {v.x, v.y}; }

b2RevoluteJoint* revolute(b2Joint* joint) {
    return joint->GetType() == e_revoluteJoint ? static_cast<b2RevoluteJoint*>(joint) : nullptr;
}

b2PrismaticJoint* prismatic(b2Joint* joint) {
    return joint->GetType() == e_prismaticJoint ? static_cast<b2PrismaticJoint*>(joint) : nullptr;
}

/// Runs `revoluteChange` or `prismaticChange` on the joint of that kind; `otherwise` for the rest.
template <class R, class P, class T> T either(b2Joint* joint, R revoluteChange, P prismaticChange, T otherwise) {
    if (b2RevoluteJoint* r = revolute(joint))
        return revoluteChange(*r);
    if (b2PrismaticJoint* p = prismatic(joint))
        return prismaticChange(*p);
    return otherwise;
}

} // namespace

JointKind PhysicsJoint::kind() const {
    switch (m_joint->GetType()) {
    case e_distanceJoint:
        return JointKind::Distance;
    case e_revoluteJoint:
        return JointKind::Revolute;
    case e_prismaticJoint:
        return JointKind::Prismatic;
    default:
        return JointKind::Weld;
    }
}

Vector2 PhysicsJoint::anchorA() const { return fromB2(m_joint->GetAnchorA()); }

Vector2 PhysicsJoint::anchorB() const { return fromB2(m_joint->GetAnchorB()); }

PhysicsBody PhysicsJoint::bodyA() const { return PhysicsBody(m_joint->GetBodyA()); }

PhysicsBody PhysicsJoint::bodyB() const { return PhysicsBody(m_joint->GetBodyB()); }

bool PhysicsJoint::isMotorEnabled() const {
    return either(
        m_joint, [](b2RevoluteJoint& j) { return j.IsMotorEnabled(); },
        [](b2PrismaticJoint& j) { return j.IsMotorEnabled(); }, false);
}

void PhysicsJoint::enableMotor(bool enabled) {
    either(
        m_joint, [enabled](b2RevoluteJoint& j) { return j.EnableMotor(enabled), 0; },
        [enabled](b2PrismaticJoint& j) { return j.EnableMotor(enabled), 0; }, 0);
}

float PhysicsJoint::motorSpeed() const {
    return either(
        m_joint, [](b2RevoluteJoint& j) { return j.GetMotorSpeed(); },
        [](b2PrismaticJoint& j) { return j.GetMotorSpeed(); }, 0.0f);
}

void PhysicsJoint::setMotorSpeed(float speed) {
    either(
        m_joint, [speed](b2RevoluteJoint& j) { return j.SetMotorSpeed(speed), 0; },
        [speed](b2PrismaticJoint& j) { return j.SetMotorSpeed(speed), 0; }, 0);
}

void PhysicsJoint::setMaxMotorTorque(float torque) {
    either(
        m_joint, [torque](b2RevoluteJoint& j) { return j.SetMaxMotorTorque(torque), 0; },
        [torque](b2PrismaticJoint& j) { return j.SetMaxMotorForce(torque), 0; }, 0);
}

bool PhysicsJoint::isLimitEnabled() const {
    return either(
        m_joint, [](b2RevoluteJoint& j) { return j.IsLimitEnabled(); },
        [](b2PrismaticJoint& j) { return j.IsLimitEnabled(); }, false);
}

void PhysicsJoint::enableLimit(bool enabled) {
    either(
        m_joint, [enabled](b2RevoluteJoint& j) { return j.EnableLimit(enabled), 0; },
        [enabled](b2PrismaticJoint& j) { return j.EnableLimit(enabled), 0; }, 0);
}

float PhysicsJoint::lowerLimit() const {
    return either(
        m_joint, [](b2RevoluteJoint& j) { return j.GetLowerLimit(); },
        [](b2PrismaticJoint& j) { return j.GetLowerLimit(); }, 0.0f);
}

float PhysicsJoint::upperLimit() const {
    return either(
        m_joint, [](b2RevoluteJoint& j) { return j.GetUpperLimit(); },
        [](b2PrismaticJoint& j) { return j.GetUpperLimit(); }, 0.0f);
}

void PhysicsJoint::requireOrderedLimits(float lower, float upper) {
    if (!(lower <= upper))
        throw lang::Exception(lang::Format("A joint's lower limit {0} must not exceed its upper limit {1}", lower, upper));
}

void PhysicsJoint::setLimits(float lower, float upper) {
    requireOrderedLimits(lower, upper);
    either(
        m_joint, [=](b2RevoluteJoint& j) { return j.SetLimits(lower, upper), 0; },
        [=](b2PrismaticJoint& j) { return j.SetLimits(lower, upper), 0; }, 0);
}

float PhysicsJoint::value() const {
    return either(
        m_joint, [](b2RevoluteJoint& j) { return j.GetJointAngle(); },
        [](b2PrismaticJoint& j) { return j.GetJointTranslation(); }, 0.0f);
}

float PhysicsJoint::length() const {
    return m_joint->GetType() == e_distanceJoint ? static_cast<b2DistanceJoint*>(m_joint)->GetLength() : 0.0f;
}

void PhysicsJoint::setSpring(float hertz, float dampingRatio) {
    if (m_joint->GetType() != e_distanceJoint)
        return;
    auto& distance = *static_cast<b2DistanceJoint*>(m_joint);
    float stiffness = 0.0f;
    float damping = 0.0f;
    b2LinearStiffness(stiffness, damping, hertz, dampingRatio, m_joint->GetBodyA(), m_joint->GetBodyB());
    distance.SetStiffness(stiffness);
    distance.SetDamping(damping);
}
