#include "lua/NativeFrame.h"

#include "lua/LuaException.h"

#include <lua.hpp>

namespace lua {

NativeFrame::NativeFrame(lua_State* interpreter)
    : m_binding(lua_touserdata(interpreter, lua_upvalueindex(1))), m_state(**static_cast<LuaState* const*>(m_binding)),
      m_alive(static_cast<const bool*>(lua_touserdata(interpreter, lua_upvalueindex(2)))),
      m_previous(m_state.m_current) {
    m_state.m_current = interpreter;
    // A native runs only after the message handler of a raise in flight has had its turn (a
    // script's xpcall handler may call natives): no later error may claim that raise.
    m_state.m_raising = false;
}

NativeFrame::~NativeFrame() { m_state.m_current = m_previous; }

void NativeFrame::checkObjectAlive() const {
    if (m_alive && !*m_alive)
        throw LuaException(lang::Format("The native object of this function no longer exists"));
}

} // namespace lua
