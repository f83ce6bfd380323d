// The drawn scene's figures on the OpenGL 2 renderer (llvmpipe under Xvfb, or SDL's offscreen
// driver without a display): one 800 x 600 frame with 1000 objects, three theme layers and 2000
// live particles, split into the frame update and the drawing, with the draw calls it takes.
#include "GameHarness.h"
#include "GlTestWindow.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

/// An 800 x 600 window on the display the benchmark runs under, with the real gl2 context.
struct BenchScreen {
    GlTestWindow window{std::getenv("DISPLAY") ? "x11" : "offscreen", 800, 600};
    gr::Context& context = window.context();
};

/// The demo's sprite sheet, its meadow theme (far hills, near hills, grass) and 1000 blocks of
/// its sprites drifting and turning in a weightless world (so none sleeps), seen from a camera
/// that has them all on screen, with 2000 particles that live through the run.
class SceneFixture {
public:
    SceneFixture() {
        m_game = &m_harness.start();
        m_game->world().setGravity({0.0f, 0.0f});
        // Paths that start at the root name the data folder's aliases: the sheet is read from a copy
        // in the data folder (the working directory).
        for (const char* file : {"sprites.dat", "sprites.png"})
            std::filesystem::copy_file(std::filesystem::path(TUMBLE_BUILD_DIR "/games/demo/images") / file, file);
        m_harness.resources->resources().createSpriteSheet("sprites.dat");
        m_harness.run(R"(
            function applyForcesAtPhysicsStep() end  function removeBlocks() end
            function clearLuaForceFunctions() end  function update(dt) end
            function blockCollision() end  function birdCollision() end
            blockTable = { themes = { meadow = {
                color = { r = 120, g = 190, b = 235 }, groundColor = { r = 92, g = 158, b = 66 },
                bgLayers = { { "far", "hills_far", 0.3, 0.6, true, 4 }, { "near", "hill", 1, 0.85, true, 4 } },
                fgLayers = { { "grass", "grass", 1, 1 } } } } }
            setTheme("meadow")
            local sprites = { "wood_post", "wood_bar", "stone_bar", "ice_bar", "target" }
            for i = 0, 999 do
                createBox("block" .. i, sprites[i % 5 + 1], (i % 40) * 1.2, -2 - math.floor(i / 40) * 1.2,
                          1, 1, 1, 0.5, 0, true, false, i % 3)
            end
            setTopLeft(-40, -560)
            particleTable = { particles = { bench = { sprites = { "PARTICLE_WOOD", "PARTICLE_DUST" },
                lifeTime = 1000000, gravityX = 0, gravityY = 0, minAngleVel = -3, maxAngleVel = 3,
                minScaleBegin = 1, maxScaleBegin = 1, minScaleEnd = 0.5, maxScaleEnd = 1,
                emitter_circle = { minVel = 1, maxVel = 5 } } } }
            particles.setHardLimit(2000)
            particles.setSoftLimit(2000, 1)
            particles.addParticles("bench", 2000, 400, -300, 600, 400, 0, true, false))");
        for (const auto& [name, object] : m_game->objects()) {
            object->body.setLinearVelocity({0.3f, -0.1f});
            object->body.setAngularVelocity(0.4f);
        }
    }

    GameLua& game() { return *m_game; }
    gr::Context& context() { return m_harness.context; }
    /// Runs the scripts' drawing of one frame: the theme, the objects and the particles.
    void draw() {
        m_harness.run("drawBackgroundNative() drawGameNative() drawForegroundNative() drawParticlesNative()");
    }

private:
    gametest::BasicGameHarness<BenchScreen> m_harness;
    GameLua* m_game = nullptr;
};

/// The frame update alone at 60 frames a second: physics steps, the mirror of 1000 awake
/// objects, the theme sprites and the particles.
void BM_SceneFrameUpdate(benchmark::State& state) {
    SceneFixture scene;
    for (auto _ : state)
        scene.game().update(1.0f / 60.0f);
    state.counters["live particles"] =
        static_cast<double>(scene.game().particleSystem().list(ParticleListKind::InGame).size());
}
BENCHMARK(BM_SceneFrameUpdate)->Unit(benchmark::kMillisecond)->UseRealTime();

/// The drawing of one frame up to the picture on screen (the software renderer finishes its
/// work when the frame is presented), with the draw calls it sent; with `state.range(0)` 0 the
/// frame is only cleared and presented, the fixed cost every frame pays.
void BM_SceneFrameDraw(benchmark::State& state) {
    SceneFixture scene;
    gr::Context& context = scene.context();
    const bool drawScene = state.range(0) != 0;
    for (auto _ : state) {
        context.beginScene();
        context.clear(0xFF78BEEB);
        if (drawScene)
            scene.draw();
        context.endScene();
        context.present();
        context.endFrame();
    }
    state.counters["draw calls"] = context.frameStats().drawCalls;
    state.counters["quads"] = context.frameStats().quads;
}
BENCHMARK(BM_SceneFrameDraw)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
