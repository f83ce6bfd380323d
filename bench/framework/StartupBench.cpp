// Time from starting a host process to its first presented frame: loading the libraries, SDL,
// the window, the renderer module with its OpenGL context and built-in programs, and one frame.
// The probe's own start-up (the process image) is included; the game's is not.
#include <benchmark/benchmark.h>

#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void BM_StartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char probe[] = TUMBLE_STARTUP_PROBE;
        char* arguments[] = {probe, nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        const int spawned = posix_spawn(&child, probe, &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        char said = 0;
        const bool presented = spawned == 0 && read(out[0], &said, 1) == 1 && said == 'F';
        const auto firstFrame = std::chrono::steady_clock::now();
        close(out[0]);
        int status = 0;
        if (spawned == 0)
            waitpid(child, &status, 0);
        if (!presented) {
            state.SkipWithError("the probe presented no frame");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(firstFrame - start).count());
    }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
