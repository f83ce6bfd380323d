#pragma once

#include "lua/LuaState.h"
#include "lua/LuaType.h"

namespace game {

/// Whether the argument at `index` was left out (absent or nil).
inline bool isOmitted(const lua::LuaState& lua, int index) {
    const lua::LuaType type = lua.getType(index);
    return type == lua::LuaType::None || type == lua::LuaType::Nil;
}

/// An optional boolean argument: its value when given.
inline bool optionalFlag(const lua::LuaState& lua, int index, bool fallback) {
    return isOmitted(lua, index) ? fallback : lua.toBoolean(index);
}

/// An optional number argument: its value when given.
inline float optionalNumber(const lua::LuaState& lua, int index, float fallback) {
    return isOmitted(lua, index) ? fallback : lua.toNumber(index);
}

/// An optional number argument truncated to an integer: its value when given.
inline int optionalInteger(const lua::LuaState& lua, int index, int fallback) {
    return isOmitted(lua, index) ? fallback : lua.toInteger(index);
}

} // namespace game
