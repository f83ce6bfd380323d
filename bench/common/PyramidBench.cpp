// A pyramid of N boxes on a static ground, 600 frames of 1/30 second: the game's frame update
// (fixed steps, object mirror, a script that reads every object's table) against raw Box2D
// stepping the same pyramid in the same process. The figure to watch is engine_over_raw.
#include "GameHarness.h"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 600;
constexpr float kStep = GameLua::kStep;
/// Boxes are 1 x 1 with the game's skin of 0.1 around them: 1.2 across, set a little apart.
constexpr float kSkin = 0.1f;
constexpr float kSpacingX = 1.25f;
constexpr float kSpacingY = 1.0f + 2.0f * kSkin;
/// The ground and the boxes are 1 high.
constexpr float kHalfHeight = 0.5f;

/// Where the boxes of a pyramid of `count` stand, bottom row first, each row centred on x = 0 and
/// resting on the one below; the ground's top is at y = -(ground half height + skin).
std::vector<b2Vec2> pyramid(int count) {
    int base = 1;
    while (base * (base + 1) / 2 < count)
        ++base;
    std::vector<b2Vec2> positions;
    for (int row = 0; static_cast<int>(positions.size()) < count; ++row) {
        const int width = base - row;
        const float y = -(kHalfHeight + kSkin) - kSpacingY * (static_cast<float>(row) + 0.5f);
        for (int i = 0; i < width && static_cast<int>(positions.size()) < count; ++i)
            positions.push_back({(static_cast<float>(i) - static_cast<float>(width - 1) / 2.0f) * kSpacingX, y});
    }
    return positions;
}

float groundHalfWidth(int count) { return std::sqrt(2.0f * static_cast<float>(count)) * kSpacingX; }

/// A float as Lua text that reads back as the same float.
std::string exact(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

/// This thread's processor time in µs: other processes on the machine do not count.
double threadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

/// The same bodies as the game's createBox makes: skin 0.1, angular damping 1.
b2Body* rawBox(b2World& world, b2Vec2 position, float halfWidth, bool dynamic) {
    b2BodyDef body;
    body.type = dynamic ? b2_dynamicBody : b2_staticBody;
    body.position = position;
    body.angularDamping = 1.0f;
    b2PolygonShape shape;
    shape.SetAsBox(halfWidth, kHalfHeight);
    shape.m_radius = kSkin;
    b2FixtureDef fixture;
    fixture.shape = &shape;
    fixture.density = dynamic ? 1.0f : 0.0f;
    fixture.friction = 0.5f;
    b2Body* created = world.CreateBody(&body);
    created->CreateFixture(&fixture);
    return created;
}

/// Raw Box2D: one step and a force clear per frame.
class RawPyramid {
public:
    explicit RawPyramid(int count) : m_world({GameLua::kDefaultGravity.x, GameLua::kDefaultGravity.y}) {
        rawBox(m_world, {0.0f, 0.0f}, groundHalfWidth(count), false);
        for (const b2Vec2& position : pyramid(count))
            m_top = rawBox(m_world, position, 0.5f, true);
    }
    void run(int frames) {
        for (int frame = 0; frame < frames; ++frame) {
            m_world.Step(kStep, 10, 10);
            m_world.ClearForces();
        }
    }
    b2Vec2 top() const { return m_top->GetPosition(); }

private:
    b2World m_world;
    b2Body* m_top = nullptr;
};

/// The game: boxes made by the scripts, a frame update per frame with a script "update" that
/// reads every object's table.
class EnginePyramid {
public:
    explicit EnginePyramid(int count) : m_game(m_harness.start()), m_topName("box" + std::to_string(count - 1)) {
        m_harness.run(R"(
            function applyForcesAtPhysicsStep() end  function removeBlocks() end  function clearLuaForceFunctions() end
            function blockCollision() end
            function update(dt)
                local sum = 0
                for name, t in pairs(objects.world) do sum = sum + t.x + t.y + t.angle end
            end)");
        std::string script = "createBox('ground', '', 0, 0, " + exact(2.0f * groundHalfWidth(count)) +
                             ", 1, 0, 0.5, 0, true, false, 0)\n";
        const std::vector<b2Vec2> positions = pyramid(count);
        for (size_t i = 0; i < positions.size(); ++i)
            script += "createBox('box" + std::to_string(i) + "', '', " + exact(positions[i].x) + ", " +
                      exact(positions[i].y) + ", 1, 1, 1, 0.5, 0, true, false, 0)\n";
        m_harness.run(script);
    }
    void run(int frames) {
        for (int frame = 0; frame < frames; ++frame)
            m_game.update(kStep);
    }
    b2Vec2 top() const {
        const Vector2 position = m_game.objects().at(m_topName)->body.position();
        return {position.x, position.y};
    }

private:
    gametest::GameHarness m_harness;
    GameLua& m_game;
    std::string m_topName;
};

/// Each iteration runs both pyramids through the 600 frames in alternating blocks, so that load
/// from other processes falls on both alike; the figures are the medians of the iterations.
void BM_PyramidEngineAgainstRawBox2D(benchmark::State& state) {
    constexpr int kBlock = 60;
    const int count = static_cast<int>(state.range(0));
    std::vector<double> engineTimes;
    std::vector<double> rawTimes;
    std::vector<double> ratios;
    for (auto _ : state) {
        EnginePyramid engine(count);
        RawPyramid raw(count);
        double engineTime = 0.0;
        double rawTime = 0.0;
        for (int frame = 0; frame < kFrames; frame += kBlock) {
            const double start = threadMicroseconds();
            engine.run(kBlock);
            const double middle = threadMicroseconds();
            raw.run(kBlock);
            engineTime += middle - start;
            rawTime += threadMicroseconds() - middle;
        }
        // The comparison is fair only when both simulated the same thing.
        if (engine.top().x != raw.top().x || engine.top().y != raw.top().y)
            state.SkipWithError("the engine's pyramid moved differently from raw Box2D's");
        engineTimes.push_back(engineTime / kFrames);
        rawTimes.push_back(rawTime / kFrames);
        ratios.push_back(engineTime / rawTime);
    }
    const auto median = [](std::vector<double> values) {
        std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
        return values[values.size() / 2];
    };
    state.counters["engine_us_per_frame"] = median(engineTimes);
    state.counters["raw_us_per_frame"] = median(rawTimes);
    state.counters["engine_over_raw"] = median(ratios);
}
BENCHMARK(BM_PyramidEngineAgainstRawBox2D)->Arg(100)->Arg(500)->Arg(1000)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
