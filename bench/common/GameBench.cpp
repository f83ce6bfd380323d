// The game's figures: the time from process start to the demo's first frame, and one frame
// update with 100 moving objects mirrored into their script tables.
#include "GameHarness.h"
#include "WeightlessGame.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

/// The executable with the demo for one frame, headless; the figure includes its shut-down.
void BM_DemoStartToFirstFrame(benchmark::State& state) {
    gametest::TempFolder folder;
    const std::string command = "cd '" TUMBLE_BUILD_DIR "' && XDG_DATA_HOME='" + folder.path().string() +
                                "' SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy bin/tumble games/demo/config.lua "
                                "--frames 1 > /dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("tumble failed");
    }
}
BENCHMARK(BM_DemoStartToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

/// One frame update at 60 frames a second with 100 boxes drifting and turning apart in a
/// weightless world, so none falls asleep: every other frame steps the world, every frame
/// interpolates and mirrors all of them.
void BM_FrameUpdateMirroring100Objects(benchmark::State& state) {
    WeightlessGame world;
    GameLua& game = world.game;
    world.harness.run("for i = 1, 100 do createBox('block' .. i, '', i * 3, 0, 1, 1, 1, 0.5, 0, true, false, 0) end");
    for (const auto& [name, object] : game.objects()) {
        object->body.setLinearVelocity({1.0f, 0.5f});
        object->body.setAngularVelocity(0.2f);
    }
    for (auto _ : state)
        game.update(1.0f / 60.0f);
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_FrameUpdateMirroring100Objects)->Unit(benchmark::kMicrosecond);

} // namespace
