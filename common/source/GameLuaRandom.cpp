// The scripts' math.random and math.randomseed, drawn from the game's seeded generator.
#include "GameLua.h"

#include "lang/Format.h"
#include "lua/LuaException.h"
#include "lua/LuaState.h"
#include "lua/StackGuard.h"

#include <lua.hpp>

void GameLua::registerRandomNatives() {
    // Registered on the game's table like every native, then moved to where scripts look for
    // them: the interpreter's "math" table, before any script runs.
    registerMethod("random", &GameLua::random);
    registerMethod("randomseed", &GameLua::randomseed);
    lua_State* L = interpreter();
    const lua::StackGuard guard(state(), L, 3);
    push();
    lua_getglobal(L, LUA_MATHLIBNAME);
    for (const char* name : {"random", "randomseed"}) {
        lua_getfield(L, -2, name);
        lua_setfield(L, -2, name);
        lua_pushnil(L);
        lua_setfield(L, -3, name);
    }
}

// random() -> [0, 1); random(m) -> whole number from 1 to m; random(m, n) -> from m to n
int GameLua::random(lua::LuaState& lua) {
    const int arguments = lua.getTop();
    if (arguments == 0) {
        lua.pushNumber(m_scriptRandom.unit());
        return 1;
    }
    if (arguments > 2)
        throw lua::LuaException(lang::Format("math.random: wrong number of arguments"));
    const long long low = arguments == 2 ? lua.toInteger(1) : 1;
    const long long high = lua.toInteger(arguments);
    if (low > high)
        throw lua::LuaException(lang::Format("math.random: interval is empty ({0} to {1})", low, high));
    lua.pushNumber(static_cast<float>(m_scriptRandom.between(low, high)));
    return 1;
}

// randomseed(seed)
void GameLua::randomseed(int seed) { m_scriptRandom.reseed(static_cast<std::uint32_t>(seed)); }
