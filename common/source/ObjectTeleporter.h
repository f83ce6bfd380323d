#pragma once

#include "physics/Vector2.h"

#include <memory>
#include <string>

struct GameObject;

/// A pending move of one game object to another place and velocity. The world keeps at most one
/// per object and advances it every frame until `update` reports it finished. This base moves the
/// object at its first update; `PortalObjectTeleporter` waits until its object has gone into a
/// portal. Its object must outlive it: the world drops an object's teleporter with the object.
/// Bodies are moved only outside the world step. Main thread only.
class ObjectTeleporter {
public:
    /// Moves `object` to `exitPosition` (world units) at `exitAngle` (radians) with
    /// `exitVelocity` (world units per second); `id` names the move (it starts with the object's
    /// name).
    ObjectTeleporter(GameObject& object, std::string id, Vector2 exitPosition, Vector2 exitVelocity, float exitAngle);
    virtual ~ObjectTeleporter() = default;
    ObjectTeleporter(const ObjectTeleporter&) = delete;
    ObjectTeleporter& operator=(const ObjectTeleporter&) = delete;

    /// Advances the move by `dt` seconds; true when it is finished and may be dropped. The base
    /// teleports at once.
    virtual bool update(float dt);
    /// True while the object has not been moved yet (the move may still be called off).
    virtual bool isPending() const { return false; }
    /// False once the teleporter took its object out of the world.
    virtual bool isRemovable() const { return true; }
    /// The same move for `object` (an object split off this one while it travels): the id names
    /// `object` instead.
    virtual std::unique_ptr<ObjectTeleporter> cloneFor(GameObject& object) const;
    /// Puts the object at the exit: its drawn pose and both step positions, the body's pose and,
    /// unless the body is static, its velocity.
    virtual void teleport();

    const std::string& id() const { return m_id; }
    GameObject& object() const { return m_object; }

protected:
    /// A copy of `other` for `object`, its id renamed.
    ObjectTeleporter(const ObjectTeleporter& other, GameObject& object);

    GameObject& m_object;
    std::string m_id;
    Vector2 m_exitPosition;
    Vector2 m_exitVelocity;
    float m_exitAngle = 0.0f;
};
