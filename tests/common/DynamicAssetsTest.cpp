// The dynamic asset handler driven by scripts: counts per file over shared load groups, the
// load queue of the resource registry, and what is logged or refused.
#include "GameHarness.h"
#include "ResourceFiles.h"

#include "game/Resources.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using Names = std::set<std::string>;

/// Sheets "a", "m", "l" and "t0" ... "t9" and the composite set "parts" (of sprite "a") in the
/// folder of profile "SD"; "menu" and "level" share the group "shared".
class DynamicAssetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string ten = "{";
        for (const std::string sheet : {"a", "m", "l", "t0", "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9"}) {
            writeFile("img/SD/" + sheet + ".dat", container("SPRT", {1, "s.png", 1, sheet.c_str(), 0, 0, 4, 4, 0, 0}));
            ten += sheet.starts_with("t") ? "{'" + sheet + ".dat', 0}," : "";
        }
        writeFile("img/SD/s.png", pngHeader(8, 8));
        writeFile("img/SD/parts.dat", container("COMP", {1, 1, "statue", 1, "a", 0, 0}));
        PathsAndFlags paths;
        paths.imagePath = "img";
        harness.start(paths);
        harness.run("function selectAssetProfile(group) return 'SD' end\n"
                    "function loadLoadList(profile) loadlist = loadlist or {SD = lists} end\n"
                    "lists = {shared = {{'a.dat', 0}, {'parts.dat', 1.7}}, menu = {{'m.dat', 0}, {'music.dat', 2}},"
                    "  level = {{'l.dat', 0}}, ten = " +
                    ten +
                    "}, bad = {{'l.dat', 0}, {'x.dat', 3}}}\n"
                    "createDynamicHandler('assets')\n"
                    "assets.addreq({menu = {'shared', 'menu'}, level = {'shared', 'level'}, ten = {'ten'},"
                    "  broken = {'level', 'bad'}, ghost = {'nothing'}})");
    }

    game::Resources& resources() { return harness.resources->resources(); }
    Names loaded() const {
        Names names;
        for (const auto& entry : harness.resources->resources().spriteSheets())
            names.insert(entry.first);
        for (const auto& entry : harness.resources->resources().compoSpriteSets())
            names.insert(entry.first);
        return names;
    }

    gametest::GameHarness harness;
};

} // namespace

TEST_F(DynamicAssetsTest, FilesAreQueuedWhenFirstNeededAndReleasedWhenNoLongerNeeded) {
    // A sheet under the base name of the type-2 file: no release of the handler may touch it.
    writeFile("other/music.dat", container("SPRT", {1, "s.png", 0}));
    writeFile("other/s.png", pngHeader(8, 8));
    harness.run("res.createSpriteSheet('other/music.dat')");
    const struct {
        const char* script;
        std::size_t queued;
        Names loaded;
        float result;
    } steps[] = {
        {"assets.queueload('menu')", 3, {"music"}, 0},
        {"assets.queueload({'level', 'menu'})", 4, {"music"}, 0},
        {"result = assets.loadqueued()", 0, {"a", "l", "m", "music", "parts"}, 4},
        {"assets:load('menu')", 0, {"a", "l", "m", "music", "parts"}, 0},
        {"assets.release('menu')", 0, {"a", "l", "music", "parts"}, 0},
        {"assets:release({'level'})", 0, {"music"}, 0},
        {"assets.load({'menu', 'level'}) assets.delayclear()", 0, {"a", "l", "m", "music", "parts"}, 0},
        {"assets.reload()", 0, {"music"}, 0},
        {"assets.queueload('ten')", 10, {"music"}, 0},
        {"result = assets.loadqueued(3)", 7, {"music", "t0", "t1", "t2"}, 3},
        {"assets.release('ten')", 0, {"music"}, 0},
        {"assets.queueload('ten') result = assets:loadqueued()",
         0,
         {"music", "t0", "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9"},
         10},
        {"assets.load('level') assets.clear()", 0, {"music"}, 0},
    };
    for (const auto& step : steps) {
        harness.run("result = 0 " + std::string(step.script));
        EXPECT_EQ(resources().queuedLoads(), step.queued) << step.script;
        EXPECT_EQ(loaded(), step.loaded) << step.script;
        EXPECT_EQ(harness.game->getNumber("result"), step.result) << step.script;
    }
}

TEST_F(DynamicAssetsTest, ProblemsAreLoggedOrRefused) {
    gametest::LogCapture log;
    harness.run("assets.addreq({[1] = {'menu'}})  assets.load({'nowhere', 'ghost'})  assets.release('nowhere')");
    std::vector<std::string> messages;
    for (const auto& record : log.records)
        messages.push_back(record.message);
    EXPECT_EQ(messages, (std::vector<std::string>{"Invalid requirement id in dynamic asset profile, should be a string",
                                                  "Asset requirements missing for nowhere",
                                                  "Load group nothing is empty for profile SD",
                                                  "Asset requirements missing for nowhere"}));
    EXPECT_EQ(harness.failureOf("assets.queueload('broken')"),
              "Unrecognized file type in load group bad in SD loadlist: [ x.dat, 3 ]");
    EXPECT_EQ(resources().queuedLoads(), 0u) << "a refused requirement counts none of its files";
    EXPECT_EQ(harness.failureOf("createDynamicHandler('again')"), "Dynamic asset handler already initialized");
}
