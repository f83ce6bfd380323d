#pragma once

#include "ParticleDefinition.h"

#include <string>

namespace lua {
class LuaTable;
}

/// Reads the definition `name` from its table in "particleTable".particles. Numbers that are
/// missing read as 0, except the documented defaults: "randomizeBirthPosition" true,
/// "killEarlyPercent" 1 (also for 0 or less, which would never arrive), "minAngleEmitter" 0,
/// "maxAngleEmitter" 360, "animationLoop" 1 (truncated, kept within 1 to 1000). The sprites are
/// found by their own names through the sprite index, so "sheet" is not read. The emitter is
/// "emitter_box" when that is a table, else "emitter_circle", else "emitter_bat"; without any of
/// them raises `lang::Exception` naming the definition.
ParticleDefinition readParticleDefinition(const std::string& name, const lua::LuaTable& table);
