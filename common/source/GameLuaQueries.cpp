// Queries about objects: angle, speed, velocity, points in an object's frame, and which objects
// lie in a box.
#include "FiniteNumbers.h"
#include "GameLua.h"
#include "lua/LuaState.h"

#include <cmath>

namespace {

int pushVector(lua::LuaState& lua, Vector2 value) {
    lua.pushNumber(value.x);
    lua.pushNumber(value.y);
    return 2;
}

} // namespace

void GameLua::registerQueryNatives() {
    registerMethod("getAngle", &GameLua::getAngle);
    registerMethod("getIntersectingObjects", &GameLua::getIntersectingObjects);
    registerMethod("getWorldPoint", &GameLua::getWorldPoint);
    registerMethod("getLocalPoint", &GameLua::getLocalPoint);
    registerMethod("getVelocity", &GameLua::getVelocity);
    registerMethod("getSpeed", &GameLua::getSpeed);
}

// getAngle(name) -> radians: the angle drawn in the last frame, or the angle last set
float GameLua::getAngle(const std::string& name) { return objectNamed(name, "getAngle").render.angle; }

// getSpeed(name) -> world units per second; 0 for an unknown name
float GameLua::getSpeed(const std::string& name) {
    const GameObject* object = findObject(name);
    if (!object)
        return 0.0f;
    const Vector2 velocity = object->body.linearVelocity();
    return std::hypot(velocity.x, velocity.y);
}

// getVelocity(name) -> vx, vy
int GameLua::getVelocity(lua::LuaState& lua) {
    return pushVector(lua, objectNamed(lua.toString(1), "getVelocity").body.linearVelocity());
}

// getWorldPoint(name, x, y) -> x, y: the world position of the body-local point
int GameLua::getWorldPoint(lua::LuaState& lua) {
    GameObject& object = objectNamed(lua.toString(1), "getWorldPoint");
    const Vector2 local{lua.toNumber(2), lua.toNumber(3)};
    requireFinite("getWorldPoint", {local.x, local.y});
    return pushVector(lua, object.body.worldPoint(local));
}

// getLocalPoint(name, x, y) -> x, y: the body-local position of the world point
int GameLua::getLocalPoint(lua::LuaState& lua) {
    GameObject& object = objectNamed(lua.toString(1), "getLocalPoint");
    const Vector2 world{lua.toNumber(2), lua.toNumber(3)};
    requireFinite("getLocalPoint", {world.x, world.y});
    return pushVector(lua, object.body.localPoint(world));
}

// getIntersectingObjects({x, y, left, right, down, up}) -> {names}: every fixture whose bounding
// box overlaps (x + left, y + down)..(x + right, y + up), static ones included, in world order
lua::LuaTable GameLua::getIntersectingObjects(lua::LuaTable box) {
    const float x = box.getNumber("x");
    const float y = box.getNumber("y");
    const Vector2 lower{x + box.getNumber("left"), y + box.getNumber("down")};
    const Vector2 upper{x + box.getNumber("right"), y + box.getNumber("up")};
    requireFinite("getIntersectingObjects", {lower.x, lower.y, upper.x, upper.y});
    lua::LuaTable names(state());
    int index = 0;
    for (const GameObject* object : m_world->query(lower, upper))
        names.set(++index, object->name);
    return names;
}
