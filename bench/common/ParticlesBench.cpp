// The particle system's figure: one frame's update of 10000 live particles.
#include "GameHarness.h"

#include <benchmark/benchmark.h>

namespace {

/// 10000 spinning, scaling, animated particles under gravity in one list, advanced by one frame
/// at 60 frames a second; none dies during the run, so every frame updates all of them.
void BM_UpdateTenThousandParticles(benchmark::State& state) {
    constexpr int kParticles = 10000;
    gametest::GameHarness harness;
    ParticleSystem& particles = harness.start().particleSystem();
    ParticleDefinition definition;
    definition.spriteNames = {"a", "b", "c", "d"};
    definition.lifeTime = 1.0e6f;
    definition.gravityY = 20.0f;
    definition.minAngleVelocity = -3.0f;
    definition.maxAngleVelocity = 3.0f;
    definition.maxScaleEnd = 2.0f;
    definition.animated = true;
    definition.animationLoops = 1000;
    definition.emitter = ParticleEmitterKind::Circle;
    definition.maxSpeed = 100.0f;
    ParticleEmission emission;
    emission.spreadX = emission.spreadY = 200.0f;
    const ParticleDefinitionId id = particles.define("bench", definition);
    particles.emit(ParticleListKind::Menu, id, kParticles, emission, true);
    for (auto _ : state)
        particles.update(ParticleListKind::Menu, 1.0f / 60.0f);
    if (particles.list(ParticleListKind::Menu).size() != kParticles)
        state.SkipWithError("particles died during the run");
    state.SetItemsProcessed(state.iterations() * kParticles);
}
BENCHMARK(BM_UpdateTenThousandParticles)->Unit(benchmark::kMicrosecond);

} // namespace
