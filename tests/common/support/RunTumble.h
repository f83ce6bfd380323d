#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace gametest {

struct Outcome {
    int exitCode = -1;
    std::string output;
};

/// Runs `arguments` after the executable from the build folder, with the application-data
/// folder in `home` and the variables of `environment` ("NAME=value ..."), and collects its exit
/// code and its output. In sanitizer builds the child
/// runs without leak detection: the system's OpenGL stack leaks at exit (a bare SDL program that
/// makes one GL context shows the same 7 KB); the game's own code is leak-checked by game_tests.
inline Outcome runTumble(const std::string& arguments, const std::string& home, const std::string& environment = {}) {
    // A nested xvfb-run per child would race with the other tests' servers: use the display
    // the tests already have.
    const bool display = std::getenv("DISPLAY") != nullptr;
    const std::string command = "cd '" TUMBLE_BUILD_DIR "' && XDG_DATA_HOME='" + home +
                                "' ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0\" "
                                "SDL_AUDIODRIVER=dummy " +
                                environment + " " + (display ? "" : "SDL_VIDEODRIVER=offscreen ") + "bin/tumble " +
                                arguments + " 2>&1";
    Outcome run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    while (const size_t count = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.output.append(buffer.data(), count);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace gametest
