// The player's progress (games/demo/scripts/ui/progress.lua) in the game's script environment:
// what a level's end keeps, what opens the next level, and what a damaged save turns into.
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// Copies the demo's script `name` (scripts/ui/<name>.lua) into the game's data folder and runs it.
void loadUiScript(gametest::GameHarness& harness, const std::string& name) {
    const std::string file = "scripts/ui/" + name + ".lua";
    const std::ifstream source(TUMBLE_SOURCE_DIR "/games/demo/" + file);
    gametest::writeScript(file, (std::ostringstream() << source.rdbuf()).str());
    harness.run("loadLuaFile('" + file + "', '')");
}

TEST(ProgressTest, ALevelsEndKeepsTheBestAndOpensTheNextLevel) {
    gametest::GameHarness harness;
    harness.start();
    for (const char* name : {"stars", "preferences", "progress"})
        loadUiScript(harness, name);
    // Each step: Lua run before the answers are read; the answers are the record of level "a",
    // whether the end beat the best, and whether levels 1 to 3 are open.
    const struct {
        const char* what;
        const char* step;
        const char* expected;
    } steps[] = {
        {"first start", "settings.progress = nil  beat = false", "0 0 false open: true false false"},
        {"a lost level counts for nothing",
         "beat = Progress.record({ name = 'a', won = false, score = 900, stars = 3 })",
         "0 0 false open: true false false"},
        {"a win without a star keeps the score but opens nothing",
         "beat = Progress.record({ name = 'a', won = true, score = 300, stars = 0 })",
         "300 0 true open: true false false"},
        {"a starred win opens the next level",
         "beat = Progress.record({ name = 'a', won = true, score = 5000, stars = 2 })",
         "5000 2 true open: true true false"},
        {"the best score and the most stars are kept apart",
         "beat = Progress.record({ name = 'a', won = true, score = 4000.7, stars = 3 })",
         "5000 3 false open: true true false"},
        {"a better score with fewer stars keeps the stars",
         "beat = Progress.record({ name = 'a', won = true, score = 9000, stars = 1 })",
         "9000 3 true open: true true false"},
        {"a damaged save reads as nothing won", "settings.progress.a = { highscore = -5, stars = 0/0 }  beat = false",
         "0 0 false open: true false false"},
        {"stars beyond three and fractions are cut", "settings.progress.a = { highscore = 12.9, stars = 7 }",
         "12 3 false open: true true false"},
        {"a save that is no table at all", "settings.progress = 'junk'", "0 0 false open: true false false"},
    };
    harness.run("levelList = { { name = 'a' }, { name = 'b' }, { name = 'c' } }");
    for (const auto& step : steps) {
        harness.run(step.step);
        harness.run("local a = Progress.of('a')  answer = a.highscore .. ' ' .. a.stars .. ' ' .. tostring(beat) .."
                    "  ' open: ' .. tostring(Progress.isUnlocked(1)) .. ' ' .. tostring(Progress.isUnlocked(2)) .."
                    "  ' ' .. tostring(Progress.isUnlocked(3))");
        EXPECT_EQ(harness.game->getString("answer"), step.expected) << step.what;
    }
}

} // namespace
