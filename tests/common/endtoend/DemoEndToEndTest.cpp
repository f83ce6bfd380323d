// The real executable with the bundled demo game, drawing through the OpenGL renderer on the
// display the tests run under (CI gives them a virtual one), or SDL's offscreen driver without.
#include "AudioFiles.h"
#include "GameHarness.h"
#include "RunTumble.h"

#include <SDL.h>
#include <SDL_image.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using gametest::Outcome;
using gametest::runTumble;

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

// Where the near-white pixels of a box lie: text drawn in white over the scene.
struct Ink {
    int count = 0;
    int left = INT_MAX, right = -1, top = INT_MAX;
};

Ink whiteInk(SDL_Surface* surface, int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const Pixel p = pixelAt(surface, x, y);
            if (p.r > 230 && p.g > 230 && p.b > 230) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
            }
        }
    }
    return ink;
}

TEST(DemoEndToEndTest, TheDemoDrawsItsSceneWithSpritesAndText) {
    gametest::TempFolder folder;
    const std::string shot = (folder.path() / "out.png").string();
    const Outcome run = runTumble("games/demo/config.lua --frames 150 --fixed-dt 0.0166667 --screenshot '" + shot + "'",
                                  folder.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;

    SDL_Surface* picture = loadPicture(shot);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->w, 800);
    EXPECT_EQ(picture->h, 600);
    // The sprites of the sheet at 20 pixels a world unit, view top-left (-5, -25): the sky strip
    // stretched over the screen, the theme's grass over its ground colour, the tower the level
    // file describes after the physics world settled it, the bird half a second into its flight
    // (launched after two seconds with (22, -14) units/s from (1, -4.5)) and an unlit star. The
    // composite slingshot stands on the ground at the launch point (120, 410): each of its parts
    // where the composite puts it, and the theme's far hills showing beside it.
    const struct {
        int x, y;
        Pixel colour;
        const char* what;
    } samples[] = {
        {400, 100, {89, 149, 220}, "sky, high"},
        {400, 250, {134, 182, 232}, "sky, lower and paler"},
        {400, 550, {92, 158, 66}, "the theme's ground colour"},
        {400, 505, {97, 164, 70}, "grass of the foreground layer"},
        {620, 422, {139, 144, 153}, "stone bar"},
        {580, 466, {192, 134, 71}, "wood post"},
        {620, 337, {171, 218, 246}, "ice bar"},
        {612, 490, {139, 86, 184}, "lower target"},
        {325, 326, {31, 107, 168}, "bird in flight"},
        {36, 34, {156, 156, 159}, "unlit star"},
        {120, 470, {133, 85, 40}, "slingshot trunk"},
        {113, 425, {105, 68, 33}, "slingshot back arm"},
        {127, 425, {96, 67, 39}, "slingshot front arm"},
        {109, 402, {114, 76, 44}, "slingshot band holder, left"},
        {130, 402, {108, 71, 41}, "slingshot band holder, right"},
        {105, 425, {130, 170, 177}, "far hills beside the slingshot"},
    };
    for (const auto& sample : samples)
        expectPixel(picture, sample.x, sample.y, sample.colour, sample.what);

    // "Score: 0" in the bitmap font, anchored at its top-left corner (20, 56): the glyphs' ink
    // starts below the line's ascent and at the left edge.
    const Ink score = whiteInk(picture, 10, 40, 240, 84);
    EXPECT_GT(score.count, 300);
    EXPECT_NEAR(score.left, 22, 2);
    EXPECT_GE(score.top, 56);
    // The title in the system font, centred at the top: as much ink left of the centre line as
    // right of it, none above y = 12.
    const Ink title = whiteInk(picture, 150, 0, 650, 50);
    EXPECT_GT(title.count, 800);
    EXPECT_NEAR((title.left + title.right) / 2.0, 400, 3);
    EXPECT_GE(title.top, 12);
    SDL_FreeSurface(picture);

    // Shutting down saved the settings (launch count, play time, language).
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Tumble" / "Demo" / "settings.lua")) << run.output;
}

// How many pixels of the box from (x0, y0) to (x1, y1) `matches` accepts.
template <typename Predicate> int countPixels(SDL_Surface* surface, int x0, int y0, int x1, int y1, Predicate matches) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += matches(pixelAt(surface, x, y)) ? 1 : 0;
    return count;
}

// The demo resumes the level its saved settings name: a run started at each later level shows
// what that level is about in its log and on the screen, and saves the level again at exit.
TEST(DemoEndToEndTest, TheLaterLevelsResumeFromTheSettingsAndShowPortalsAndWater) {
    // Deeper than the sky behind: its red never falls that low below the sun.
    const auto blue = [](Pixel p) { return p.r < 80 && p.b > p.g + 40; };
    const auto orange = [](Pixel p) { return p.r > p.b + 100 && p.r > p.g + 20; };
    const auto watery = [](Pixel p) { return p.b > p.r + 40 && p.b > p.g; };
    const auto woody = [](Pixel p) { return p.r > 120 && p.r > p.g + 30 && p.g > p.b + 20; };
    struct Area {
        int x0, y0, x1, y1;
        bool (*matches)(Pixel);
        int atLeast;
        const char* what;
    };
    const struct {
        const char* level;
        int frames;
        std::vector<const char*> logLines;
        std::vector<Area> areas;
    } cases[] = {
        // The first bird, launched after two seconds, flies into the blue portal at (12, -9) and
        // drops out of the orange one at (28, -14) over the tower. View top-left (-5, -25), 20
        // pixels a unit: the portals stand at (340, 320) and lie at (660, 220).
        {"portals",
         175,
         {"level: portals", "portal: bird1 entered portal_a", "portal: bird1 left through portal_b"},
         {{330, 290, 351, 351, blue, 400, "the blue portal"}, {625, 212, 696, 229, orange, 550, "the orange portal"}}},
        // The flood is three units deep (from y = 440 to the grass at 500), blue over the near
        // hill's green. The raft at (12, -3) floats at the surface (it would lie on the ground
        // below 490 otherwise), and bobbing back in it splashes once the level is two seconds old.
        {"water",
         220,
         {"level: water", "water: splash"},
         {{180, 450, 280, 490, watery, 3500, "water over the hills"},
          {300, 426, 380, 438, woody, 450, "the raft at the surface"}}},
    };
    for (const auto& c : cases) {
        gametest::TempFolder folder;
        const std::filesystem::path settings = folder.path() / "Tumble" / "Demo" / "settings.lua";
        gametest::writeFile(settings, gametest::encipherSave("level = \"" + std::string(c.level) + "\"\n"));
        const std::string shot = (folder.path() / "out.png").string();
        const Outcome run = runTumble("games/demo/config.lua --frames " + std::to_string(c.frames) +
                                          " --fixed-dt 0.0166667 --screenshot '" + shot + "'",
                                      folder.path().string());
        ASSERT_EQ(run.exitCode, 0) << run.output;
        for (const char* line : c.logLines)
            EXPECT_NE(run.output.find(line), std::string::npos) << c.level << ": no \"" << line << "\" in\n"
                                                                << run.output;
        EXPECT_NE(gametest::decipherSave(settings).find("level = \"" + std::string(c.level) + "\""), std::string::npos)
            << c.level;

        SDL_Surface* picture = loadPicture(shot);
        ASSERT_NE(picture, nullptr);
        for (const Area& area : c.areas)
            EXPECT_GE(countPixels(picture, area.x0, area.y0, area.x1, area.y1, area.matches), area.atLeast)
                << c.level << ": " << area.what;
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
