#include "renderer/Context.h"

namespace gr {

// Out of line: the key function keeps one copy of the type information, in this library.
Context::~Context() = default;

} // namespace gr
