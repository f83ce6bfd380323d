#include "lua/LuaTable.h"

#include "io/InputStream.h"
#include "lua/LuaException.h"
#include "lua/LuaState.h"
#include "lua/StackGuard.h"

#include <lua.hpp>

#include <utility>

namespace lua {

namespace {

/// Stores the value on top under the key below it in the table below that, for a nil key:
/// Lua raises "table index is nil" for it, so it runs protected like every call that may fail.
int rawSetHelper(lua_State* interpreter) {
    lua_rawset(interpreter, 1);
    return 0;
}

lang::Format::Argument keyArgument(const TableKey& key) {
    switch (key.kind()) {
    case TableKey::Kind::String:
        return std::string(key.name(), key.length());
    case TableKey::Kind::Index:
        return key.index();
    case TableKey::Kind::Nil:
        break;
    }
    return "nil";
}

} // namespace

LuaTable::LuaTable() = default;

LuaTable::LuaTable(LuaState& state) : m_state(&state) {
    lua_State* L = state.interpreter();
    state.checkStack(1);
    lua_newtable(L);
    m_ref = reference(L);
}

LuaTable::LuaTable(LuaState& state, int index) : m_state(&state) {
    lua_State* L = state.interpreter();
    state.checkStack(1);
    lua_pushvalue(L, index);
    m_ref = reference(L);
}

LuaTable::LuaTable(const LuaTable& other) : lang::Object(other), m_state(other.m_state) {
    if (m_state) {
        other.push();
        m_ref = reference(m_state->interpreter());
    }
}

LuaTable::LuaTable(LuaTable&& other) noexcept
    : lang::Object(other), m_state(std::exchange(other.m_state, nullptr)), m_ref(std::exchange(other.m_ref, -1)) {}

LuaTable& LuaTable::operator=(const LuaTable& other) {
    if (this != &other)
        *this = LuaTable(other);
    return *this;
}

LuaTable& LuaTable::operator=(LuaTable&& other) noexcept {
    if (this != &other) {
        if (m_state)
            luaL_unref(m_state->interpreter(), LUA_REGISTRYINDEX, m_ref);
        m_state = std::exchange(other.m_state, nullptr);
        m_ref = std::exchange(other.m_ref, -1);
    }
    return *this;
}

LuaTable::~LuaTable() {
    if (m_state)
        luaL_unref(m_state->interpreter(), LUA_REGISTRYINDEX, m_ref);
}

int LuaTable::reference(lua_State* interpreter) { return luaL_ref(interpreter, LUA_REGISTRYINDEX); }

LuaState& LuaTable::state() const {
    if (!m_state)
        throw LuaException(lang::Format("Tried to use an empty table handle"));
    return *m_state;
}

lua_State* LuaTable::interpreter() const { return state().interpreter(); }

void LuaTable::push() const {
    lua_State* L = interpreter();
    m_state->checkStack(1);
    lua_rawgeti(L, LUA_REGISTRYINDEX, m_ref);
}

void LuaTable::pushEntry(lua_State* interpreter, const TableKey& key) const {
    lua_rawgeti(interpreter, LUA_REGISTRYINDEX, m_ref);
    switch (key.kind()) {
    case TableKey::Kind::Index:
        lua_rawgeti(interpreter, -1, key.index());
        return;
    case TableKey::Kind::String:
        lua_pushlstring(interpreter, key.name(), key.length());
        break;
    case TableKey::Kind::Nil:
        lua_pushnil(interpreter);
        break;
    }
    lua_rawget(interpreter, -2);
}

template <class Convert> auto LuaTable::read(const TableKey& key, Convert convert) const {
    lua_State* L = interpreter();
    StackGuard guard(*m_state, L, 2);
    pushEntry(L, key);
    return convert(L);
}

float LuaTable::getNumber(const TableKey& key) const {
    return read(key, [](lua_State* L) { return static_cast<float>(lua_tonumber(L, -1)); });
}

bool LuaTable::getBoolean(const TableKey& key) const {
    return read(key, [](lua_State* L) { return lua_toboolean(L, -1) != 0; });
}

std::string LuaTable::getString(const TableKey& key) const {
    return read(key, [](lua_State* L) { return std::string(lua_isstring(L, -1) ? lua_tostring(L, -1) : ""); });
}

LuaTable LuaTable::getTable(const TableKey& key) const {
    return read(key, [this, &key](lua_State* L) {
        const auto found = static_cast<LuaType>(lua_type(L, -1));
        if (found != LuaType::Table)
            throw LuaException(lang::Format("Tried to get value {0} from table, but type was {1} instead of {2}",
                                            keyArgument(key), typeName(found), typeName(LuaType::Table)));
        return LuaTable(*m_state, -1);
    });
}

bool LuaTable::isNil(const TableKey& key) const {
    return read(key, [](lua_State* L) { return lua_isnil(L, -1); });
}

bool LuaTable::isNumber(const TableKey& key) const {
    return read(key, [](lua_State* L) { return lua_isnumber(L, -1) != 0; });
}

bool LuaTable::isString(const TableKey& key) const {
    return read(key, [](lua_State* L) { return lua_isstring(L, -1) != 0; });
}

bool LuaTable::isTable(const TableKey& key) const {
    return read(key, [](lua_State* L) { return lua_istable(L, -1); });
}

bool LuaTable::isBoolean(const TableKey& key) const {
    return read(key, [](lua_State* L) { return lua_isboolean(L, -1); });
}

template <class PushValue> void LuaTable::write(const TableKey& key, PushValue pushValue) const {
    lua_State* L = interpreter();
    StackGuard guard(*m_state, L, 4);
    lua_rawgeti(L, LUA_REGISTRYINDEX, m_ref);
    switch (key.kind()) {
    case TableKey::Kind::Index:
        pushValue(L);
        lua_rawseti(L, -2, key.index());
        return;
    case TableKey::Kind::String:
        lua_pushlstring(L, key.name(), key.length());
        pushValue(L);
        lua_rawset(L, -3);
        return;
    case TableKey::Kind::Nil:
        lua_pushcfunction(L, rawSetHelper);
        lua_insert(L, -2);
        lua_pushnil(L);
        pushValue(L);
        m_state->call(3, 0);
        return;
    }
}

void LuaTable::set(const TableKey& key, const char* value) const {
    write(key, [value](lua_State* L) { lua_pushstring(L, value); });
}

void LuaTable::set(const TableKey& key, const std::string& value) const {
    write(key, [&value](lua_State* L) { lua_pushlstring(L, value.data(), value.size()); });
}

void LuaTable::set(const TableKey& key, float value) const {
    write(key, [value](lua_State* L) { lua_pushnumber(L, value); });
}

void LuaTable::set(const TableKey& key, bool value) const {
    write(key, [value](lua_State* L) { lua_pushboolean(L, value); });
}

void LuaTable::set(const TableKey& key, const LuaTable& value) const {
    write(key, [this, &value](lua_State*) { m_state->pushTable(value); });
}

void LuaTable::setNil(const TableKey& key) const {
    write(key, [](lua_State* L) { lua_pushnil(L); });
}

void LuaTable::load(io::InputStream& input) const { state().runChunk(input, input.toString(), this); }

} // namespace lua
