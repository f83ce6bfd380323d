// The birds' flight paths: recorded while they fly, and predicted for aiming.
#include "GameLua.h"

#include "lua/LuaState.h"

#include <vector>

namespace {

/// World units to points.
/// A bird gains a point once it is more than 20 points (squared: 400) from its last one.
constexpr float kMinSquaredDistance = 400.0f;

} // namespace

void GameLua::registerTrajectoryNatives() {
    registerMethod("startNewTrajectory", &GameLua::startNewTrajectory);
    registerMethod("addToTrajectory", &GameLua::addToTrajectory);
    registerMethod("addPuffToTrajectory", &GameLua::addPuffToTrajectory);
    registerMethod("getTrajectory", &GameLua::getTrajectory);
}

// startNewTrajectory(): the previous shot's path stays, the one before goes
void GameLua::startNewTrajectory() { m_trajectories.startNew(); }

// addToTrajectory(slot, x, y): slot 1 to 3 of the current set; slots outside the six buffers are ignored
void GameLua::addToTrajectory(int slot, float x, float y) {
    m_trajectories.addPoint(m_trajectories.bufferOfSlot(slot), {x, y});
}

// addPuffToTrajectory(slot, x, y)
void GameLua::addPuffToTrajectory(int slot, float x, float y) {
    m_trajectories.addPuff(m_trajectories.bufferOfSlot(slot), {x, y});
}

// getTrajectory(name) -> {[0] = {x, y, t}, ... [299]}: the predicted flight; empty for an
// unknown object
int GameLua::getTrajectory(lua::LuaState& lua) {
    const std::string name = lua.toString(1);
    lua::LuaTable result(lua);
    const auto found = m_objects.find(name);
    if (found != m_objects.end()) {
        const GameObject& object = *found->second;
        const std::vector<FlightPoint> points =
            predictFlight({object.render.x, object.render.y}, object.body.linearVelocity(), m_world->gravity().y,
                          PhysicsWorld::maxTranslation());
        for (int i = 0; i < static_cast<int>(points.size()); ++i) {
            lua::LuaTable point(lua);
            point.set("x", points[static_cast<size_t>(i)].x);
            point.set("y", points[static_cast<size_t>(i)].y);
            point.set("t", points[static_cast<size_t>(i)].t);
            result.set(i, point);
        }
    }
    lua.pushTable(result);
    return 1;
}

void GameLua::recordTrajectories(PositionSource source) {
    std::vector<lua::LuaTable> birds;
    if (!isNil("flyingBird"))
        birds.push_back(getTable("flyingBird"));
    if (!isNil("otherBirds")) {
        const lua::LuaTable others = getTable("otherBirds");
        const lua::LuaTable world = m_objectsTable.getTable("world");
        for (int k = 1; k <= 2; ++k) {
            if (others.isNil(k))
                continue;
            const std::string other = others.getString(k);
            if (world.isTable(other))
                birds.push_back(world.getTable(other));
        }
    }
    for (size_t i = 0; i < birds.size(); ++i) {
        lua::LuaTable& bird = birds[i];
        if (!bird.isNil("recordTrajectory") &&
            !(bird.isBoolean("recordTrajectory") && bird.getBoolean("recordTrajectory")))
            continue;
        const auto found = m_objects.find(bird.getString("name"));
        if (found == m_objects.end())
            continue;
        const GameObject& object = *found->second;
        Vector2 position;
        switch (source) {
        case PositionSource::Body:
            position = object.body.position();
            break;
        case PositionSource::OlderSnapshot:
            position = {object.stepPoses[1 - m_snapshot].x, object.stepPoses[1 - m_snapshot].y};
            break;
        case PositionSource::Drawn:
            position = {object.render.x, object.render.y};
            break;
        }
        const Vector2 point{position.x * kPixelsPerUnit, position.y * kPixelsPerUnit};
        const float dx = point.x - bird.getNumber("lastTrajectoryX");
        const float dy = point.y - bird.getNumber("lastTrajectoryY");
        if (dx * dx + dy * dy > kMinSquaredDistance) {
            m_trajectories.addPoint(m_trajectories.current() + static_cast<int>(i), point);
            bird.set("lastTrajectoryX", point.x);
            bird.set("lastTrajectoryY", point.y);
        }
    }
}
