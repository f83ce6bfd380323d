#include "lua/LuaTableVisitor.h"

namespace lua {

LuaTableVisitor::~LuaTableVisitor() = default;

} // namespace lua
