// What recording costs a frame: the recorder hears the frame's input on the host's channels, then
// writes and flushes one line. The baseline is the same frame's line formatted without writing.
#include "framework/HostEvents.h"
#include "framework/Replay.h"
#include "framework/ReplayRecorder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

using Kind = framework::ReplayEvent::Kind;

// A frame of a drag: the finger and the mouse both move.
void fireDragInput(int step) {
    lang::event::fire(framework::events::kTouchMoved, framework::TouchPoint{1, 120 - step % 80, 410 + step % 40});
    lang::event::fire(framework::events::kMouseMoved, 120 - step % 80, 410 + step % 40);
}

void formatDragFrame(benchmark::State& run) {
    int step = 0;
    for (auto _ : run) {
        ++step;
        const framework::ReplayFrame frame{0.0166667f,
                                           {framework::ReplayEvent::at(Kind::TouchMoved, {1, 120 - step % 80, 410}),
                                            framework::ReplayEvent::at(Kind::MouseMove, {0, 120 - step % 80, 410})}};
        benchmark::DoNotOptimize(framework::formatReplayFrame(frame));
    }
}

void recordFrame(benchmark::State& run, bool withInput) {
    const std::string file = "/tmp/tumble-replay-bench-" + std::to_string(getpid()) + ".replay";
    {
        framework::ReplayRecorder recorder(file);
        int step = 0;
        for (auto _ : run) {
            if (withInput)
                fireDragInput(++step);
            recorder.frame(0.0166667f);
        }
    }
    std::remove(file.c_str());
}

void recordIdleFrame(benchmark::State& run) { recordFrame(run, false); }
void recordDragFrame(benchmark::State& run) { recordFrame(run, true); }

BENCHMARK(formatDragFrame);
BENCHMARK(recordIdleFrame);
BENCHMARK(recordDragFrame);

} // namespace
