#pragma once

#include "renderer/Context.h"

#include <string>
#include <vector>

// A graphics context that draws nothing and records the calls that change it, for tests of
// code that only needs a context to exist (input, module loading).
class FakeContext : public gr::Context {
public:
    explicit FakeContext(int width = 800, int height = 600, gr::RendererKind kind = gr::RendererKind::Gl2)
        : m_width(width), m_height(height), m_kind(kind) {}

    lang::Ref<gr::Image> createTexture(int, int) override { return nullptr; }
    lang::Ref<gr::Image> loadImage(io::InputStream&, const std::string&) override { return nullptr; }
    lang::Ref<gr::Shader> loadShader(const std::string&) override { return nullptr; }
    void drawLine(std::uint32_t, float, float, float, float, float) override {}
    void fillRect(std::uint32_t, float, float, float, float) override {}
    void drawTexturedQuad(gr::Image&, float, float, float, float, const gr::TexCoords&) override {}
    int width() const override { return m_orientation % 2 ? m_height : m_width; }
    int height() const override { return m_orientation % 2 ? m_width : m_height; }
    void useShader(lang::Ref<gr::Shader>) override {}
    gr::RendererKind kind() const override { return m_kind; }
    int orientation() const override { return m_orientation; }
    bool isReady() const override { return true; }
    void setOrientation(int orientation) override { m_orientation = orientation; }
    void setShaderPath(const std::string&) override {}
    void resize(int width, int height) override {
        m_width = width;
        m_height = height;
        calls.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    }
    void beginScene() override {}
    void endScene() override {}
    lang::Ref<gr::Image> captureFrame(lang::Ref<gr::Image> into) override { return into; }
    void clear(std::uint32_t) override {}
    void present() override {}
    void saveScreen(const std::string&) override {}
    void endFrame() override {}
    gr::FrameStats frameStats() const override { return {}; }

    std::vector<std::string> calls;

private:
    int m_width;
    int m_height;
    gr::RendererKind m_kind;
    int m_orientation = 0;
};
