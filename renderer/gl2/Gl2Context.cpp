#include "renderer/gl2/Gl2Context.h"

#include "io/ReadAll.h"
#include "renderer/GraphicsException.h"
#include "renderer/Orientation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace gr::gl2 {
namespace {

constexpr const char* kColourProgram = "2d-vertexcolor";
constexpr const char* kSpriteProgram = "2d-sprite";

std::string joinedPath(const std::string& directory, const std::string& file) {
    return directory.empty() ? file : directory + "/" + file;
}

bool hasFramebufferObjects() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return (version && std::atoi(version) >= 3) || (extensions && std::strstr(extensions, "GL_ARB_framebuffer_object"));
}

// Straight 0xAARRGGBB scaled by `alpha` to premultiplied R, G, B, A bytes.
void premultipliedBytes(std::uint32_t colour, float alpha, std::uint8_t (&rgba)[4]) {
    const float a = ((colour >> 24) & 0xFF) / 255.0f * std::clamp(alpha, 0.0f, 1.0f);
    const auto channel = [a](std::uint32_t value) {
        return static_cast<std::uint8_t>(std::lround(value / 255.0f * a * 255.0f));
    };
    rgba[0] = channel((colour >> 16) & 0xFF);
    rgba[1] = channel((colour >> 8) & 0xFF);
    rgba[2] = channel(colour & 0xFF);
    rgba[3] = static_cast<std::uint8_t>(std::lround(a * 255.0f));
}

} // namespace

Gl2Context::Gl2Context(SDL_Window* window, int width, int height, int orientation, const std::string& engineShaderPath)
    : m_window(window), m_orientation(orientation), m_engineShaderPath(engineShaderPath),
      m_shaderPath(engineShaderPath) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    m_gl = SDL_GL_CreateContext(window);
    if (!m_gl)
        throw GraphicsException(lang::Format("Failed to create an OpenGL 2.1 context: {0}", SDL_GetError()));
    try {
        if (!hasFramebufferObjects())
            throw GraphicsException(lang::Format("OpenGL {0} has no frame buffer objects",
                                                 reinterpret_cast<const char*>(glGetString(GL_VERSION))));
        m_frame = std::make_unique<Framebuffer>();
        m_batch = std::make_unique<QuadBatch>();
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        resize(width, height);
    } catch (...) {
        m_batch.reset();
        m_frame.reset();
        SDL_GL_DeleteContext(m_gl);
        throw;
    }
}

Gl2Context::~Gl2Context() {
    // Programs still held elsewhere must not call back into a context that is gone.
    for (auto& [name, shader] : m_shaders)
        shader->detach();
    m_shaders.clear();
    m_colourProgram = nullptr;
    m_spriteProgram = nullptr;
    m_userProgram = nullptr;
    m_batchTexture = nullptr;
    m_batch.reset();
    m_frame.reset();
    SDL_GL_DeleteContext(m_gl);
}

std::string Gl2Context::readShaderFile(const std::string& file) const {
    // The game's own copy wins; the engine's stands in for a file the game does not have.
    const std::string path = joinedPath(m_shaderPath, file);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        in.open(joinedPath(m_engineShaderPath, file), std::ios::binary);
    if (!in)
        throw GraphicsException(lang::Format("Failed to open shader file {0}", path));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

lang::Ref<Gl2Shader> Gl2Context::program(const std::string& name) {
    auto found = m_shaders.find(name);
    if (found != m_shaders.end())
        return found->second;
    const std::string vertex = readShaderFile(name + ".vert");
    const std::string fragment = readShaderFile(name + ".frag");
    lang::Ref<Gl2Shader> shader(new Gl2Shader(name, joinedPath(m_shaderPath, name) + ".vert|.frag", vertex, fragment,
                                              [this](const Gl2Shader& changed) {
                                                  if (m_batchProgram == &changed)
                                                      flush();
                                              }));
    m_shaders.emplace(name, shader);
    return shader;
}

Gl2Shader& Gl2Context::defaultProgram(lang::Ref<Gl2Shader>& slot, const char* name) {
    // Looked up on first use, once the game has named its shader path, so that its copy counts.
    if (!slot)
        slot = program(name);
    return *slot;
}

lang::Ref<Image> Gl2Context::createTexture(int width, int height) {
    return lang::Ref<Image>(new Gl2Image(width, height));
}

lang::Ref<Image> Gl2Context::loadImage(io::InputStream& stream, const std::string& path) {
    const Pixels pixels = decodeImage(io::readAll(stream), path);
    lang::Ref<Gl2Image> image(new Gl2Image(pixels.width, pixels.height));
    image->uploadBytes(pixels.rgba.data());
    return image;
}

lang::Ref<Shader> Gl2Context::loadShader(const std::string& name) { return program(name); }

void Gl2Context::useShader(lang::Ref<Shader> shader) { m_userProgram = static_cast<Gl2Shader*>(shader.get()); }

int Gl2Context::width() const { return m_orientation % 2 ? m_frame->height() : m_frame->width(); }

int Gl2Context::height() const { return m_orientation % 2 ? m_frame->width() : m_frame->height(); }

bool Gl2Context::isReady() const { return m_frame->width() > 0 && m_frame->height() > 0; }

void Gl2Context::setOrientation(int orientation) {
    flush();
    m_orientation = orientation >= 0 && orientation <= 3 ? orientation : 0;
    updateProjection();
}

void Gl2Context::resize(int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    flush();
    m_frame->resize(width, height);
    glViewport(0, 0, width, height);
    updateProjection();
}

void Gl2Context::updateProjection() {
    // The affine map from context pixels to window pixels, then to clip space (y up).
    const float w = static_cast<float>(width());
    const float h = static_cast<float>(height());
    const Point origin = contextToWindow(m_orientation, w, h, {0.0f, 0.0f});
    const Point xAxis = contextToWindow(m_orientation, w, h, {1.0f, 0.0f});
    const Point yAxis = contextToWindow(m_orientation, w, h, {0.0f, 1.0f});
    const float sx = 2.0f / m_frame->width();
    const float sy = -2.0f / m_frame->height();
    std::fill(std::begin(m_projection), std::end(m_projection), 0.0f);
    m_projection[0] = (xAxis.x - origin.x) * sx;
    m_projection[1] = (xAxis.y - origin.y) * sy;
    m_projection[4] = (yAxis.x - origin.x) * sx;
    m_projection[5] = (yAxis.y - origin.y) * sy;
    m_projection[10] = 1.0f;
    m_projection[12] = origin.x * sx - 1.0f;
    m_projection[13] = origin.y * sy + 1.0f;
    m_projection[15] = 1.0f;
}

Gl2Context::Scissor Gl2Context::scissorFromClip() const {
    const RenderState& s = state();
    const float w = static_cast<float>(width());
    const float h = static_cast<float>(height());
    const float left = std::max(s.clipLeft, 0.0f);
    const float top = std::max(s.clipTop, 0.0f);
    const float right = std::min(s.clipRight, w);
    const float bottom = std::min(s.clipBottom, h);
    if (left <= 0.0f && top <= 0.0f && right >= w && bottom >= h)
        return {};
    const Point a = contextToWindow(m_orientation, w, h, {left, top});
    const Point b = contextToWindow(m_orientation, w, h, {std::max(left, right), std::max(top, bottom)});
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x)));
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x)));
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y)));
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y)));
    // Scissor boxes count rows from the bottom.
    return {x0, m_frame->height() - y1, x1 - x0, y1 - y0, false};
}

void Gl2Context::queue(Gl2Shader& program, Gl2Image* texture, Point origin, const Point (&corners)[4],
                       const TexCoords& coords, const TexCoords& secondCoords, std::uint32_t colour) {
    const Scissor scissor = scissorFromClip();
    if (m_batchProgram != &program || m_batchTexture.get() != texture || !(m_batchScissor == scissor)) {
        flush();
        m_batchProgram = &program;
        m_batchTexture = texture;
        m_batchScissor = scissor;
    }
    Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        const Point p = state().apply(origin, corners[i]);
        vertices[i] = {
            p.x, p.y, coords.uv[2 * i], coords.uv[2 * i + 1], secondCoords.uv[2 * i], secondCoords.uv[2 * i + 1], {}};
        premultipliedBytes(colour, state().alpha, vertices[i].rgba);
    }
    m_batch->add(vertices[0], vertices[1], vertices[2], vertices[3]);
    ++m_frameCounters.quads;
}

void Gl2Context::flush() {
    if (m_batch->empty())
        return;
    m_frame->bind();
    if (m_batchScissor.whole) {
        glDisable(GL_SCISSOR_TEST);
    } else {
        glEnable(GL_SCISSOR_TEST);
        glScissor(m_batchScissor.x, m_batchScissor.y, m_batchScissor.width, m_batchScissor.height);
    }
    m_batchProgram->bind(m_projection);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_batchTexture ? m_batchTexture->texture() : 0);
    m_batch->draw();
    ++m_frameCounters.drawCalls;
    // The run is drawn: it no longer needs to keep its texture alive.
    m_batchTexture = nullptr;
    m_batchProgram = nullptr;
}

void Gl2Context::drawLine(std::uint32_t colour, float x1, float y1, float x2, float y2, float width) {
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float length = std::hypot(dx, dy);
    if (length == 0.0f)
        return;
    // Thinner than a pixel would vanish between samples: such lines are drawn one pixel wide.
    const float half = std::max(width, 1.0f) / 2.0f;
    const float nx = -dy / length * half;
    const float ny = dx / length * half;
    const Point corners[4] = {{nx, ny}, {dx + nx, dy + ny}, {-nx, -ny}, {dx - nx, dy - ny}};
    queue(defaultProgram(m_colourProgram, kColourProgram), nullptr, {x1, y1}, corners, TexCoords::full(),
          TexCoords::full(), colour);
}

void Gl2Context::fillRect(std::uint32_t colour, float x, float y, float w, float h) {
    const Point corners[4] = {{0.0f, 0.0f}, {w, 0.0f}, {0.0f, h}, {w, h}};
    queue(defaultProgram(m_colourProgram, kColourProgram), nullptr, {x, y}, corners, TexCoords::full(),
          TexCoords::full(), colour);
}

void Gl2Context::drawTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords) {
    drawDualTexturedQuad(image, x, y, w, h, coords, coords);
}

void Gl2Context::drawDualTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords,
                                      const TexCoords& secondCoords) {
    const Point corners[4] = {{0.0f, 0.0f}, {w, 0.0f}, {0.0f, h}, {w, h}};
    queue(m_userProgram ? *m_userProgram : defaultProgram(m_spriteProgram, kSpriteProgram),
          &static_cast<Gl2Image&>(image), {x, y}, corners, coords, secondCoords, 0xFFFFFFFFu);
}

void Gl2Context::beginScene() {
    SDL_GL_MakeCurrent(m_window, m_gl);
    m_frame->bind();
}

void Gl2Context::endScene() { flush(); }

lang::Ref<Image> Gl2Context::captureFrame(lang::Ref<Image> into) {
    flush();
    const Pixels frame = m_frame->read();
    // The buffer holds the window's view; the image is wanted the way the context sees it.
    const int w = width();
    const int h = height();
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Point p =
                contextToWindow(m_orientation, static_cast<float>(w), static_cast<float>(h), {x + 0.5f, y + 0.5f});
            const auto source = (static_cast<std::size_t>(p.y) * frame.width + static_cast<std::size_t>(p.x)) * 4;
            std::copy_n(frame.rgba.begin() + static_cast<std::ptrdiff_t>(source), 4,
                        rgba.begin() + (static_cast<std::ptrdiff_t>(y) * w + x) * 4);
        }
    }
    lang::Ref<Gl2Image> image;
    if (into && into->width() == w && into->height() == h)
        image = static_cast<Gl2Image*>(into.get());
    else
        image = new Gl2Image(w, h);
    image->uploadBytes(rgba.data());
    m_frame->bind();
    return image;
}

void Gl2Context::clear(std::uint32_t colour) {
    flush();
    m_frame->bind();
    std::uint8_t rgba[4];
    premultipliedBytes(colour, 1.0f, rgba);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(rgba[0] / 255.0f, rgba[1] / 255.0f, rgba[2] / 255.0f, rgba[3] / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void Gl2Context::present() {
    flush();
    m_frame->copyToWindow(*m_batch);
    SDL_GL_SwapWindow(m_window);
}

void Gl2Context::saveScreen(const std::string& path) {
    flush();
    writeOpaquePng(m_frame->read(), path);
    m_frame->bind();
}

void Gl2Context::endFrame() {
    m_lastFrame = m_frameCounters;
    m_frameCounters = {};
}

} // namespace gr::gl2
