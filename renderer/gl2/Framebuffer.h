#pragma once

#include "lang/Ref.h"
#include "renderer/gl2/Gl.h"
#include "renderer/gl2/ImageCodec.h"

namespace gr::gl2 {

class Gl2Shader;
class QuadBatch;

/// The offscreen colour buffer every frame is drawn into. Presenting copies it to the window,
/// so the last frame stays readable after it was shown (for screenshots and captures).
class Framebuffer {
public:
    /// Compiles the program that copies the buffer to the window.
    /// Throws `gr::GraphicsException` when the driver cannot make it.
    Framebuffer();
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
    /// Copies the buffer into the window's back buffer through `quads` (which must be empty),
    /// with blending off and then on again; drawing then goes to the buffer again.
    void copyToWindow(QuadBatch& quads) const;
    /// The buffer's pixels, rows from the top.
    Pixels read() const;

private:
    lang::Ref<Gl2Shader> m_copy;
    GLuint m_framebuffer = 0;
    GLuint m_colour = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace gr::gl2
