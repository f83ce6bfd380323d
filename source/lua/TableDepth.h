#pragma once

#include "lua/LuaException.h"

#include <lua.hpp>

namespace lua {

/// Nested tables are walked by recursion, so the depth is bounded: a table that contains itself
/// would never end, and Lua's parser reads no deeper nesting of constructors back anyway.
/// Internal to the bridge.
inline void checkTableDepth(int depth) {
    if (depth > LUAI_MAXCCALLS)
        throw LuaException(
            lang::Format("Tables nested deeper than {0} levels (does a table contain itself?)", LUAI_MAXCCALLS));
}

} // namespace lua
