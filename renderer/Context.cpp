#include "renderer/Context.h"

namespace gr {

// Out of line: the key function keeps one copy of the type information, in this library.
Context::~Context() = default;

void Context::drawDualTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords,
                                   const TexCoords&) {
    drawTexturedQuad(image, x, y, w, h, coords);
}

} // namespace gr
