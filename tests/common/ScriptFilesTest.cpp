// Script files, the game-logic archive and the saved tables.
#include "GameHarness.h"

#include "io/PathName.h"
#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include <sys/stat.h>

namespace {

using gametest::GameHarness;

std::filesystem::path appData(const char* file) { return std::filesystem::path(io::getAppDataPath()) / file; }

TEST(SavedTablesTest, FirstStartGivesEmptyTablesAndNukedNamesAllThree) {
    GameHarness harness;
    GameLua& game = harness.start();
    for (const char* name : {"highscores", "settings", "bi_data"})
        EXPECT_EQ(game.getTable(name).count(), 0) << name;
    const lua::LuaTable nuked = game.getTable("nuked");
    EXPECT_EQ(nuked.count(), 3);
    for (const char* file : {"highscores.lua", "settings.lua", "bi_data.lua"})
        EXPECT_TRUE(nuked.getBoolean(file)) << file;
}

TEST(SavedTablesTest, EncipheredRoundTripThroughShutDown) {
    GameHarness harness;
    harness.start();
    harness.run(R"(
        function calculatePlaytime() settings.playtime = 42 end
        settings.volume = 0.5  settings.name = "Ann \"A\""  settings.nested = { 1, 2, deep = { ok = true } }
        settings.score = 1234567  settings.skip = function() end
        bi_data.sessions = 3
        highscores.best = 99
        saveLuaFile("highscores.lua", "highscores", true))");
    harness.stop();

    // The file is enciphered: none of the text shows.
    EXPECT_EQ(gametest::readFile(appData("settings.lua")).find("playtime"), std::string::npos);
    EXPECT_NE(gametest::decipherSave(appData("settings.lua")).find("playtime"), std::string::npos);

    GameLua& game = harness.start();
    const lua::LuaTable settings = game.getTable("settings");
    EXPECT_EQ(settings.getNumber("playtime"), 42.0f);
    EXPECT_EQ(settings.getNumber("volume"), 0.5f);
    EXPECT_EQ(settings.getString("name"), "Ann \"A\"");
    EXPECT_EQ(settings.getTable("nested").getNumber(2), 2.0f);
    EXPECT_TRUE(settings.getTable("nested").getTable("deep").getBoolean("ok"));
    EXPECT_EQ(settings.getNumber("score"), 1234567.0f);
    EXPECT_TRUE(settings.isNil("skip"));
    EXPECT_EQ(game.getTable("bi_data").getNumber("sessions"), 3.0f);
    EXPECT_EQ(game.getTable("highscores").getNumber("best"), 99.0f);
    EXPECT_EQ(game.getTable("nuked").count(), 0);
}

TEST(SavedTablesTest, PlainSaveGoesToTheDataFolderAsText) {
    GameHarness harness;
    harness.start();
    harness.run(R"(export = { level = 4, name = "x" }  saveLuaFile("export.lua", "export", false))");
    const std::string text = gametest::readFile("export.lua");
    EXPECT_NE(text.find("level = 4"), std::string::npos) << text;
    lua::LuaTable back(*harness.lua);
    io::ByteArrayInputStream input(std::vector<std::uint8_t>(text.begin(), text.end()), "export.lua");
    back.load(input);
    EXPECT_EQ(back.getNumber("level"), 4.0f);
    EXPECT_EQ(back.getString("name"), "x");
}

TEST(SavedTablesTest, AFailedPlainSaveKeepsTheOldFile) {
    GameHarness harness;
    harness.start();
    gametest::writeFile("keep.lua", gametest::bytesOf("old = 1\n"));
    EXPECT_NE(harness.failureOf("t = {a = 1}  t.self = t  saveLuaFile('keep.lua', 't', false)")
                  .find("Tables nested deeper than 200 levels"),
              std::string::npos);
    EXPECT_EQ(gametest::readFile("keep.lua"), "old = 1\n");
}

TEST(SavedTablesTest, ShutDownWritesOnlyTheTablesThatChanged) {
    // A save replaces the file by a new one: the same file number means it was not written.
    const auto fileNumber = [](const char* file) {
        struct stat status {};
        return stat(appData(file).c_str(), &status) == 0 ? status.st_ino : 0;
    };
    GameHarness harness;
    harness.start();
    harness.run("settings.volume = 0.5  bi_data.sessions = 1");
    harness.stop();
    const auto settings = fileNumber("settings.lua");
    const auto biData = fileNumber("bi_data.lua");
    ASSERT_NE(settings, 0u);
    ASSERT_NE(biData, 0u);

    harness.start();
    harness.run("bi_data.sessions = 2");
    harness.stop();
    EXPECT_EQ(fileNumber("settings.lua"), settings);
    EXPECT_NE(fileNumber("bi_data.lua"), biData);
    EXPECT_EQ(gametest::decipherSave(appData("bi_data.lua")), "sessions = 2\n");

    // A missing file is written, even for an empty table.
    std::filesystem::remove(appData("settings.lua"));
    harness.start();
    harness.stop();
    EXPECT_EQ(gametest::decipherSave(appData("settings.lua")), "\n");
}

TEST(SavedTablesTest, ShutDownSavesEvenWhenCalculatePlaytimeFails) {
    GameHarness harness;
    harness.start();
    harness.run("settings.kept = true  function calculatePlaytime() error('no clock') end");
    gametest::LogCapture log;
    harness.stop();
    EXPECT_NE(gametest::decipherSave(appData("settings.lua")).find("kept = true"), std::string::npos);
    EXPECT_TRUE(log.has(lang::log::Error, "~GameLua", "no clock"));
    // The scripts save highscores themselves; the engine does not.
    EXPECT_FALSE(std::filesystem::exists(appData("highscores.lua")));
}

TEST(SavedTablesTest, SavingANonTableWritesNothingAndKeepsTheOldFile) {
    GameHarness harness;
    gametest::writeFile(appData("settings.lua"), gametest::encipherSave("old = 1"));
    harness.start();
    harness.run("settings = 5  saveLuaFile('settings.lua', 'settings', true)  "
                "saveLuaFile('other.lua', 'nothing', true)");
    harness.stop();
    EXPECT_EQ(gametest::decipherSave(appData("settings.lua")), "old = 1");
    EXPECT_FALSE(std::filesystem::exists(appData("other.lua")));
}

TEST(SavedTablesTest, BadFilesGiveEmptyTablesWithoutNuked) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::array<std::uint8_t, 32> otherKey{};
    otherKey.fill(7);
    // The header of a precompiled chunk, enciphered like a save.
    const std::string precompiled("\x1bLua\x51\x00\x01\x04\x08\x04\x08\x00ran", 15);
    const Case cases[] = {
        {"another key", gametest::encipherSave("stolen = true", otherKey)},
        {"not enciphered", std::vector<std::uint8_t>{'a', ' ', '=', ' ', '1'}},
        {"endless loop", gametest::encipherSave("ran = true  while true do end")},
        {"runtime error", gametest::encipherSave("ran = true  error('boom')")},
        {"syntax error", gametest::encipherSave("ran = = true")},
        {"precompiled", gametest::encipherSave(precompiled)},
        {"4 GB string", gametest::encipherSave("ran = true  a = (\"x\"):rep(2^30)")},
        {"endless search", gametest::encipherSave("ran = true  a = (\"a\"):rep(26):find((\"a*\"):rep(26) .. \"b\")")},
        {"truncated", gametest::encipherSave("ran = true  a = {1, 2")},
    };
    for (const Case& c : cases) {
        GameHarness harness;
        gametest::writeFile(appData("settings.lua"), c.bytes);
        GameLua& game = harness.start();
        const lua::LuaTable settings = game.getTable("settings");
        EXPECT_EQ(settings.count(), 0) << c.name;
        EXPECT_TRUE(game.getTable("nuked").isNil("settings.lua")) << c.name;
        EXPECT_TRUE(game.isNil("ran")) << c.name;
        EXPECT_TRUE(settings.isNil("ran")) << c.name;
    }
}

// Names a script chooses stay in the data folder (and, for enciphered saves, in the
// application-data folder). Both folders sit in the test's folder, where a name that climbed
// out of either would land as "x.lua".
TEST(ScriptFileNamesTest, NamesThatLeadOutOfTheirFolderAreRefused) {
    struct Case {
        const char* name;
        const char* inside; // where the name lands in its folder; null: refused
    };
    const Case cases[] = {
        {"v1..2.lua", "v1..2.lua"},
        {"/abs.lua", "abs.lua"},
        {"../x.lua", nullptr},
        {"a/../../x.lua", nullptr},
    };
    for (const Case& c : cases) {
        GameHarness harness;
        harness.app.setBasePath("data");
        const std::filesystem::path landing = c.inside ? std::filesystem::path("data") / c.inside : "x.lua";
        gametest::writeScript(landing, "alpha = 1");
        harness.start();
        gametest::LogCapture log;
        const std::string name = std::string("'") + c.name + "'";
        harness.run("loadLuaFile(" + name + ", 'loaded')  target = {}  loadLuaFileToObject(" + name +
                    ", target, 'object')  found = checkForLuaFile(" + name + ")  listed = getDirectoryFileList(" +
                    name + ")");
        const bool confined = c.inside != nullptr;
        EXPECT_EQ(harness.game->isTable("loaded"), confined) << c.name;
        EXPECT_EQ(harness.game->getTable("target").isTable("object"), confined) << c.name;
        EXPECT_EQ(harness.game->getBoolean("found"), confined) << c.name;
        EXPECT_EQ(harness.game->getTable("listed").count(), confined ? 1 : 0) << c.name;
        for (const char* function : {"GameLua::loadLuaFile", "GameLua::loadLuaFileToObject"})
            EXPECT_EQ(log.has(lang::log::Error, function, std::string("Unable to load lua file ") + c.name), !confined)
                << c.name << " " << function;

        std::filesystem::remove(landing);
        harness.run("createDirectory(" + name + ")");
        EXPECT_EQ(std::filesystem::is_directory(landing), confined) << c.name;
        std::filesystem::remove(landing);

        harness.run("saved = { kept = true }  saveLuaFile(" + name + ", 'saved', false)  saveLuaFile(" + name +
                    ", 'saved', true)");
        EXPECT_EQ(std::filesystem::exists(landing), confined) << c.name;
        const std::filesystem::path appLanding = c.inside ? appData(c.inside) : landing;
        EXPECT_EQ(std::filesystem::exists(appLanding), confined) << c.name;
        EXPECT_EQ(log.has(lang::log::Error, "saveLuaFile", c.name), !confined) << c.name;
    }
}

class ScriptFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        gametest::writeScript("scripts/values.lua", "alpha = 1  beta = { 2 }");
        harness.start();
    }
    GameLua& game() { return *harness.game; }

    GameHarness harness;
};

TEST_F(ScriptFilesTest, LoadLuaFileWithoutNameRunsInTheScriptsGlobals) {
    harness.run("loadLuaFile('scripts/values.lua', '')");
    EXPECT_EQ(game().getNumber("alpha"), 1.0f);
    EXPECT_TRUE(game().isTable("beta"));
}

TEST_F(ScriptFilesTest, LoadLuaFileWithNameReplacesThatGlobal) {
    harness.run("values = { old = true }  loadLuaFile('scripts/values.lua', 'values')");
    const lua::LuaTable values = game().getTable("values");
    EXPECT_EQ(values.getNumber("alpha"), 1.0f);
    EXPECT_TRUE(values.isNil("old"));
    EXPECT_TRUE(game().isNil("alpha"));
}

TEST_F(ScriptFilesTest, LoadLuaFileFailuresAreLoggedNotRaised) {
    gametest::writeScript("scripts/broken.lua", "partial = 1  error('half way')");
    gametest::writeFile("scripts/plain.lua", gametest::bytesOf("plain = 1"));
    gametest::LogCapture log;
    harness.run("keep = 'old'  loadLuaFile('scripts/missing.lua', 'keep')  loadLuaFile('scripts/plain.lua', '')  "
                "loadLuaFile('scripts/broken.lua', 'keep')");
    EXPECT_EQ(game().getString("keep"), "old");
    EXPECT_TRUE(game().isNil("plain"));
    for (const char* path : {"scripts/missing.lua", "scripts/plain.lua", "scripts/broken.lua"})
        EXPECT_TRUE(log.has(lang::log::Error, "GameLua::loadLuaFile", std::string("Unable to load lua file ") + path))
            << path;
}

TEST_F(ScriptFilesTest, LoadLuaFileToObject) {
    harness.run(R"(
        target = {}
        loadLuaFileToObject('scripts/values.lua', target, 'menu')
        loadLuaFileToObject('scripts/values.lua', target, '')
        sameGlobals = target.menu.gamelua == _G.this or target.menu.gamelua == this)");
    const lua::LuaTable target = game().getTable("target");
    const lua::LuaTable menu = target.getTable("menu");
    EXPECT_EQ(menu.getNumber("alpha"), 1.0f);
    EXPECT_TRUE(menu.isTable("this"));
    EXPECT_TRUE(menu.isTable("_G"));
    EXPECT_TRUE(menu.isNil(0)) << "the address of the object that loaded it, destroyed since";
    EXPECT_EQ(target.getNumber("alpha"), 1.0f);
    // "gamelua" is the scripts' globals table, the game's own.
    harness.run("isGame = target.menu.gamelua.screenWidth == screenWidth and target.menu.gamelua.alpha == nil");
    EXPECT_TRUE(game().getBoolean("isGame"));
}

TEST_F(ScriptFilesTest, LoadLuaFileToObjectReportsOnlyWhenAsked) {
    gametest::LogCapture log;
    harness.run("loadLuaFileToObject('nope.lua', {}, 'x', false)");
    EXPECT_FALSE(log.has(lang::log::Error, "GameLua::loadLuaFileToObject", "Unable to load lua file nope.lua"));
    harness.run("loadLuaFileToObject('nope.lua', {}, 'x')  loadLuaFileToObject('nope2.lua', {}, 'x', nil)");
    EXPECT_TRUE(log.has(lang::log::Error, "GameLua::loadLuaFileToObject", "Unable to load lua file nope.lua"));
    EXPECT_TRUE(log.has(lang::log::Error, "GameLua::loadLuaFileToObject", "Unable to load lua file nope2.lua"));
}

TEST_F(ScriptFilesTest, FileSystemNatives) {
    gametest::writeFile("levels/one.lua", gametest::bytesOf("x"));
    gametest::writeFile("levels/two.lua", gametest::bytesOf("x"));
    harness.run(R"(
        found = checkForLuaFile('scripts/values.lua')  absent = checkForLuaFile('scripts/none.lua')
        createDirectory('made')  createDirectory('made')
        isFolder = checkDirectory('made')  isFile = checkDirectory('levels/one.lua')  isNone = checkDirectory('zzz')
        list = getDirectoryFileList('levels/*.lua')  none = getDirectoryFileList('zzz/*'))");
    EXPECT_TRUE(game().getBoolean("found"));
    EXPECT_FALSE(game().getBoolean("absent"));
    EXPECT_TRUE(std::filesystem::is_directory("made"));
    EXPECT_TRUE(game().getBoolean("isFolder"));
    EXPECT_TRUE(game().getBoolean("isFile"));
    EXPECT_FALSE(game().getBoolean("isNone"));
    const lua::LuaTable list = game().getTable("list");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.getString(1), "one.lua");
    EXPECT_EQ(list.getString(2), "two.lua");
    EXPECT_EQ(game().getTable("none").count(), 0);
}

TEST_F(ScriptFilesTest, GameLogicRunsInTheGlobalsThenUpdateValues) {
    gametest::writeScript("common/gamelogic.lua",
                          "order = 'ran'  function updateValues() order = order .. ',values' end");
    game().loadGameLogic(io::PathName("common/gamelogic.lua"));
    EXPECT_EQ(game().getString("order"), "ran,values");

    gametest::writeScript("common/bad.lua", "function updateValues() error('bad values') end");
    EXPECT_THROW(game().loadGameLogic(io::PathName("common/bad.lua")), lua::LuaException);
    EXPECT_THROW(game().loadGameLogic(io::PathName("common/missing.lua")), lang::Throwable);
}

} // namespace
