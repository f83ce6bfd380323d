#pragma once

#include "io/InputStream.h"
#include "io/ReadAll.h"
#include "renderer/Context.h"

#include <cstdint>
#include <string>
#include <vector>

// A texture that keeps the last pixels uploaded into it.
class RecordingImage : public gr::Image {
public:
    RecordingImage(int width, int height, std::string source) : gr::Image(width, height), source(std::move(source)) {}
    void upload(const std::uint32_t* pixels) override {
        this->pixels.assign(pixels, pixels + static_cast<std::size_t>(width()) * height());
        ++uploads;
    }
    std::string source;
    std::vector<std::uint32_t> pixels;
    int uploads = 0;
};

// One textured quad as the context received it, with the render state at the time.
struct RecordedQuad {
    const gr::Image* image;
    float x, y, w, h;
    gr::TexCoords coords;
    float angle, pivotX, pivotY;
    gr::RenderState state;
};

// A graphics context for tests of resource code: it draws nothing, records every textured quad
// and texture it makes, and "decodes" an image file by reading the size from a PNG header
// (anything else becomes a 64 x 64 texture).
class RecordingContext : public gr::Context {
public:
    lang::Ref<gr::Image> createTexture(int width, int height) override {
        ++texturesCreated;
        return new RecordingImage(width, height, "created");
    }
    lang::Ref<gr::Image> loadImage(io::InputStream& stream, const std::string& path) override {
        const std::vector<std::uint8_t> bytes = io::readAll(stream);
        loadedPaths.push_back(path);
        if (bytes.size() >= 24 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G')
            return new RecordingImage(bigEndian(&bytes[16]), bigEndian(&bytes[20]), path);
        return new RecordingImage(64, 64, path);
    }
    lang::Ref<gr::Shader> loadShader(const std::string&) override { return nullptr; }
    void drawLine(std::uint32_t, float, float, float, float, float) override {}
    void fillRect(std::uint32_t, float, float, float, float) override {}
    void drawTexturedQuad(gr::Image& image, float x, float y, float w, float h, const gr::TexCoords& coords) override {
        quads.push_back({&image, x, y, w, h, coords, state().angle, state().pivotX, state().pivotY, state()});
    }
    int width() const override { return frameWidth; }
    int height() const override { return frameHeight; }
    void useShader(lang::Ref<gr::Shader>) override {}
    gr::RendererKind kind() const override { return gr::RendererKind::Gl2; }
    int orientation() const override { return 0; }
    bool isReady() const override { return true; }
    void setOrientation(int) override {}
    void setShaderPath(const std::string&) override {}
    void resize(int, int) override {}
    void beginScene() override {}
    void endScene() override {}
    lang::Ref<gr::Image> captureFrame(lang::Ref<gr::Image> into) override {
        ++captures;
        if (into && into->width() == width() && into->height() == height())
            return into;
        return new RecordingImage(width(), height(), "capture");
    }
    void clear(std::uint32_t) override {}
    void present() override {}
    void saveScreen(const std::string&) override {}
    void endFrame() override {}
    gr::FrameStats frameStats() const override { return {}; }

    int frameWidth = 800;
    int frameHeight = 600;
    std::vector<RecordedQuad> quads;
    std::vector<std::string> loadedPaths;
    int texturesCreated = 0;
    int captures = 0;

private:
    static int bigEndian(const std::uint8_t* bytes) {
        return bytes[0] << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
    }
};
