#include "io/DataInput.h"

namespace io {

DataInput::~DataInput() = default;

} // namespace io
