#pragma once

namespace lua {

/// The interpreter's value types, numbered as the Lua library numbers them.
enum class LuaType : int {
    None = -1, ///< an absent stack slot
    Nil = 0,
    Boolean,
    LightUserData,
    Number,
    String,
    Table,
    Function,
    UserData,
    Thread,
};

/// The upper-case name used in messages ("NIL", "NUMBER", ...); "INVALID" for an absent slot.
const char* typeName(LuaType type);

} // namespace lua
