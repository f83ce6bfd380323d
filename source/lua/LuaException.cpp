#include "lua/LuaException.h"

namespace lua {

LuaException::~LuaException() = default;

} // namespace lua
