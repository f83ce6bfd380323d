#include "framework/CommandLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using testing::ElementsAre;

framework::CommandLine parse(std::vector<const char*> argv) {
    return framework::parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLineTest, PlainRunHasOnlyTheProgram) {
    const auto line = parse({"tumble"});
    EXPECT_THAT(line.arguments, ElementsAre("tumble"));
    EXPECT_FALSE(line.frames);
    EXPECT_FALSE(line.fixedDt);
    EXPECT_TRUE(line.screenshot.empty());
    EXPECT_FALSE(line.help || line.version);
    EXPECT_TRUE(line.error.empty());
}

TEST(CommandLineTest, OptionsAreTakenOutOfTheArguments) {
    const auto line =
        parse({"tumble", "--frames", "5", "games/demo/config.lua", "--fixed-dt", "0.02", "--screenshot", "a.png"});
    EXPECT_TRUE(line.error.empty()) << line.error;
    EXPECT_THAT(line.arguments, ElementsAre("tumble", "games/demo/config.lua"));
    EXPECT_EQ(line.frames, 5);
    EXPECT_FLOAT_EQ(*line.fixedDt, 0.02f);
    EXPECT_EQ(line.screenshot, "a.png");
    EXPECT_TRUE(parse({"tumble", "--fixed-dt", "0"}).error.empty());
    EXPECT_TRUE(parse({"tumble", "--version"}).version);
    EXPECT_TRUE(parse({"tumble", "-h"}).help);
}

TEST(CommandLineTest, BadOptionsSayWhy) {
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{"tumble", "--frames"}, "--frames needs a value"},
        {{"tumble", "--frames", "0"}, "--frames needs a positive whole number, not \"0\""},
        {{"tumble", "--frames", "3x"}, "--frames needs a positive whole number, not \"3x\""},
        {{"tumble", "--frames", "-2"}, "--frames needs a positive whole number, not \"-2\""},
        {{"tumble", "--fixed-dt", "-0.1"}, "--fixed-dt needs a number of seconds, not \"-0.1\""},
        {{"tumble", "--fixed-dt", "nan"}, "--fixed-dt needs a number of seconds, not \"nan\""},
        {{"tumble", "--fixed-dt", ""}, "--fixed-dt needs a number of seconds, not \"\""},
        {{"tumble", "--screenshot"}, "--screenshot needs a value"},
        {{"tumble", "--fullscreen"}, "unknown option --fullscreen"},
        {{"tumble", "--seed", "-1"}, "--seed needs a whole number from 0 to 4294967295, not \"-1\""},
        {{"tumble", "--seed", "4294967296"}, "--seed needs a whole number from 0 to 4294967295, not \"4294967296\""},
        {{"tumble", "--level", "0"}, "--level needs a positive whole number, not \"0\""},
        {{"tumble", "--level", "2.5"}, "--level needs a positive whole number, not \"2.5\""},
        {{"tumble", "--replay"}, "--replay needs a value"},
        {{"tumble", "--record", "run.replay", "--replay", "./run.replay"},
         "--record and --replay name the same file run.replay"},
    };
    for (const auto& [argv, error] : cases)
        EXPECT_EQ(parse(argv).error, error);
}

// Record and replay runs must repeat: they get a seed unless told one; other runs differ.
TEST(CommandLineTest, ReproducibleRunsAreSeededAndReplaysEndByThemselves) {
    const struct {
        std::vector<const char*> argv;
        std::optional<std::uint32_t> seed;
        bool automated;
    } cases[] = {
        {{"tumble"}, std::nullopt, false},
        {{"tumble", "--seed", "0"}, 0u, false},
        {{"tumble", "--record", "a.replay"}, 1u, false},
        {{"tumble", "--replay", "a.replay", "--seed", "4294967295"}, 4294967295u, true},
        {{"tumble", "--replay", "a.replay", "--record", "b.replay"}, 1u, true},
        {{"tumble", "--frames", "3"}, std::nullopt, true},
    };
    for (const auto& c : cases) {
        const auto line = parse(c.argv);
        EXPECT_TRUE(line.error.empty()) << line.error;
        EXPECT_EQ(framework::runSeed(line), c.seed) << c.argv.size();
        EXPECT_EQ(framework::isAutomated(line), c.automated) << c.argv.size();
    }
    const auto line = parse({"tumble", "--level", "12", "--state-hash", "--frame-stats", "game.lua"});
    EXPECT_EQ(line.level, 12);
    EXPECT_TRUE(line.stateHash && line.frameStats);
    EXPECT_THAT(line.arguments, ElementsAre("tumble", "game.lua"));
}

TEST(CommandLineTest, UsageListsEveryOption) {
    const std::string text = framework::usage("tumble", "Runs things.\n");
    EXPECT_EQ(text.rfind("Usage: tumble [CONFIG] [OPTIONS]\n\nRuns things.\n", 0), 0u);
    for (const char* option :
         {"--frames N", "--fixed-dt SECONDS", "--screenshot FILE", "--record FILE", "--replay FILE", "--seed N",
          "--level N", "--state-hash", "--frame-stats", "--version", "--help"})
        EXPECT_NE(text.find(option), std::string::npos) << option;
}

} // namespace
