#include "lua/LuaType.h"

#include <lua.hpp>

namespace lua {

static_assert(static_cast<int>(LuaType::None) == LUA_TNONE && static_cast<int>(LuaType::Nil) == LUA_TNIL &&
                  static_cast<int>(LuaType::Boolean) == LUA_TBOOLEAN &&
                  static_cast<int>(LuaType::LightUserData) == LUA_TLIGHTUSERDATA &&
                  static_cast<int>(LuaType::Number) == LUA_TNUMBER &&
                  static_cast<int>(LuaType::String) == LUA_TSTRING && static_cast<int>(LuaType::Table) == LUA_TTABLE &&
                  static_cast<int>(LuaType::Function) == LUA_TFUNCTION &&
                  static_cast<int>(LuaType::UserData) == LUA_TUSERDATA &&
                  static_cast<int>(LuaType::Thread) == LUA_TTHREAD,
              "LuaType must number the types as the Lua library does");

const char* typeName(LuaType type) {
    switch (type) {
    case LuaType::Nil:
        return "NIL";
    case LuaType::Boolean:
        return "BOOLEAN";
    case LuaType::LightUserData:
        return "LIGHTUSERDATA";
    case LuaType::Number:
        return "NUMBER";
    case LuaType::String:
        return "STRING";
    case LuaType::Table:
        return "TABLE";
    case LuaType::Function:
        return "FUNCTION";
    case LuaType::UserData:
        return "USERDATA";
    case LuaType::Thread:
        return "THREAD";
    case LuaType::None:
        break;
    }
    return "INVALID";
}

} // namespace lua
