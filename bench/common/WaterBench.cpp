// The water's figure: one frame with one physics step of 1000 objects, half of them in the
// water, next to the same frame without water.
#include "WeightlessGame.h"

#include <benchmark/benchmark.h>

namespace {

/// 1000 boxes in rows 3 world units apart, drifting sideways together in a weightless world, so
/// none collides or falls asleep; the surface lies between the upper and the lower 500. With
/// water (argument 1) every step works out and applies the water's force on each of the lower
/// half (no lift without gravity, but the same work) and checks the upper half for leaving;
/// without it ("waterLevel" absent) the pass returns at once.
void BM_PhysicsStepWith1000Objects(benchmark::State& state) {
    constexpr int kObjects = 1000;
    WeightlessGame world;
    world.harness.run(R"(
        for i = 0, 999 do
            local name = 'block' .. i
            createBox(name, '', (i % 50) * 3, (math.floor(i / 50) - 10) * 3 + 1.5, 1, 1, 1, 0.5, 0, true, false, 0)
            setVelocity(name, 1, 0)
        end)");
    if (state.range(0) != 0)
        world.harness.run("objects.waterLevel = 0  waterMaxBuoyancyDepth = 4");
    for (auto _ : state)
        world.game.update(GameLua::kStep);
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_PhysicsStepWith1000Objects)->ArgName("water")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
