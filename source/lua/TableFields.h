#pragma once

#include <span>

struct lua_State;

namespace lua {

class LuaState;
class LuaTable;

/// Raw reads and writes of a fixed set of string fields in many tables, one table after
/// another: the loops that touch every game object's table each frame. The keys are interned
/// once and the current table is pushed once, so a field access costs no key hashing and no
/// registry look-up, unlike `lua::LuaTable`'s. The accessor keeps its values on the Lua stack,
/// so it lives in one scope and nothing else may pop them meanwhile; the stack is restored when
/// it goes. Numbers cross as 32-bit floats.
class TableFields {
public:
    /// `keys` are addressed by their position in the list (0, 1, ...).
    TableFields(LuaState& state, std::span<const char* const> keys);
    ~TableFields();
    TableFields(const TableFields&) = delete;
    TableFields& operator=(const TableFields&) = delete;

    /// Makes `table` (which must not be an empty handle) the one the following calls address.
    void select(const LuaTable& table);

    void set(int key, float value);
    void set(int key, bool value);
    bool isNil(int key);
    /// True only for the boolean true.
    bool isTrue(int key);
    /// The value as a number; 0 when it is neither a number nor a numeric string.
    float getNumber(int key);

private:
    /// Pushes the value under `key` of the current table.
    void pushField(int key);

    lua_State* m_interpreter;
    int m_top;
    /// Stack index of the first key; the current table sits just below it.
    int m_firstKey;
};

} // namespace lua
