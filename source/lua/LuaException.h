#pragma once

#include "lang/Exception.h"

namespace lua {

/// Raised for every failure of a script: syntax errors, runtime errors, calls of `error` and
/// arguments of the wrong type. Runtime messages end with the script call-stack text.
class LuaException : public lang::Exception {
public:
    using Exception::Exception;
    ~LuaException() override;
};

} // namespace lua
