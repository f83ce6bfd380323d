#include "io/IOException.h"

namespace io {

// Out of line so that the type information has one home, shared by every module that catches it.
IOException::~IOException() = default;

} // namespace io
