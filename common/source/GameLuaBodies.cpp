// Body motion and material: where an object is, how it moves, what it is made of; and the
// world's gravity. Every number handed to the physics world is checked to be finite first.
#include "FiniteNumbers.h"
#include "GameLua.h"
#include "NativeErrors.h"
#include "lang/Log.h"
#include "lua/LuaState.h"

void GameLua::registerBodyNatives() {
    registerMethod("applyImpulse", &GameLua::applyImpulse);
    registerMethod("applyForceNative", &GameLua::applyForceNative);
    registerMethod("setPosition", &GameLua::setPosition);
    registerMethod("setRotation", &GameLua::setRotation);
    registerMethod("setVelocity", &GameLua::setVelocity);
    registerMethod("setAngularDamping", &GameLua::setAngularDamping);
    registerMethod("setAngularVelocity", &GameLua::setAngularVelocity);
    registerMethod("setLinearDamping", &GameLua::setLinearDamping);
    registerMethod("setFriction", &GameLua::setFriction);
    registerMethod("setRestitution", &GameLua::setRestitution);
    registerMethod("setDensity", &GameLua::setDensity);
    registerMethod("setSleeping", &GameLua::setSleeping);
    registerMethod("setWorldGravity", &GameLua::setWorldGravity);
}

// setPosition(name, x, y): the body keeps its angle
void GameLua::setPosition(const std::string& name, float x, float y) {
    requireFinite("setPosition", {x, y});
    GameObject& object = objectNamed(name, "setPosition");
    namingNative("setPosition", [&] { object.body.setTransform({x, y}, object.body.angle()); });
    object.table.set("x", x);
    object.table.set("y", y);
    for (Pose* pose : {&object.render, &object.stepPoses[0], &object.stepPoses[1]}) {
        pose->x = x;
        pose->y = y;
    }
}

// setRotation(name, angle): radians, kept in [0, 2π)
void GameLua::setRotation(const std::string& name, float angle) {
    requireFinite("setRotation", {angle});
    GameObject& object = objectNamed(name, "setRotation");
    const float turned = fullTurnAngle(angle);
    namingNative("setRotation", [&] { object.body.setTransform(object.body.position(), turned); });
    object.table.set("angle", turned);
    object.render.angle = object.stepPoses[0].angle = object.stepPoses[1].angle = turned;
}

// setVelocity(name, vx, vy): static bodies and unknown names are left alone
void GameLua::setVelocity(const std::string& name, float vx, float vy) {
    requireFinite("setVelocity", {vx, vy});
    GameObject* object = findObject(name);
    if (object && object->body.type() != BodyType::Static)
        object->body.setLinearVelocity({vx, vy});
}

// setAngularVelocity(name, w): radians per second; static bodies and unknown names are left alone
void GameLua::setAngularVelocity(const std::string& name, float radiansPerSecond) {
    requireFinite("setAngularVelocity", {radiansPerSecond});
    GameObject* object = findObject(name);
    if (object && object->body.type() != BodyType::Static)
        object->body.setAngularVelocity(radiansPerSecond);
}

// setLinearDamping(name, damping): an unknown name is logged
void GameLua::setLinearDamping(const std::string& name, float damping) {
    requireFinite("setLinearDamping", {damping});
    requireNotNegative("setLinearDamping", {damping});
    if (GameObject* object = findObject(name))
        object->body.setLinearDamping(damping);
    else
        LOG_WARNING("Game", "Body name : %s", name.c_str());
}

// setAngularDamping(name, damping): an unknown name is logged
void GameLua::setAngularDamping(const std::string& name, float damping) {
    requireFinite("setAngularDamping", {damping});
    requireNotNegative("setAngularDamping", {damping});
    if (GameObject* object = findObject(name))
        object->body.setAngularDamping(damping);
    else
        LOG_WARNING("Game", "Body %s not found in GameLua::setAngularDamping", name.c_str());
}

// setFriction(name, friction): the mass is not recomputed
void GameLua::setFriction(const std::string& name, float friction) {
    requireFinite("setFriction", {friction});
    requireNotNegative("setFriction", {friction});
    GameObject& object = objectNamed(name, "setFriction");
    object.friction = friction;
    object.body.setFriction(friction);
}

// setRestitution(name, restitution)
void GameLua::setRestitution(const std::string& name, float restitution) {
    requireFinite("setRestitution", {restitution});
    GameObject& object = objectNamed(name, "setRestitution");
    object.restitution = restitution;
    object.body.setRestitution(restitution);
}

// setDensity(name, density): neither the mass nor static/dynamic changes
void GameLua::setDensity(const std::string& name, float density) {
    requireFinite("setDensity", {density});
    requireNotNegative("setDensity", {density});
    GameObject& object = objectNamed(name, "setDensity");
    object.density = density;
    object.body.setDensity(density);
}

// setSleeping(name, sleeping): asleep at once with no motion, or awake; unknown names are ignored
void GameLua::setSleeping(const std::string& name, bool sleeping) {
    GameObject* object = findObject(name);
    if (!object)
        return;
    if (sleeping)
        object->body.sleep();
    else
        object->body.wake();
}

// applyImpulse(name, ix, iy [, px, py]): at the world point, or at the body's position (no spin)
// when the point is left out; unknown names are ignored
int GameLua::applyImpulse(lua::LuaState& lua) {
    const std::string name = lua.toString(1);
    const Vector2 impulse{lua.toNumber(2), lua.toNumber(3)};
    const bool atPoint = lua.getTop() >= 5;
    const Vector2 point = atPoint ? Vector2{lua.toNumber(4), lua.toNumber(5)} : Vector2{};
    requireFinite("applyImpulse", {impulse.x, impulse.y, point.x, point.y});
    if (GameObject* object = findObject(name))
        object->body.applyLinearImpulse(impulse, atPoint ? point : object->body.position());
    return 0;
}

// applyForceNative(name, fx, fy, px, py): at the world point; unknown names are ignored
void GameLua::applyForceNative(const std::string& name, float fx, float fy, float px, float py) {
    requireFinite("applyForceNative", {fx, fy, px, py});
    if (GameObject* object = findObject(name))
        object->body.applyForce({fx, fy}, {px, py});
}

// setWorldGravity(gx, gy): world units per second squared, y down
void GameLua::setWorldGravity(float gx, float gy) {
    requireFinite("setWorldGravity", {gx, gy});
    m_world->setGravity({gx, gy});
}
