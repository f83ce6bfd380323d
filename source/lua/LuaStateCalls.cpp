// The error model of `lua::LuaState`: protected calls, the message handler, the panic function,
// the replaced "error" and the hand-over of native exceptions across the interpreter.
#include "lua/LuaState.h"

#include "lua/LuaException.h"

#include <lua.hpp>

#include <new>
#include <string>
#include <utility>

namespace lua {

namespace {

const char* const kNoCallStack = " (call stack not available)";

/// "\nCall stack:\n", then "source(line)\n" per level from `firstLevel` upwards, then "(end)\n".
std::string callStackText(lua_State* interpreter, int firstLevel) {
    std::string text;
    lua_Debug frame;
    for (int level = firstLevel; lua_getstack(interpreter, level, &frame); ++level) {
        if (!lua_getinfo(interpreter, "Sln", &frame))
            continue;
        if (text.empty())
            text = "\nCall stack:\n";
        text += frame.source;
        text += '(';
        text += std::to_string(frame.currentline);
        text += ")\n";
    }
    if (text.empty())
        return kNoCallStack;
    return text + "(end)\n";
}

/// Whether the value at `index` can be called: a function, or a value whose metatable has "__call".
bool isCallable(lua_State* interpreter, int index) {
    if (lua_isfunction(interpreter, index))
        return true;
    const bool hasCall = luaL_getmetafield(interpreter, index, "__call") != 0;
    if (hasCall)
        lua_pop(interpreter, 1);
    return hasCall;
}

/// The error value as message text: strings and numbers; nothing for other values.
const char* errorText(lua_State* interpreter) {
    return lua_isstring(interpreter, -1) ? lua_tostring(interpreter, -1) : "";
}

} // namespace

std::string LuaState::getCallStack() const { return callStackText(interpreter(), 1); }

void LuaState::call(int arguments, int results) { call(arguments, results, nullptr); }

void LuaState::call(int arguments, int results, const char* name) {
    lua_State* L = interpreter();
    checkStack(2);
    const int handler = lua_gettop(L) - arguments;
    const char* const callee = name && !isCallable(L, handler) ? name : nullptr;
    lua_rawgeti(L, LUA_REGISTRYINDEX, m_messageHandler);
    lua_insert(L, handler);
    const int status = lua_pcall(L, arguments, results, handler);
    if (status != 0)
        throwCallError(status, handler, callee);
    lua_remove(L, handler);
}

void LuaState::throwCallError(int status, int handlerIndex, const char* callee) {
    lua_State* L = interpreter();
    if (m_claimed) {
        std::exception_ptr kept = std::exchange(m_claimed, nullptr);
        lua_settop(L, handlerIndex - 1);
        std::rethrow_exception(kept);
    }
    // Only runtime errors pass through the message handler; memory errors and errors in the
    // handler itself come without a call stack.
    const std::string callStack = status == LUA_ERRRUN ? m_errorCallStack : kNoCallStack;
    // A callback that does not exist fails outside any script: its name says where, and the
    // call stack only matters when a script made the engine call it.
    const lang::Format format = callee ? lang::Format("Error calling \"{0}\": {1}{2}", callee, errorText(L),
                                                      callStack == kNoCallStack ? std::string() : callStack)
                                       : lang::Format("{0}{1}", errorText(L), callStack);
    lua_settop(L, handlerIndex - 1);
    throw LuaException(format);
}

int LuaState::messageHandler(lua_State* interpreter) {
    LuaState& state = fromInterpreter(interpreter);
    if (state.m_raising) {
        state.m_raising = false;
        state.m_claimed = std::move(state.m_kept);
    } else {
        // The native that raised the error (error, a library function) is not a script frame:
        // the text starts at its caller, as `getCallStack` inside that native would.
        lua_Debug frame;
        const bool raisedByNative =
            lua_getstack(interpreter, 1, &frame) && lua_getinfo(interpreter, "S", &frame) && frame.what[0] == 'C';
        try {
            state.m_errorCallStack = callStackText(interpreter, raisedByNative ? 2 : 1);
        } catch (const std::bad_alloc&) {
            // No C++ exception may leave into the interpreter.
            state.m_errorCallStack.clear();
        }
    }
    lua_settop(interpreter, 1);
    return 1;
}

int LuaState::panic(lua_State* interpreter) {
    // Reached only by an error outside any protected call (out of memory in a table access
    // made by engine code); Lua has already reset its stack to the bottom level.
    throw LuaException(lang::Format("{0}{1}", errorText(interpreter), callStackText(interpreter, 1)));
}

int LuaState::raiseError(lua_State* interpreter) {
    // The value itself, without the position prefix of Lua's own "error".
    lua_settop(interpreter, 1);
    return lua_error(interpreter);
}

void LuaState::keep(const std::exception& error) noexcept {
    m_kept = std::current_exception();
    m_keptMessage = error.what();
}

int LuaState::raiseKept() {
    lua_State* L = interpreter();
    lua_checkstack(L, 1);
    lua_pushlstring(L, m_keptMessage.data(), m_keptMessage.size());
    // Lua's C++ build raises with a C++ throw, so this runs as the error leaves the native,
    // whether a message handler claimed the exception or a script's pcall caught the error.
    struct Raising {
        LuaState& state;
        ~Raising() {
            state.m_raising = false;
            state.m_kept = nullptr;
        }
    } raising{*this};
    m_raising = true;
    return lua_error(L);
}

} // namespace lua
