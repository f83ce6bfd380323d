#include "renderer/Shader.h"

namespace gr {

// Out of line: the key function keeps one copy of the type information, in this library.
Shader::~Shader() = default;

} // namespace gr
