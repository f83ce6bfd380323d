#pragma once

#include "Pose.h"
#include "game/CompoSprite.h"
#include "game/Sprite.h"
#include "lang/Ref.h"
#include "lua/LuaTable.h"
#include "physics/PhysicsBody.h"

#include <string>
#include <vector>

/// The outline of a game object's single fixture.
enum class ShapeKind { Circle = 0, Box = 1, Polygon = 2 };

/// One named object of the game world: a physics body with one fixture, the poses the frame
/// update keeps for drawing, and the object's script table in "objects.world". Owned by the game
/// (created and destroyed by `GameLua`, which also creates and destroys the body through its
/// world), addressed by its unique name. Fixtures report the object to contact handling.
struct GameObject {
    std::string name;
    /// Row and column in the collision matrix; 1 and 3 are the bird types.
    int colliderType = 0;
    ShapeKind shapeKind = ShapeKind::Box;
    /// Box size (full extents, world units); -1 when not a box.
    float width = -1.0f;
    float height = -1.0f;
    /// Circle radius in world units; -1 when not a circle.
    float radius = -1.0f;
    /// Polygon outline in body coordinates.
    std::vector<Vector2> vertices;
    float density = 0.0f;
    float friction = 0.0f;
    float restitution = 0.0f;
    /// Sprite scale for drawing.
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    bool visible = true;
    PhysicsBody body;
    /// A text the engine sets and how many times in a row the same text was set.
    std::string stateName;
    int stateCount = 0;
    /// The looping sound played while the object rolls.
    std::string rollingSound;
    std::string spriteName;
    std::string textureName;
    /// The picture found under `spriteName`: a plain or a composite sprite, at most one of them.
    lang::Ref<game::Sprite> sprite;
    lang::Ref<game::CompoSprite> compositeSprite;
    /// The plain sprite found under `textureName`, shown through the sprite's alpha.
    lang::Ref<game::Sprite> texture;
    /// The body poses of the two latest physics steps; the game's snapshot index says which
    /// one is newer.
    Pose stepPoses[2];
    /// The pose drawing and "getAngle" use: the step poses interpolated every frame while the body
    /// is awake, or the pose last set.
    Pose render;
    /// Drawing layer; truncated toward zero it keys the layer list that names the object.
    float zOrder = 0.0f;
    /// Velocity (world units per second) to give the body after the step, set by collisions.
    Vector2 pendingVelocity;
    bool hasPendingVelocity = false;
    /// Takes part in contacts with other game objects.
    bool solid = true;
    /// Whether the body was awake in the previous frame.
    bool wasAwake = false;
    /// Set when the object at the other end of a link was removed; the destroy timer then runs.
    bool jointDetached = false;
    /// Seconds until the detached object is handed to the scripts as dead.
    float destroyTimer = 0.0f;
    /// Scale factors of birds drawn in a screen space of their own (flag6).
    float screenScale[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    bool flag6 = false;
    /// Pass-through mode: the effect's angle (radians) and time (seconds), particles and sound.
    bool passThrough = false;
    float passThroughAngle = 0.0f;
    float passThroughTime = 0.0f;
    std::string passThroughParticles;
    std::string passThroughSound;
    /// The object's entry in "objects.world".
    lua::LuaTable table;

    /// Notes `text` as the object's state (`stateName`) and returns how many times in a row it
    /// was noted: a new text starts again at 1.
    int repeatState(const std::string& text) {
        stateCount = text == stateName ? stateCount + 1 : 1;
        stateName = text;
        return stateCount;
    }
};
