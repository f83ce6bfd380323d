#pragma once

#include "lang/Object.h"

#include <cstddef>
#include <cstdint>

namespace gr {

class Context;

/// Texture coordinates of a quad's corners in the order top-left, top-right, bottom-left,
/// bottom-right, as (u, v) pairs. v = 0 is the first (top) row of the image.
struct TexCoords {
    float uv[8];

    /// The whole image.
    static constexpr TexCoords full() { return {{0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f}}; }
};

/// A texture of the renderer: pixels with premultiplied alpha, sampled bilinearly.
/// Counted; created by the graphics context (`createTexture`, `loadImage`, `captureFrame`)
/// and valid only while that context lives. Main thread only.
class Image : public lang::Object {
public:
    Image(int width, int height) : m_width(width), m_height(height) {}
    ~Image() override;

    /// Width of the backing surface in pixels; texture coordinates are fractions of it.
    int width() const { return m_width; }
    /// Height of the backing surface in pixels.
    int height() const { return m_height; }
    /// Bytes of texture memory held: four per pixel.
    std::size_t byteSize() const { return static_cast<std::size_t>(m_width) * m_height * 4; }

    /// Replaces every pixel: width × height values 0xAARRGGBB whose colour is already
    /// multiplied by alpha, rows from the top.
    virtual void upload(const std::uint32_t* pixels) = 0;

    /// Draws the part `coords` of this image into the rectangle (x, y, w, h) through the
    /// context's render state; the same as the context's `drawTexturedQuad`.
    void draw(Context& context, float x, float y, float w, float h, const TexCoords& coords);

private:
    int m_width;
    int m_height;
};

} // namespace gr
