// The "particles" object's natives: script arguments turned into particle system calls.
#include "Particles.h"

#include "ParticleDefinitionReader.h"
#include "ParticleRandom.h"
#include "game/LuaArguments.h"
#include "lang/Exception.h"
#include "lang/Truncate.h"
#include "lua/LuaState.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace {

/// Where the arguments start: after the object itself when the scripts call with ':'.
int firstArgument(const lua::LuaState& lua) { return lua.isTable(1) ? 2 : 1; }

std::optional<ParticleListKind> listNamed(std::string_view name) {
    if (name == "ingame")
        return ParticleListKind::InGame;
    if (name == "menu")
        return ParticleListKind::Menu;
    if (name == "level")
        return ParticleListKind::Level;
    return std::nullopt;
}

/// The scripts' "particleTable".particles[name], if there is such a table.
std::optional<lua::LuaTable> definitionTable(const lua::LuaTable& scripts, const std::string& name) {
    if (!scripts.isTable("particleTable"))
        return std::nullopt;
    const lua::LuaTable particleTable = scripts.getTable("particleTable");
    if (!particleTable.isTable("particles"))
        return std::nullopt;
    const lua::LuaTable definitions = particleTable.getTable("particles");
    if (!definitions.isTable(name))
        return std::nullopt;
    return definitions.getTable(name);
}

} // namespace

Particles::Particles(lua::LuaState& state, const lua::LuaTable& scripts, gr::Context& context,
                     game::Resources& resources, std::mt19937& random)
    : lua::LuaObject(state), m_scripts(scripts), m_random(random), m_system(context, resources, random) {
    registerMethod("addParticles", &Particles::addParticles);
    registerMethod("addLevelParticles", &Particles::addLevelParticles);
    registerMethod("setSoftLimit", &Particles::setSoftLimit);
    registerMethod("setHardLimit", &Particles::setHardLimit);
    registerMethod("clear", &Particles::clear);
}

Particles::~Particles() = default;

ParticleDefinitionId Particles::definitionFor(const std::string& name) {
    const std::optional<ParticleDefinitionId> known = m_system.findDefinition(name);
    if (known && !m_system.definition(*known).alwaysLoad)
        return *known;
    const std::optional<lua::LuaTable> table = definitionTable(m_scripts, name);
    if (!table)
        throw lang::Exception(lang::Format("There is no particle definition \"{0}\" in particleTable.particles", name));
    return m_system.define(name, readParticleDefinition(name, *table));
}

void Particles::drawMenu() {
    const float scale =
        m_scripts.isNumber("g_menu_particle_scale") ? m_scripts.getNumber("g_menu_particle_scale") : 1.0f;
    m_system.drawMenu(scale);
}

void Particles::emitFromArguments(lua::LuaState& lua, int first, ParticleListKind list, ParticleEmission emission) {
    const std::string name = lua.toString(first);
    const int count = lua.toInteger(first + 1);
    emission.x = lua.toNumber(first + 2);
    emission.y = lua.toNumber(first + 3);
    emission.spreadX = game::optionalNumber(lua, first + 4, 0.0f);
    emission.spreadY = game::optionalNumber(lua, first + 5, 0.0f);
    const bool ignoreLimits = game::optionalFlag(lua, first + 7, false);
    m_system.emit(list, definitionFor(name), count, emission, ignoreLimits);
}

// addParticles(name, count, x, y [, sizeA, sizeB, extra, ignoreLimits, menu]): sizeA and sizeB
// spread the births horizontally and vertically; extra plays no part in these two lists.
int Particles::addParticles(lua::LuaState& lua) {
    const int first = firstArgument(lua);
    const bool menu = game::optionalFlag(lua, first + 8, false);
    emitFromArguments(lua, first, menu ? ParticleListKind::Menu : ParticleListKind::InGame, {});
    return 0;
}

// addLevelParticles(name, count, x, y [, sizeA, sizeB, extra, ignoreLimits]): extra is the group
// (layer) the particles are drawn with; each call faces one way or the other, at even odds.
int Particles::addLevelParticles(lua::LuaState& lua) {
    const int first = firstArgument(lua);
    ParticleEmission emission;
    emission.layer = lang::truncateTo<std::int16_t>(game::optionalNumber(lua, first + 6, 0.0f));
    emission.mirrored = ParticleRandom(m_random).unit() >= 0.5f;
    emitFromArguments(lua, first, ParticleListKind::Level, emission);
    return 0;
}

// setSoftLimit(count, factor)
int Particles::setSoftLimit(lua::LuaState& lua) {
    const int first = firstArgument(lua);
    m_system.setSoftLimit(lua.toInteger(first), lua.toNumber(first + 1));
    return 0;
}

// setHardLimit(count)
int Particles::setHardLimit(lua::LuaState& lua) {
    m_system.setHardLimit(lua.toInteger(firstArgument(lua)));
    return 0;
}

// clear(list): "ingame", "menu" or "level"; any other name clears nothing
int Particles::clear(lua::LuaState& lua) {
    if (const std::optional<ParticleListKind> list = listNamed(lua.toString(firstArgument(lua))))
        m_system.clear(*list);
    return 0;
}
