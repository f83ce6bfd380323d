#pragma once

#include "lua/LuaState.h"

#include <exception>

struct lua_State;

namespace lua {

/// What a bound native's closure holds as its first upvalue (a full user-data value, collected
/// with the closure): the state first, so that `lua::NativeFrame` reads it without knowing the
/// member's type, then the native object and the bound member. A second upvalue, when there is
/// one, is the object's liveness flag (a `bool`).
template <class Class, class Member> struct NativeBinding {
    LuaState* state;
    Class* object;
    Member member;
};

/// The run-time side of a trampoline: finds the binding and the `lua::LuaState`, points the
/// state at the calling thread, and carries a native's exception across the interpreter.
class NativeFrame {
public:
    explicit NativeFrame(lua_State* interpreter);
    NativeFrame(const NativeFrame&) = delete;
    NativeFrame& operator=(const NativeFrame&) = delete;
    ~NativeFrame();

    LuaState& state() const { return m_state; }
    /// The closure's `lua::NativeBinding`.
    const void* binding() const { return m_binding; }

    /// Runs `body(frame)`, which returns the number of results it pushed. An exception thrown
    /// by it is kept and raised as a Lua error with its message once its catch block is left;
    /// the protected call that receives the error rethrows the kept exception itself. A native
    /// whose object is gone raises `lua::LuaException` instead of running.
    template <class Body> static int run(lua_State* interpreter, Body&& body) {
        NativeFrame frame(interpreter);
        try {
            frame.checkObjectAlive();
            return body(frame);
        } catch (const std::exception& error) {
            frame.m_state.keep(error);
        }
        return frame.m_state.raiseKept();
    }

private:
    /// Raises `lua::LuaException` when the liveness flag says the native object is destroyed.
    void checkObjectAlive() const;

    const void* m_binding;
    LuaState& m_state;
    const bool* m_alive;
    lua_State* m_previous;
};

} // namespace lua
