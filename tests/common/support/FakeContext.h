#pragma once

#include "renderer/Context.h"
#include "renderer/GraphicsException.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gametest {

/// A shader program that only has a name.
class FakeShader : public gr::Shader {
public:
    using gr::Shader::Shader;
    void setFloat(const std::string&, float) override {}
    void setTexture(const std::string&, lang::Ref<gr::Image>) override {}
};

/// A graphics context that draws nothing and records what it was asked to do.
class FakeContext : public gr::Context {
public:
    struct Rect {
        std::uint32_t colour;
        float x, y, w, h;
        gr::RenderState state;
    };

    explicit FakeContext(gr::RendererKind kind = gr::RendererKind::Gl2, int width = 800, int height = 600)
        : m_kind(kind), m_width(width), m_height(height) {}

    lang::Ref<gr::Image> createTexture(int, int) override { return nullptr; }
    lang::Ref<gr::Image> loadImage(io::InputStream&, const std::string&) override { return nullptr; }
    lang::Ref<gr::Shader> loadShader(const std::string& name) override {
        shaders.push_back(name);
        return new FakeShader(name);
    }
    void drawLine(std::uint32_t, float, float, float, float, float) override {}
    void fillRect(std::uint32_t colour, float x, float y, float w, float h) override {
        rects.push_back({colour, x, y, w, h, state()});
        events.push_back("fillRect");
    }
    void drawTexturedQuad(gr::Image&, float, float, float, float, const gr::TexCoords&) override {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void useShader(lang::Ref<gr::Shader>) override {}
    gr::RendererKind kind() const override { return m_kind; }
    int orientation() const override { return m_orientation; }
    bool isReady() const override { return true; }
    void setOrientation(int orientation) override { m_orientation = orientation; }
    void setShaderPath(const std::string& path) override { shaderPath = path; }
    void resize(int width, int height) override {
        m_width = width;
        m_height = height;
    }
    void beginScene() override { events.push_back("beginScene"); }
    void endScene() override { events.push_back("endScene"); }
    lang::Ref<gr::Image> captureFrame(lang::Ref<gr::Image>) override { return nullptr; }
    void clear(std::uint32_t colour) override {
        clears.push_back(colour);
        events.push_back("clear");
    }
    void present() override { events.push_back("present"); }
    void saveScreen(const std::string& path) override {
        events.push_back("saveScreen " + path);
        // As the real contexts do when the file cannot be made.
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (!folder.empty() && !std::filesystem::is_directory(folder))
            throw gr::GraphicsException(lang::Format("Failed to save screen to {0}: No such file or directory", path));
    }
    void endFrame() override { events.push_back("endFrame"); }
    gr::FrameStats frameStats() const override { return {}; }

    std::vector<Rect> rects;
    std::vector<std::uint32_t> clears;
    std::vector<std::string> shaders;
    std::vector<std::string> events;
    std::string shaderPath;

private:
    gr::RendererKind m_kind;
    int m_width;
    int m_height;
    int m_orientation = 0;
};

} // namespace gametest
