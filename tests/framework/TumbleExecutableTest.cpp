// The tumble executable as automated runs use it.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Result {
    int exitCode = -1;
    std::string output;
};

Result runTumble(const std::string& arguments) {
    const std::string command = "SDL_VIDEODRIVER=offscreen " TUMBLE_BIN_DIR "/tumble " + arguments + " 2>&1";
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

} // namespace
