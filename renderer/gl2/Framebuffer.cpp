#include "renderer/gl2/Framebuffer.h"

#include "renderer/GraphicsException.h"

#include <algorithm>

namespace gr::gl2 {

Framebuffer::~Framebuffer() {
    glDeleteFramebuffers(1, &m_framebuffer);
    glDeleteRenderbuffers(1, &m_colour);
}

void Framebuffer::resize(int width, int height) {
    if (!m_framebuffer) {
        glGenFramebuffers(1, &m_framebuffer);
        glGenRenderbuffers(1, &m_colour);
    }
    glBindRenderbuffer(GL_RENDERBUFFER, m_colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        throw GraphicsException(lang::Format("Failed to create a frame buffer of {0}x{1} pixels", width, height));
    m_width = width;
    m_height = height;
}

void Framebuffer::bind() const { glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer); }

void Framebuffer::blitToWindow() const {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(0, 0, m_width, m_height, 0, 0, m_width, m_height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    bind();
}

Pixels Framebuffer::read() const {
    Pixels pixels{m_width, m_height, {}};
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * 4;
    pixels.rgba.resize(rowBytes * m_height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.rgba.data());
    // OpenGL reads from the bottom row up.
    for (int top = 0, bottom = m_height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels.rgba.begin() + top * rowBytes, pixels.rgba.begin() + (top + 1) * rowBytes,
                         pixels.rgba.begin() + bottom * rowBytes);
    return pixels;
}

} // namespace gr::gl2
