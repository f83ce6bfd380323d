// Level loading, themes, level saving and the online level check.
#include "GameHarness.h"
#include "LevelAvailability.h"
#include "LoopbackHttpServer.h"
#include "ResourceFiles.h"
#include "ScopedEnvironment.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

using gametest::GameHarness;

const std::string kKey = "0123456789abcdef";
const std::string kLevel2 = "filename = 'level2.lua'  blocks = 3";

/// A level file: `source` archived and enciphered with `key` (the data key when empty).
std::vector<std::uint8_t> levelFile(const std::string& source, const std::string& key = "") {
    return util::makeEncipheredArchive("level.lua", gametest::bytesOf(source),
                                       key.empty() ? util::dataKey() : gametest::bytesOf(key));
}

/// A game whose data folder is the subfolder "game" of the test's folder (so that a file can
/// lie beside it), with "/levels/" mounted on its "levels" folder and a block table with themes.
struct LevelGame {
    LevelGame() {
        std::filesystem::create_directories("game");
        std::filesystem::current_path("game");
        io::mount("/levels/", io::Uri("bundle:///levels/"));
        gametest::writeScript("scripts/blocks.lua", R"(themes = {
            forest = { color = {r = 10, g = 20, b = 30}, groundColor = {r = 1, g = 2, b = 3},
                bgLayers = { {rect = {r = 127.5, g = 300, b = -4, a = 254.5}}, {"particles"},
                             {"hills", "HILLS", 0.5, 0.25, false, 7, v = -3, scaleWobbleY = 0.1}, {"sky", "SKY"},
                             "the list ends here", {"unreached", "X"} },
                fgLayers = { {"particles"}, {"sea", "WAVES", 2, 3, false, 9, water = true}, {"grass", "GRASS", water = "yes"} } },
            bare = { color = {r = 1, g = 1, b = 1} } })");
        PathsAndFlags paths;
        paths.scriptPath = "scripts";
        harness.start(paths);
    }
    GameHarness harness;
};

TEST(LevelsTest, LoadsOnlyAMatchingLevelWithItsKeyFromTheGameFolders) {
    struct Case {
        const char* what;
        const char* file;
        std::vector<std::uint8_t> bytes;
        std::string name;
        std::string key;
        bool loads;
    };
    const Case cases[] = {
        {"its own name", "levels/level2.lua", levelFile(kLevel2), "/levels/level2", "", true},
        {"another folder", "levels/episode/level2.lua", levelFile(kLevel2), "/levels/episode/level2", "", true},
        {"climbing within the data folder", "level2.lua", levelFile(kLevel2), "/levels/../level2", "", true},
        {"a given key", "levels/level2.lua", levelFile(kLevel2, kKey), "/levels/level2", kKey, true},
        {"another file's name", "levels/level3.lua", levelFile(kLevel2), "/levels/level3", "", false},
        {"no filename", "levels/level2.lua", levelFile("blocks = 3"), "/levels/level2", "", false},
        {"missing", "levels/level2.lua", levelFile(kLevel2), "/levels/level9", "", false},
        {"other key, none given", "levels/level2.lua", levelFile(kLevel2, kKey), "/levels/level2", "", false},
        {"not an archive", "levels/level2.lua", gametest::encipherSave(kLevel2, util::dataKey()), "/levels/level2", "",
         false},
        {"not enciphered", "levels/level2.lua", std::vector<std::uint8_t>(kLevel2.begin(), kLevel2.end()),
         "/levels/level2", "", false},
        {"script error", "levels/level2.lua", levelFile(kLevel2 + " error('boom')"), "/levels/level2", "", false},
        {"no globals", "levels/level2.lua", levelFile(kLevel2 + " n = math.floor(1)"), "/levels/level2", "", false},
        {"out of the data folder", "../level2.lua", levelFile(kLevel2), "/levels/../../level2", "", false},
        {"file scheme", "levels/level2.lua", levelFile(kLevel2), "file://", "", false},
    };
    for (const Case& c : cases) {
        LevelGame level;
        gametest::writeFile(c.file, c.bytes);
        // "file://" goes with the absolute path of a loadable level.
        const std::string name =
            c.name == "file://" ? "file://" + std::filesystem::absolute("levels/level2").string() : c.name;
        level.harness.run("objects.world = {}  deadBlocks = {}  loadedObjects = 'previous'  setMaxTranslation(5)  "
                          "createBox('crate', '', 0, 0, 1, 1, 1, 0.5, 0, true, false, 1)  addToTrajectory(1, 5, 5)");
        gametest::LogCapture log;
        level.harness.run("loadLevel('" + name + "', '" + c.key + "')");
        GameLua& game = *level.harness.game;
        EXPECT_EQ(game.isTable("loadedObjects"), c.loads) << c.what;
        EXPECT_EQ(game.isTable("loadedObjects") ? game.getTable("loadedObjects").getNumber("blocks") : 0.0f,
                  c.loads ? 3.0f : 0.0f)
            << c.what;
        EXPECT_EQ(log.has(lang::log::Warning, "GameLua::loadLevel", "Unable to load level."), !c.loads) << c.what;
        EXPECT_EQ(game.getString("loadedObjects") == "previous", !c.loads) << c.what;
        // Loaded or not, the previous level is gone.
        EXPECT_FALSE(game.isLoading()) << c.what;
        EXPECT_TRUE(game.objects().empty()) << c.what;
        EXPECT_TRUE(game.trajectories().points(0).empty()) << c.what;
        EXPECT_EQ(PhysicsWorld::maxTranslation(), 2.0f) << c.what;
    }
}

/// One line per layer: name|sprite|[3]|[4]|tiled water colourOnly deferred|colour|v|wobble|[6].
std::vector<std::string> describe(const std::vector<ThemeLayer>& layers) {
    std::vector<std::string> lines;
    for (const ThemeLayer& l : layers) {
        std::ostringstream out;
        out << l.name << "|" << l.spriteName << "|" << l.spriteParallax << "|" << l.parallax << "|" << l.tiled
            << l.water << l.colourOnly << l.deferred << "|" << int(l.colour[0]) << "," << int(l.colour[1]) << ","
            << int(l.colour[2]) << "," << int(l.colour[3]) << "|" << l.velocity << "|" << l.wobbleAmplitude << "|"
            << l.extent;
        lines.push_back(out.str());
    }
    return lines;
}

TEST(LevelsTest, ThemesBuildTheirLayersWithDefaults) {
    LevelGame level;
    writeFile("theme.dat", container("SPRT", {1, "theme.png", 1, "HILLS", 0, 0, 40, 20, 3, 4}));
    level.harness.run("res.createSpriteSheet('theme.dat', false, false)\nsetTheme('forest')");
    const GameLua& game = *level.harness.game;
    // Sprite layers are measured through the registry; a sprite it lacks measures 0.
    const SpriteMeasurements hills = game.backgroundLayers()[2].sprite;
    EXPECT_EQ((std::vector<float>{hills.width, hills.height, hills.pivotX, hills.pivotY}),
              (std::vector<float>{40, 20, 3, 4}));
    EXPECT_EQ(game.backgroundLayers()[3].sprite.width, 0.0f);
    EXPECT_EQ(game.skyColour().blue, 30.0f);
    EXPECT_EQ(game.groundColour().red, 1.0f);
    const std::vector<std::string> background = {
        "||1|1|1010|128,255,0,255|0|0|4", "particles||1|1|1001|255,255,255,255|0|0|4",
        "hills|HILLS|0.5|0.25|0000|255,255,255,255|-3|0.1|7", "sky|SKY|1|1|1000|255,255,255,255|0|0|4"};
    const std::vector<std::string> foreground = {"particles||1|1|1001|255,255,255,255|0|0|4",
                                                 "sea|WAVES|2|3|1100|255,255,255,255|0|0|4",
                                                 "grass|GRASS|1|1|1000|255,255,255,255|0|0|4"};
    EXPECT_EQ(describe(game.backgroundLayers()), background);
    EXPECT_EQ(describe(game.foregroundLayers()), foreground);

    EXPECT_NE(level.harness.failureOf("setTheme('desert')").find("no theme \"desert\""), std::string::npos);
    EXPECT_NE(level.harness.failureOf("setTheme('bare')").find("groundColor"), std::string::npos);
}

TEST(LevelsTest, SavedLevelsKeepOnlyTypedFieldsNameThemselvesAndFailWithoutHarm) {
    LevelGame level;
    std::filesystem::create_directory("levels");
    level.harness.run(R"(saveLevel("/levels/saved", { theme = "forest", physicsToWorld = "1", joints = {1}, counts = 5,
        doNotWaitForMovingObjects = true, waterLevel = 2.5, worldGravity = {}, extra = 1, birdCameraData = {x = 1},
        world = { crate = { x = 1, y = 2, angle = 0.5, name = "crate", definition = "wood", owner = 3,
                            startNumber = "4", strength = 10 },
                  pig = { x = "1", name = 7, owner = "bird", startNumber = 2 }, [3] = "no table" } }))");
    const std::string text = gametest::readFile("levels/saved.lua");
    lua::LuaTable back(*level.harness.lua);
    io::ByteArrayInputStream input(std::vector<std::uint8_t>(text.begin(), text.end()), "saved.lua");
    back.load(input);
    level.harness.game->set("back", back);
    // Every value read back, as sorted "path=value" entries: nothing else was written.
    level.harness.run(R"(local function flatten(t, prefix, out)
            for k, v in pairs(t) do
                if type(v) == "table" then flatten(v, prefix .. k .. ".", out) else out[#out + 1] = prefix .. k .. "=" .. tostring(v) end
            end
            return out
        end
        local entries = flatten(back, "", {})  table.sort(entries)  result = table.concat(entries, " "))");
    EXPECT_EQ(
        level.harness.game->getString("result"),
        "birdCameraData.x=1 doNotWaitForMovingObjects=true filename=saved.lua joints.1=1 theme=forest waterLevel=2.5 "
        "world.crate.angle=0.5 world.crate.definition=wood world.crate.name=crate world.crate.owner=3 "
        "world.crate.x=1 world.crate.y=2 world.pig.startNumber=2");

    // A save that fails keeps the old file; a name out of the data folder is refused.
    EXPECT_NE(level.harness.failureOf("j = {}  j.j = j  saveLevel('/levels/saved', {joints = j})"), "");
    EXPECT_EQ(gametest::readFile("levels/saved.lua"), text);
    EXPECT_NE(level.harness.failureOf("saveLevel('../saved', {})").find("leads out of the data folder"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("../saved.lua"));
}

TEST(LevelAvailabilityTest, ReadsTheServicesTokens) {
    struct Case {
        const char* response;
        const char* today;
        int secondsToNext;
    };
    const Case cases[] = {
        {"today,Tuesday,seconds-to-next,3600", "Tuesday", 3600},
        {"nothing,of,interest", "", -1},
        {"", "", -1},
        {"seconds-to-next,12 hours", "", 12},
        {"seconds-to-next,-5", "", 0},
        {"seconds-to-next,99999999999", "", INT_MAX},
        {"x,today", "", -1},
        {"today,today,Monday", "today", -1},
        {" today,Monday", "", -1},
    };
    for (const Case& c : cases) {
        const LevelAvailability result = parseLevelAvailability(c.response);
        EXPECT_EQ(result.status, 1) << c.response;
        EXPECT_EQ(result.today, c.today) << c.response;
        EXPECT_EQ(result.secondsToNext, c.secondsToNext) << c.response;
    }
}

TEST(LevelAvailabilityTest, AFailedRequestLeavesTheResultUnknown) {
    LevelAvailabilityCheck check;
    check.run("x", [](const std::string&) { return std::string("today,Friday,seconds-to-next,60"); });
    EXPECT_EQ(check.result().today, "Friday");
    check.run("x", [](const std::string&) -> std::string { throw lang::Exception(lang::Format("offline")); });
    EXPECT_EQ(check.result().status, 0);
    EXPECT_EQ(check.result().today, "");
    EXPECT_EQ(check.result().secondsToNext, -1);
}

TEST(LevelAvailabilityTest, TheGameAsksTheServiceWithItsUserAndKeepsTheAnswer) {
    const testsupport::LoopbackHttpServer service([](const std::string& path) {
        return testsupport::CannedResponse{
            200, {}, path.ends_with("&uid=u7") ? "today,Tuesday,seconds-to-next,3600" : "", false};
    });
    testsupport::ScopedEnvironment environment;
    environment.set("no_proxy", "127.0.0.1");
    GameHarness harness;
    harness.start();
    const char* const kCheck = "checkLevelAvailabilityOnline()  s = getOnlineCheckStatus()  "
                               "result = s.status .. '|' .. s.today .. '|' .. s.timeToNext";

    harness.run("LEVEL_URL_BASE = '" + service.url("/levels?x") + "'  settings = {uid = 'u7'}  " + kCheck);
    EXPECT_EQ(harness.game->getString("result"), "1|Tuesday|3600");
    harness.run(std::string("settings = {uid = ''}  ") + kCheck);
    EXPECT_EQ(harness.game->getString("result"), "1||-1");
    EXPECT_EQ(service.requestedPaths(), (std::vector<std::string>{"/levels?x&uid=u7", "/levels?x"}));

    harness.run("LEVEL_URL_BASE = '" + testsupport::LoopbackHttpServer::refusingUrl("/levels?x") + "'  " + kCheck);
    EXPECT_EQ(harness.game->getString("result"), "0||-1");
}

} // namespace
