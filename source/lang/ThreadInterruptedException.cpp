#include "lang/ThreadInterruptedException.h"

namespace lang {

ThreadInterruptedException::~ThreadInterruptedException() = default;

} // namespace lang
