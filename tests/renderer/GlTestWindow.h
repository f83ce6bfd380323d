#pragma once

#include "lang/Ref.h"
#include "renderer/Context.h"
#include "renderer/ModuleLoader.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

// The two ways tests draw for real: under an X server (Xvfb in CI) and with SDL's offscreen
// driver, which needs no display at all.
inline const char* const kVideoDrivers[] = {"offscreen", "x11"};

// Why `driver` cannot run here, or empty when it can.
inline std::string unavailableReason(const std::string& driver) {
    if (driver == "x11" && !std::getenv("DISPLAY"))
        return "DISPLAY is not set: run under xvfb-run for the X11 tests";
    return {};
}

// SDL started on one video driver with a window and the real OpenGL 2 context from grgl2.so.
class GlTestWindow {
public:
    GlTestWindow(const std::string& driver, int width, int height, int orientation = 0) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
        if (SDL_Init(SDL_INIT_VIDEO) != 0)
            throw std::runtime_error(std::string("SDL_Init: ") + SDL_GetError());
        m_window = SDL_CreateWindow("test", 0, 0, width, height, SDL_WINDOW_OPENGL);
        if (!m_window)
            throw std::runtime_error(std::string("SDL_CreateWindow: ") + SDL_GetError());
        m_context =
            gr::createContext({gr::RendererKind::Gl2}, TUMBLE_BIN_DIR, {width, height, orientation, m_window, nullptr});
    }
    ~GlTestWindow() {
        m_context = nullptr;
        SDL_DestroyWindow(m_window);
        SDL_Quit();
    }
    GlTestWindow(const GlTestWindow&) = delete;
    GlTestWindow& operator=(const GlTestWindow&) = delete;

    gr::Context& context() { return *m_context; }
    SDL_Window* window() const { return m_window; }

private:
    SDL_Window* m_window = nullptr;
    lang::Ref<gr::Context> m_context;
};

// A PNG file read back for checking pixels.
class Picture {
public:
    explicit Picture(const std::string& file) : m_surface(IMG_Load(file.c_str())) {
        if (!m_surface)
            throw std::runtime_error("cannot read " + file + ": " + IMG_GetError());
        SDL_Surface* rgba = SDL_ConvertSurfaceFormat(m_surface, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(m_surface);
        m_surface = rgba;
    }
    ~Picture() { SDL_FreeSurface(m_surface); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width() const { return m_surface->w; }
    int height() const { return m_surface->h; }
    // 0xRRGGBB of the pixel at (x, y), rows from the top.
    std::uint32_t rgb(int x, int y) const {
        const auto* p = static_cast<const std::uint8_t*>(m_surface->pixels) + y * m_surface->pitch + x * 4;
        return static_cast<std::uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
    }

private:
    SDL_Surface* m_surface;
};

// Whether two colours differ by at most `tolerance` in every channel (rounding of blending).
inline testing::AssertionResult colourNear(std::uint32_t actual, std::uint32_t expected, int tolerance = 1) {
    for (int shift : {16, 8, 0}) {
        const int a = static_cast<int>(actual >> shift & 0xFF);
        const int e = static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(a - e) > tolerance) {
            char text[64];
            std::snprintf(text, sizeof text, "%06X is not %06X", actual, expected);
            return testing::AssertionFailure() << text;
        }
    }
    return testing::AssertionSuccess();
}

// A file name in the temporary folder that no other test process uses.
inline std::string temporaryFile(const std::string& name) {
    static int counter = 0;
    return "/tmp/tumble-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" + name;
}

// Ends the scene, presents it and captures what was drawn.
inline std::unique_ptr<Picture> shoot(gr::Context& context) {
    context.endScene();
    context.present();
    const std::string file = temporaryFile("frame.png");
    context.saveScreen(file);
    auto picture = std::make_unique<Picture>(file);
    std::remove(file.c_str());
    return picture;
}
