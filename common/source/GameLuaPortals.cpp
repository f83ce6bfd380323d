// Portals: an object touching a portal (collider type 8 with a "portal" table) starts a passage
// to the portal's exit, which `PortalObjectTeleporter` runs frame by frame; the contact's end
// calls off a passage not yet gone through. Contact handlers run inside the world step and only
// make and drop passages; bodies move in the frame update, outside it.
#include "ColliderType.h"
#include "GameLua.h"
#include "ParticleRandom.h"
#include "PortalObjectTeleporter.h"
#include "game/Resources.h"
#include "lang/Log.h"

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

/// Particles an effect entry emits without a "count", and how far apart they are born (pixels).
constexpr int kEffectParticles = 5;
constexpr float kEffectSpread = 10.0f;

bool hasPortal(const GameObject& object) { return object.table.isTable("portal"); }

/// The portal of a contact between `a` and `b` (the one with a "portal" table) and the other
/// object, the traveller; nulls when neither is a portal.
std::pair<GameObject*, GameObject*> portalAndTraveller(GameObject& a, GameObject& b) {
    if (hasPortal(a))
        return {&a, &b};
    if (hasPortal(b))
        return {&b, &a};
    return {nullptr, nullptr};
}

PortalEnd portalEnd(const GameObject& portal) {
    return {portal.name, portal.body.position(), portal.body.angle(), portal.width};
}

bool playsIn(const lua::LuaTable& entry, PortalPhase phase) {
    const std::string direction = entry.getString("direction");
    return direction == "both" || direction == (phase == PortalPhase::In ? "in" : "out");
}

/// The entry's "particle": the name, or one name of its list at even odds; empty for none.
std::string pickParticle(const lua::LuaTable& entry, std::mt19937& random) {
    if (!entry.isTable("particle"))
        return entry.getString("particle");
    const lua::LuaTable names = entry.getTable("particle");
    int count = 0;
    while (names.isString(count + 1))
        ++count;
    return count == 0 ? std::string() : names.getString(1 + ParticleRandom(random).index(count));
}

/// Where an entry's particles are born and which way they are turned: by the traveller or by the
/// portal, as its flags say, in particle coordinates.
ParticleEmission effectEmission(const lua::LuaTable& entry, const EffectPlace& traveller, const EffectPlace& portal,
                                float physicsToWorld) {
    const EffectPlace& place = entry.getBoolean("positionFromPortal") ? portal : traveller;
    ParticleEmission emission;
    emission.x = place.position.x * physicsToWorld;
    emission.y = place.position.y * physicsToWorld;
    emission.spreadX = kEffectSpread;
    emission.spreadY = kEffectSpread;
    emission.rotation = entry.getBoolean("rotationFromPortal") ? portal.angle : traveller.angle;
    return emission;
}

} // namespace

void GameLua::registerPortalNatives() { registerMethod("inheritTeleportation", &GameLua::inheritTeleportation); }

// inheritTeleportation(from, to): `to` (split off `from`) travels on with `from`'s passage
void GameLua::inheritTeleportation(const std::string& from, const std::string& to) {
    const auto found = m_teleporters.find(from);
    if (found == m_teleporters.end())
        return;
    GameObject& heir = objectNamed(to, "inheritTeleportation");
    m_teleporters[to] = found->second->cloneFor(heir);
}

void GameLua::startTeleport(GameObject& a, GameObject& b) {
    const auto [portal, travelling] = portalAndTraveller(a, b);
    if (!portal)
        return;
    GameObject& traveller = *travelling;
    const lua::LuaTable definition = portal->table.getTable("portal");
    const std::string exitName = definition.getString("target");
    const GameObject* exit = findObject(exitName);
    if (!exit) {
        // A level's mistake: the portal stays a plain sensor rather than ending the game.
        LOG_ERROR("Game", "portal \"%s\" names no exit portal \"%s\"", portal->name.c_str(), exitName.c_str());
        return;
    }
    PortalRules rules;
    rules.delay = definition.getNumber("delay");
    rules.minSpeedOut = definition.getNumber("minSpeedOut");
    if (definition.isTable("effect"))
        rules.effect = definition.getTable("effect");
    rules.physicsToWorld = particleUnitScale();
    TeleportHost& host = *this;
    m_teleporters[traveller.name] =
        std::make_unique<PortalObjectTeleporter>(host, traveller, portalEnd(*portal), portalEnd(*exit), rules);
    if (traveller.colliderType == collider::kShotBird)
        callScript("birdTravellingThroughPortal", {traveller.name});
}

void GameLua::abortTeleport(GameObject& a, GameObject& b) {
    const auto [portal, travelling] = portalAndTraveller(a, b);
    if (!portal)
        return;
    const GameObject& traveller = *travelling;
    const auto found = m_teleporters.find(traveller.name);
    const std::string id = PortalObjectTeleporter::idFor(traveller.name, portal->name,
                                                         portal->table.getTable("portal").getString("target"));
    if (found == m_teleporters.end() || found->second->id() != id || !found->second->isPending())
        return;
    m_teleporters.erase(found);
    callScript("objectTeleportationAborted", {traveller.name});
}

void GameLua::updateTeleporters(float dt) {
    // Each passage leaves the map while it runs: its callbacks may remove objects, and with them
    // passages, and taking its body out of the simulation ends contacts.
    std::vector<std::string> travellers;
    for (const auto& [name, teleporter] : m_teleporters)
        travellers.push_back(name);
    for (const std::string& name : travellers) {
        const auto found = m_teleporters.find(name);
        if (found == m_teleporters.end())
            continue;
        std::unique_ptr<ObjectTeleporter> teleporter = std::move(found->second);
        m_teleporters.erase(found);
        detachJoints(teleporter->object());
        if (!teleporter->update(dt) && !m_teleporters.contains(name))
            m_teleporters.emplace(name, std::move(teleporter));
    }
}

void GameLua::detachJoints(GameObject& object) {
    std::vector<std::string> recorded;
    for (const JointRecord& joint : m_joints)
        if (joint.end1 == object.name || joint.end2 == object.name)
            recorded.push_back(joint.name);
    for (const std::string& name : recorded)
        destroyJoint(name);
    m_world->destroyJointsOf(object.body);
}

void GameLua::tellScripts(const char* function, const std::string& objectName) { callScript(function, {objectName}); }

void GameLua::removeLoopingObject(const std::string& name) {
    if (findObject(name))
        removeObject(name);
}

void GameLua::playPortalEffects(const lua::LuaTable& effect, PortalPhase phase, const EffectPlace& traveller,
                                const EffectPlace& portal, float physicsToWorld) {
    for (int index = 1; effect.isTable(index); ++index) {
        const lua::LuaTable entry = effect.getTable(index);
        if (!playsIn(entry, phase))
            continue;
        const std::string type = entry.getString("type");
        // A game without an audio output goes through portals silently.
        if (type == "sound" && m_resources.audioOutput()) {
            const float volume = entry.isNumber("volume") ? entry.getNumber("volume") : 1.0f;
            m_resources.playAudio(entry.getString("sound"), volume);
        } else if (type == "particle") {
            const std::string particle = pickParticle(entry, m_random);
            if (particle.empty())
                continue;
            const int count = entry.isNumber("count") ? static_cast<int>(entry.getNumber("count")) : kEffectParticles;
            particleSystem().emit(ParticleListKind::InGame, m_particles->definitionFor(particle), count,
                                  effectEmission(entry, traveller, portal, physicsToWorld), false);
        }
    }
}
