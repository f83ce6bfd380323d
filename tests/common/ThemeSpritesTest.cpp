// Sprites placed on theme layers: found by name on the layer an index counts to, drifting in
// the frame update, and found again when the sheets are reloaded.
#include "GameHarness.h"
#include "ResourceFiles.h"
#include "game/Resources.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

/// A game with the theme "t": background layers "far" (sprite HILLS, parallax 0.5, extent 10)
/// and a colour layer, one foreground layer; HILLS is 40 wide, CLOUD 20 wide with its pivot at
/// x 4.
struct ThemedGame {
    ThemedGame() {
        gametest::writeScript("scripts/blocks.lua", R"(themes = { t = {
            color = {r = 0, g = 0, b = 0}, groundColor = {r = 0, g = 0, b = 0},
            bgLayers = { {"far", "HILLS", 1, 0.5, true, 10}, {rect = {r = 1, g = 2, b = 3, a = 4}} },
            fgLayers = { {"near", "HILLS"} } },
          odd = { color = {r = 0, g = 0, b = 0}, groundColor = {r = 0, g = 0, b = 0},
            bgLayers = { {"gone", "MISSING"}, {"flat", "HILLS", 1, 0} }, fgLayers = { {"flat", "HILLS", 1, 0} } } })");
        writeSheet(40);
        PathsAndFlags paths;
        paths.scriptPath = "scripts";
        harness.start(paths);
        harness.run("res.createSpriteSheet('theme.dat', false, false)  setTheme('t')  "
                    "objects.world = {}  function update() end  function applyForcesAtPhysicsStep() end  "
                    "function removeBlocks() end  function clearLuaForceFunctions() end");
    }
    void writeSheet(int hillsWidth) {
        writeFile("theme.dat", container("SPRT", {1, "theme.png", 2, "HILLS", 0, 0, hillsWidth, 20, 0, 20, "CLOUD", 0,
                                                  20, 20, 10, 4, 5}));
    }
    GameLua& game() { return *harness.game; }
    /// Every layer's placed sprites, background layers first: "name x,y,extra,px,py,angle"
    /// (with "?" when its picture is missing), sprites joined by "; ", layers by " | ".
    std::string placed() {
        std::ostringstream out;
        for (const auto* layers : {&game().backgroundLayers(), &game().foregroundLayers()}) {
            for (const ThemeLayer& layer : *layers) {
                out << (out.tellp() > 0 ? " | " : "");
                for (std::size_t i = 0; i < layer.themeSprites.size(); ++i) {
                    const ThemeSprite& s = layer.themeSprites[i];
                    out << (i ? "; " : "") << s.name << " " << s.x << "," << s.y << "," << s.extra << "," << s.px << ","
                        << s.py << "," << s.angle << (s.picture ? "" : "?");
                }
            }
        }
        return out.str();
    }
    gametest::GameHarness harness;
};

TEST(ThemeSpritesTest, PlacedSpritesAreFoundByNameOnTheLayerTheIndexCountsTo) {
    ThemedGame themed;
    struct Step {
        const char* script;
        const char* placed;
    };
    const Step steps[] = {
        {"createThemeSprite('a', 'CLOUD', 1, 2, 0, 1, 1, 0, 0)  createThemeSprite('a', 'CLOUD', 3, 4, 5, 1, 1, 0, 1)  "
         "createThemeSprite('b', 'CLOUD', 5, 6, 0, 1, 1, 0, 1)  createThemeSprite('a', 'CLOUD', 7, 8, 0, 1, 1, 0, 1)  "
         "createThemeSprite('a', 'NONE', 9, 9, 0, 1, 1, 0, 2)",
         "a 1,2,0,1,1,0 | a 3,4,5,1,1,0; b 5,6,0,1,1,0; a 7,8,0,1,1,0 | a 9,9,0,1,1,0?"},
        // The first match changes; its picture and drift stay.
        {"modifyThemeSprite('a', 30, 40, 2, 3, 0.5, 1)",
         "a 1,2,0,1,1,0 | a 30,40,5,2,3,0.5; b 5,6,0,1,1,0; a 7,8,0,1,1,0 | a 9,9,0,1,1,0?"},
        {"modifyThemeSprite('A', 0, 0, 1, 1, 0, 1)  modifyThemeSprite('b', 0, 0, 1, 1, 0, 2)  "
         "removeThemeSprite('c', 1)  removeThemeSprite('b', 0)",
         "a 1,2,0,1,1,0 | a 30,40,5,2,3,0.5; b 5,6,0,1,1,0; a 7,8,0,1,1,0 | a 9,9,0,1,1,0?"},
        {"removeThemeSprite('a', 1)", "a 1,2,0,1,1,0 | b 5,6,0,1,1,0; a 7,8,0,1,1,0 | a 9,9,0,1,1,0?"},
        {"removeThemeSprite('a', 2)  removeThemeSprite('a', 1)", "a 1,2,0,1,1,0 | b 5,6,0,1,1,0 | "},
    };
    for (const Step& step : steps) {
        themed.harness.run(step.script);
        EXPECT_EQ(themed.placed(), step.placed) << step.script;
    }

    themed.harness.run("setThemeRectColour(1, 127.5, 300, -1, 64)  setThemeForegroundOffsetY(0, -12)");
    const ThemeLayer& colour = themed.game().backgroundLayers()[1];
    EXPECT_EQ((std::vector<int>(colour.colour.begin(), colour.colour.end())), (std::vector<int>{128, 255, 0, 64}));
    EXPECT_EQ(themed.game().foregroundLayers()[0].offsetY, -12.0f);

    const std::pair<const char*, const char*> refusals[] = {
        {"createThemeSprite('a', 'CLOUD', 0, 0, 0, 1, 1, 0, 3)", "createThemeSprite: there is no theme layer 3"},
        {"modifyThemeSprite('a', 0, 0, 1, 1, 0, -1)", "modifyThemeSprite: there is no theme layer -1"},
        {"drawLayer(3)", "drawLayer: there is no theme layer 3"},
        {"setThemeRectColour(2, 0, 0, 0, 0)", "setThemeRectColour: there is no theme layer 2"},
        {"setThemeForegroundOffsetY(1, 0)", "setThemeForegroundOffsetY: there is no theme layer 1"},
    };
    for (const auto& [script, message] : refusals)
        EXPECT_NE(themed.harness.failureOf(script).find(message), std::string::npos) << script;
}

TEST(ThemeSpritesTest, DriftingSpritesWrapAroundTheScreenAfterTheUpdateCallback) {
    // Screen 800 wide at world scale 2, simulation scale 2; the layer's extent 10, parallax 0.5,
    // sprite width 40; CLOUD 20 wide, pivot 4, drawn at px 2: the right bound is 800 / 2 + 10 =
    // 410, the left bound 10 - 0.5 * 40 * 0.5 - 20 * 2 * 1.1 = -44, the left edge 2x - 8.
    struct Case {
        const char* what;
        float x;
        float velocity;
        float after;
    };
    const Case cases[] = {
        {"inside, moving left", 10.0f, -30.0f, 7.0f},
        {"past the left bound, moving left: to the right", -18.5f, -30.0f, (410.0f + 8.0f) / 2.0f},
        {"past the right bound, moving right: to the left", 209.5f, 30.0f, (-44.0f + 8.0f) / 2.0f},
        {"past the left bound, moving right", -18.5f, 30.0f, -15.5f},
        {"past the right bound, moving left", 209.5f, -30.0f, 206.5f},
        // The bounds are checked where the frame starts: the wrap comes a frame after the pass.
        {"passing the left bound", -17.9f, -30.0f, -20.9f},
        {"passing the right bound", 208.5f, 30.0f, 211.5f},
    };
    ThemedGame themed;
    themed.harness.run("setWorldScale(2)  setPhysicsSimulationScale(2)");
    for (const Case& c : cases)
        themed.harness.run("createThemeSprite('" + std::string(c.what) + "', 'CLOUD', " + std::to_string(c.x) +
                           ", 0, " + std::to_string(c.velocity) + ", 2, 1, 0, 0)");
    // Foreground sprites do not drift; the callback's move comes before the drift.
    themed.harness.run("createThemeSprite('front', 'CLOUD', 5, 0, 30, 2, 1, 0, 2)  "
                       "createThemeSprite('moved', 'CLOUD', 0, 0, 30, 2, 1, 0, 0)  "
                       "function update() modifyThemeSprite('moved', 100, 0, 2, 1, 0, 0) end");
    themed.game().update(0.1f);
    const std::vector<ThemeSprite>& drifted = themed.game().backgroundLayers()[0].themeSprites;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_NEAR(drifted[i].x, cases[i].after, 1e-4f) << cases[i].what;
    EXPECT_NEAR(drifted.back().x, 103.0f, 1e-4f);
    EXPECT_EQ(themed.game().foregroundLayers()[0].themeSprites[0].x, 5.0f);

    themed.harness.run("setPhysicsEnabled(false)");
    themed.game().update(0.1f);
    EXPECT_NEAR(drifted[0].x, 7.0f, 1e-4f) << "no drift while physics is off";
}

TEST(ThemeSpritesTest, ReloadingFindsEveryPictureAgain) {
    ThemedGame themed;
    themed.harness.run(
        "createThemeSprite('c', 'CLOUD', 0, 0, 0, 1, 1, 0, 0)  "
        "createBox('crate', 'HILLS', 0, 0, 1, 1, 1, 0.5, 0, true, false, 1)  setTexture('crate', 'CLOUD')");
    themed.writeSheet(60);
    themed.harness.run("res.createSpriteSheet('theme.dat', true, false)");
    const game::Resources& resources = themed.harness.resources->resources();
    const GameObject& crate = *themed.game().objects().at("crate");
    const ThemeLayer& far = themed.game().backgroundLayers()[0];
    // Until the reload everything keeps the old sheet's pictures.
    EXPECT_NE(crate.sprite.get(), resources.findSprite("HILLS"));
    EXPECT_EQ(far.sprite.width, 40.0f);

    themed.harness.run("native_reloadIngameSprites()");
    EXPECT_EQ(crate.sprite.get(), resources.findSprite("HILLS"));
    EXPECT_EQ(crate.texture.get(), resources.findSprite("CLOUD"));
    EXPECT_EQ(far.picture.sprite.get(), resources.findSprite("HILLS"));
    EXPECT_EQ(far.sprite.width, 60.0f);
    EXPECT_EQ(far.themeSprites[0].picture.sprite.get(), resources.findSprite("CLOUD"));
    EXPECT_EQ(themed.game().foregroundLayers()[0].sprite.width, 60.0f);
}

TEST(ThemeSpritesTest, LayersWithoutTileWidthOrScaleDrawNothingAndEnd) {
    // A sprite that is not loaded has no width to tile by; a parallax of 0 has no scale and puts
    // the ground nowhere.
    ThemedGame themed;
    themed.harness.run("setTheme('odd')  drawBackgroundNative()  drawForegroundNative()");
    EXPECT_TRUE(themed.harness.context.rects.empty());
}

} // namespace
