#include "renderer/GraphicsException.h"

namespace gr {

// Out of line: the key function pins the type information to this shared library.
GraphicsException::~GraphicsException() = default;

} // namespace gr
