// The tumble executable as automated runs use it.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Result {
    int exitCode = -1;
    std::string output;
};

// Runs the executable with `arguments` in the working directory `folder` (the test's own when
// empty).
Result runTumble(const std::string& arguments, const std::string& folder = {}) {
    const std::string command = (folder.empty() ? "" : "cd '" + folder + "' && ") +
                                "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " TUMBLE_BIN_DIR "/tumble " +
                                arguments + " 2>&1";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(TumbleExecutableTest, VersionHelpAndBadOptions) {
    const Result version = runTumble("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "Tumble 0.1.0\n");

    const Result help = runTumble("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output.rfind("Usage: " TUMBLE_BIN_DIR "/tumble [CONFIG] [OPTIONS]\n", 0), 0u) << help.output;
    EXPECT_NE(help.output.find("--screenshot FILE"), std::string::npos);

    const Result bad = runTumble("--frames none");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.output.find("--frames needs a positive whole number"), std::string::npos);
}

// A replay that cannot be played fails the run before anything starts, saying where and why.
TEST(TumbleExecutableTest, ABadReplayFailsTheRun) {
    const std::string file = "/tmp/tumble-bad-" + std::to_string(getpid()) + ".replay";
    const std::pair<std::string, std::string> cases[] = {
        {"", file + ":1: not a replay file"},
        {"tumble-replay 1\n0.016 kd:34\n0.016 press:34\n", file + ":3: unknown event \"press:34\""},
    };
    for (const auto& [content, message] : cases) {
        std::FILE* out = std::fopen(file.c_str(), "w");
        std::fputs(content.c_str(), out);
        std::fclose(out);
        const Result run = runTumble("--replay " + file + " --frames 2");
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
    }
    std::remove(file.c_str());
    const Result missing = runTumble("--replay " + file);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find(file + ": cannot read the replay: No such file or directory"), std::string::npos)
        << missing.output;
}

// Without a display, whatever application the executable runs.
TEST(TumbleExecutableTest, HeadlessRunWritesItsLastFrame) {
    const std::string file = "/tmp/tumble-run-" + std::to_string(getpid()) + ".png";
    const Result run = runTumble("--frames 5 --fixed-dt 0.05 --screenshot " + file);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    SDL_Surface* picture = IMG_Load(file.c_str());
    ASSERT_NE(picture, nullptr) << IMG_GetError();
    // The window's size comes from the configuration the executable reads.
    EXPECT_GT(picture->w, 0);
    EXPECT_GT(picture->h, 0);
    SDL_FreeSurface(picture);
    std::remove(file.c_str());
}

// Started from a folder that holds a game of its own (the demo's), an argument naming a game
// that is not there is an error: nothing runs, least of all the game of the working directory.
TEST(TumbleExecutableTest, MissingGameIsAnErrorAndRunsNothing) {
    const std::string demo = TUMBLE_BIN_DIR "/../games/demo";
    ASSERT_TRUE(std::filesystem::exists(demo + "/config.lua"));
    const std::string shot = "/tmp/tumble-missing-" + std::to_string(getpid()) + ".png";
    const std::string bin = TUMBLE_BIN_DIR;
    const std::pair<std::string, std::string> cases[] = {
        {"nosuchdir/config.lua", "cannot enter the game folder nosuchdir: No such file or directory"},
        {bin + "/missing.lua", "no configuration file " + bin + "/missing.lua"},
        {bin + "/shaders", "no configuration file " + bin + "/shaders"},
    };
    for (const auto& [argument, message] : cases) {
        const Result run = runTumble("'" + argument + "' --frames 2 --screenshot " + shot, demo);
        EXPECT_EQ(run.exitCode, 1) << argument;
        EXPECT_EQ(run.output, TUMBLE_BIN_DIR "/tumble: " + message + "\n");
        EXPECT_FALSE(std::filesystem::exists(shot)) << argument;
        std::remove(shot.c_str());
    }
}

} // namespace
