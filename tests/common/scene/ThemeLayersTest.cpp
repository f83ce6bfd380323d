// Theme layers as the scene shows them: tiled across the screen, moving with the camera by
// their parallax, and the ground below the foreground.
#include "GlGameHarness.h"
#include "ScenePixels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace scenetest;

TEST(ThemeLayers, LayersMoveWithTheCameraByTheirParallax) {
    GlGameHarness harness;
    gametest::writeScript("scripts/blocks.lua", R"(themes = { t = {
        color = {r = 0, g = 0, b = 0}, groundColor = {r = 255, g = 255, b = 0},
        bgLayers = { {"far", "FAR", 0.5, 0.5} }, fgLayers = { {"near", "NEAR", 1, 2} } } })");
    PathsAndFlags paths;
    paths.scriptPath = "scripts";
    harness.start(paths);
    writeSceneSheet();
    harness.run("res.createSpriteSheet('scene.dat')  setTheme('t')  "
                "createThemeSprite('sun', 'NEAR', 50, 10, 0, 2, 1, 0, 0)");

    // A layer of parallax p puts scene x at (x - cameraX) * p on the screen and its sprite line
    // (the sprites' bottom edge) at -cameraY; the tiles are 40 scene pixels wide. FAR shows 10
    // pixels of green then 10 of red, NEAR 40 of blue then 40 of white; the ground starts at the
    // foreground's line. The sprite placed on the background at (50, 10), 2 wide, moves by half
    // the camera as the layer's sprite parallax says.
    struct Case {
        float cameraX, cameraY;
        const char* draw;
        std::vector<Pixel> pixels;
    };
    const Case cases[] = {
        {-100,
         -100,
         "drawBackgroundNative()",
         {{55, 90, kGreen},
          {65, 90, kRed},
          {5, 90, kRed},
          {475, 90, kGreen},
          {55, 75, 0},
          {55, 105, 0},
          {110, 75, kBlue},
          {150, 105, kWhite},
          {95, 75, 0}}},
        {-160,
         -60,
         "drawBackgroundNative()",
         {{85, 50, kGreen}, {95, 50, kRed}, {5, 50, kGreen}, {85, 90, 0}, {140, 40, kBlue}, {200, 65, kWhite}}},
        {-100, -100, "drawLayer(1)", {{220, 50, kBlue}, {260, 50, kWhite}, {20, 50, kWhite}, {220, 110, 0}}},
        {-160, -60, "drawLayer(1)", {{340, 30, kBlue}, {380, 30, kWhite}, {20, 30, kBlue}}},
        {-100, -100, "drawForegroundNative()", {{220, 50, kBlue}, {220, 110, 0xFFFF00}, {220, 319, 0xFFFF00}}},
        {-160, -60, "drawForegroundNative()", {{20, 65, 0xFFFF00}, {20, 55, kBlue}}},
    };
    for (const Case& c : cases) {
        const std::string script =
            "setTopLeft(" + std::to_string(c.cameraX) + ", " + std::to_string(c.cameraY) + ")  " + c.draw;
        expectPixels(*harness.frame(script), c.pixels, script);
    }
}

} // namespace
