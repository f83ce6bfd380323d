#include "lang/Exception.h"

namespace lang {

// Out of line so that the type information lives in the runtime library alone: a renderer
// module that throws and a host that catches must agree on one definition.
Exception::~Exception() = default;
FormatException::~FormatException() = default;

} // namespace lang
