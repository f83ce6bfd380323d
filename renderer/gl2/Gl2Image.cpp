#include "renderer/gl2/Gl2Image.h"

#include "renderer/GraphicsException.h"

namespace gr::gl2 {

Gl2Image::Gl2Image(int width, int height) : Image(width, height) {
    while (glGetError() != GL_NO_ERROR) {
    }
    glGenTextures(1, &m_texture);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    if (width <= 0 || height <= 0 || glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &m_texture);
        throw GraphicsException(lang::Format("Failed to create a texture of {0}x{1} pixels", width, height));
    }
}

Gl2Image::~Gl2Image() { glDeleteTextures(1, &m_texture); }

void Gl2Image::upload(const std::uint32_t* pixels) {
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // 0xAARRGGBB words are B, G, R, A from the lowest byte up.
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width(), height(), GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels);
}

void Gl2Image::uploadBytes(const std::uint8_t* rgba) {
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width(), height(), GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

} // namespace gr::gl2
