// 1000 distinct strings drawn with a system font. The first pass rasterises every string and
// uploads its texture; the second draws the cached labels, which is what every later frame
// costs. Argument 1 draws through the OpenGL 2 module (the X server when DISPLAY is set, Xvfb
// with llvmpipe; SDL's offscreen driver otherwise); argument 0 through a context that only
// records, which leaves the font's own work.
#include "GlTestWindow.h"
#include "RecordingContext.h"
#include "game/LabelPool.h"
#include "game/SystemFont.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kStrings = 1000;

struct Scene {
    explicit Scene(bool real)
        : window(real ? std::make_unique<GlTestWindow>(std::getenv("DISPLAY") ? "x11" : "offscreen", 1024, 768)
                      : nullptr),
          font(new game::SystemFont(context(), "DejaVu Sans", 10, {1.0f, 1.0f, 1.0f, 1.0f}, 0)) {
        // Short enough that all of them fit the pool's budget together.
        for (int i = 0; i < kStrings; ++i)
            texts.push_back("Item " + std::to_string(i));
    }

    gr::Context& context() { return window ? window->context() : recording; }

    // One frame drawing every string once.
    void frame() {
        recording.quads.clear();
        gr::Context& gc = context();
        gc.beginScene();
        gc.clear(0xFF203040);
        for (int i = 0; i < kStrings; ++i)
            font->draw(gc, texts[i], static_cast<float>(i % 16 * 64), static_cast<float>(i / 16 * 12), {});
        gc.endScene();
        gc.present();
        gc.endFrame();
    }

    RecordingContext recording;
    std::unique_ptr<GlTestWindow> window;
    lang::Ref<game::SystemFont> font; // released before the window: labels hold its textures
    std::vector<std::string> texts;
};

void report(benchmark::State& state, Scene& scene) {
    state.counters["draw_calls"] = scene.context().frameStats().drawCalls;
    state.counters["strings"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kStrings, benchmark::Counter::kIsRate);
    state.counters["pool_KiB"] = static_cast<double>(game::LabelPool::shared().bytes()) / 1024.0;
    state.counters["labels"] = static_cast<double>(game::LabelPool::shared().size());
}

void BM_LabelsFirstPass(benchmark::State& state) {
    Scene scene(state.range(0) != 0);
    for (auto _ : state) {
        // Emptying the pool is timed too: retiring the last frame's textures is part of what a
        // frame of all-new labels costs.
        game::LabelPool::shared().clear();
        scene.frame();
    }
    report(state, scene);
}
BENCHMARK(BM_LabelsFirstPass)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_LabelsSecondPass(benchmark::State& state) {
    Scene scene(state.range(0) != 0);
    scene.frame();
    for (auto _ : state)
        scene.frame();
    report(state, scene);
}
BENCHMARK(BM_LabelsSecondPass)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

} // namespace
