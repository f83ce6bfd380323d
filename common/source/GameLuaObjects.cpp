// Game objects: creating the bodies with their fixtures and script tables, removing them, and
// tearing a level's world down.
#include "FiniteNumbers.h"
#include "GameLua.h"
#include "NativeErrors.h"
#include "game/Resources.h"
#include "lang/Exception.h"
#include "lang/Log.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kShapeNames[] = {"circle", "box", "polygon"};

void eraseName(std::vector<std::string>& names, const std::string& name) {
    names.erase(std::remove(names.begin(), names.end(), name), names.end());
}

int layerOf(const GameObject& object) { return static_cast<int>(std::trunc(object.zOrder)); }

/// An object with what every create native gives it; the shape's own fields are the caller's.
std::unique_ptr<GameObject> newObject(const std::string& name, const std::string& sprite, ShapeKind kind, float density,
                                      float friction, float restitution, float zOrder) {
    auto object = std::make_unique<GameObject>();
    object->name = name;
    object->spriteName = sprite;
    object->shapeKind = kind;
    object->density = density;
    object->friction = friction;
    object->restitution = restitution;
    object->zOrder = zOrder;
    return object;
}

} // namespace

void GameLua::registerObjectNatives() {
    registerMethod("createBox", &GameLua::createBox);
    registerMethod("createCircle", &GameLua::createCircle);
    registerMethod("resizeCircle", &GameLua::resizeCircle);
    registerMethod("createPolygon", &GameLua::createPolygon);
    registerMethod("removeObject", &GameLua::removeObject);
}

// createBox(name, sprite, x, y, width, height, density, friction, restitution, solid, ignored, zOrder)
void GameLua::createBox(const std::string& name, const std::string& sprite, float x, float y, float width, float height,
                        float density, float friction, float restitution, bool solid, bool, float zOrder) {
    requireFinite("createBox", {x, y, width, height, density, friction, restitution, zOrder});
    auto object = newObject(name, sprite, ShapeKind::Box, density, friction, restitution, zOrder);
    object->width = width;
    object->height = height;
    object->solid = solid;
    FixtureShape shape;
    shape.kind = FixtureShape::Kind::Box;
    shape.halfExtents = {width / 2.0f, height / 2.0f};
    createObject(std::move(object), {x, y}, shape, "createBox");
}

// createCircle(name, sprite, x, y, radius, density, friction, restitution, projectile, zOrder)
void GameLua::createCircle(const std::string& name, const std::string& sprite, float x, float y, float radius,
                           float density, float friction, float restitution, bool projectile, float zOrder) {
    requireFinite("createCircle", {x, y, radius, density, friction, restitution, zOrder});
    auto object = newObject(name, sprite, ShapeKind::Circle, density, friction, restitution, zOrder);
    object->radius = radius;
    FixtureShape shape;
    shape.kind = FixtureShape::Kind::Circle;
    shape.radius = radius;
    createObject(std::move(object), {x, y}, shape, "createCircle");
    if (projectile)
        m_projectiles.push_back(name);
}

// createPolygon(name, sprite, x, y, vertices, density, friction, restitution, solid, ignored, zOrder)
void GameLua::createPolygon(const std::string& name, const std::string& sprite, float x, float y,
                            lua::LuaTable vertices, float density, float friction, float restitution, bool solid, bool,
                            float zOrder) {
    requireFinite("createPolygon", {x, y, density, friction, restitution, zOrder});
    auto object = newObject(name, sprite, ShapeKind::Polygon, density, friction, restitution, zOrder);
    object->solid = solid;
    for (int i = 1; vertices.isTable(i); ++i) {
        const lua::LuaTable vertex = vertices.getTable(i);
        const Vector2 point{vertex.getNumber("x"), vertex.getNumber("y")};
        requireFinite("createPolygon", {point.x, point.y});
        object->vertices.push_back(point);
    }
    FixtureShape shape;
    shape.kind = FixtureShape::Kind::Polygon;
    shape.vertices = object->vertices;
    createObject(std::move(object), {x, y}, shape, "createPolygon");
}

GameObject& GameLua::createObject(std::unique_ptr<GameObject> object, Vector2 position, FixtureShape shape,
                                  const char* native) {
    const std::string name = object->name;
    requireNotNegative(native, {object->density, object->friction});
    // Replacing would leave the old body and its joints without a name to remove them by.
    if (m_objects.contains(name))
        throw lang::Exception(lang::Format("{0}: an object named \"{1}\" already exists", native, name));
    resolveSprite(*object);
    object->render = object->stepPoses[0] = object->stepPoses[1] = {position.x, position.y, 0.0f};

    BodyDefinition body;
    body.position = position;
    body.dynamic = object->density != 0.0f;
    body.shape = std::move(shape);
    body.density = object->density;
    body.friction = object->friction;
    body.restitution = object->restitution;
    body.owner = object.get();
    object->body = namingNative(native, [&] { return m_world->createBody(body); });

    lua::LuaTable& table = object->table = lua::LuaTable(state());
    table.set("name", name);
    table.set("sprite", object->spriteName);
    table.set("type", kShapeNames[static_cast<int>(object->shapeKind)]);
    table.set("x", position.x);
    table.set("y", position.y);
    table.set("width", object->width);
    table.set("height", object->height);
    table.set("radius", object->radius);
    table.set("angle", 0.0f);
    table.set("density", object->density);
    table.set("friction", object->friction);
    table.set("restitution", object->restitution);
    table.set("mass", object->body.mass());
    table.set("xVel", 0.0f);
    table.set("yVel", 0.0f);
    table.set("z_order", object->zOrder);
    m_objectsTable.getTable("world").set(name, table);

    m_layers[layerOf(*object)].push_back(name);
    GameObject& created = *object;
    m_objects.emplace(name, std::move(object));
    return created;
}

// resizeCircle(name, radius)
void GameLua::resizeCircle(const std::string& name, float radius) {
    requireFinite("resizeCircle", {radius});
    GameObject& object = objectNamed(name, "resizeCircle");
    namingNative("resizeCircle", [&] { m_world->resizeCircle(object.body, radius); });
    object.radius = radius;
}

// Sprites and composite sprites come from the resource registry, which the game does not have
// yet: every picture an object names is missing, and the object is drawn without one.
void GameLua::resolveSprite(GameObject& object) {
    object.sprite = nullptr;
    object.compositeSprite = nullptr;
    if (object.spriteName.empty())
        return;
    if (const game::SpriteEntry* entry = m_resources.findEntry(object.spriteName)) {
        object.sprite = entry->sprite;
        object.compositeSprite = entry->composite;
        return;
    }
    LOG_WARNING("Game", "Sprite %s not found for game object %s", object.spriteName.c_str(), object.name.c_str());
}

GameObject* GameLua::findObject(const std::string& name) {
    const auto found = m_objects.find(name);
    return found == m_objects.end() ? nullptr : found->second.get();
}

GameObject& GameLua::objectNamed(const std::string& name, const char* native) {
    if (GameObject* object = findObject(name))
        return *object;
    throw lang::Exception(lang::Format("{0}: no object named \"{1}\"", native, name));
}

// removeObject(name)
void GameLua::removeObject(const std::string& name) {
    const auto found = m_objects.find(name);
    if (found == m_objects.end())
        throw lang::Exception(lang::Format("removeObject: no object named \"{0}\"", name));
    std::unique_ptr<GameObject> object = std::move(found->second);
    m_objects.erase(found);
    m_teleporters.erase(name);
    eraseName(m_projectiles, name);
    // Its rolling sound stops with it, unless another object rolls it this frame.
    if (!object->rollingSound.empty())
        m_rollingLevels[object->rollingSound] = 0.0f;
    auto& layer = m_layers[layerOf(*object)];
    eraseName(layer, name);
    if (layer.empty())
        m_layers.erase(layerOf(*object));

    const lua::LuaTable joints = m_objectsTable.getTable("joints");
    // A link's other end is left to the destroy timer, which hands it to the scripts as dead.
    std::erase_if(m_links, [&](const JointRecord& link) {
        if (link.end1 != name && link.end2 != name)
            return false;
        if (GameObject* other = findObject(link.end1 == name ? link.end2 : link.end1)) {
            other->jointDetached = true;
            other->destroyTimer =
                joints.isTable(link.name) ? joints.getTable(link.name).getNumber("destroyTimer") : 0.0f;
        }
        joints.setNil(link.name);
        return true;
    });
    // Box2D destroys the body's joints with it; only their records remain to go.
    std::erase_if(m_joints, [&](const JointRecord& joint) {
        if (joint.end1 != name && joint.end2 != name)
            return false;
        joints.setNil(joint.name);
        return true;
    });
    std::erase_if(m_pendingWelds,
                  [&](const auto& weld) { return weld.first == object->body || weld.second == object->body; });
    retire(std::move(object));
}

void GameLua::retire(std::unique_ptr<GameObject> object) {
    m_world->destroyBody(object->body);
    // Contact handling may still hold the object until the step ends.
    if (m_world->isStepping())
        m_removedInStep.push_back(std::move(object));
}

void GameLua::stepEnded() { m_removedInStep.clear(); }

void GameLua::destroyLevelObjects() {
    // Passages hold their objects: they go first.
    m_teleporters.clear();
    for (auto& [name, object] : m_objects)
        retire(std::move(object));
    m_objects.clear();
    m_layers.clear();
    m_projectiles.clear();
    m_joints.clear();
    m_links.clear();
    m_pendingWelds.clear();
}
