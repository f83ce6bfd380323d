// The real executable with the bundled demo game, drawing through the OpenGL renderer on the
// display the tests run under (CI gives them a virtual one), or SDL's offscreen driver without.
#include "AudioFiles.h"
#include "GameHarness.h"
#include "TumbleRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

using endtoend::loadPicture;
using endtoend::Outcome;
using endtoend::runTumble;

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

// How many pixels of the box from (x0, y0) to (x1, y1) `matches` accepts.
template <typename Predicate> int countPixels(SDL_Surface* surface, int x0, int y0, int x1, int y1, Predicate matches) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += matches(pixelAt(surface, x, y)) ? 1 : 0;
    return count;
}

// `tumble --level N` starts a level at once. A second into it, with no input, each level shows
// what it is made of where its camera puts it: the HUD over the sky, the bird waiting in the
// slingshot, its blocks and targets, and the portals or the flood it is about. At exit the
// settings are saved.
TEST(DemoEndToEndTest, EachLevelStartsDirectlyAndDrawsItsSceneAndHud) {
    // The HUD's translucent band darkens whatever sky lies behind it.
    const auto hudBand = [](Pixel p) { return p.r + p.g + p.b < 360; };
    const auto white = [](Pixel p) { return p.r > 200 && p.g > 200 && p.b > 200; };
    const auto orange = [](Pixel p) { return p.r > 200 && p.g > 100 && p.g < 210 && p.b < 90; };
    const auto red = [](Pixel p) { return p.r > 170 && p.g < 90 && p.b < 90; };
    const auto purple = [](Pixel p) { return p.r > 90 && p.b > 150 && p.g < 110; };
    const auto woody = [](Pixel p) { return p.r > 120 && p.r > p.g + 30 && p.g > p.b + 20; };
    const auto grassy = [](Pixel p) { return p.g > p.r + 40 && p.g > p.b + 40; };
    const auto portalBlue = [](Pixel p) { return p.r < 80 && p.b > p.g + 40 && p.b > 150; };
    const auto watery = [](Pixel p) { return p.b > p.r + 40 && p.b > p.g; };
    struct Area {
        int x0, y0, x1, y1;
        bool (*matches)(Pixel);
        int atLeast;
        const char* what;
    };
    // Areas every level shares: the HUD's band, its level line and its pause button.
    const std::vector<Area> hud = {{430, 60, 560, 78, hudBand, 2000, "the HUD's band"},
                                   {10, 10, 245, 40, white, 300, "the level's number and name"},
                                   {735, 12, 785, 62, orange, 1000, "the pause button"}};
    const struct {
        int level;
        const char* name;
        std::vector<Area> areas;
    } cases[] = {
        {1,
         "meadow_01",
         {{168, 437, 202, 462, red, 100, "the red bird in the slingshot"},
          {545, 405, 585, 450, purple, 400, "the target on the beam"},
          {545, 495, 585, 540, purple, 400, "the target under it"},
          {515, 452, 615, 472, woody, 1000, "the wooden beam"},
          {0, 550, 800, 600, grassy, 30000, "the meadow's grass"}}},
        {7,
         "meadow_07",
         {{250, 490, 320, 512, portalBlue, 250, "the blue portal on the ground"},
          {570, 262, 640, 282, orange, 250, "the orange portal over the tower"}}},
        {11, "dunes_03", {{160, 495, 500, 535, watery, 10000, "the flood"}}},
    };
    for (const auto& c : cases) {
        gametest::TempFolder folder;
        const std::string shot = (folder.path() / "out.png").string();
        const Outcome run = runTumble("games/demo/config.lua --level " + std::to_string(c.level) +
                                          " --seed 1 --frames 60 --fixed-dt 0.0166667 --screenshot '" + shot + "'",
                                      folder.path().string());
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_NE(run.output.find("starting level " + std::to_string(c.level) + " " + c.name), std::string::npos)
            << run.output;
        EXPECT_TRUE(std::filesystem::exists(folder.path() / "Tumble" / "Demo" / "settings.lua")) << c.name;

        SDL_Surface* picture = loadPicture(shot);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->w, 800);
        EXPECT_EQ(picture->h, 600);
        std::vector<Area> areas = hud;
        areas.insert(areas.end(), c.areas.begin(), c.areas.end());
        for (const Area& area : areas)
            EXPECT_GE(countPixels(picture, area.x0, area.y0, area.x1, area.y1, area.matches), area.atLeast)
                << c.name << ": " << area.what;
        SDL_FreeSurface(picture);
    }
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

// SDL's disk driver writes what the device plays to a file: the clip's samples must be there, in
// order, on both channels of the stereo output.
TEST(DemoEndToEndTest, AClipPlaysThroughTheSoundDevice) {
    gametest::TempFolder folder;
    // Samples that neither silence nor rounding could fake.
    std::vector<std::int16_t> clip(3000);
    for (std::size_t i = 0; i < clip.size(); ++i)
        clip[i] = static_cast<std::int16_t>(static_cast<int>(i * 7919 % 20000) - 10000);
    gametest::writeFile("clip.wav", audiotest::samplesWav(clip));
    const std::string config = writeScriptOnlyGame(
        "function updateValues() end  function applyForcesAtPhysicsStep() end  function removeBlocks() end  "
        "function clearLuaForceFunctions() end  function gamePaused() end  function gameResumed() end  "
        "function calculatePlaytime() end  "
        "function createStartUpAssets() res.createAudioOutput(2, 16, 44100)  res.startAudioOutput()  "
        "  res.createAudio('clip.wav', 'clip')  handle = res.playAudio('clip') end  "
        // Once the clip has left the mixer, half a second more lets the device play its queue.
        "function update(dt) "
        "  if waiting then if getGameTimer() >= 1 then requestExit() end "
        "  elseif not res.isAudioPlaying(handle) then resetTimer()  waiting = true end "
        "end");
    const std::string played = (folder.path() / "played.raw").string();
    const Outcome run = runTumble(config + " --frames 3000", folder.path().string(),
                                  "SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE='" + played + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::string bytes = gametest::readFile(played);
    std::vector<std::int16_t> stereo(bytes.size() / 2);
    std::memcpy(stereo.data(), bytes.data(), stereo.size() * 2);
    std::vector<std::int16_t> expected;
    for (const std::int16_t sample : clip)
        expected.insert(expected.end(), {sample, sample});
    EXPECT_NE(std::search(stereo.begin(), stereo.end(), expected.begin(), expected.end()), stereo.end())
        << stereo.size() / 2 << " frames played";
}

} // namespace
