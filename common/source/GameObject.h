#pragma once

#include "PhysicsWorld.h"
#include "Pose.h"
#include "lua/LuaTable.h"

#include <memory>
#include <string>

/// The outline of a game object's single fixture.
enum class ShapeKind { Circle = 0, Box = 1, Polygon = 2 };

/// One named object of the game world: a physics body, the poses the frame update keeps for
/// drawing, and the object's script table in "objects.world". Owned by the game, addressed by
/// its unique name.
struct GameObject {
    std::string name;
    /// Row and column in the collision matrix; 1 and 3 are the bird types.
    int colliderType = 0;
    ShapeKind shapeKind = ShapeKind::Box;
    /// Circle radius in world units; -1 when not a circle.
    float radius = -1.0f;
    std::unique_ptr<PhysicsBody> body;
    /// The body poses of the two latest physics steps; the game's snapshot index says which
    /// one is newer.
    Pose stepPoses[2];
    /// The pose drawing uses: the step poses interpolated every frame while the body is awake.
    Pose render;
    /// Whether the body was awake in the previous frame.
    bool wasAwake = false;
    /// Set when the object at the other end of a link was removed; the destroy timer then runs.
    bool jointDetached = false;
    /// Seconds until the detached object is handed to the scripts as dead.
    float destroyTimer = 0.0f;
    /// Angle (radians) and time (seconds) of the pass-through effect of collider type 5.
    float passThroughAngle = 0.0f;
    float passThroughTime = 0.0f;
    /// The object's entry in "objects.world".
    lua::LuaTable table;
};
