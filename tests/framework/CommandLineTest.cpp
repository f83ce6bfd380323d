#include "framework/CommandLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
    };
    for (const auto& [argv, error] : cases)
        EXPECT_EQ(parse(argv).error, error);
}

TEST(CommandLineTest, UsageListsEveryOption) {
    const std::string text = framework::usage("tumble", "Runs things.\n");
    EXPECT_EQ(text.rfind("Usage: tumble [CONFIG] [OPTIONS]\n\nRuns things.\n", 0), 0u);
    for (const char* option : {"--frames N", "--fixed-dt SECONDS", "--screenshot FILE", "--version", "--help"})
        EXPECT_NE(text.find(option), std::string::npos) << option;
}

} // namespace
