#pragma once

#include "lang/Ref.h"
#include "renderer/Context.h"
#include "renderer/gl2/Framebuffer.h"
#include "renderer/gl2/Gl2Image.h"
#include "renderer/gl2/Gl2Shader.h"
#include "renderer/gl2/QuadBatch.h"

#include <SDL.h>

#include <map>
#include <memory>
#include <string>

namespace gr::gl2 {

/// The OpenGL 2.1 graphics context of one SDL window.
///
/// Everything is drawn as quads into an offscreen buffer: untextured ones with the program
/// "2d-vertexcolor", textured ones with "2d-sprite" or the program set by `useShader`. Programs
/// are compiled once per name, on first use, and shared with whoever loads them by that name;
/// each file comes from the shader path, or from the engine's own shader folder when the shader
/// path lacks it. Quads
/// are queued while program, texture and clip stay the same and go out in one draw call when
/// one of them changes or the frame is read or shown. Blending assumes premultiplied alpha.
class Gl2Context : public Context {
public:
    /// Makes an OpenGL context for `window`. `engineShaderPath` holds the engine's own shader
    /// files and is also the first shader path. Throws `gr::GraphicsException`.
    Gl2Context(SDL_Window* window, int width, int height, int orientation, const std::string& engineShaderPath);
    ~Gl2Context() override;

    lang::Ref<Image> createTexture(int width, int height) override;
    lang::Ref<Image> loadImage(io::InputStream& stream, const std::string& path) override;
    lang::Ref<Shader> loadShader(const std::string& name) override;
    void drawLine(std::uint32_t colour, float x1, float y1, float x2, float y2, float width) override;
    void fillRect(std::uint32_t colour, float x, float y, float w, float h) override;
    void drawTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords) override;
    void drawDualTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords,
                              const TexCoords& secondCoords) override;
    int width() const override;
    int height() const override;
    void useShader(lang::Ref<Shader> shader) override;
    RendererKind kind() const override { return RendererKind::Gl2; }
    int orientation() const override { return m_orientation; }
    bool isReady() const override;
    void setOrientation(int orientation) override;
    void setShaderPath(const std::string& path) override { m_shaderPath = path; }
    void resize(int width, int height) override;
    void beginScene() override;
    void endScene() override;
    lang::Ref<Image> captureFrame(lang::Ref<Image> into) override;
    void clear(std::uint32_t colour) override;
    void present() override;
    void saveScreen(const std::string& path) override;
    void endFrame() override;
    FrameStats frameStats() const override { return m_lastFrame; }

private:
    // The part of the frame drawing may touch, in buffer pixels; `whole` when unclipped.
    struct Scissor {
        int x = 0, y = 0, width = 0, height = 0;
        bool whole = true;
        bool operator==(const Scissor&) const = default;
    };

    std::string readShaderFile(const std::string& file) const;
    lang::Ref<Gl2Shader> program(const std::string& name);
    Gl2Shader& defaultProgram(lang::Ref<Gl2Shader>& slot, const char* name);
    Scissor scissorFromClip() const;
    // Queues a quad (corners relative to `origin`: top-left, top-right, bottom-left,
    // bottom-right) after flushing a run with a different program, texture or clip.
    void queue(Gl2Shader& program, Gl2Image* texture, Point origin, const Point (&corners)[4], const TexCoords& coords,
               const TexCoords& secondCoords, std::uint32_t colour);
    void flush();
    void updateProjection();

    SDL_Window* m_window;
    SDL_GLContext m_gl = nullptr;
    int m_orientation;
    std::string m_engineShaderPath;
    std::string m_shaderPath;
    std::map<std::string, lang::Ref<Gl2Shader>> m_shaders;
    lang::Ref<Gl2Shader> m_colourProgram;
    lang::Ref<Gl2Shader> m_spriteProgram;
    lang::Ref<Gl2Shader> m_userProgram;
    std::unique_ptr<Framebuffer> m_frame;
    std::unique_ptr<QuadBatch> m_batch;
    // What the queued quads are drawn with.
    Gl2Shader* m_batchProgram = nullptr;
    lang::Ref<Gl2Image> m_batchTexture;
    Scissor m_batchScissor;
    float m_projection[16] = {};
    FrameStats m_frameCounters;
    FrameStats m_lastFrame;
};

} // namespace gr::gl2
