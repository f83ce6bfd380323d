// Drawing many 32 x 32 sprites through the OpenGL 2 module: frames per second and draw calls
// per frame. The baseline alternates two textures, so every sprite is a draw call of its own;
// the ratio shows what batching runs of one texture gains. Uses the X server when DISPLAY is
// set (Xvfb with llvmpipe), SDL's offscreen driver otherwise.
#include "GlTestWindow.h"
#include "PngBytes.h"
#include "io/ByteArrayInputStream.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int kSprites = 10000;

struct Scene {
    Scene() : window(std::getenv("DISPLAY") ? "x11" : "offscreen", 1024, 768) {
        for (std::uint32_t colour : {0xFFE04040u, 0x8040E040u}) {
            io::ByteArrayInputStream png(pngBytes(32, 32, [colour](int x, int y) {
                return (x - 16) * (x - 16) + (y - 16) * (y - 16) < 256 ? colour : 0u;
            }));
            textures.push_back(window.context().loadImage(png, "sprite.png"));
        }
        std::mt19937 random(7);
        std::uniform_real_distribution<float> x(0.0f, 992.0f), y(0.0f, 736.0f), angle(0.0f, 6.28f);
        for (int i = 0; i < kSprites; ++i)
            positions.push_back({x(random), y(random), angle(random)});
    }

    // One frame of every sprite, taking the texture of sprite i from `textureOf(i)`.
    template <class TextureOf> void frame(TextureOf textureOf) {
        gr::Context& gc = window.context();
        gc.beginScene();
        gc.clear(0xFF203040);
        gr::RenderState& state = gc.state();
        state = gr::RenderState();
        state.pivotX = 16.0f;
        state.pivotY = 16.0f;
        for (int i = 0; i < kSprites; ++i) {
            state.setAngle(positions[i].angle);
            textureOf(i)->draw(gc, positions[i].x, positions[i].y, 32, 32, gr::TexCoords::full());
        }
        gc.endScene();
        gc.present();
        gc.endFrame();
    }

    struct Placement {
        float x, y, angle;
    };
    GlTestWindow window;
    std::vector<lang::Ref<gr::Image>> textures;
    std::vector<Placement> positions;
};

void report(benchmark::State& state, Scene& scene) {
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["draw_calls"] = scene.window.context().frameStats().drawCalls;
    state.counters["sprites"] = scene.window.context().frameStats().quads;
}

void BM_SpritesOneTexture(benchmark::State& state) {
    Scene scene;
    for (auto _ : state)
        scene.frame([&](int) { return scene.textures[0]; });
    report(state, scene);
}
BENCHMARK(BM_SpritesOneTexture)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_SpritesTwoTexturesAlternating(benchmark::State& state) {
    Scene scene;
    for (auto _ : state)
        scene.frame([&](int i) { return scene.textures[i % 2]; });
    report(state, scene);
}
BENCHMARK(BM_SpritesTwoTexturesAlternating)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

} // namespace
