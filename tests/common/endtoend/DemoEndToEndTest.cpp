// The real executable with the bundled demo game, drawing through the OpenGL renderer on the
// display the tests run under (CI gives them a virtual one), or SDL's offscreen driver without.
#include "GameHarness.h"

#include <SDL.h>
#include <SDL_image.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string output;
};

/// Runs `arguments` after the executable from the build folder, with the application-data
/// folder in `home`, and collects its exit code and its output. In sanitizer builds the child
/// runs without leak detection: the system's OpenGL stack leaks at exit (a bare SDL program that
/// makes one GL context shows the same 7 KB); the game's own code is leak-checked by game_tests.
Outcome runTumble(const std::string& arguments, const std::string& home) {
    // A nested xvfb-run per child would race with the other tests' servers: use the display
    // the tests already have.
    const bool display = std::getenv("DISPLAY") != nullptr;
    const std::string command = "cd '" TUMBLE_BUILD_DIR "' && XDG_DATA_HOME='" + home +
                                "' ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0\" "
                                "SDL_AUDIODRIVER=dummy " +
                                (display ? "" : "SDL_VIDEODRIVER=offscreen ") + "bin/tumble " + arguments + " 2>&1";
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

struct Pixel {
    int r, g, b;
};

Pixel pixelAt(SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    const std::uint8_t* p = row + x * 4;
    return {p[0], p[1], p[2]};
}

void expectPixel(SDL_Surface* surface, int x, int y, Pixel expected, const char* what) {
    const Pixel found = pixelAt(surface, x, y);
    EXPECT_NEAR(found.r, expected.r, 3) << what;
    EXPECT_NEAR(found.g, expected.g, 3) << what;
    EXPECT_NEAR(found.b, expected.b, 3) << what;
}

// The PNG file `file` in RGBA32 pixels, or null (a failure of the test) when it does not load.
SDL_Surface* loadPicture(const std::string& file) {
    SDL_Surface* loaded = IMG_Load(file.c_str());
    EXPECT_NE(loaded, nullptr) << IMG_GetError();
    if (!loaded)
        return nullptr;
    SDL_Surface* picture = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    return picture;
}

TEST(DemoEndToEndTest, SixtyFramesOfTheDemoDrawItsScene) {
    gametest::TempFolder folder;
    const std::string shot = (folder.path() / "out.png").string();
    const Outcome run = runTumble("games/demo/config.lua --frames 60 --fixed-dt 0.0166667 --screenshot '" + shot + "'",
                                  folder.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;

    SDL_Surface* picture = loadPicture(shot);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->w, 800);
    EXPECT_EQ(picture->h, 600);
    // The sky is the theme's colour, the ground, the tower the level file describes after the
    // physics world settled it (the stone floor, the ice roof, the lower target), the bird half a
    // second into its flight (launched at 0.5 s with (22, -14) units/s from (1, -4.5), 20 pixels
    // a unit) and an unlit star.
    expectPixel(picture, 400, 100, {120, 190, 235}, "sky");
    expectPixel(picture, 400, 550, {92, 158, 66}, "ground");
    expectPixel(picture, 600, 422, {140, 145, 153}, "stone");
    expectPixel(picture, 620, 335, {173, 224, 250}, "ice");
    expectPixel(picture, 620, 484, {89, 191, 64}, "target");
    expectPixel(picture, 325, 326, {216, 25, 25}, "bird");
    expectPixel(picture, 34, 34, {153, 153, 153}, "star");
    SDL_FreeSurface(picture);

    // Shutting down saved the settings with the launch count and the play time.
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Tumble" / "Demo" / "settings.lua")) << run.output;
}

// A game made of its configuration and scripts only, in the working folder: no shader files.
std::string writeScriptOnlyGame(const std::string& gameLogic) {
    gametest::writeScript("scripts/starLimits.lua", "demo = { 1 }");
    gametest::writeScript("scripts/blocks.lua", "");
    gametest::writeScript("common/gamelogic.lua", gameLogic);
    gametest::writeFile("config.lua", gametest::bytesOf("datapath = ''  scriptPath = 'scripts'  commonScriptPath = "
                                                        "'common'  renderer = { 'gl2' }  shaderPath = 'shaders'  "
                                                        "width = 320  height = 200"));
    return "'" + (std::filesystem::current_path() / "config.lua").string() + "'";
}

TEST(DemoEndToEndTest, AGameWithoutShadersOfItsOwnDrawsWithTheEngines) {
    gametest::TempFolder folder;
    const std::string config = writeScriptOnlyGame(
        "function updateValues() end  function createStartUpAssets() end  function applyForcesAtPhysicsStep() end  "
        "function removeBlocks() end  function clearLuaForceFunctions() end  function gamePaused() end  "
        "function gameResumed() end  function calculatePlaytime() end  "
        "function update(dt) drawRect(0, 0.5, 1, 1, 0, 0, 160, 200, false) end");
    const std::string shot = (folder.path() / "out.png").string();
    const Outcome run = runTumble(config + " --frames 2 --screenshot '" + shot + "'", folder.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;

    SDL_Surface* picture = loadPicture(shot);
    ASSERT_NE(picture, nullptr);
    expectPixel(picture, 80, 100, {0, 128, 255}, "rectangle");
    expectPixel(picture, 240, 100, {255, 255, 255}, "background");
    SDL_FreeSurface(picture);
}

TEST(DemoEndToEndTest, AGameWithoutUpdateFailsOnItsFirstFrame) {
    gametest::TempFolder folder;
    const std::string config = writeScriptOnlyGame("function updateValues() end  function createStartUpAssets() end");
    const Outcome run = runTumble(config + " --frames 5", folder.path().string());
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("attempt to call a nil value"), std::string::npos) << run.output;
}

} // namespace
