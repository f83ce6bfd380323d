// Theme layers as the scene shows them: tiled across the screen, moving with the camera by
// their parallax, and the ground below the foreground.
#include "GlGameHarness.h"
#include "SceneSheet.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ThemeLayers, LayersMoveWithTheCameraByTheirParallax) {
    scenetest::GlGameHarness harness;
    gametest::writeScript("scripts/blocks.lua", R"(themes = { t = {
        color = {r = 0, g = 0, b = 0}, groundColor = {r = 255, g = 255, b = 0},
        bgLayers = { {"far", "FAR", 0.5, 0.5} }, fgLayers = { {"near", "NEAR", 1, 2} } } })");
    PathsAndFlags paths;
    paths.scriptPath = "scripts";
    harness.start(paths);
    scenetest::writeSceneSheet();
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
        int x, y;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {-100, -100, "drawBackgroundNative()", 55, 90, 0x00FF00},
        {-100, -100, "drawBackgroundNative()", 65, 90, 0xFF0000},
        {-100, -100, "drawBackgroundNative()", 5, 90, 0xFF0000},
        {-100, -100, "drawBackgroundNative()", 475, 90, 0x00FF00},
        {-100, -100, "drawBackgroundNative()", 55, 75, 0},
        {-100, -100, "drawBackgroundNative()", 55, 105, 0},
        {-160, -60, "drawBackgroundNative()", 85, 50, 0x00FF00},
        {-160, -60, "drawBackgroundNative()", 95, 50, 0xFF0000},
        {-160, -60, "drawBackgroundNative()", 5, 50, 0x00FF00},
        {-160, -60, "drawBackgroundNative()", 85, 90, 0},
        {-100, -100, "drawBackgroundNative()", 110, 75, 0x0000FF},
        {-100, -100, "drawBackgroundNative()", 150, 105, 0xFFFFFF},
        {-100, -100, "drawBackgroundNative()", 95, 75, 0},
        {-160, -60, "drawBackgroundNative()", 140, 40, 0x0000FF},
        {-160, -60, "drawBackgroundNative()", 200, 65, 0xFFFFFF},
        {-100, -100, "drawLayer(1)", 220, 50, 0x0000FF},
        {-100, -100, "drawLayer(1)", 260, 50, 0xFFFFFF},
        {-100, -100, "drawLayer(1)", 20, 50, 0xFFFFFF},
        {-100, -100, "drawLayer(1)", 220, 110, 0},
        {-160, -60, "drawLayer(1)", 340, 30, 0x0000FF},
        {-160, -60, "drawLayer(1)", 380, 30, 0xFFFFFF},
        {-160, -60, "drawLayer(1)", 20, 30, 0x0000FF},
        {-100, -100, "drawForegroundNative()", 220, 50, 0x0000FF},
        {-100, -100, "drawForegroundNative()", 220, 110, 0xFFFF00},
        {-100, -100, "drawForegroundNative()", 220, 319, 0xFFFF00},
        {-160, -60, "drawForegroundNative()", 20, 65, 0xFFFF00},
        {-160, -60, "drawForegroundNative()", 20, 55, 0x0000FF},
    };
    for (const Case& c : cases) {
        const std::string script = "setTopLeft(" + std::to_string(c.cameraX) + ", " + std::to_string(c.cameraY) +
                                   ")  " + c.draw;
        const auto picture = harness.frame(script);
        EXPECT_TRUE(colourNear(picture->rgb(c.x, c.y), c.colour, 2)) << script << " at " << c.x << "," << c.y;
    }
}

} // namespace
