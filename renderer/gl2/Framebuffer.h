#pragma once

#include "renderer/gl2/Gl.h"
#include "renderer/gl2/ImageCodec.h"

namespace gr::gl2 {

/// The offscreen colour buffer every frame is drawn into. Presenting copies it to the window,
/// so the last frame stays readable after it was shown (for screenshots and captures).
class Framebuffer {
public:
    Framebuffer() = default;
    ~Framebuffer();
    Framebuffer(const Framebuffer&) = delete;
    Framebuffer& operator=(const Framebuffer&) = delete;

    /// (Re)allocates the buffer at width × height pixels and binds it for drawing.
    /// Throws `gr::GraphicsException` when the driver cannot make it.
    void resize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }

    /// Binds the buffer as the target of drawing.
    void bind() const;
    /// Copies the buffer into the window's back buffer; drawing then goes to the buffer again.
    void blitToWindow() const;
    /// The buffer's pixels, rows from the top.
    Pixels read() const;

private:
    GLuint m_framebuffer = 0;
    GLuint m_colour = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace gr::gl2
