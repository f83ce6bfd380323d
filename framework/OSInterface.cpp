#include "framework/OSInterface.h"

namespace framework {

OSInterface::~OSInterface() = default;

} // namespace framework
