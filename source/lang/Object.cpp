#include "lang/Object.h"

namespace lang {

// Out of line so that the type information of every shared object has one home.
Object::~Object() = default;

} // namespace lang
