#include "renderer/Image.h"

#include "renderer/Context.h"

namespace gr {

Image::~Image() = default;

void Image::draw(Context& context, float x, float y, float w, float h, const TexCoords& coords) {
    context.drawTexturedQuad(*this, x, y, w, h, coords);
}

} // namespace gr
