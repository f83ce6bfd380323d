// The state hash that tells two runs' ends apart.
#include "StateHash.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Three resting boxes and a score.
constexpr const char* kScene = R"(
    createBox('a', '', 0, 0, 2, 2, 0, 0, 0, true, false, 1)
    createBox('b', '', 5, -1, 1, 3, 0, 0, 0, true, false, 1)
    createBox('c', '', 9, 2, 1, 1, 0, 0, 0, true, false, 1)
    score = 250
)";

std::uint64_t hashOf(gametest::GameHarness& harness) {
    GameLua& game = *harness.game;
    return stateHash(game.objects(), game.isNumber("score") ? game.getNumber("score") : 0.0f);
}

TEST(StateHashTest, EveryChangeOfAPoseANameOrTheScoreShowsAndNothingElseDoes) {
    gametest::GameHarness harness;
    harness.start();
    harness.run(kScene);
    const std::uint64_t base = hashOf(harness);
    // Each change, then the script that undoes it.
    const std::pair<const char*, const char*> changes[] = {
        {"setPosition('b', 5.000001, -1)", "setPosition('b', 5, -1)"},
        {"setPosition('c', 9, 2.0000002)", "setPosition('c', 9, 2)"},
        {"setRotation('a', 0.0001)", "setRotation('a', 0)"},
        {"score = 251", "score = 250"},
        {"removeObject('c')  createBox('d', '', 9, 2, 1, 1, 0, 0, 0, true, false, 1)",
         "removeObject('d')  createBox('c', '', 9, 2, 1, 1, 0, 0, 0, true, false, 1)"},
        {"createBox('e', '', 0, 0, 1, 1, 0, 0, 0, true, false, 1)", "removeObject('e')"},
    };
    for (const auto& [change, undo] : changes) {
        harness.run(change);
        EXPECT_NE(hashOf(harness), base) << change;
        harness.run(undo);
        // The undo of the fifth case makes 'c' again, last: the order of creation does not count.
        EXPECT_EQ(hashOf(harness), base) << undo;
    }
    harness.run("score = 0");
    const std::uint64_t zero = hashOf(harness);
    harness.run("score = nil");
    EXPECT_EQ(hashOf(harness), zero);
    harness.run("score = 'high'");
    EXPECT_EQ(hashOf(harness), zero);
}

} // namespace
