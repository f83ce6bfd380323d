#pragma once

#include "renderer/Image.h"
#include "renderer/gl2/Gl.h"

#include <cstdint>

namespace gr::gl2 {

/// A 2D texture with premultiplied RGBA pixels, linear filtering and clamped edges.
class Gl2Image : public Image {
public:
    /// Makes the texture; throws `gr::GraphicsException` when the driver refuses the size.
    Gl2Image(int width, int height);
    ~Gl2Image() override;

    void upload(const std::uint32_t* pixels) override;
    /// Replaces every pixel from bytes in R, G, B, A order (premultiplied), rows from the top.
    void uploadBytes(const std::uint8_t* rgba);

    GLuint texture() const { return m_texture; }

private:
    GLuint m_texture = 0;
};

} // namespace gr::gl2
