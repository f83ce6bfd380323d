#pragma once

#include "ParticleSystem.h"
#include "lua/LuaObject.h"
#include "lua/LuaTable.h"

#include <random>
#include <string>

namespace game {
class Resources;
}
namespace gr {
class Context;
}
namespace lua {
class LuaState;
}

/// The particle system as the scripts see it: the object the game publishes as "particles",
/// with the natives "addParticles", "addLevelParticles", "setSoftLimit", "setHardLimit" and
/// "clear" (callable as `particles.f(...)` or `particles:f(...)`). Definitions come from the
/// scripts' "particleTable".particles and are read once per name; one with "alwaysLoad" true is
/// read at every emission. Main thread only.
class Particles : public lua::LuaObject {
public:
    /// `scripts` is the table the game scripts' globals live in; the state, context, resources
    /// and `random` (the engine's generator) must outlive the object. Starts with the start-up
    /// limits.
    Particles(lua::LuaState& state, const lua::LuaTable& scripts, gr::Context& context, game::Resources& resources,
              std::mt19937& random);
    ~Particles() override;

    /// The lists, limits and definitions the natives work on.
    ParticleSystem& system() { return m_system; }
    /// The id of the definition `name`, read from the scripts when it is not known yet or asks
    /// to be read always. Raises `lang::Exception` when the scripts have no such definition.
    ParticleDefinitionId definitionFor(const std::string& name);
    /// Draws the menu list at the scale of the scripts' "g_menu_particle_scale" (1 while that is
    /// no number).
    void drawMenu();

private:
    int addParticles(lua::LuaState& lua);
    int addLevelParticles(lua::LuaState& lua);
    int setSoftLimit(lua::LuaState& lua);
    int setHardLimit(lua::LuaState& lua);
    int clear(lua::LuaState& lua);
    /// Reads (name, count, x, y [, sizeA, sizeB, extra, ignoreLimits]) from argument `first` on
    /// and emits into `list`; `emission` brings what the caller decided (layer, mirroring).
    void emitFromArguments(lua::LuaState& lua, int first, ParticleListKind list, ParticleEmission emission);

    lua::LuaTable m_scripts;
    std::mt19937& m_random;
    ParticleSystem m_system;
};
