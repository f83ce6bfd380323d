#include "lua/LuaObject.h"

#include "lua/LuaState.h"
#include "lua/StackGuard.h"

#include <lua.hpp>

#include <cstring>

namespace lua {

LuaObject::LuaObject(LuaState& state) : LuaTable(state) {
    lua_State* L = interpreter();
    StackGuard guard(state, L, 4);
    *static_cast<bool*>(lua_newuserdata(L, sizeof(bool))) = true;
    m_alive = luaL_ref(L, LUA_REGISTRYINDEX);
    push();
    lua_pushlightuserdata(L, this);
    lua_rawseti(L, -2, 0);
    lua_pushliteral(L, "_G");
    state.pushTable(state.getGlobals());
    lua_rawset(L, -3);
    lua_pushliteral(L, "this");
    lua_pushvalue(L, -2);
    lua_rawset(L, -3);
}

LuaObject::~LuaObject() {
    lua_State* L = interpreter();
    // Makes room without `lua::StackGuard`, which may raise: a destructor must not.
    lua_checkstack(L, 3);
    lua_rawgeti(L, LUA_REGISTRYINDEX, m_alive);
    *static_cast<bool*>(lua_touserdata(L, -1)) = false;
    luaL_unref(L, LUA_REGISTRYINDEX, m_alive);
    push();
    lua_pushnil(L);
    lua_rawseti(L, -2, 0);
    lua_pop(L, 2);
}

void LuaObject::registerNative(const char* name, NativeFunction trampoline, const void* binding, size_t size) {
    LuaState& owner = state();
    lua_State* L = interpreter();
    StackGuard guard(owner, L, 4);
    push();
    lua_pushstring(L, name);
    std::memcpy(lua_newuserdata(L, size), binding, size);
    lua_rawgeti(L, LUA_REGISTRYINDEX, m_alive);
    lua_pushcclosure(L, trampoline, 2);
    lua_rawset(L, -3);
}

void CallArgument::push(lua_State* interpreter) const {
    if (m_text)
        lua_pushlstring(interpreter, m_text, m_length);
    else if (m_boolean)
        lua_pushboolean(interpreter, m_number != 0.0f);
    else
        lua_pushnumber(interpreter, m_number);
}

void LuaObject::call(const char* name, std::initializer_list<CallArgument> arguments) {
    LuaState& owner = state();
    lua_State* L = interpreter();
    StackGuard guard(owner, L, 2 + static_cast<int>(arguments.size()));
    push();
    lua_pushstring(L, name);
    lua_rawget(L, -2);
    lua_remove(L, -2);
    for (const CallArgument& argument : arguments)
        argument.push(L);
    owner.call(static_cast<int>(arguments.size()), 0, name);
}

bool LuaObject::isSelf(int index) const {
    lua_State* L = interpreter();
    StackGuard guard(state(), L, 1);
    const int absolute = index > 0 ? index : lua_gettop(L) + index + 1;
    push();
    return lua_rawequal(L, absolute, -1) != 0;
}

} // namespace lua
