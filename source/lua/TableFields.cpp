#include "lua/TableFields.h"

#include "lua/LuaState.h"
#include "lua/LuaTable.h"

#include <lua.hpp>

namespace lua {

TableFields::TableFields(LuaState& state, std::span<const char* const> keys)
    : m_interpreter(state.interpreter()), m_top(lua_gettop(m_interpreter)) {
    // The table, the keys, and room for a key and a value above them.
    state.checkStack(static_cast<int>(keys.size()) + 3);
    lua_pushnil(m_interpreter);
    m_firstKey = m_top + 2;
    for (const char* key : keys)
        lua_pushstring(m_interpreter, key);
}

TableFields::~TableFields() { lua_settop(m_interpreter, m_top); }

void TableFields::select(const LuaTable& table) {
    table.push();
    lua_replace(m_interpreter, m_firstKey - 1);
}

void TableFields::set(int key, float value) {
    lua_pushvalue(m_interpreter, m_firstKey + key);
    lua_pushnumber(m_interpreter, value);
    lua_rawset(m_interpreter, m_firstKey - 1);
}

void TableFields::set(int key, bool value) {
    lua_pushvalue(m_interpreter, m_firstKey + key);
    lua_pushboolean(m_interpreter, value);
    lua_rawset(m_interpreter, m_firstKey - 1);
}

void TableFields::pushField(int key) {
    lua_pushvalue(m_interpreter, m_firstKey + key);
    lua_rawget(m_interpreter, m_firstKey - 1);
}

bool TableFields::isNil(int key) {
    pushField(key);
    const bool nil = lua_isnil(m_interpreter, -1);
    lua_pop(m_interpreter, 1);
    return nil;
}

bool TableFields::isTrue(int key) {
    pushField(key);
    const bool isTrue = lua_isboolean(m_interpreter, -1) && lua_toboolean(m_interpreter, -1);
    lua_pop(m_interpreter, 1);
    return isTrue;
}

float TableFields::getNumber(int key) {
    pushField(key);
    const auto number = static_cast<float>(lua_tonumber(m_interpreter, -1));
    lua_pop(m_interpreter, 1);
    return number;
}

} // namespace lua
