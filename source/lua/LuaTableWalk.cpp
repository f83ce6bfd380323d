// Traversals of `lua::LuaTable`: counting and the visitor walk.
#include "lua/LuaTable.h"

#include "lua/LuaState.h"
#include "lua/LuaTableVisitor.h"
#include "lua/StackGuard.h"
#include "lua/TableDepth.h"

#include <lua.hpp>

#include <cstring>

namespace lua {

namespace {

/// Walks the table at `table` (an absolute index), `depth` tables deep.
void walk(LuaState& state, lua_State* L, int table, int depth, LuaTableVisitor& visitor) {
    checkTableDepth(depth);
    StackGuard guard(state, L, 2);
    lua_pushnil(L);
    while (lua_next(L, table)) {
        const char* key = nullptr;
        int index = 0;
        // The exact type: lua_tostring would turn a number key into a string and break lua_next.
        if (lua_type(L, -2) == LUA_TSTRING) {
            key = lua_tostring(L, -2);
            if (std::strcmp(key, "_G") == 0) {
                lua_pop(L, 1);
                continue;
            }
        } else {
            index = state.toInteger(-2);
        }
        switch (lua_type(L, -1)) {
        case LUA_TBOOLEAN: {
            const bool value = lua_toboolean(L, -1) != 0;
            key ? visitor.booleanAtKey(key, value) : visitor.booleanAtIndex(index, value);
            break;
        }
        case LUA_TNUMBER: {
            const double value = static_cast<float>(lua_tonumber(L, -1));
            key ? visitor.numberAtKey(key, value) : visitor.numberAtIndex(index, value);
            break;
        }
        case LUA_TSTRING: {
            const char* value = lua_tostring(L, -1);
            key ? visitor.stringAtKey(key, value) : visitor.stringAtIndex(index, value);
            break;
        }
        case LUA_TTABLE:
            visitor.beginTable(key);
            walk(state, L, lua_gettop(L), depth + 1, visitor);
            visitor.endTable();
            break;
        default:
            break;
        }
        lua_pop(L, 1);
    }
}

} // namespace

int LuaTable::count() const {
    lua_State* L = interpreter();
    StackGuard guard(*m_state, L, 3);
    push();
    int entries = 0;
    lua_pushnil(L);
    while (lua_next(L, -2)) {
        ++entries;
        lua_pop(L, 1);
    }
    return entries;
}

void LuaTable::accept(LuaTableVisitor& visitor) const {
    lua_State* L = interpreter();
    StackGuard guard(*m_state, L, 1);
    push();
    walk(*m_state, L, lua_gettop(L), 1, visitor);
}

} // namespace lua
