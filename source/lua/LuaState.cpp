#include "lua/LuaState.h"

#include "lang/Truncate.h"
#include "lua/LuaException.h"

#include <lua.hpp>

#include <cmath>
#include <limits>

namespace lua {

namespace {

/// The registry key of the entry that leads from the interpreter to its `lua::LuaState`. A fixed
/// address rather than the interpreter pointer, so that it is found from a coroutine's thread too.
char kStateKey;

void openLibrary(LuaState& state, NativeFunction opener, const char* name) {
    state.pushCClosure(opener, 0);
    state.pushString(name);
    state.call(1, 0);
}

/// Protected halves of the metamethod-aware table operations: a metamethod may run any script.
int getTableHelper(lua_State* interpreter) {
    lua_gettable(interpreter, 1);
    return 1;
}

int setTableHelper(lua_State* interpreter) {
    lua_settable(interpreter, 1);
    return 0;
}

} // namespace

void LuaState::Closer::operator()(lua_State* interpreter) const { lua_close(interpreter); }

LuaState::LuaState() : m_interpreter(luaL_newstate()), m_current(m_interpreter.get()) {
    lua_State* L = interpreter();
    if (!L)
        throw LuaException(lang::Format("Failed to initialized Lua interpreter"));
    lua_atpanic(L, panic);
    lua_pushlightuserdata(L, &kStateKey);
    lua_pushlightuserdata(L, this);
    lua_rawset(L, LUA_REGISTRYINDEX);
    lua_pushcfunction(L, messageHandler);
    m_messageHandler = luaL_ref(L, LUA_REGISTRYINDEX);

    openLibrary(*this, luaopen_base, "");
    openLibrary(*this, luaopen_table, LUA_TABLIBNAME);
    openLibrary(*this, luaopen_string, LUA_STRLIBNAME);
    openLibrary(*this, luaopen_math, LUA_MATHLIBNAME);
    openLibrary(*this, luaopen_os, LUA_OSLIBNAME);

    lua_pushcfunction(L, raiseError);
    lua_setfield(L, LUA_GLOBALSINDEX, "error");
    lua_pushvalue(L, LUA_GLOBALSINDEX);
    m_globals = LuaTable(*this, -1);
    lua_pop(L, 1);
}

LuaState::~LuaState() = default;

LuaState& LuaState::fromInterpreter(lua_State* interpreter) {
    lua_pushlightuserdata(interpreter, &kStateKey);
    lua_rawget(interpreter, LUA_REGISTRYINDEX);
    auto* state = static_cast<LuaState*>(lua_touserdata(interpreter, -1));
    lua_pop(interpreter, 1);
    return *state;
}

int LuaState::absoluteIndex(int index) const {
    return index > 0 || index <= LUA_REGISTRYINDEX ? index : lua_gettop(interpreter()) + index + 1;
}

int LuaState::getTop() const { return lua_gettop(interpreter()); }

void LuaState::pop(int count) { lua_pop(interpreter(), count); }

void LuaState::pushValue(int index) {
    checkStack(1);
    lua_pushvalue(interpreter(), index);
}

LuaType LuaState::getType(int index) const { return static_cast<LuaType>(lua_type(interpreter(), index)); }

bool LuaState::isBoolean(int index) const { return lua_isboolean(interpreter(), index); }

bool LuaState::isNumber(int index) const { return lua_isnumber(interpreter(), index) != 0; }

bool LuaState::isString(int index) const { return lua_isstring(interpreter(), index) != 0; }

bool LuaState::isTable(int index) const { return lua_istable(interpreter(), index); }

void LuaState::checkType(int index, LuaType expected) const {
    const LuaType found = getType(index);
    if (found != expected)
        throw LuaException(lang::Format("Excepted type {0} at stack position {1} but found {2}{3}", typeName(expected),
                                        index, typeName(found), getCallStack()));
}

bool LuaState::toBoolean(int index) const {
    checkType(index, LuaType::Boolean);
    return lua_toboolean(interpreter(), index) != 0;
}

float LuaState::toNumber(int index) const {
    checkType(index, LuaType::Number);
    return static_cast<float>(lua_tonumber(interpreter(), index));
}

int LuaState::toInteger(int index) const { return lang::truncateTo<int>(toNumber(index)); }

const char* LuaState::toString(int index, size_t* length) const {
    checkType(index, LuaType::String);
    return lua_tolstring(interpreter(), index, length);
}

LuaTable LuaState::toTable(int index) {
    checkType(index, LuaType::Table);
    return LuaTable(*this, index);
}

void LuaState::checkStack(int slots) {
    if (!lua_checkstack(interpreter(), slots))
        throw LuaException(lang::Format("stack overflow{0}", getCallStack()));
}

void LuaState::pushBoolean(bool value) {
    checkStack(1);
    lua_pushboolean(interpreter(), value);
}

void LuaState::pushNumber(float value) {
    checkStack(1);
    lua_pushnumber(interpreter(), value);
}

void LuaState::pushString(const char* text) {
    checkStack(1);
    lua_pushstring(interpreter(), text);
}

void LuaState::pushString(const char* text, size_t length) {
    checkStack(1);
    lua_pushlstring(interpreter(), text, length);
}

void LuaState::pushString(const std::string& text) { pushString(text.data(), text.size()); }

void LuaState::pushNil() {
    checkStack(1);
    lua_pushnil(interpreter());
}

void LuaState::pushLightUserData(void* pointer) {
    checkStack(1);
    lua_pushlightuserdata(interpreter(), pointer);
}

void LuaState::pushCClosure(NativeFunction function, int upvalues) {
    checkStack(1);
    lua_pushcclosure(interpreter(), function, upvalues);
}

void LuaState::pushTable(const LuaTable& table) {
    if (table.m_state)
        table.push();
    else
        pushNil();
}

void LuaState::newTable() {
    checkStack(1);
    lua_newtable(interpreter());
}

void LuaState::callHelper(NativeFunction helper, int operands, int results) {
    lua_State* L = interpreter();
    checkStack(1);
    lua_pushcfunction(L, helper);
    lua_insert(L, -operands - 1);
    call(operands, results);
}

void LuaState::getTable(int index) {
    checkType(index, LuaType::Table);
    const int table = absoluteIndex(index);
    checkStack(1);
    lua_pushvalue(interpreter(), table);
    lua_insert(interpreter(), -2);
    callHelper(getTableHelper, 2, 1);
}

void LuaState::rawGet(int index) {
    checkType(index, LuaType::Table);
    lua_rawget(interpreter(), index);
}

void LuaState::setTable(int index) {
    checkType(index, LuaType::Table);
    const int table = absoluteIndex(index);
    checkStack(1);
    lua_pushvalue(interpreter(), table);
    lua_insert(interpreter(), -3);
    callHelper(setTableHelper, 3, 0);
}

void LuaState::rawSetInteger(int index, int key) {
    checkType(index, LuaType::Table);
    lua_rawseti(interpreter(), index, key);
}

bool LuaState::next(int index) {
    checkType(index, LuaType::Table);
    checkStack(1);
    return lua_next(interpreter(), index) != 0;
}

} // namespace lua
