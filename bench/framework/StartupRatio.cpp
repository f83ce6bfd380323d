// Whole-process start-up of the demo against the floor probe, in paired runs: each round runs
// the floor and then `tumble <demo config> --frames 1`, both to their exit, and the medians of
// the wall times and their ratio are printed. The video driver is whatever the environment
// selects (see startup-ratio.sh, which runs it offscreen and under Xvfb).
//
// startup_ratio [RUNS] [DEMO_CONFIG] [TUMBLE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Wall milliseconds from spawning `arguments` to its exit, or a negative value when it failed.
double timedRun(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 0, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child)
        return -1.0;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1.0;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string config = argc > 2 ? argv[2] : TUMBLE_DEMO_CONFIG;
    const std::string executable = argc > 3 ? argv[3] : TUMBLE_EXECUTABLE;
    std::vector<double> floor;
    std::vector<double> game;
    for (int i = 0; i < runs; ++i) {
        floor.push_back(timedRun({TUMBLE_FLOOR_PROBE}));
        game.push_back(timedRun({executable, config, "--frames", "1"}));
        if (floor.back() < 0 || game.back() < 0) {
            std::fprintf(stderr, "run %d failed (floor %.1f ms, tumble %.1f ms)\n", i + 1, floor.back(), game.back());
            return 1;
        }
    }
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const double floorMedian = median(floor);
    const double gameMedian = median(game);
    std::printf("%-10s runs %d  floor %.1f ms  tumble %.1f ms  ratio %.2f\n", driver ? driver : "default", runs,
                floorMedian, gameMedian, gameMedian / floorMedian);
    return 0;
}
