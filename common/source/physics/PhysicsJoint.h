#pragma once

#include "PhysicsBody.h"
#include "Vector2.h"

class b2Joint;

/// The Box2D joints the game makes.
enum class JointKind { Distance = 1, Weld = 2, Revolute = 3, Prismatic = 4 };

/// What a joint joins and how (world units, radians, seconds). Fields a kind does not use are
/// ignored; the anchors are read as each kind's comment says.
struct JointDefinition {
    JointKind kind = JointKind::Weld;
    PhysicsBody bodyA;
    PhysicsBody bodyB;
    bool collideConnected = false;
    /// Distance joints: the anchors in each body's frame, the rest length, and the spring as a
    /// frequency (hertz, 0 = rigid) and damping ratio.
    Vector2 localAnchorA;
    Vector2 localAnchorB;
    float length = 0.0f;
    float frequency = 0.0f;
    float dampingRatio = 0.0f;
    /// Weld, revolute and prismatic joints: the anchor in world coordinates; prismatic joints
    /// slide along `axis` (world frame, need not be unit length).
    Vector2 worldAnchor;
    Vector2 axis{1.0f, 0.0f};
    /// Revolute and prismatic joints: the motor (speed in radians or world units per second,
    /// largest torque or force) and the limits (radians or world units).
    bool motor = false;
    float motorSpeed = 0.0f;
    float maxMotorTorque = 0.0f;
    bool limit = false;
    float lowerLimit = 0.0f;
    float upperLimit = 0.0f;
};

/// A handle to one joint of a `PhysicsWorld`, valid until the joint or either body is destroyed.
/// The motor and limit operations act on revolute and prismatic joints and do nothing on
/// others; `setSpring` acts on distance joints.
class PhysicsJoint {
public:
    PhysicsJoint() = default;
    explicit PhysicsJoint(b2Joint* joint) : m_joint(joint) {}

    explicit operator bool() const { return m_joint != nullptr; }
    bool operator==(const PhysicsJoint&) const = default;

    JointKind kind() const;
    /// The anchors on body A and body B in world coordinates.
    Vector2 anchorA() const;
    Vector2 anchorB() const;
    PhysicsBody bodyA() const;
    PhysicsBody bodyB() const;

    bool isMotorEnabled() const;
    void enableMotor(bool enabled);
    float motorSpeed() const;
    void setMotorSpeed(float speed);
    /// Largest motor torque (revolute) or force (prismatic).
    void setMaxMotorTorque(float torque);
    bool isLimitEnabled() const;
    void enableLimit(bool enabled);
    float lowerLimit() const;
    float upperLimit() const;
    /// Raises `lang::Exception` when `lower` exceeds `upper` (Box2D asserts on that).
    void setLimits(float lower, float upper);
    /// Raises `lang::Exception` unless `lower` <= `upper`; joint creation checks the same.
    static void requireOrderedLimits(float lower, float upper);
    /// The joint angle (revolute, radians) or translation (prismatic, world units).
    float value() const;
    /// The distance joint's rest length in world units; 0 for other kinds.
    float length() const;
    /// The distance joint's spring: frequency in hertz (0 = rigid) and damping ratio.
    void setSpring(float hertz, float dampingRatio);

private:
    friend class PhysicsWorld;
    b2Joint* m_joint = nullptr;
};
