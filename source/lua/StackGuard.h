#pragma once

#include "lua/LuaState.h"

#include <lua.hpp>

namespace lua {

/// Restores the Lua stack top on every exit from a scope, exceptions included, after making
/// room for the values the scope pushes. Internal to the bridge.
class StackGuard {
public:
    StackGuard(LuaState& state, lua_State* interpreter, int slots)
        : m_interpreter(interpreter), m_top(lua_gettop(interpreter)) {
        // Lua keeps LUA_MINSTACK slots above the base of every C frame, so short pushes near the
        // base need no check.
        if (m_top + slots > LUA_MINSTACK)
            state.checkStack(slots);
    }
    StackGuard(const StackGuard&) = delete;
    StackGuard& operator=(const StackGuard&) = delete;
    ~StackGuard() { lua_settop(m_interpreter, m_top); }

private:
    lua_State* m_interpreter;
    int m_top;
};

} // namespace lua
