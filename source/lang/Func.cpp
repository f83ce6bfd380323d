#include "lang/Func.h"

namespace lang {

FuncBase::~FuncBase() = default;

} // namespace lang
