#include "renderer/gl2/Framebuffer.h"

#include "renderer/GraphicsException.h"
#include "renderer/gl2/Gl2Shader.h"
#include "renderer/gl2/QuadBatch.h"

#include <algorithm>

namespace gr::gl2 {
namespace {

// Copies the buffer's texture as it is; positions are clip coordinates.
constexpr const char* kCopyVertex = R"(#version 120
uniform mat4 PROJTM;
attribute vec2 POSITION;
attribute vec2 TEXCOORD0;
varying vec2 v_texcoord;
void main() {
    v_texcoord = TEXCOORD0;
    gl_Position = PROJTM * vec4(POSITION, 0.0, 1.0);
}
)";
constexpr const char* kCopyFragment = R"(#version 120
uniform sampler2D BASEMAP;
varying vec2 v_texcoord;
void main() {
    gl_FragColor = texture2D(BASEMAP, v_texcoord);
}
)";
constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

} // namespace

Framebuffer::Framebuffer()
    : m_copy(new Gl2Shader("frame-copy", "the frame copy program", kCopyVertex, kCopyFragment, nullptr)) {}

Framebuffer::~Framebuffer() {
    glDeleteFramebuffers(1, &m_framebuffer);
    glDeleteTextures(1, &m_colour);
}

void Framebuffer::resize(int width, int height) {
    if (!m_framebuffer) {
        glGenFramebuffers(1, &m_framebuffer);
        glGenTextures(1, &m_colour);
    }
    glBindTexture(GL_TEXTURE_2D, m_colour);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_colour, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        throw GraphicsException(lang::Format("Failed to create a frame buffer of {0}x{1} pixels", width, height));
    m_width = width;
    m_height = height;
}

void Framebuffer::bind() const { glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer); }

void Framebuffer::copyToWindow(QuadBatch& quads) const {
    // Drawn as one textured quad rather than blitted: the buffer and the window count rows
    // from opposite ends in software drivers, and their blit of that case builds a shader
    // program of its own on first use, which costs more than the rest of the first frame.
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_BLEND);
    m_copy->bind(kIdentity);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_colour);
    quads.add({-1, 1, 0, 1, 0, 0, {}}, {1, 1, 1, 1, 0, 0, {}}, {-1, -1, 0, 0, 0, 0, {}}, {1, -1, 1, 0, 0, 0, {}});
    quads.draw();
    glEnable(GL_BLEND);
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
