// The game's figures: the time from process start to the demo's first frame, and one frame
// update with 100 objects mirrored into their script tables.
#include "FakePhysics.h"
#include "GameHarness.h"

#include <benchmark/benchmark.h>

#include <chrono>
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

/// One frame update at 60 frames a second with 100 awake objects moving: every other frame
/// steps the world, every frame interpolates and mirrors all of them.
void BM_FrameUpdateMirroring100Objects(benchmark::State& state) {
    gametest::GameHarness harness;
    GameLua& game = harness.start();
    harness.run(R"(
        function applyForcesAtPhysicsStep() end  function removeBlocks() end
        function clearLuaForceFunctions() end  function update(dt) end
        objects.world = {}  deadBlocks = {})");
    auto world = std::make_unique<gametest::FakeWorld>();
    for (int i = 0; i < 100; ++i) {
        auto body = std::make_unique<gametest::FakeBody>();
        body->pos = {static_cast<float>(i), 0.0f};
        body->velocity = {1.0f, 0.5f};
        body->spin = 0.2f;
        world->bodies.push_back(body.get());
        auto object = std::make_unique<GameObject>();
        object->name = "block" + std::to_string(i);
        object->body = std::move(body);
        object->table = lua::LuaTable(*harness.lua);
        game.getTable("objects").getTable("world").set(object->name, object->table);
        game.addObject(std::move(object));
    }
    game.setWorld(std::move(world));
    for (auto _ : state)
        game.update(1.0f / 60.0f);
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_FrameUpdateMirroring100Objects)->Unit(benchmark::kMicrosecond);

} // namespace
